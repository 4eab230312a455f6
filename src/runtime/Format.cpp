#include "runtime/Format.h"

#include "runtime/Currency.h"
#include "runtime/RtMath.h"

#include "runtime/NumText.h"

#include <charconv>
#include <string>

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
            (started ? r.suffix : r.prefix) += c.toLatin1();
        }
    }
    return r;
}

// Drops optional trailing zeros from the decimals, keeping `keep` of them.
void trimDecimals(std::string& decimals, int keep)
{
    while (static_cast<int>(decimals.size()) > keep && decimals.back() == '0') decimals.pop_back();
}

} // namespace

QString format(double x, QStringView pattern)
{
    if (pattern.compare(u"currency", Qt::CaseInsensitive) == 0) return formatCurrency(x);
    chk(x);
    const Pattern p = parse(pattern);
    const int decimals = p.minDec + p.optDec;
    DecimalDigits d(x);
    std::string out;

    if (p.scientific) {
        d.roundAt(d.leadingPlace() - decimals);
        const int exp10 = d.isZero() ? 0 : d.leadingPlace();
        std::string mant = d.places(exp10, exp10);
        std::string dp = d.places(exp10 - 1, exp10 - decimals);
        trimDecimals(dp, p.minDec);
        // "0.##E+0" drops a point left without digits; "0.E+0" keeps it.
        if (p.point && !(dp.empty() && p.optDec > 0)) mant += "." + dp;
        std::string ex = intText(exp10 < 0 ? -exp10 : exp10);
        if (static_cast<int>(ex.size()) < p.minExp) ex.insert(0, static_cast<size_t>(p.minExp) - ex.size(), '0');
        out = mant + "E" + (exp10 < 0 ? "-" : (p.expPlus ? "+" : "")) + ex;
    } else {
        d.roundAt(-decimals);
        std::string ip = d.wholeDigits();
        std::string dp = d.places(-1, -decimals);
        trimDecimals(dp, p.minDec);
        if (ip == "0" && p.minInt == 0) ip.clear();
        if (static_cast<int>(ip.size()) < p.minInt) ip.insert(0, static_cast<size_t>(p.minInt) - ip.size(), '0');
        out = ip;
        if (p.point) out += "." + dp;
    }
    // A value that rounds to zero carries no sign.
    out = p.prefix + (x < 0 && !d.isZero() ? "-" : "") + out + p.suffix;
    return QString::fromLatin1(out.c_str());
}

} // namespace rt
