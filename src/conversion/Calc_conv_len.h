#pragma once
// Length converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_len {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_len(int from, int to, QStringView input);
}
