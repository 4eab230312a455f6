#pragma once
// Pressure converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_press {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_press(int from, int to, QStringView input);
}
