#pragma once
// Drill sizes: number, letter and fractional drills in one list by diameter,
// in inches and millimetres. A window of its own beside the frame.
#include "shell/ui/ToolWindow.h"

class QLabel;
class FlexGrid;

class Frm_Drill_sizes : public ToolWindow {
    Q_OBJECT
public:
    Frm_Drill_sizes();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    QLabel* Lbl_drillsizes = nullptr;
    FlexGrid* MSFlexGrid1 = nullptr;
};
