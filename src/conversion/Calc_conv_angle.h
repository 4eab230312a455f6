#pragma once
// Angle converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_angle {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_angle(int from, int to, QStringView input);
}
