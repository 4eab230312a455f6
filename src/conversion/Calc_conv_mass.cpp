#include "conversion/Calc_conv_mass.h"

#include "quantities/mass.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&mass::member>

namespace Calc_conv_mass {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"gr", "kg", "slug"};

constexpr ConvSkeleton::Table<mass, names.size()> table = {{
    {{same, M(gr2Kg), M(gr2slug)}},
    {{M(Kg2gr), same, M(kg2slug)}},
    {{M(slug2gr), M(slug2kg), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_mass};

ConvSkeleton::Output conv_mass(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_mass
