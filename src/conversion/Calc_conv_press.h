#pragma once
// Pressure converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_press {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_press(int from, int to, QStringView input);
}
