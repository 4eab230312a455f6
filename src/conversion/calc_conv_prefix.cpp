#include "conversion/calc_conv_prefix.h"

#include "quantities/cl_number_prefix.h"

namespace calc_conv_prefix {

ConvSkeleton::Output convert(int from, int to, QStringView input)
{
    cl_number_prefix prefix;
    const double x = rt::val(input);
    prefix.setzen_pref(x, from);
    return prefix.output_pref(to);
}

} // namespace calc_conv_prefix
