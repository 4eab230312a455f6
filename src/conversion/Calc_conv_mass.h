#pragma once
// Mass converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_mass {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_mass(int from, int to, QStringView input);
}
