#pragma once
// Length of the vector (x, y, z), every step checked.
#include "runtime/Checked.h"

namespace geo {

inline double magnitude(double x, double y, double z)
{
    const rt::Checked cx = x, cy = y, cz = z;
    return rt::sqrt(cx * cx + cy * cy + cz * cz).v;
}

} // namespace geo
