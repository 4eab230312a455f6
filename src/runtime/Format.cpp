#include "runtime/Format.h"

#include "runtime/RtMath.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace rt {
namespace {

struct Pattern {
    int minInt = 0;         // "0" before the point
    bool point = false;     // a "." present
    int minDec = 0;         // "0" after the point
    int optDec = 0;         // "#" after the point
    bool scientific = false;
    bool expPlus = false;   // "E+": sign always
    int minExp = 0;         // "0" in the exponent
    std::string prefix, suffix; // literal text around the number
};

Pattern parse(QStringView p)
{
    Pattern r;
    enum { Int, Dec, Exp } part = Int;
    bool started = false;
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if ((c == u'E' || c == u'e') && i + 1 < p.size() && (p[i + 1] == u'+' || p[i + 1] == u'-')) {
            r.scientific = true;
            r.expPlus = p[i + 1] == u'+';
            part = Exp;
            ++i;
        } else if (c == u'0' || c == u'#') {
            started = true;
            if (part == Int) r.minInt += c == u'0';
            else if (part == Dec) (c == u'0' ? r.minDec : r.optDec)++;
            else r.minExp += c == u'0';
        } else if (c == u'.' && part == Int) {
            r.point = true;
            part = Dec;
            started = true;
        } else {
            (started ? r.suffix : r.prefix) += static_cast<char>(c.toLatin1());
        }
    }
    return r;
}

// Drops optional trailing decimal zeros, keeping `keep` decimals.
void trimDecimals(std::string& s, int keep)
{
    const auto dot = s.find('.');
    if (dot == std::string::npos) return;
    while (static_cast<int>(s.size() - dot - 1) > keep && s.back() == '0') s.pop_back();
}

bool allZero(const std::string& s)
{
    for (char c : s)
        if (c >= '1' && c <= '9') return false;
    return true;
}

} // namespace

QString format(double x, QStringView pattern)
{
    chk(x);
    const Pattern p = parse(pattern);
    const int decimals = p.minDec + p.optDec;
    std::vector<char> buf(static_cast<size_t>(decimals) + 32);
    std::string out;
    bool negative = x < 0;
    const double a = std::fabs(x);

    if (p.scientific) {
        std::snprintf(buf.data(), buf.size(), "%.*e", decimals, a);
        std::string s(buf.data());
        const auto e = s.find('e');
        std::string mant = s.substr(0, e);
        int exp10 = std::atoi(s.c_str() + e + 1);
        trimDecimals(mant, p.minDec);
        if (a == 0) exp10 = 0;
        if (!p.point && mant.back() == '.') mant.pop_back();
        if (mant.back() == '.' && p.minDec == 0 && p.optDec > 0) mant.pop_back();
        std::string ex = std::to_string(exp10 < 0 ? -exp10 : exp10);
        if (static_cast<int>(ex.size()) < p.minExp) ex.insert(0, static_cast<size_t>(p.minExp) - ex.size(), '0');
        out = mant + "E" + (exp10 < 0 ? "-" : (p.expPlus ? "+" : "")) + ex;
        if (allZero(mant)) negative = false;
    } else {
        buf.resize(static_cast<size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, a)) + 1);
        std::snprintf(buf.data(), buf.size(), "%.*f", decimals, a);
        std::string s(buf.data());
        trimDecimals(s, p.minDec);
        if (allZero(s)) negative = false;
        auto dot = s.find('.');
        std::string ip = s.substr(0, dot);
        std::string dp = dot == std::string::npos ? "" : s.substr(dot + 1);
        if (ip == "0" && p.minInt == 0) ip.clear();
        if (static_cast<int>(ip.size()) < p.minInt) ip.insert(0, static_cast<size_t>(p.minInt) - ip.size(), '0');
        out = ip;
        if (p.point) out += "." + dp;
    }
    out = p.prefix + (negative ? "-" : "") + out + p.suffix;
    return QString::fromLatin1(out.c_str());
}

} // namespace rt
