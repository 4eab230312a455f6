#pragma once
// A picture box: a JPEG from the tables' resources drawn at its own size from
// the top-left corner (clipped by the box), with room for controls on it.
#include <QLabel>

namespace PictureBox {
// `picture` is a file under resources/tables ("rivet_driven.jpg").
QLabel* make(QWidget* parent, const QString& name, const QRect& geometry, const QString& picture);
} // namespace PictureBox
