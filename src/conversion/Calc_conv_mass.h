#pragma once
// Mass converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_mass {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_mass(int from, int to, QStringView input);
}
