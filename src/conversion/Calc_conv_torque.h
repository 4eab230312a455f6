#pragma once
// Torque converter.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_torque {
extern const ConvSkeleton::Converter converter;
ConvSkeleton::Output conv_torque(int from, int to, QStringView input);
}
