#pragma once
// Power converter: "Watt or (N*m/sec)", "Hp", "Btu/min", "cal/sec".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Power {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
