#pragma once
// Work converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_work {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_work(int from, int to, QStringView input);
}
