#pragma once
// Frequency converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_freq {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_freq(int from, int to, QStringView input);
}
