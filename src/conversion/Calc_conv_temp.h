#pragma once
// Temperature converter. Scales differ by an offset, so the input is stored
// through the from-scale's setter and read back through the pair's member
// instead of being multiplied by a factor.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_temp {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_temp(int from, int to, QStringView input);
}
