#pragma once
// Work converter: "Joule or (N-m)", "Watt-sec", "Watt_hour", "Btu", "cal", "ft-lb".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_work {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
