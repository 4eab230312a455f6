#include "conversion/Calc_conv_temp.h"

#include "quantities/Temperature.h"

namespace Calc_conv_temp {
namespace {

using Setter = void (Temperature::*)(double);
using Member = double (Temperature::*)();

const Setter setters[4] = {&Temperature::setzen_dC, &Temperature::setzen_dK, &Temperature::setzen_dF,
                           &Temperature::setzen_dR};

// Rows: from-scale; columns: to-scale; the diagonal copies the input.
const Member members[4][4] = {
    {nullptr, &Temperature::dC2dK, &Temperature::dC2dF, &Temperature::dC2dR},
    {&Temperature::dK2dC, nullptr, &Temperature::dK2dF, &Temperature::dK2dR},
    {&Temperature::dF2dC, &Temperature::dF2dK, nullptr, &Temperature::dF2dR},
    {&Temperature::dR2dC, &Temperature::dR2dK, &Temperature::dR2dF, nullptr},
};

} // namespace

ConvSkeleton::Output convert(int from, int to, QStringView input)
{
    if (!ConvSkeleton::inRange(from, 4)) return std::nullopt;
    Temperature t;
    // The from-scale is stored before the to-position is looked at.
    (t.*setters[from])(rt::val(input));
    if (!ConvSkeleton::inRange(to, 4)) return std::nullopt;
    if (to == from) return rt::str(rt::val(input));
    // A member that fails yields no value: nothing is written then.
    return Utilities::format_result(rt::chk(static_cast<double>((t.*members[from][to])())));
}

} // namespace Calc_conv_temp
