#pragma once
// Mass converter: "gr", "kg", "slug".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_mass {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
