#include "conversion/Calc_conv_angle.h"

#include "quantities/Angle.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Angle::member>

namespace Calc_conv_angle {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"deg", "rad"};

constexpr ConvSkeleton::Table<Angle, names.size()> table = {{
    {{same, M(deg2rad)}},
    {{M(rad2deg), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_angle};

ConvSkeleton::Output conv_angle(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_angle
