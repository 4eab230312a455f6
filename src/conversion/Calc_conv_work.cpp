#include "conversion/Calc_conv_work.h"

#include "quantities/Work.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Work::member>

namespace Calc_conv_work {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"Joule or (N-m)", "Watt-sec", "Watt_hour", "Btu", "cal", "ft-lb"};

constexpr ConvSkeleton::Table<Work, names.size()> table = {{
    {{same, M(J2Ws), M(J2Wh), M(J2Btu), M(J2cal), M(J2ftlb)}},
    {{M(Ws2J), same, M(Ws2Wh), M(Ws2Btu), M(Ws2cal), M(Ws2ftlb)}},
    {{M(Wh2J), M(Wh2Ws), same, M(Wh2Btu), M(Wh2cal), M(Wh2ftlb)}},
    {{M(Btu2J), M(Btu2Ws), M(Btu2Wh), same, M(Btu2cal), M(Btu2ftlb)}},
    {{M(cal2J), M(cal2Ws), M(cal2Wh), M(cal2Btu), same, M(cal2ftlb)}},
    {{M(ftlb2J), M(ftlb2Ws), M(ftlb2Wh), M(ftlb2Btu), M(ftlb2cal), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_work};

ConvSkeleton::Output conv_work(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_work
