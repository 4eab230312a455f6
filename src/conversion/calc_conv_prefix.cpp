#include "conversion/calc_conv_prefix.h"

#include "quantities/cl_number_prefix.h"

namespace calc_conv_prefix {
namespace {

// Position i of both lists is names[i], the prefix class's index i.
constexpr std::array names{"exa 10^18", "peta 10^15",  "tera 10^12",   "giga 10^9",    "mega 10^6",   "kilo 10^3",
                           "hecto 10^2", "deka 10",    "unit 1",       "deci 1/10",    "centi 1/10^2", "milli 1/10^3",
                           "micro 1/10^6", "nano 1/10^9", "pico 1/10^12", "femto 1/10^15", "atto 1/10^16"};

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_prefix};

ConvSkeleton::Output conv_prefix(int from, int to, QStringView input)
{
    cl_number_prefix prefix;
    const double x = rt::val(input);
    prefix.setzen_pref(x, from);
    return prefix.output_pref(to);
}

} // namespace calc_conv_prefix
