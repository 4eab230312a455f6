#include "conversion/Calc_conv_freq.h"

#include "quantities/freq.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&freq::member>

namespace Calc_conv_freq {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"Hz", "rad/sec", "deg/sec", "RPM"};

constexpr ConvSkeleton::Table<freq, names.size()> table = {{
    {{same, M(hz2rps), M(hz2degps), M(hz2RPM)}},
    {{M(rps2Hz), same, M(rps2degps), M(rps2RPM)}},
    {{M(degps2Hz), M(degps2rps), same, M(degps2RPM)}},
    {{M(RPM2Hz), M(RPM2rps), M(RPM2degps), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_freq};

ConvSkeleton::Output conv_freq(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_freq
