#pragma once
#include <QString>

namespace rt {

// Plain number text: at most 15 significant digits, no trailing zeros or
// point, "." as decimal point; exponent form ("3.289E+23", "1E-05") from
// 1E15 up and below 1E-4. inf raises "Overflow", nan "Invalid procedure call".
QString str(double x);

// The same layout with the shortest digits that read back as exactly x:
// fifteen digits would lose the last bits of a computed value.
QString strShortest(double x);

} // namespace rt
