#pragma once
// Angle converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_angle {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_angle(int from, int to, QStringView input);
}
