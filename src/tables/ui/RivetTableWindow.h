#pragma once
// What the two rivet windows share: their title, the heading label above the
// table, the two drawings, the reference grid, and the load step that fills
// the heading and the grid.
#include "shell/ui/ToolWindow.h"

#include <QSize>

#include <functional>

class FlexGrid;
class QLabel;
class QRect;

class RivetTableWindow : public ToolWindow {
    Q_OBJECT
protected:
    RivetTableWindow(const QString& name, float clientWidth, float clientHeight);

    // Reads "Rivets:" until the load puts the full heading in.
    void makeHeading(QWidget* body, const QRect& r);
    // Rows one line of the application font high, heading row included.
    void makeGrid(QWidget* body, int rows, int cols, const QRect& r);
    // Once the controls stand: in a window smaller than its design the grid
    // gives up the room the window lacks.
    void gridGivesWay();
    // The heading text, then the grid: headings from `format`, cells from
    // `fill`, and the columns fitted to what they hold.
    void loadTable(const QString& format, const std::function<void()>& fill);

    QLabel* Label1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    FlexGrid* MSHFlexGrid1 = nullptr;

private:
    QSize designRoom_;
};
