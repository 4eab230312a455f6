#pragma once
// Power converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Power {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_power(int from, int to, QStringView input);
}
