#pragma once
// Acceleration converter: "cm/s^2", "m/s^2", "fps^2", "inps^2" (the list
// puts feet before inches; each cell is chosen by its units).
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_accel {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
