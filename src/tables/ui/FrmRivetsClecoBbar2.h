#pragma once
// The rivet reference laid out one row per diameter: a size picker, the
// drawings of an undriven and a driven rivet, and under them the table with
// one row per rivet diameter. Nothing in the program opens it.
#include "shell/ui/ToolWindow.h"

class FlexGrid;
class QComboBox;
class QLabel;
class QLineEdit;

class FrmRivetsClecoBbar2 : public ToolWindow {
    Q_OBJECT
public:
    FrmRivetsClecoBbar2();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    QLabel* Label1 = nullptr;
    QComboBox* CboRivetsize = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Picture1 = nullptr;
    FlexGrid* MSHFlexGrid1 = nullptr;
};
