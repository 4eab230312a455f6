#pragma once
// Reading numbers out of text, always with "." as the decimal point: the key
// filters only ever let "." be typed, and windows read back their own output.
#include <QStringView>
#include <cstdint>
#include <string>

namespace rt {

// Leading-number parse: the numeric prefix of the text, blanks, tabs and line
// feeds ignored wherever they stand; "&H"/"&O" read hexadecimal/octal whole
// numbers of any length; no number gives 0. Only a value beyond the double
// range fails ("Overflow"); it never returns inf, nan or -0.
double val(QStringView text);

// The numeric prefix that val reads, as its digits before any rounding.
struct LeadingNumber {
    bool negative = false;
    int radix = 10; // 16 after "&H", 8 after "&O"
    // Radix 10: "digits[.digits][e[+-]digits]"; radix 16 or 8: the whole
    // number's digits. Empty when the text holds no number.
    std::string digits;
};
LeadingNumber leadingNumber(QStringView text);

// Whole-text conversion: the whole text must be one number (blanks around it
// allowed), else "Type mismatch"; beyond the double range "Overflow".
double cdbl(QStringView text);

// 16-bit whole-text conversion: nearest integer, a half to the even neighbour;
// outside -32768..32767 "Overflow".
int16_t cint(QStringView text);
int16_t cint(double x);

} // namespace rt
