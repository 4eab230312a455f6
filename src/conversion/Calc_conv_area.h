#pragma once
// Area converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_area {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_area(int from, int to, QStringView input);
}
