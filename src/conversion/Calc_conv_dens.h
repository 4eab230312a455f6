#pragma once
// Density converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_dens {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_dens(int from, int to, QStringView input);
}
