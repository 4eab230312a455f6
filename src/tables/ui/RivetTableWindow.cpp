#include "tables/ui/RivetTableWindow.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"
#include "tables/ui/FlexGrid.h"

#include <QLabel>

RivetTableWindow::RivetTableWindow(const QString& name, float clientWidth, float clientHeight)
    : ToolWindow(name), designRoom_(Twips::rect(0, 0, clientWidth, clientHeight).size())
{
    setWindowTitle("Rivets, Drills, Glecos, Bucking Bar-Minimums");
    setClientSize(clientWidth, clientHeight);
}

void RivetTableWindow::makeHeading(QWidget* body, const QRect& r)
{
    Label1 = Controls::label(body, "Label1", "Rivets:", r, Qt::AlignLeft | Qt::AlignTop);
    Controls::setFontSize(Label1, 9.75);
}

void RivetTableWindow::makeGrid(QWidget* body, int rows, int cols, const QRect& r)
{
    MSHFlexGrid1 = new FlexGrid(rows, cols, body);
    MSHFlexGrid1->setObjectName("MSHFlexGrid1");
    // The design's 8.25-point sans-serif is the application font itself.
    MSHFlexGrid1->setAllRowHeights(MSHFlexGrid1->fontMetrics().height() + 3);
    MSHFlexGrid1->setGeometry(r);
}

void RivetTableWindow::gridGivesWay() { MSHFlexGrid1->giveWayWithin(designRoom_); }

void RivetTableWindow::loadTable(const QString& format, const std::function<void()>& fill)
{
    Label1->setText(QStringLiteral("Rivets, Drill sizes, Clecos and Buckbars\r\nAll units are in [inches]"));
    MSHFlexGrid1->setWordWrap(true);
    MSHFlexGrid1->setFormatString(format);
    fill();
    MSHFlexGrid1->fitColumns();
}
