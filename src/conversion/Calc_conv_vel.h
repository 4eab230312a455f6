#pragma once
// Velocity converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_vel {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_vel(int from, int to, QStringView input);
}
