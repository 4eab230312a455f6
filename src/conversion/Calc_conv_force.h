#pragma once
// Force converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_force {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_force(int from, int to, QStringView input);
}
