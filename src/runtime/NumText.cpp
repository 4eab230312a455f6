#include "runtime/NumText.h"

#include "runtime/RtMath.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace rt {

QString str(double x)
{
    chk(x);
    if (x == 0) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x); // 15 significant digits, rounded
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto e = s.find('e');
    const int exp10 = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
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

} // namespace rt
