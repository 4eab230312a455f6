#pragma once
// Density converter: "Kg/m^3", "gr/cm^3", "lb/in^3", "lb/ft^3".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_dens {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
