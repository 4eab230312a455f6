#pragma once
// Number-base converter: the input text goes to the number-base object as
// typed, through the setter of the from-list's base, and the text of the
// to-list's base comes back unformatted. No shortcut for equal bases. After
// a run-time error, which the object reports itself, nothing is written.
#include "conversion/ConvSkeleton.h"

namespace Calc_conv_numbers {
extern const ConvSkeleton::Converter converter;
// The base that each list position names ("dec-base10=>0,9" is 10 ...).
int baseAt(int position);
ConvSkeleton::Output conv_numbers(int from, int to, QStringView input);
}
