#pragma once
// Work converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_work {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_work(int from, int to, QStringView input);
}
