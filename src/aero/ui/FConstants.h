#pragma once
// Reference window: the constants of air and the standard sea-level values,
// English units on one tab, ISO on the other. Fixed texts, no handlers.
#include "shell/ui/ToolWindow.h"

class FConstants : public ToolWindow {
    Q_OBJECT
public:
    FConstants();

protected:
    void setupUi(QWidget* body) override;
};
