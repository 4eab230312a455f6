#include "conversion/Calc_conv_accel.h"

#include "quantities/accel.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&accel::member>

namespace Calc_conv_accel {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"cm/s^2", "m/s^2", "fps^2", "inps^2"};

constexpr ConvSkeleton::Table<accel, names.size()> table = {{
    {{same, M(cms22ms2), M(cms22fps2), M(cms22ins2)}},
    {{M(ms22cms2), same, M(ms22fps2), M(ms22ins2)}},
    {{M(fps22cms2), M(fps22ms2), same, M(fps22ins2)}},
    {{M(ins22cms2), M(ins22ms2), M(ins22fps2), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_accel};

ConvSkeleton::Output conv_accel(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_accel
