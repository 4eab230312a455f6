#pragma once
// Angle converter: "deg", "rad".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_angle {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
