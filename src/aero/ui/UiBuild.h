#pragma once
// Small builders for the aero windows: controls placed from design twips,
// with their objectName and design text set before any handler is connected.
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace UiBuild {

QLabel* label(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h);
QLineEdit* box(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, double l, double t, double w,
                 double h);

// Adds a page to a tab control whose designs place controls relative to the
// whole control (tab strip included); children of the returned page use those
// coordinates through tabTop().
QWidget* addTab(QTabWidget* tabs, const QString& caption);
// Design top of a control on a tab page, moved up by the tab strip.
double tabTop(const QTabWidget* tabs, double designTop);

} // namespace UiBuild
