#pragma once
// Pattern formatting of numbers, in a small pattern language:
// "0" a digit always shown, "#" a digit shown where needed, "." the decimal
// point, "E+"/"E-" an exponent (sign always / only when negative).
// Always "." as decimal point: windows read their own output back.
#include <QString>
#include <QStringView>

namespace rt {

// "#0", "#0.00", "#0.", "0.0000E+00", "0.0###E-0#" ..., and the named format
// "currency" (rt::formatCurrency, the one text that follows the locale).
// Digits come from the value's 15-digit decimal text (rt::DecimalDigits),
// rounded half away from zero: 10.125 under "#0.00" is "10.13", and a whole
// number beyond 15 digits shows those digits, then zeros.
// A value that rounds to zero never gets a minus sign. inf raises "Overflow", nan
// "Invalid procedure call or argument".
QString format(double x, QStringView pattern);

} // namespace rt
