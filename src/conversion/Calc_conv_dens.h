#pragma once
// Density converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_dens {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_dens(int from, int to, QStringView input);
}
