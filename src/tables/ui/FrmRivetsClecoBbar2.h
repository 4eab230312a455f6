#pragma once
// The rivet reference laid out one row per diameter: a size picker and the
// drawings of an undriven and a driven rivet. Nothing in the program opens it.
#include "shell/ui/ToolWindow.h"

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
};
