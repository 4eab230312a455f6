#pragma once
// Force converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_force {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_force(int from, int to, QStringView input);
}
