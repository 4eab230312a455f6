#include "conversion/Calc_conv_force.h"

#include "quantities/Force.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Force::member>

namespace Calc_conv_force {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"gr-f", "kg-f", "N", "dyne", "lb", "oz"};

constexpr ConvSkeleton::Table<Force, names.size()> table = {{
    {{same, M(grf2kgf), M(grf2N), M(grf2dyne), M(grf2lb), M(grf2oz)}},
    {{M(Kgf2grf), same, M(kgf2N), M(kgf2dyne), M(kgf2lb), M(kgf2oz)}},
    {{M(N2grf), M(N2kgf), same, M(N2dyne), M(N2lb), M(N2oz)}},
    {{M(dyne2grf), M(dyne2kgf), M(dyne2N), same, M(dyne2lb), M(dyne2oz)}},
    {{M(lb2grf), M(lb2kgf), M(lb2N), M(lb2dyne), same, M(lb2oz)}},
    {{M(oz2grf), M(oz2kgf), M(oz2N), M(oz2dyne), M(oz2lb), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_force};

ConvSkeleton::Output conv_force(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_force
