#include "conversion/Calc_conv_time.h"

#include "quantities/Time.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Time::member>

namespace Calc_conv_time {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"Day", "Hours", "Min", "sec", "msec"};

constexpr ConvSkeleton::Table<Time, names.size()> table = {{
    {{same, M(day2hour), M(day2min), M(day2sec), M(day2msec)}},
    {{M(hour2day), same, M(hour2min), M(hour2sec), M(hour2msec)}},
    {{M(min2day), M(min2hour), same, M(min2sec), M(min2msec)}},
    {{M(sec2day), M(sec2hour), M(sec2min), same, M(sec2msec)}},
    {{M(msec2day), M(msec2hour), M(msec2min), M(msec2sec), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_time};

ConvSkeleton::Output conv_time(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_time
