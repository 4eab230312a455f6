#include "tables/ui/Frm_Drill_sizes.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"
#include "tables/Drill_sizes.h"
#include "tables/ui/FlexGrid.h"

#include <QLabel>

namespace {
constexpr float drillRoomWidth = 3405, drillRoomHeight = 7635;
}

Frm_Drill_sizes::Frm_Drill_sizes() : ToolWindow("Frm_Drill_sizes")
{
    setWindowTitle("Drill Sizes");
    setClientSize(drillRoomWidth, drillRoomHeight);
}

void Frm_Drill_sizes::setupUi(QWidget* body)
{
    Lbl_drillsizes = Controls::label(body, "Lbl_drillsizes", "Drill Sizes", Twips::rect(120, 45, 3240, 375));
    Controls::setFontSize(Lbl_drillsizes, 13.5);

    MSFlexGrid1 = new FlexGrid(Drill_sizes::rows, Drill_sizes::cols, body);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    // The design's 8.25-point sans-serif is the application font itself.
    MSFlexGrid1->setAllRowHeights(MSFlexGrid1->fontMetrics().height() + 4);
    MSFlexGrid1->setGeometry(Twips::rect(30, 435, 3300, 7155));
    const int widths[] = {58, 62, 82};
    for (int c = 0; c < Drill_sizes::cols; ++c) MSFlexGrid1->setColumnWidth(c, widths[c]);
    MSFlexGrid1->giveWayWithin(Twips::rect(0, 0, drillRoomWidth, drillRoomHeight).size());
}

void Frm_Drill_sizes::Form_Load()
{
    const QStringList& cells = Drill_sizes::cells();
    for (int i = 0; i < cells.size(); ++i) MSFlexGrid1->setTextArray(i, cells[i]);
}
