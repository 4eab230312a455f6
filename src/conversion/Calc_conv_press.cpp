#include "conversion/Calc_conv_press.h"

#include "quantities/Pressure.h"

// Every cell is x times the factor member named after its pair of units.
#define M(member) &ConvSkeleton::times<&Pressure::member>

namespace Calc_conv_press {
namespace {
using ConvSkeleton::same;

// Row and column i of the table convert from and to names[i], the i-th entry
// of both lists.
constexpr std::array names{"atm", "mm-Hg or (torr)", "in-Hg", "bar", "psi", "psf", "dynes/cm^2", "Pa or (N/m^2)"};

constexpr ConvSkeleton::Table<Pressure, names.size()> table = {{
    {{same, M(atm2mmHg), M(atm2inHg), M(atm2bar), M(atm2psi), M(atm2psf), M(atm2dpcm2), M(atm2Pa)}},
    {{M(mmHg2atm), same, M(mmHg2inHg), M(mmHg2bar), M(mmHg2psi), M(mmHg2psf), M(mmHg2dpcm2), M(mmHg2Pa)}},
    {{M(inHg2atm), M(inHg2mmHg), same, M(inHg2bar), M(inHg2psi), M(inHg2psf), M(inHg2dpcm2), M(inHg2Pa)}},
    {{M(bar2atm), M(bar2mmHg), M(bar2inHg), same, M(bar2psi), M(bar2psf), M(bar2dpcm2), M(bar2Pa)}},
    {{M(psi2atm), M(psi2mmHg), M(psi2inHg), M(psi2bar), same, M(psi2psf), M(psi2dpcm2), M(psi2Pa)}},
    {{M(psf2atm), M(psf2mmHg), M(psf2inHg), M(psf2bar), M(psf2psi), same, M(psf2dpcm2), M(psf2Pa)}},
    {{M(dpcm22atm), M(dpcm22mmHg), M(dpcm22inHg), M(dpcm22bar), M(dpcm22psi), M(dpcm22psf), same, M(dpcm22Pa)}},
    {{M(Pa2atm), M(Pa2mmHg), M(Pa2inHg), M(Pa2bar), M(Pa2psi), M(Pa2psf), M(Pa2dpcm2), same}},
}};
static_assert(ConvSkeleton::complete(table), "every two different units need a formula");
#undef M

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_press};

ConvSkeleton::Output conv_press(int from, int to, QStringView input)
{
    return ConvSkeleton::convert(table, from, to, input);
}

} // namespace Calc_conv_press
