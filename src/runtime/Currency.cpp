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

} // namespace

QString formatCurrency(double x)
{
    chk(x);
    const QLocale locale;
    // Rounded like every other pattern, on the decimal digits, before the
    // locale lays the amount out.
    const double amount = roundDecimal(x, currencyDecimals(locale));
    const QString magnitude = locale.toCurrencyString(std::fabs(amount));
    if (amount < 0 && magnitude != locale.toCurrencyString(0.0)) return locale.toCurrencyString(amount);
    return magnitude;
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
