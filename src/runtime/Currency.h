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

// Whole-text reading of a currency amount of the locale, in the form the
// locale itself gives: its symbol (the ISO code where it has none, as the
// currency text then shows) is optional, its grouping separator may stand
// between digits of the integer part, its decimal point marks the decimals,
// and a negative amount is in parentheses or carries the locale's sign (or
// "-") before its digits. Its digits (those of Chakma and Adlam beyond 16
// bits) read as ASCII digits, which read too, and marks of writing direction
// (U+061C, U+200E, U+200F and the like) count for nothing. Anything else is
// "Type mismatch".
double readCurrency(QStringView text);

// Whole-text reading of a money box: a plain number with "." as decimal
// point (rt::cdbl) in every locale, so a typed "1.000" is 1 everywhere;
// failing that, the locale's currency amount (readCurrency), so that what
// formatCurrency wrote reads back as the amount shown.
double cdblAmount(QStringView text);

} // namespace rt
