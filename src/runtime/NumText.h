#pragma once
// Number texts never depend on the C library's locale: Qt sets LC_NUMERIC
// from the desktop, and every window reads its own output back with ".".
#include <QString>
#include <string>

namespace rt {

// Plain number text: at most 15 significant digits, no trailing zeros or
// point, "." as decimal point; exponent form ("3.289E+23", "1E-05") from
// 1E15 up and below 1E-4. inf raises "Overflow", nan "Invalid procedure call".
QString str(double x);

// The decimal text of a whole number ("-12"), locale-free.
std::string intText(int n);

// The decimal digits of |x| as the plain number text has them (15 significant
// digits, rounded from the binary value). Every rounding for display acts on
// these digits, half away from zero, so that a value whose text ends in 5
// rounds up however the binary value lies: 0.19665 shows as 0.1967.
class DecimalDigits {
public:
    explicit DecimalDigits(double x); // x finite
    bool isZero() const { return digits_.empty(); }
    int leadingPlace() const { return lead_; } // power of ten of the first digit
    const std::string& digits() const { return digits_; }
    // The digit at the place of 10^place, '0' outside the digits.
    char at(int place) const;
    // The digits from the place of 10^from down to that of 10^to.
    std::string places(int from, int to) const;
    // The digits of the whole part, "0" when there are none.
    std::string wholeDigits() const;
    // Rounds half away from zero to a whole multiple of 10^place; a carry can
    // raise the leading place ("9.99995" kept to 10^-4 is "10.0000").
    void roundAt(int place);
    // The value of the digits, nearest double.
    double value() const;

private:
    std::string digits_; // significant digits, first one non-zero; empty for zero
    int lead_ = 0;
};

} // namespace rt
