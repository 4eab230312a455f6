#pragma once
// SI-prefix converter: the parsed input, under the from-list's prefix, read
// out under the to-list's prefix in the prefix class's "0.0###E-0#" form.
// It traps nothing itself: an overflow passes to its caller.
#include "conversion/ConvSkeleton.h"

namespace calc_conv_prefix {
extern const ConvSkeleton::Converter converter;
// Always a text: a to-position outside the list gives empty text.
ConvSkeleton::Output conv_prefix(int from, int to, QStringView input);
}
