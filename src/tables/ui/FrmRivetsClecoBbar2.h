#pragma once
// The rivet reference laid out one row per diameter: a size picker, the
// drawings of an undriven and a driven rivet, and under them the table with
// one row per rivet diameter. Nothing in the program opens it.
#include "tables/ui/RivetTableWindow.h"

class QComboBox;

class FrmRivetsClecoBbar2 : public RivetTableWindow {
    Q_OBJECT
public:
    FrmRivetsClecoBbar2();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    QComboBox* CboRivetsize = nullptr;
};
