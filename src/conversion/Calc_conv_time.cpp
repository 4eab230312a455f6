#include "conversion/Calc_conv_time.h"

#include "quantities/Time.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Time::member>

namespace Calc_conv_time {
namespace {
constexpr ConvSkeleton::Formula<Time> same = nullptr;

const ConvSkeleton::Table<Time, 5> table = {{
    {{same, M(day2hour), M(day2min), M(day2sec), M(day2msec)}},
    {{M(hour2day), same, M(hour2min), M(hour2sec), M(hour2msec)}},
    {{M(min2day), M(min2hour), same, M(min2sec), M(min2msec)}},
    {{M(sec2day), M(sec2hour), M(sec2min), same, M(sec2msec)}},
    {{M(msec2day), M(msec2hour), M(msec2min), M(msec2sec), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_time
