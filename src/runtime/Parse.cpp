#include "runtime/Parse.h"

#include "runtime/Error.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace rt {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Turns "digits[.digits][e[+-]digits]" (ASCII, no sign) into a double; an
// exponent beyond the range raises Overflow, one below it gives 0.
double fromDecimal(const std::string& s)
{
    if (s.empty()) return 0;
    double v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars does not tell overflow from underflow: look at the size.
        const auto e = s.find_first_of("eE");
        long long exp10 = 0;
        if (e != std::string::npos) {
            const std::string ex = s.substr(e + 1);
            // Saturate absurd exponents instead of overflowing the counter.
            bool neg = !ex.empty() && ex[0] == '-';
            for (char c : ex)
                if (c >= '0' && c <= '9' && exp10 < 100000) exp10 = exp10 * 10 + (c - '0');
            if (neg) exp10 = -exp10;
        }
        const std::string mant = s.substr(0, e);
        const auto dot = mant.find('.');
        const auto firstNz = mant.find_first_of("123456789");
        if (firstNz == std::string::npos) return 0;
        long long mag = dot == std::string::npos ? static_cast<long long>(mant.size()) - static_cast<long long>(firstNz)
                                                 : (firstNz < dot ? static_cast<long long>(dot - firstNz)
                                                                  : -static_cast<long long>(firstNz - dot) + 1);
        if (mag + exp10 > 0) raise(Err::Overflow);
        return 0;
    }
    (void)ptr;
    return v;
}

// The value of a hexadecimal digit; 99 for any other character.
int radixDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 99;
}

// A hexadecimal or octal whole number of any length, rounded once to the
// nearest double. The first 61 or more significant bits are kept and every
// later nonzero bit sets the lowest one, which lies far below the 53 bits a
// double holds: the rounding sees exactly whether the rest was zero.
double fromRadix(const std::string& digits, int radix)
{
    const int bits = radix == 16 ? 4 : 3;
    uint64_t mant = 0;
    int exp2 = 0;
    bool sticky = false;
    for (char c : digits) {
        const auto d = static_cast<uint64_t>(radixDigit(static_cast<char16_t>(c)));
        if ((mant >> (64 - bits)) == 0) {
            mant = (mant << bits) | d;
        } else {
            sticky = sticky || d != 0;
            if (exp2 < 100000) exp2 += bits; // far past the range already
        }
    }
    if (sticky) mant |= 1;
    const double v = std::ldexp(static_cast<double>(mant), exp2);
    if (std::isinf(v)) raise(Err::Overflow);
    return v;
}

} // namespace

LeadingNumber leadingNumber(QStringView text)
{
    LeadingNumber out;
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto skip = [&] { while (i < n && isBlank(text[i])) ++i; };
    skip();
    if (i + 1 < n && text[i] == u'&') {
        const QChar k = text[i + 1].toUpper();
        if (k == u'H' || k == u'O') {
            out.radix = k == u'H' ? 16 : 8;
            for (i += 2; i < n; ++i) {
                if (isBlank(text[i])) continue;
                if (radixDigit(text[i].unicode()) >= out.radix) break;
                out.digits += static_cast<char>(text[i].unicode());
            }
            return out;
        }
    }
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        out.negative = text[i] == u'-';
        ++i;
    }
    std::string s;
    bool dot = false, digits = false;
    for (; i < n; ++i) {
        QChar c = text[i];
        if (isBlank(c)) continue;
        if (isDigit(c)) { s += static_cast<char>(c.unicode()); digits = true; }
        else if (c == u'.' && !dot) { s += '.'; dot = true; }
        else break;
    }
    if (!digits) return out;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        auto skipJ = [&] { while (j < n && isBlank(text[j])) ++j; };
        skipJ();
        std::string ex = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) { ex += static_cast<char>(text[j].unicode()); ++j; }
        bool expDigits = false;
        for (; j < n; ++j) {
            if (isBlank(text[j])) continue;
            if (!isDigit(text[j])) break;
            ex += static_cast<char>(text[j].unicode());
            expDigits = true;
        }
        if (expDigits) s += ex;
    }
    out.digits = std::move(s);
    return out;
}

double val(QStringView text)
{
    const LeadingNumber number = leadingNumber(text);
    const double v = number.radix == 10 ? fromDecimal(number.digits) : fromRadix(number.digits, number.radix);
    if (v == 0) return 0;
    return number.negative ? -v : v;
}

double cdbl(QStringView text)
{
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i].isSpace()) ++i;
    int end = n;
    while (end > i && text[end - 1].isSpace()) --end;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::string s;
    bool dot = false, digits = false;
    for (; i < end; ++i) {
        QChar c = text[i];
        if (isDigit(c)) { s += static_cast<char>(c.unicode()); digits = true; }
        else if (c == u'.' && !dot) { s += '.'; dot = true; }
        else break;
    }
    if (!digits) raise(Err::TypeMismatch);
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        s += 'e';
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) s += static_cast<char>(text[i++].unicode());
        bool expDigits = false;
        for (; i < end && isDigit(text[i]); ++i) { s += static_cast<char>(text[i].unicode()); expDigits = true; }
        if (!expDigits) raise(Err::TypeMismatch);
    }
    if (i != end) raise(Err::TypeMismatch);
    double v = fromDecimal(s);
    if (v == 0) return 0;
    return negative ? -v : v;
}

int16_t cint(double x)
{
    if (std::isnan(x)) raise(Err::InvalidCall);
    const double r = std::nearbyint(x); // the default rounding mode sends halves to even
    if (r < -32768 || r > 32767) raise(Err::Overflow);
    return static_cast<int16_t>(r);
}

int16_t cint(QStringView text) { return cint(cdbl(text)); }

} // namespace rt
