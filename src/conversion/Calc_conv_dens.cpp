#include "conversion/Calc_conv_dens.h"

#include "quantities/Density.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Density::member>

namespace Calc_conv_dens {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"Kg/m^3", "gr/cm^3", "lb/in^3", "lb/ft^3"};

constexpr ConvSkeleton::Table<Density, names.size()> table = {{
    {{same, M(Kgm32grcm3), M(Kgm32lbcuin), M(Kgm32lbcuft)}},
    {{M(gscm32kgm3), same, M(gscm32lbcuin), M(gscm32lbcuft)}},
    {{M(lbcuin2kgm3), M(lbcuin2grcm3), same, M(lbcuin2lbcuft)}},
    {{M(lbcuft2kgm3), M(lbcuft2grcm3), M(lbcuft2lbcuin), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_dens};

ConvSkeleton::Output conv_dens(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_dens
