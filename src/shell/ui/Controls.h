#pragma once
// Builders for the controls of a window's design: each creates the widget
// with its objectName (an empty name leaves it unnamed) and design text, and
// places it at a rectangle made by Twips::rect. Anything further (fonts,
// read-only, handlers) stays with the window that needs it.
#include <QString>
#include <Qt>

class QGroupBox;
class QLabel;
class QLineEdit;
class MultiLineBox;
class QPushButton;
class QRadioButton;
class QRect;
class QTabWidget;
class QWidget;

namespace Controls {

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A heading's font: the application font at `points`, bold if asked.
void setFontSize(QWidget* w, double points, bool bold = false);
QLineEdit* textBox(QWidget* parent, const QString& name, const QString& text, const QRect& r);
// A box of several lines; see MultiLineBox for what it takes.
MultiLineBox* multiLineBox(QWidget* parent, const QString& name, const QString& text, const QRect& r);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& r);
QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, const QRect& r);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QRect& r);
// A frame whose caption stands on its border line, so a design's first row fits just under the caption.
QGroupBox* tightFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& r);

// Adds a page to a tab control whose designs place controls relative to the
// whole control (tab strip included); children of the returned page use those
// coordinates through tabTop().
QWidget* addTab(QTabWidget* tabs, const QString& caption);
// Design top of a control on a tab page, moved up by the tab strip.
double tabTop(const QTabWidget* tabs, double designTop);

} // namespace Controls
