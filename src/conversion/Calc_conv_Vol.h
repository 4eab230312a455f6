#pragma once
// Volume converter: "mm^3", "cm^3", "m^3", "km^3", "in^3", "ft^3", "yard^3",
// "mi^3", "Liters", "Oz", "Cup", "Gal(US)".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_Vol {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
