#include "tables/ui/FrmRivetsClecoBbar1.h"

#include "shell/ui/Controls.h"
#include "shell/ui/MultiLineBox.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"
#include "shell/ui/Wforms.h"
#include "tables/Rivet_table.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/PictureBox.h"

#include <QLabel>
#include <QLineEdit>

FrmRivetsClecoBbar1::FrmRivetsClecoBbar1() : RivetTableWindow("FrmRivetsClecoBbar1", 12705, 7995) {}

void FrmRivetsClecoBbar1::setupUi(QWidget* body)
{
    makeHeading(body, Twips::rect(60, 15, 12570, 450));
    makeGrid(body, 16, 9, Twips::rect(15, 525, 12600, 3960));

    TxtNote = Controls::multiLineBox(body, "TxtNote", QString(), Twips::rect(30, 4545, 12600, 375));
    TxtNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtNote->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Picture2 = PictureBox::make(body, "Picture2", Twips::rect(45, 4980, 6300, 3000), "rivet_driven_small.jpg");
    // Takes any copied heading whole, the widest being "     General Specifications    ".
    Txtdiam = Controls::textBox(Picture2, "Txtdiam", QString(), Twips::rect(885, 2595, 2490, 300));
    txtcutfreelength = Controls::textBox(Picture2, "txtcutfreelength", QString(), Twips::rect(4695, 2385, 1425, 300));
    Picture1 = PictureBox::make(body, "Picture1", Twips::rect(6405, 4995, 6240, 2985), "rivet_driven.jpg");
    txtdrivendiam = Controls::textBox(Picture1, "txtdrivendiam", QString(), Twips::rect(2115, 2550, 1245, 315));
    Txtdrivenlen = Controls::textBox(Picture1, "Txtdrivenlen", QString(), Twips::rect(4515, 2400, 1455, 315));

    QWidget::setTabOrder(MSHFlexGrid1, TxtNote);
    QWidget::setTabOrder(TxtNote, txtcutfreelength);
    QWidget::setTabOrder(txtcutfreelength, Txtdiam);
    QWidget::setTabOrder(Txtdiam, Txtdrivenlen);
    QWidget::setTabOrder(Txtdrivenlen, txtdrivendiam);

    gridGivesWay();
    connect(MSHFlexGrid1, &FlexGrid::Click, this, [this] { MSHFlexGrid1_Click(); });
}

void FrmRivetsClecoBbar1::Form_Load()
{
    Wforms::place_child_form(*this, 8400, 12800);
    loadTable(Rivet_table::formatString(), [this] { fill_Info(); });
    TxtNote->setPlainText("Note: These are recommended values");
}

void FrmRivetsClecoBbar1::fill_Info()
{
    for (int col = 1; col <= Rivet_table::cols; ++col) {
        for (int row = 1; row <= Rivet_table::rows; ++row) {
            MSHFlexGrid1->setCol(col);
            MSHFlexGrid1->setRow(row);
            MSHFlexGrid1->setText(Rivet_table::cell(row, col));
        }
    }
}

void FrmRivetsClecoBbar1::MSHFlexGrid1_Click()
{
    const int c = MSHFlexGrid1->MouseCol();
    if (c < 0 || c >= MSHFlexGrid1->Cols()) return; // a click beside the columns copies nothing
    MSHFlexGrid1->setCol(c);
    MSHFlexGrid1->setRow(0);
    NumberBox::of(Txtdiam).show(MSHFlexGrid1->Text());
}
