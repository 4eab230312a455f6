#include "conversion/Calc_conv_torque.h"

#include "quantities/torque.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&torque::member>

namespace Calc_conv_torque {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"N-m", "Dyne-cm", "lb-ft", "oz-in"};

constexpr ConvSkeleton::Table<torque, names.size()> table = {{
    {{same, M(Nm2dycm), M(Nm2lbft), M(Nm2ozin)}},
    {{M(Dycm2Nm), same, M(Dycm2lbft), M(Dycm2ozin)}},
    {{M(lbft2Nm), M(lbft2dycm), same, M(lbft2ozin)}},
    {{M(ozin2Nm), M(ozin2dycm), M(ozin2lbft), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_torque};

ConvSkeleton::Output conv_torque(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_torque
