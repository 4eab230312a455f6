#pragma once
// Frequency converter: "Hz", "rad/sec", "deg/sec", "RPM".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_freq {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
