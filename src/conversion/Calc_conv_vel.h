#pragma once
// Velocity converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_vel {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_vel(int from, int to, QStringView input);
}
