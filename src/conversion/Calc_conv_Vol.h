#pragma once
// Volume converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Vol {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_vol(int from, int to, QStringView input);
}
