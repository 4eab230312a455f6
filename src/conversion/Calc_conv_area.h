#pragma once
// Area converter: "mm^2", "cm^2", "m^2", "km^2", "in^2", "ft^2", "yard^2",
// "mi^2", "Acre", "Ha".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_area {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
