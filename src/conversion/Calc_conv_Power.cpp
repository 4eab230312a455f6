#include "conversion/Calc_conv_Power.h"

#include "quantities/Power.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Power::member>

namespace Calc_conv_Power {
namespace {
constexpr ConvSkeleton::Formula<Power> same = nullptr;

const ConvSkeleton::Table<Power, 4> table = {{
    {{same, M(W2Hp), M(W2Btupm), M(W2calpsec)}},
    {{M(Hp2W), same, M(Hp2Btupm), M(Hp2calpsec)}},
    {{M(Btupm2W), M(Btupm2Hp), same, M(Btupm2calpsec)}},
    {{M(calpsec2W), M(calpsec2Hp), M(calpsec2Btupm), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_Power
