#pragma once
// Time converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_time {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_time(int from, int to, QStringView input);
}
