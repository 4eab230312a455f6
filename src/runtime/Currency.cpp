#include "runtime/Currency.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <QLocale>
#include <cmath>

namespace rt {

namespace {

// The decimals of the locale's currency: the digits of its zero amount but one.
int currencyDecimals(const QLocale& locale)
{
    const QString zero = locale.toCurrencyString(0.0, QStringLiteral("#"));
    int digits = 0;
    for (QChar c : zero) digits += c.isDigit();
    return digits > 0 ? digits - 1 : 0;
}

// `laidOut` with its digits, in order, replaced by `digits`; empty when their
// counts differ.
QString withDigits(QString laidOut, const std::string& digits)
{
    size_t next = 0;
    for (QChar& c : laidOut) {
        if (!c.isDigit()) continue;
        if (next == digits.size()) return {};
        c = QChar(c.unicode() - c.digitValue() + (digits[next++] - '0'));
    }
    return next == digits.size() ? laidOut : QString();
}

} // namespace

QString formatCurrency(double x)
{
    chk(x);
    const QLocale locale;
    const int decimals = currencyDecimals(locale);
    // Rounded like every other pattern, on the decimal digits, before the
    // locale lays the amount out.
    DecimalDigits d(x);
    d.roundAt(-decimals);
    // An amount that rounds to zero carries no sign.
    const bool negative = x < 0 && !d.isZero();
    // The locale writes every digit of the binary value; the amount shows the
    // digits of its decimal text (1E32 is 1 and zeros), in the locale's
    // script, at the places the locale gives them.
    const std::string digits = d.wholeDigits() + d.places(-1, -decimals);
    const double magnitude = d.value();
    QString laidOut;
    // The double nearest 10^k may lie below it, one digit short: the next one up has them all.
    for (double m : {magnitude, std::nextafter(magnitude, HUGE_VAL)}) {
        laidOut = locale.toCurrencyString(negative ? -m : m);
        if (const QString shown = withDigits(laidOut, digits); !shown.isEmpty()) return shown;
    }
    return laidOut;
}

double readCurrency(QStringView text)
{
    const QLocale locale;
    QString s = text.trimmed().toString();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')') && s.size() >= 2) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty()) {
        const qsizetype at = s.indexOf(symbol);
        if (at >= 0) s = (s.left(at) + u' ' + s.mid(at + symbol.size())).simplified();
    }
    // One sign, before or after the digits (the symbol may have stood between).
    const QString minus = locale.negativeSign();
    auto takeSign = [&](bool front) {
        for (const QString& sign : {QString(u'-'), minus, QString(u'+')}) {
            if (sign.isEmpty()) continue;
            const bool found = front ? s.startsWith(sign) : s.endsWith(sign);
            if (!found) continue;
            if (negative) raise(Err::TypeMismatch); // "(-1)" is no amount
            negative = sign != u"+";
            s = front ? s.mid(sign.size()) : s.left(s.size() - sign.size());
            s = s.trimmed();
            return true;
        }
        return false;
    };
    if (!takeSign(true)) takeSign(false);

    const QString group = locale.groupSeparator();
    const QString point = locale.decimalPoint();
    const bool spaceGroups = group.size() == 1 && group.at(0).isSpace();
    QString plain;
    bool seenPoint = false, digits = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (c >= u'0' && c <= u'9') {
            plain += c;
            digits = true;
            ++i;
        } else if (!point.isEmpty() && !seenPoint && QStringView(s).mid(i).startsWith(point)) {
            plain += u'.';
            seenPoint = true;
            i += point.size();
        } else if (!seenPoint && digits && !group.isEmpty() && QStringView(s).mid(i).startsWith(group)) {
            i += group.size();
        } else if (!seenPoint && digits && spaceGroups && c.isSpace()) {
            ++i;
        } else {
            raise(Err::TypeMismatch);
        }
    }
    if (!digits) raise(Err::TypeMismatch);
    const double v = cdbl(plain);
    return negative && v != 0 ? -v : v;
}

double cdblAmount(QStringView text)
{
    try {
        return cdbl(text);
    } catch (const RuntimeError& e) {
        if (e.code() != Err::TypeMismatch) throw;
    }
    const QLocale locale;
    const QString symbol = locale.currencySymbol();
    const QString group = locale.groupSeparator();
    const bool currencyText = (!symbol.isEmpty() && text.contains(symbol)) || (!group.isEmpty() && text.contains(group))
                            || text.contains(u'(') || text.contains(u')');
    if (!currencyText) raise(Err::TypeMismatch);
    return readCurrency(text);
}

} // namespace rt
