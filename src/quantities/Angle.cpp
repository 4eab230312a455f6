#include "quantities/Angle.h"

#include <cmath>

double Angle::deg2rad() const
{
    const double pi = 4.0 * std::atan(1.0);
    return pi / 180.0;
}

double Angle::rad2deg() const
{
    const double pi = 4.0 * std::atan(1.0);
    return 180.0 / pi;
}
