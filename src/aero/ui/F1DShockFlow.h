#pragma once
// Normal-shock relations for a typed upstream Mach number and gamma,
// recomputed on every change of either box.
#include "aero/CFlow1DShockNormal.h"
#include "aero/ui/FlowWindow.h"

class F1DShockFlow : public FlowModelWindow<CFlow1DShockNormal> {
    Q_OBJECT
public:
    F1DShockFlow();
};
