#pragma once
// Acceleration converter (the list puts feet before inches; each cell is
// chosen by its units).
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_accel {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_accel(int from, int to, QStringView input);
}
