#include "conversion/Calc_conv_Power.h"

#include "quantities/Power.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Power::member>

namespace Calc_conv_Power {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"Watt or (N*m/sec)", "Hp", "Btu/min", "cal/sec"};

constexpr ConvSkeleton::Table<Power, names.size()> table = {{
    {{same, M(W2Hp), M(W2Btupm), M(W2calpsec)}},
    {{M(Hp2W), same, M(Hp2Btupm), M(Hp2calpsec)}},
    {{M(Btupm2W), M(Btupm2Hp), same, M(Btupm2calpsec)}},
    {{M(calpsec2W), M(calpsec2Hp), M(calpsec2Btupm), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_power};

ConvSkeleton::Output conv_power(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_Power
