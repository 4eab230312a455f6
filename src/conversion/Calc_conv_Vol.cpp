#include "conversion/Calc_conv_Vol.h"

#include "quantities/Length.h"
#include "quantities/Volume.h"

namespace Calc_conv_Vol {
namespace {

struct Factors {
    Length L;
    Volume V;
};

// Left to right, as written; every power (also of two literals) is computed
// by the power function when the cell runs.
#define F(expr) +[](const Factors& q, double x) -> double { (void)q; return expr; }
using rt::pow;
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{
    "mm^3", "cm^3", "m^3", "km^3", "in^3", "ft^3", "yard^3", "mi^3", "Liters", "Oz", "Cup", "Gal(US)"};

constexpr ConvSkeleton::Table<Factors, names.size()> table = {{
    // "mm^3"
    {{same, F(x * pow(0.1, 3)), F(x * pow(0.001, 3)), F(x * pow(pow(10, -6), 3)), F(x * pow(0.1 * q.L.cm2in(), 3)),
      F(x * pow(0.1 * q.L.cm2ft(), 3)), F(x * pow(0.1 * q.L.cm2yd(), 3)), F(x * pow(0.001 * q.L.m2mi(), 3)),
      F(x * pow(0.001, 3) / q.V.lit2m3()), F(x * pow(0.1, 3) * q.V.cm32floz()),
      F(x * pow(0.1, 3) * q.V.cm32floz() / q.V.cup2Floz()), F(x * pow(0.001, 3) / q.V.gal2m3())}},
    // "cm^3"
    {{F(x * pow(10, 3)), same, F(x * pow(0.01, 3)), F(x * pow(q.L.cm2km(), 3)), F(x * pow(q.L.cm2in(), 3)),
      F(x * pow(q.L.cm2ft(), 3)), F(x * pow(q.L.cm2yd(), 3)), F(x * pow(0.01 * q.L.m2mi(), 3)),
      F(x * pow(0.01, 3) / q.V.lit2m3()), F(x * q.V.cm32floz()), F(x * q.V.cm32floz() / q.V.cup2Floz()),
      F(x * pow(0.01, 3) / q.V.gal2m3())}},
    // "m^3"
    {{F(x * pow(pow(10, 3), 3)), F(x * pow(100, 3)), same, F(x * pow(q.L.m2km(), 3)), F(x * pow(q.L.m2in(), 3)),
      F(x * pow(q.L.m2ft(), 3)), F(x * pow(q.L.m2ya(), 3)), F(x * pow(q.L.m2mi(), 3)), F(x / q.V.lit2m3()),
      F(x * pow(100, 3) * q.V.cm32floz()), F(x * pow(100, 3) * q.V.cm32floz() / q.V.cup2Floz()),
      F(x / q.V.gal2m3())}},
    // "km^3"
    {{F(x * pow(1 / (0.1 * q.L.cm2km()), 3)), F(x * pow(1 / q.L.cm2km(), 3)), F(x * pow(1 / q.L.m2km(), 3)), same,
      F(x * pow(1000 / q.L.in2m(), 3)), F(x * pow(1 / q.L.m2km() * q.L.m2ft(), 3)),
      F(x * pow(1 / q.L.m2km() * q.L.m2ya(), 3)), F(x * pow(1 / q.L.m2km() * q.L.m2mi(), 3)),
      F(x * pow(1000, 3) / q.V.lit2m3()), F(x * pow(100000, 3) * q.V.cm32floz()),
      F(x * pow(100000, 3) * q.V.cm32floz() / q.V.cup2Floz()), F(x * pow(1000, 3) / q.V.gal2m3())}},
    // "in^3"
    {{F(x * pow(q.L.in2cm() * 10, 3)), F(x * pow(q.L.in2cm(), 3)), F(x * pow(q.L.in2m(), 3)),
      F(x * pow(q.L.in2m() / 1000, 3)), same, F(x * pow(q.L.in2ft(), 3)), F(x * pow(q.L.in2ya(), 3)),
      F(x * pow(q.L.in2ya() * q.L.ya2mi(), 3)), F(x * q.V.cuin2m3() / q.V.lit2m3()),
      F(x * q.V.cuin2cm3() * q.V.cm32floz()), F(x * q.V.cuin2cm3() * q.V.cm32floz() / q.V.cup2Floz()),
      F(x * q.V.cuin2m3() / q.V.gal2m3())}},
    // "ft^3"
    {{F(x * pow(q.L.ft2cm() * 10, 3)), F(x * pow(q.L.ft2cm(), 3)), F(x * pow(q.L.ft2m(), 3)),
      F(x * pow(q.L.ft2km(), 3)), F(x * pow(q.L.ft2in(), 3)), same, F(x * pow(q.L.ft2ya(), 3)),
      F(x * pow(q.L.ft2mi(), 3)), F(x * q.V.cuft2m3() / q.V.lit2m3()), F(x * q.V.cuft2cm3() * q.V.cm32floz()),
      F(x * q.V.cuft2cm3() * q.V.cm32floz() / q.V.cup2Floz()), F(x * q.V.cuft2m3() / q.V.gal2m3())}},
    // "yard^3"
    {{F(x * pow(q.L.ya2cm() * 10, 3)), F(x * pow(q.L.ya2cm(), 3)), F(x * pow(q.L.ya2m(), 3)),
      F(x * pow(q.L.ya2ft() * q.L.ft2km(), 3)), F(x * pow(q.L.ya2in(), 3)), F(x * pow(q.L.ya2ft(), 3)), same,
      F(x * pow(q.L.ya2mi(), 3)), F(x / q.V.m32cuya() / q.V.lit2m3()),
      F(x / q.V.m32cuya() * q.V.m32cm3() * q.V.cm32floz()),
      F(x / q.V.m32cuya() * q.V.m32cm3() * q.V.cm32floz() / q.V.cup2Floz()), F(x / q.V.m32cuya() / q.V.gal2m3())}},
    // "mi^3"
    {{F(x * pow(q.L.mi2ya() * q.L.ya2cm() * 10, 3)), F(x * pow(q.L.mi2ya() * q.L.ya2cm(), 3)),
      F(x * pow(q.L.mi2ya() * q.L.ya2m(), 3)), F(x * pow(q.L.mi2km(), 3)), F(x * pow(q.L.mi2ya() * q.L.ya2in(), 3)),
      F(x * pow(q.L.mi2ft(), 3)), F(x * pow(q.L.mi2ya(), 3)), same,
      F(x * pow(q.L.mi2ya() * q.L.ya2m(), 3) / q.V.lit2m3()),
      F(x * pow(q.L.mi2ya() * q.L.ya2m(), 3) * q.V.m32cm3() * q.V.cm32floz()),
      F(x * pow(q.L.mi2ya() * q.L.ya2m(), 3) * q.V.m32cm3() * q.V.cm32floz() / q.V.cup2Floz()),
      F(x * pow(q.L.mi2ya() * q.L.ya2m(), 3) / q.V.gal2m3())}},
    // "Liters"
    {{F(x * q.V.lit2m3() * q.V.m32cm3() * pow(10, 3)), F(x * q.V.lit2m3() * q.V.m32cm3()), F(x * q.V.lit2m3()),
      F(x * q.V.lit2m3() * pow(1.0 / 1000.0, 3)), F(x * q.V.lit2floz() / q.V.cm32floz() * q.V.cm32cuin()),
      F(x * q.V.lit2floz() / q.V.cm32floz() * q.V.cm32cuft()),
      F(x * q.V.lit2floz() / q.V.cm32floz() * q.V.cm32cuyd()), F(x * q.V.lit2cuft() * pow(q.L.ft2mi(), 3)), same,
      F(x * q.V.lit2floz()), F(x * q.V.lit2floz() / q.V.cup2Floz()), F(x * q.V.lit2ga())}},
    // "Oz"
    {{F(x / q.V.cm32floz() * pow(10, 3)), F(x / q.V.cm32floz()), F(x / q.V.cm32floz() * q.V.cm32m3()),
      F(x / q.V.cm32floz() * q.V.cm32m3() * pow(1.0 / 1000.0, 3)), F(x / q.V.cm32floz() * q.V.cm32cuin()),
      F(x / q.V.cm32floz() * q.V.cm32cuft()), F(x / q.V.cm32floz() * q.V.cm32cuft() * pow(q.L.ft2ya(), 3)),
      F(x / q.V.cm32floz() * q.V.cm32cuft() * pow(q.L.ft2mi(), 3)), F(x / q.V.lit2floz()), same,
      F(x / q.V.cup2Floz()), F(x / q.V.gal2floz())}},
    // "Cup"
    {{F(x * q.V.cup2Floz() / q.V.cm32floz() * pow(10, 3)), F(x * q.V.cup2Floz() / q.V.cm32floz()),
      F(x * q.V.cup2Floz() / q.V.cm32floz() * pow(100, -3)),
      F(x * q.V.cup2Floz() / q.V.cm32floz() * pow(100000, -3)),
      F(x * q.V.cup2gal() / q.V.cuft2gal() * q.V.cuft2cuin()), F(x * q.V.cup2gal() / q.V.cuft2gal()),
      F(x * q.V.cup2gal() / q.V.cuft2gal() * pow(q.L.ft2ya(), 3)),
      F(x * q.V.cup2gal() / q.V.cuft2gal() * pow(q.L.ft2mi(), 3)), F(x * q.V.cup2Floz() / q.V.lit2floz()),
      F(x * q.V.cup2Floz()), same, F(x * q.V.cup2Floz() / q.V.gal2floz())}},
    // "Gal(US)"
    {{F(x * q.V.gal2m3() * q.V.m32cm3() * pow(10, 3)), F(x * q.V.gal2m3() * q.V.m32cm3()), F(x * q.V.gal2m3()),
      F(x * q.V.gal2m3() * pow(q.L.m2km(), 3)), F(x * q.V.gal2cuin()), F(x * q.V.gal2cuft()),
      F(x * q.V.gal2cuft() * pow(q.L.ft2ya(), 3)), F(x * q.V.gal2cuft() * pow(q.L.ft2mi(), 3)),
      F(x * q.V.gal2lit()), F(x * q.V.gal2floz()), F(x * q.V.gal2floz() / q.V.cup2Floz()), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef F

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_vol};

ConvSkeleton::Output conv_vol(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_Vol
