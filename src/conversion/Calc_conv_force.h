#pragma once
// Force converter: "gr-f", "kg-f", "N", "dyne", "lb", "oz".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_force {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
