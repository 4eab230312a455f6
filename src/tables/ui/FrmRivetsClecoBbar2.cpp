#include "tables/ui/FrmRivetsClecoBbar2.h"

#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"
#include "tables/Rivet_table.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

FrmRivetsClecoBbar2::FrmRivetsClecoBbar2() : RivetTableWindow("FrmRivetsClecoBbar2", 12720, 7455) {}

void FrmRivetsClecoBbar2::setupUi(QWidget* body)
{
    makeHeading(body, Twips::rect(60, 30, 8955, 615));

    Picture1 = PictureBox::make(body, "Picture1", Twips::rect(6360, 1080, 6240, 2985), "rivet_driven.jpg");
    CboRivetsize = new QComboBox(body);
    CboRivetsize->setObjectName("CboRivetsize");
    CboRivetsize->setEditable(true);
    CboRivetsize->setEditText("Rivet Diameter");
    CboRivetsize->setGeometry(Twips::rect(30, 720, 2460, 315));
    QLineEdit* Text1 = Controls::textBox(Picture1, "Text1", "Text1", Twips::rect(2115, 2550, 1245, 315));
    QLineEdit* Text2 = Controls::textBox(Picture1, "Text2", "Text1", Twips::rect(4515, 2400, 1455, 315));
    Picture2 = PictureBox::make(body, "Picture2", Twips::rect(30, 1065, 6300, 3000), "rivet_undriven.jpg");
    QLineEdit* Text3 = Controls::textBox(Picture2, "Text3", "Text3", Twips::rect(885, 2595, 1290, 300));
    QLineEdit* Text4 = Controls::textBox(Picture2, "Text4", "Text4", Twips::rect(4695, 2385, 1425, 300));

    // The design leaves the space under the drawings free; the table fills it.
    makeGrid(body, Rivet_table::byDiameterRows + 1, Rivet_table::byDiameterCols + 1, Twips::rect(30, 4125, 12600, 3270));

    QWidget::setTabOrder(CboRivetsize, Text1);
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, MSHFlexGrid1);
}

void FrmRivetsClecoBbar2::Form_Load()
{
    loadTable(Rivet_table::byDiameterFormatString(), [this] {
        for (int row = 1; row <= Rivet_table::byDiameterRows; ++row)
            for (int col = 1; col <= Rivet_table::byDiameterCols; ++col)
                MSHFlexGrid1->setTextMatrix(row, col, Rivet_table::byDiameterCell(row, col));
    });
}
