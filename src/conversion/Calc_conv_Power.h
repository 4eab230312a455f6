#pragma once
// Power converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Power {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_power(int from, int to, QStringView input);
}
