#pragma once
// Length converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_len {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_len(int from, int to, QStringView input);
}
