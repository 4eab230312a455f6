#include "conversion/Calc_conv_freq.h"

#include "quantities/freq.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&freq::member>

namespace Calc_conv_freq {
namespace {
constexpr ConvSkeleton::Formula<freq> same = nullptr;

const ConvSkeleton::Table<freq, 4> table = {{
    {{same, M(hz2rps), M(hz2degps), M(hz2RPM)}},
    {{M(rps2Hz), same, M(rps2degps), M(rps2RPM)}},
    {{M(degps2Hz), M(degps2rps), same, M(degps2RPM)}},
    {{M(RPM2Hz), M(RPM2rps), M(RPM2degps), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_freq
