#pragma once
// Volume converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Vol {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_vol(int from, int to, QStringView input);
}
