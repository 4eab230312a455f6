#include "conversion/Calc_conv_len.h"

#include "quantities/Length.h"

// Each cell is evaluated exactly as written, order and brackets included: the
// last bit decides whether a result counts as whole, and so its display
// pattern ("km" to "mm" of 1 is 999999.9999999999 and shows 1.0000E+06).
#define F(expr) +[](const Length& q, double x) -> double { (void)q; return expr; }

namespace Calc_conv_len {
namespace {
using rt::pow;
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"mm", "cm", "m", "km", "in", "ft", "yard", "mi"};

constexpr ConvSkeleton::Table<Length, names.size()> table = {{
    // "mm"
    {{same, F(x * 0.1), F(x * 0.001), F(pow(10, -6) * x), F(q.cm2in() * (x * 0.1)), F(q.cm2ft() * (x * 0.1)),
      F(q.mm2yd() * x), F(q.m2mi() * (x * 0.001))}},
    // "cm"
    {{F(x * 10.0), same, F(x * 0.01), F(q.cm2km() * x), F(q.cm2in() * x), F(q.cm2ft() * x), F(q.cm2yd() * x),
      F(q.m2mi() * (x * 0.01))}},
    // "m"
    {{F(pow(10, 3) * x), F(x * 100.0), same, F(q.m2km() * x), F(q.m2in() * x), F(q.m2ft() * x), F(q.m2ya() * x),
      F(q.m2mi() * x)}},
    // "km"
    {{F(x / (q.cm2km() * 0.1)), F(x / q.cm2km()), F(x / q.m2km()), same, F(x / (q.in2m() / 1000)),
      F(x / q.ft2km()), F(q.m2ya() * (x / q.m2km())), F(q.m2mi() * (x / q.m2km()))}},
    // "in"
    {{F(10 * (q.in2cm() * x)), F(q.in2cm() * x), F(q.in2m() * x), F((q.in2m() * x) / 1000), same, F(q.in2ft() * x),
      F(q.in2ya() * x), F(q.ya2mi() * (q.in2ya() * x))}},
    // "ft"
    {{F(10 * (q.ft2cm() * x)), F(q.ft2cm() * x), F(q.ft2m() * x), F(q.ft2km() * x), F(q.ft2in() * x), same,
      F(q.ft2ya() * x), F(q.ft2mi() * x)}},
    // "yard"
    {{F(10 * (q.ya2cm() * x)), F(q.ya2cm() * x), F(q.ya2m() * x), F(q.ft2km() * (q.ya2ft() * x)), F(q.ya2in() * x),
      F(q.ya2ft() * x), same, F(q.ya2mi() * x)}},
    // "mi"
    {{F(10 * (q.ya2cm() * (q.mi2ya() * x))), F(q.ya2cm() * (q.mi2ya() * x)), F(q.ya2m() * (q.mi2ya() * x)),
      F(q.mi2km() * x), F(q.ya2in() * (q.mi2ya() * x)), F(q.mi2ft() * x), F(q.mi2ya() * x), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef F

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_len};

ConvSkeleton::Output conv_len(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_len
