#include "runtime/NumText.h"

#include "runtime/RtMath.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace rt {

namespace {

// Lays out a mantissa's digits ("15", no point) with its power of ten.
QString layout(bool negative, std::string digits, int exp10)
{
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out;
    if (exp10 >= 15 || exp10 < -4) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", exp10 < 0 ? '-' : '+', exp10 < 0 ? -exp10 : exp10);
        out += ex;
    } else if (exp10 < 0) {
        out = "0." + std::string(static_cast<size_t>(-exp10 - 1), '0') + digits;
    } else {
        const size_t intLen = static_cast<size_t>(exp10) + 1;
        if (digits.size() <= intLen) out = digits + std::string(intLen - digits.size(), '0');
        else out = digits.substr(0, intLen) + "." + digits.substr(intLen);
    }
    if (negative) out.insert(0, "-");
    return QString::fromLatin1(out.c_str());
}

// Splits "-d.ddde+XX" into sign, digits and exponent, then lays it out.
QString fromScientific(std::string s)
{
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto e = s.find('e');
    const int exp10 = std::atoi(s.c_str() + e + 1);
    const std::string digits = s.substr(0, 1) + (e > 2 ? s.substr(2, e - 2) : std::string());
    return layout(negative, digits, exp10);
}

} // namespace

QString str(double x)
{
    chk(x);
    if (x == 0) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x); // 15 significant digits, rounded
    return fromScientific(buf);
}

QString strShortest(double x)
{
    chk(x);
    if (x == 0) return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    return fromScientific(std::string(buf, res.ptr));
}

} // namespace rt
