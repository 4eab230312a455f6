#pragma once
// Rivets, drills, Clecos and bucking bars: the reference grid, two drawings of
// a driven rivet with boxes on them, and a click that copies a column's rivet
// diameter into the box on the small drawing. A window of its own.
#include "tables/ui/RivetTableWindow.h"

class QLineEdit;
class MultiLineBox;

class FrmRivetsClecoBbar1 : public RivetTableWindow {
    Q_OBJECT
public:
    FrmRivetsClecoBbar1();

    void fill_Info();
    void MSHFlexGrid1_Click();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    MultiLineBox* TxtNote = nullptr;
    QLineEdit* Txtdiam = nullptr;
    QLineEdit* txtcutfreelength = nullptr;
    QLineEdit* txtdrivendiam = nullptr;
    QLineEdit* Txtdrivenlen = nullptr;
};
