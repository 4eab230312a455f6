#include "conversion/Calc_conv_area.h"

#include "quantities/Area.h"
#include "quantities/Length.h"

namespace Calc_conv_area {
namespace {

struct Factors {
    Length L;
    Area A;
};

// Squares go through the power function, also for literals (0.1^2 is
// 0.010000000000000002, not 0.01); the square is formed before x joins.
#define F(expr) +[](const Factors& q, double x) -> double { (void)q; return expr; }
using rt::pow;
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"mm^2", "cm^2", "m^2", "km^2", "in^2", "ft^2", "yard^2", "mi^2", "Acre", "Ha"};

constexpr ConvSkeleton::Table<Factors, names.size()> table = {{
    // "mm^2"
    {{same, F(pow(0.1, 2) * x), F(pow(0.001, 2) * x), F(pow(pow(10, -6), 2) * x), F(pow(q.L.cm2in() * 0.1, 2) * x),
      F(pow(q.L.cm2ft() * 0.1, 2) * x), F(pow(q.L.cm2yd() * 0.1, 2) * x), F(pow(q.L.m2mi() * 0.001, 2) * x),
      F(q.A.m22acr() * (q.A.mm22m2() * x)), F(q.A.m22ha() * (q.A.mm22m2() * x))}},
    // "cm^2"
    {{F(pow(10.0, 2) * x), same, F(pow(0.01, 2) * x), F(pow(q.L.cm2km(), 2) * x), F(pow(q.L.cm2in(), 2) * x),
      F(pow(q.L.cm2ft(), 2) * x), F(pow(q.L.cm2yd(), 2) * x), F(pow(q.L.m2mi() * 0.01, 2) * x),
      F(q.A.m22acr() * (q.A.cm22m2() * x)), F(q.A.m22ha() * (q.A.cm22m2() * x))}},
    // "m^2"
    {{F(pow(pow(10, 3), 2) * x), F(pow(100.0, 2) * x), same, F(pow(q.L.m2km(), 2) * x), F(pow(q.L.m2in(), 2) * x),
      F(pow(q.L.m2ft(), 2) * x), F(pow(q.L.m2ya(), 2) * x), F(pow(q.L.m2mi(), 2) * x), F(q.A.m22acr() * x),
      F(q.A.m22ha() * x)}},
    // "km^2"
    {{F(pow(1 / (q.L.cm2km() * 0.1), 2) * x), F(pow(1 / q.L.cm2km(), 2) * x), F(pow(1 / q.L.m2km(), 2) * x), same,
      F(pow(1 / (q.L.in2m() / 1000), 2) * x), F(pow(q.L.m2ft() * (1 / q.L.m2km()), 2) * x),
      F(pow(q.L.m2ya() * (1 / q.L.m2km()), 2) * x), F(pow(q.L.m2mi() * (1 / q.L.m2km()), 2) * x),
      F(q.A.km22acr() * x), F(q.A.m22ha() * (q.A.km22m2() * x))}},
    // "in^2"
    {{F(pow(10 * q.L.in2cm(), 2) * x), F(pow(q.L.in2cm(), 2) * x), F(pow(q.L.in2m(), 2) * x),
      F(pow(q.L.in2m() / 1000, 2) * x), same, F(pow(q.L.in2ft(), 2) * x), F(pow(q.L.in2ya(), 2) * x),
      F(pow(q.L.ya2mi() * q.L.in2ya(), 2) * x), F(q.A.m22acr() * (q.A.sqi2m2() * x)),
      F(q.A.m22ha() * (q.A.sqi2m2() * x))}},
    // "ft^2"
    {{F(pow(10 * q.L.ft2cm(), 2) * x), F(pow(q.L.ft2cm(), 2) * x), F(pow(q.L.ft2m(), 2) * x),
      F(pow(q.L.ft2km(), 2) * x), F(pow(q.L.ft2in(), 2) * x), same, F(pow(q.L.ft2ya(), 2) * x),
      F(pow(q.L.ft2mi(), 2) * x), F(q.A.m22acr() * (q.A.sqft2m2() * x)), F(q.A.m22ha() * (q.A.sqft2m2() * x))}},
    // "yard^2"
    {{F(pow(10 * q.L.ya2cm(), 2) * x), F(pow(q.L.ya2cm(), 2) * x), F(pow(q.L.ya2m(), 2) * x),
      F(pow(q.L.ft2km() * q.L.ya2ft(), 2) * x), F(pow(q.L.ya2in(), 2) * x), F(pow(q.L.ya2ft(), 2) * x), same,
      F(pow(q.L.ya2mi(), 2) * x), F(x / q.A.acr2sqya()), F(q.A.acr2ha() * (x / q.A.acr2sqya()))}},
    // "mi^2"
    {{F(pow(10 * (q.L.ya2cm() * q.L.mi2ya()), 2) * x), F(pow(q.L.ya2cm() * q.L.mi2ya(), 2) * x),
      F(pow(q.L.ya2m() * q.L.mi2ya(), 2) * x), F(pow(q.L.mi2km(), 2) * x), F(pow(q.L.ya2in() * q.L.mi2ya(), 2) * x),
      F(pow(q.L.mi2ft(), 2) * x), F(pow(q.L.mi2ya(), 2) * x), same, F(q.A.m22acr() * (x / q.A.m22sqmi())),
      F(q.A.m22ha() * (x / q.A.m22sqmi()))}},
    // "Acre": through square miles, then the "mi^2" row's factor
    {{F(pow(10 * (q.L.ya2cm() * q.L.mi2ya()), 2) * (q.A.acr2sqmi() * x)),
      F(pow(q.L.ya2cm() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * x)),
      F(pow(q.L.ya2m() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * x)), F(pow(q.L.mi2km(), 2) * (q.A.acr2sqmi() * x)),
      F(pow(q.L.ya2in() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * x)), F(pow(q.L.mi2ft(), 2) * (q.A.acr2sqmi() * x)),
      F(pow(q.L.mi2ya(), 2) * (q.A.acr2sqmi() * x)), F(q.A.acr2sqmi() * x), same, F(q.A.acr2ha() * x)}},
    // "Ha"
    {{F(pow(10 * (q.L.ya2cm() * q.L.mi2ya()), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.ya2cm() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.ya2m() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.mi2km(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.ya2in() * q.L.mi2ya(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.mi2ft(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))),
      F(pow(q.L.mi2ya(), 2) * (q.A.acr2sqmi() * (x / q.A.acr2ha()))), F(q.A.acr2sqmi() * (x / q.A.acr2ha())),
      F(x / q.A.acr2ha()), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef F

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_area};

ConvSkeleton::Output conv_area(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_area
