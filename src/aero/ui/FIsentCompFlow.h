#pragma once
// Isentropic-flow ratios for a typed Mach number and gamma, recomputed on
// every change of either box.
#include "aero/CFlow1dis.h"
#include "aero/ui/FlowWindow.h"

class FIsentCompFlow : public FlowModelWindow<CFlow1dis> {
    Q_OBJECT
public:
    FIsentCompFlow();
};
