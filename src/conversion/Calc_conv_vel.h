#pragma once
// Velocity converter: "mm/s", "cm/s", "m/s", "km/h", "fps", "inps", "mph", "kt".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_vel {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
