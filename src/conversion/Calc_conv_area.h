#pragma once
// Area converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_area {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_area(int from, int to, QStringView input);
}
