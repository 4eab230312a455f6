#include "conversion/Calc_conv_vel.h"

#include "quantities/Velocity.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Velocity::member>

namespace Calc_conv_vel {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"mm/s", "cm/s", "m/s", "km/h", "fps", "inps", "mph", "kt"};

constexpr ConvSkeleton::Table<Velocity, names.size()> table = {{
    {{same, M(mms2cms), M(mms2ms), M(mms2kmh), M(mms2fps), M(mms2inps), M(mms2mph), M(mms2kt)}},
    {{M(cms2mms), same, M(cms2ms), M(cms2kmh), M(cms2fps), M(cms2inps), M(cms2mph), M(cms2kt)}},
    {{M(ms2mms), M(ms2cms), same, M(ms2kmh), M(ms2fps), M(ms2inps), M(ms2mph), M(ms2kt)}},
    {{M(kmh2mms), M(kmh2cms), M(kmh2ms), same, M(kmh2fps), M(kmh2inps), M(kmh2mph), M(kmh2kt)}},
    {{M(fps2mms), M(fps2cms), M(fps2ms), M(fps2kmh), same, M(fps2inps), M(fps2mph), M(fps2kt)}},
    {{M(ins2mms), M(ins2cms), M(ins2ms), M(ins2kph), M(ins2fps), same, M(ins2mph), M(ins2kt)}},
    {{M(mph2mms), M(mph2cms), M(mph2ms), M(mph2kmh), M(mph2fps), M(mph2inps), same, M(mph2kt)}},
    {{M(kt2mms), M(kt2cms), M(kt2ms), M(kt2kmh), M(kt2fps), M(kt2inps), M(kt2mph), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_vel};

ConvSkeleton::Output conv_vel(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_vel
