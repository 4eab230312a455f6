#include "conversion/Calc_conv_accel.h"

#include "quantities/accel.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&accel::member>

namespace Calc_conv_accel {
namespace {
constexpr ConvSkeleton::Formula<accel> same = nullptr;

const ConvSkeleton::Table<accel, 4> table = {{
    {{same, M(cms22ms2), M(cms22fps2), M(cms22ins2)}},
    {{M(ms22cms2), same, M(ms22fps2), M(ms22ins2)}},
    {{M(fps22cms2), M(fps22ms2), same, M(fps22ins2)}},
    {{M(ins22cms2), M(ins22ms2), M(ins22fps2), same}},
}};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input) { return ConvSkeleton::convert(table, from, to, input); }

} // namespace Calc_conv_accel
