#include "conversion/Calc_conv_dens.h"

#include "quantities/Density.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Density::member>

namespace Calc_conv_dens {
namespace {
constexpr ConvSkeleton::Formula<Density> same = nullptr;

const ConvSkeleton::Table<Density, 4> table = {{
    {{same, M(Kgm32grcm3), M(Kgm32lbcuin), M(Kgm32lbcuft)}},
    {{M(gscm32kgm3), same, M(gscm32lbcuin), M(gscm32lbcuft)}},
    {{M(lbcuin2kgm3), M(lbcuin2grcm3), same, M(lbcuin2lbcuft)}},
    {{M(lbcuft2kgm3), M(lbcuft2grcm3), M(lbcuft2lbcuin), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_dens
