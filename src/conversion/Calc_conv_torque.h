#pragma once
// Torque converter: "N-m", "Dyne-cm", "lb-ft", "oz-in".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_torque {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
