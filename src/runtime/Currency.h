#pragma once
// The named format "currency" of the user's locale (QLocale(), which the
// program and its tests may set as the default) and the reading back of
// its texts.
#include <QString>
#include <QStringView>

namespace rt {

// The locale's currency text of x: symbol, digit grouping, the currency's
// decimals and the locale's form of a negative amount ("$100,000.00",
// "($1,110.21)" in en_US). The amount is first rounded to the currency's
// decimals like every pattern (rt::DecimalDigits: $1.01 for 1.005) and shows
// the 15 significant digits of its decimal text, then zeros. An amount that
// rounds to zero carries no sign.
// inf raises "Overflow", nan "Invalid procedure call or argument".
QString formatCurrency(double x);

// Whole-text reading of a currency amount of the locale: the symbol is
// optional, grouping separators may stand in the integer part, the decimal
// separator is the locale's, and a negative amount is in parentheses or
// carries a sign. Separators and digits are those of the locale's own
// currency text, so a text in its script (Arabic-Indic or Persian digits)
// reads as one in ASCII digits, and marks of writing direction (U+061C,
// U+200E, U+200F and the like) count for nothing. Anything else is
// "Type mismatch".
double readCurrency(QStringView text);

// Whole-text reading of a money box: a plain number with "." as decimal
// point (rt::cdbl) in every locale, so a typed "1.000" is 1 everywhere;
// failing that, a text that carries the locale's currency symbol, grouping
// separator, parentheses, digits of the locale's own script or marks of
// writing direction reads as a currency amount, so that what formatCurrency
// wrote reads back as the amount shown.
double cdblAmount(QStringView text);

} // namespace rt
