#pragma once
// Temperature converter: "deg_C", "deg_K", "deg_F", "deg_R". Scales differ by
// an offset, so the input is stored through the from-scale's setter and read
// back through the pair's member instead of being multiplied by a factor.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_temp {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
