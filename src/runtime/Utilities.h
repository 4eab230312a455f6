#pragma once
// The text every computed number is shown by: a pattern of rt::format chosen
// from the number, or fixed by a count of decimals.
#include <QString>
#include <optional>

namespace Utilities {

// Display text of a computed number. With d omitted the pattern follows the
// number's size and fractional part; with d given it fixes the decimals.
// An error (inf or nan handed in) is reported and gives empty text.
QString format_result(double x, std::optional<double> d = std::nullopt);

// The pattern format_result would use.
QString result_pattern(double x, std::optional<double> d = std::nullopt);

} // namespace Utilities
