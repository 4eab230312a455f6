#include "conversion/Calc_conv_mass.h"

#include "quantities/mass.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&mass::member>

namespace Calc_conv_mass {
namespace {
constexpr ConvSkeleton::Formula<mass> same = nullptr;

const ConvSkeleton::Table<mass, 3> table = {{
    {{same, M(gr2Kg), M(gr2slug)}},
    {{M(Kg2gr), same, M(kg2slug)}},
    {{M(slug2gr), M(slug2kg), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_mass
