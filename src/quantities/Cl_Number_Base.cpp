#include "quantities/Cl_Number_Base.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The base-b digit values of a whole number held in a double, least
// significant first, by exact remainders: a double's integer value can have
// up to 309 decimal digits, so it is divided as a multi-word integer.
std::vector<int> wholeDigits(double ip, int b)
{
    std::vector<int> out;
    if (ip < 18446744073709551616.0) { // below 2^64
        auto n = static_cast<uint64_t>(ip);
        while (n != 0) {
            out.push_back(static_cast<int>(n % static_cast<uint64_t>(b)));
            n /= static_cast<uint64_t>(b);
        }
        return out;
    }
    int exp2 = 0;
    const double m = std::frexp(ip, &exp2);                 // ip = m * 2^exp2, 0.5 <= m < 1
    auto mant = static_cast<uint64_t>(std::ldexp(m, 53));   // exact: a double has 53 bits
    const int shift = exp2 - 53;                             // > 0 here
    std::vector<uint32_t> words(static_cast<size_t>((53 + shift) / 32 + 2), 0); // least significant first
    const int w0 = shift / 32, bit = shift % 32;
    const unsigned __int128 wide = static_cast<unsigned __int128>(mant) << bit;
    for (int i = 0; i < 3; ++i) words[static_cast<size_t>(w0 + i)] = static_cast<uint32_t>(wide >> (32 * i));
    while (!words.empty() && words.back() == 0) words.pop_back();
    while (!words.empty()) {
        uint64_t rem = 0;
        for (size_t i = words.size(); i-- > 0;) {
            const uint64_t cur = (rem << 32) | words[i];
            words[i] = static_cast<uint32_t>(cur / static_cast<uint64_t>(b));
            rem = cur % static_cast<uint64_t>(b);
        }
        out.push_back(static_cast<int>(rem));
        while (!words.empty() && words.back() == 0) words.pop_back();
    }
    return out;
}

} // namespace

void Cl_Number_Base::setzen_base10(const QString& v)
{
    field_[10] = v;
}

void Cl_Number_Base::set(int base, const QString& text)
{
    rt::trap([&] {
        field_[base] = text;
        field_[10] = rt::strShortest(to_decimal(text, base));
    });
}

QString Cl_Number_Base::output(int base)
{
    QString result;
    rt::trap([&] {
        field_[base] = from_decimal(field_[10], base);
        result = field_[base];
    });
    return result;
}

double Cl_Number_Base::frac_floor(double x)
{
    return x - std::floor(x);
}

QString Cl_Number_Base::digit_char(int d)
{
    if (d >= 10 && d <= 15) return QString(QChar(u'A' + (d - 10)));
    return QString::number(d);
}

QString Cl_Number_Base::digit_value(QChar c)
{
    if (c >= u'0' && c <= u'9') return QString(c);
    const QChar u = c.toUpper();
    if (u >= u'A' && u <= u'F') return QString::number(10 + (u.unicode() - u'A'));
    return {};
}

double Cl_Number_Base::to_decimal(const QString& s, int b)
{
    // Any character that is no digit weighs 0 but keeps its place; a digit
    // not below the base is taken at face value.
    const qsizetype p = s.indexOf(u'.'); // -1: no point
    const qsizetype intEnd = p < 0 ? s.size() : p;
    double value = 0;
    int k = 0;
    for (qsizetype i = intEnd; i-- > 0; ++k) {
        const double d = rt::val(digit_value(s[i]));
        // A zero digit adds nothing: skipping it keeps leading zeros from
        // overflowing the power of a long text.
        if (d != 0) value = rt::add(value, rt::mul(d, rt::pow(b, k)));
    }
    double fraction = 0;
    if (p >= 0) {
        int j = 1;
        for (qsizetype i = p + 1; i < s.size(); ++i, ++j) {
            const double d = rt::val(digit_value(s[i]));
            const double w = std::pow(static_cast<double>(b), j);
            // Past the double range a digit's weight is below anything the
            // sum can still hold: it adds nothing rather than overflowing.
            if (d != 0 && std::isfinite(w)) fraction += d / w;
        }
    }
    return rt::add(value, fraction);
}

QString Cl_Number_Base::from_decimal(const QString& s, int b)
{
    const double v = rt::val(s);
    // A negative value is its magnitude's digits behind a minus sign.
    const bool negative = v < 0;
    const double x = negative ? -v : v;
    const double ip = std::floor(x);
    const double fp = x - ip;

    QString intDigits;
    const std::vector<int> digits = wholeDigits(ip, b);
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) intDigits += digit_char(*it);

    QString fracDigits;
    if (fp != 0) {
        double f = frac_floor(x);
        for (int n = 0; n < 10; ++n) {
            int d = static_cast<int>(std::floor(b * f));
            if (d >= b) d = b - 1;
            fracDigits += digit_char(d);
            f = frac_floor(b * f);
        }
    }

    QString out;
    if (intDigits.isEmpty() && fracDigits.isEmpty()) out = QStringLiteral("0");
    else if (fracDigits.isEmpty()) out = intDigits;
    else out = (intDigits.isEmpty() ? QStringLiteral("0") : intDigits) + u'.' + fracDigits;
    if (negative && out != u"0") out.prepend(u'-');
    return out;
}
