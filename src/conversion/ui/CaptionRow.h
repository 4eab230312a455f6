#pragma once
// Rows of caption buttons standing in for a tab control's tab bar (eighteen
// captions do not fit one bar). They behave as a tab bar does: one Tab stop
// (the selected caption), Left/Right, Up/Down (a row), Home and End select
// another caption, and Ctrl+Tab / Ctrl+Shift+Tab select the next or previous
// one from any control of the window. Selecting a caption sets the tab
// control's current tab, so it runs the same handler as a click.
#include <QList>
#include <QObject>

class QAbstractButton;
class QTabWidget;
class QWidget;

class CaptionRow : public QObject {
public:
    CaptionRow(QTabWidget* tabs, const QList<QAbstractButton*>& captions, int perRow);

    // A caption button that shows the keyboard focus plainly, also on the marked look.
    static QAbstractButton* newCaption(QWidget* parent);

    // Lets Ctrl+Tab and Ctrl+Shift+Tab change the tab from every control under `area`.
    void takeTabKeysFrom(QWidget* area);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void select(int index);
    void mark(int current);

    QTabWidget* tabs_;
    QList<QAbstractButton*> captions_;
    int perRow_;
};
