#pragma once
// Length converter: "mm", "cm", "m", "km", "in", "ft", "yard", "mi".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_len {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
