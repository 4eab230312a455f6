#pragma once
// Rivets, drills, Clecos and bucking bars: the reference grid, two drawings of
// a driven rivet with boxes on them, and a click that copies a column's rivet
// diameter into the box on the small drawing. A window of its own.
#include "shell/ui/ToolWindow.h"

class FlexGrid;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class FrmRivetsClecoBbar1 : public ToolWindow {
    Q_OBJECT
public:
    FrmRivetsClecoBbar1();

    void fill_Info();
    void MSHFlexGrid1_Click();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    QLabel* Label1 = nullptr;
    FlexGrid* MSHFlexGrid1 = nullptr;
    QPlainTextEdit* TxtNote = nullptr;
    QLabel* Picture2 = nullptr;
    QLineEdit* Txtdiam = nullptr;
    QLineEdit* txtcutfreelength = nullptr;
    QLabel* Picture1 = nullptr;
    QLineEdit* txtdrivendiam = nullptr;
    QLineEdit* Txtdrivenlen = nullptr;
};
