#pragma once
// Time converter: "Day", "Hours", "Min", "sec", "msec".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_time {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
