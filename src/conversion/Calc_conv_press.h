#pragma once
// Pressure converter: "atm", "mm-Hg or (torr)", "in-Hg", "bar", "psi", "psf",
// "dynes/cm^2", "Pa or (N/m^2)".
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_press {
ConvSkeleton::Output convert(int from, int to, QStringView input);
}
