#include "conversion/Calc_conv_angle.h"

#include "quantities/Angle.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Angle::member>

namespace Calc_conv_angle {
namespace {
constexpr ConvSkeleton::Formula<Angle> same = nullptr;

const ConvSkeleton::Table<Angle, 2> table = {{
    {{same, M(deg2rad)}},
    {{M(rad2deg), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_angle
