#include "conversion/Calc_conv_temp.h"

#include "quantities/Temperature.h"

namespace Calc_conv_temp {
namespace {

using Setter = void (Temperature::*)(double);
using Member = double (Temperature::*)();

// Position i of both lists is names[i]: it stores through setters[i] and is
// row and column i of the members.
constexpr std::array names{"deg_C", "deg_K", "deg_F", "deg_R"};

constexpr Setter setters[] = {&Temperature::setzen_dC, &Temperature::setzen_dK, &Temperature::setzen_dF,
                              &Temperature::setzen_dR};
static_assert(std::size(setters) == names.size(), "every unit needs its setter");

using ConvSkeleton::same;

// Rows: from-scale; columns: to-scale; the diagonal copies the input.
constexpr std::array<std::array<ConvSkeleton::Cell<Member>, names.size()>, names.size()> members = {{
    {{same, &Temperature::dC2dK, &Temperature::dC2dF, &Temperature::dC2dR}},
    {{&Temperature::dK2dC, same, &Temperature::dK2dF, &Temperature::dK2dR}},
    {{&Temperature::dF2dC, &Temperature::dF2dK, same, &Temperature::dF2dR}},
    {{&Temperature::dR2dC, &Temperature::dR2dK, &Temperature::dR2dF, same}},
}};
static_assert(ConvSkeleton::complete(members), "every two different units need a member");

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_temp};

ConvSkeleton::Output conv_temp(int from, int to, QStringView input)
{
    if (!ConvSkeleton::inRange(from, names.size())) return std::nullopt;
    Temperature t;
    // The from-scale is stored before the to-position is looked at.
    (t.*setters[from])(rt::val(input));
    if (!ConvSkeleton::inRange(to, names.size())) return std::nullopt;
    if (to == from) return rt::str(rt::val(input));
    // A member that fails yields no value: nothing is written then.
    return Utilities::format_result(rt::chk((t.*members[from][to].formula)()));
}

} // namespace Calc_conv_temp
