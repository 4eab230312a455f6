#pragma once
// Time converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_time {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_time(int from, int to, QStringView input);
}
