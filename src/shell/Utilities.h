#pragma once
#include <QString>
#include <optional>

namespace Utilities {

// Display text of a computed number. With d omitted the pattern follows the
// number's size and fractional part; with d given it fixes the decimals.
// An error (inf or nan handed in) is reported and gives empty text.
QString format_result(double x, std::optional<double> d = std::nullopt);

// The pattern format_result would use.
QString result_pattern(double x, std::optional<double> d = std::nullopt);

// Key-down hook of the conversion window's output box; deliberately inert.
void keep_key(int& keyCode, int shift);

} // namespace Utilities
