#include "conversion/Calc_conv_numbers.h"

#include "quantities/Cl_Number_Base.h"

namespace Calc_conv_numbers {
namespace {

using Setter = decltype(&Cl_Number_Base::setzen_base10);
using Output = decltype(&Cl_Number_Base::output_base10);

struct Base {
    int base;
    Setter setzen;
    Output output;
};

// Position i of both lists is names[i], the base of bases[i]: 10, 2, 8, 16,
// then 3 to 7, 9, 11 to 15.
constexpr std::array names{"dec-base10=>0,9", "bin-base 2=>0,1", "oct-base 8=>0,7", "hex-base16=>0,F",
                           "base 3=>0,2",     "base 4=>0,3",     "base 5=>0,4",     "base 6=>0,5",
                           "base 7=>0,6",     "base 9=>0,8",     "base 11=>0,A",    "base 12=>0,B",
                           "base 13=>0,C",    "base 14=>0,D",    "base 15=>0,E"};

constexpr Base bases[] = {
    {10, &Cl_Number_Base::setzen_base10, &Cl_Number_Base::output_base10},
    {2, &Cl_Number_Base::setzen_base2, &Cl_Number_Base::output_base2},
    {8, &Cl_Number_Base::setzen_base8, &Cl_Number_Base::output_base8},
    {16, &Cl_Number_Base::setzen_base16, &Cl_Number_Base::output_base16},
    {3, &Cl_Number_Base::setzen_base3, &Cl_Number_Base::output_base3},
    {4, &Cl_Number_Base::setzen_base4, &Cl_Number_Base::output_base4},
    {5, &Cl_Number_Base::setzen_base5, &Cl_Number_Base::output_base5},
    {6, &Cl_Number_Base::setzen_base6, &Cl_Number_Base::output_base6},
    {7, &Cl_Number_Base::setzen_base7, &Cl_Number_Base::output_base7},
    {9, &Cl_Number_Base::setzen_base9, &Cl_Number_Base::output_base9},
    {11, &Cl_Number_Base::setzen_base11, &Cl_Number_Base::output_base11},
    {12, &Cl_Number_Base::setzen_base12, &Cl_Number_Base::output_base12},
    {13, &Cl_Number_Base::setzen_base13, &Cl_Number_Base::output_base13},
    {14, &Cl_Number_Base::setzen_base14, &Cl_Number_Base::output_base14},
    {15, &Cl_Number_Base::setzen_base15, &Cl_Number_Base::output_base15},
};
static_assert(std::size(bases) == names.size(), "every entry needs its base");

} // namespace

constinit const ConvSkeleton::Converter converter{names, conv_numbers};

int baseAt(int position) { return ConvSkeleton::inRange(position, names.size()) ? bases[position].base : 0; }

ConvSkeleton::Output conv_numbers(int from, int to, QStringView input)
{
    Cl_Number_Base numbers;
    // Without a from-base the hub stays empty and every base reads "0".
    if (ConvSkeleton::inRange(from, names.size())) (numbers.*bases[from].setzen)(input.toString());
    if (!ConvSkeleton::inRange(to, names.size())) return std::nullopt;
    const QString text = (numbers.*bases[to].output)();
    // The object has reported its error: the output box keeps what it shows.
    if (numbers.failed()) return std::nullopt;
    return text;
}

} // namespace Calc_conv_numbers
