#pragma once
// Torque converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_torque {
ConvSkeleton::Units units();
ConvSkeleton::Output conv_torque(int from, int to, QStringView input);
}
