#include "runtime/Currency.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
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

// The marks that set the direction of writing (the Arabic letter mark, the
// left-to-right and right-to-left marks, embeddings, overrides and isolates).
// A locale puts them around its digits, signs and symbol; they show nothing
// and carry no value.
bool isDirectionMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

QString withoutDirectionMarks(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isDirectionMark(c)) s += c;
    return s;
}

// How the locale writes an amount: its symbol, sign, separators and digits,
// taken from the currency text it gives a probe amount, so that a reading
// follows the display whatever the platform composes that text from.
struct CurrencyForm {
    QString symbol;
    QString minus;
    QString point;
    QString group;
    char16_t zero = u'0'; // the locale's digit zero; ASCII digits read too
};

CurrencyForm currencyForm(const QLocale& locale)
{
    CurrencyForm form;
    form.symbol = withoutDirectionMarks(locale.currencySymbol());
    form.minus = withoutDirectionMarks(locale.negativeSign());
    form.point = withoutDirectionMarks(locale.decimalPoint());
    form.group = withoutDirectionMarks(locale.groupSeparator());
    // Seven whole digits are grouped in every locale that groups; the
    // separator before the last `decimals` digits is the point.
    const int decimals = currencyDecimals(locale);
    const QString probe = withoutDirectionMarks(locale.toCurrencyString(1234567.0 + (decimals > 0 ? 0.5 : 0)));
    QStringList separators;
    QString pending;
    bool inDigits = false;
    for (QChar c : probe) {
        if (c.isDigit()) {
            if (!inDigits) form.zero = static_cast<char16_t>(c.unicode() - c.digitValue());
            if (inDigits && !pending.isEmpty()) separators << pending;
            pending.clear();
            inDigits = true;
        } else if (inDigits) {
            pending += c;
        }
    }
    if (decimals > 0 && !separators.isEmpty()) form.point = separators.takeLast();
    if (!separators.isEmpty()) form.group = separators.first();
    return form;
}

// A digit of the locale's own script, other than ASCII.
bool isNativeDigit(QChar c, const CurrencyForm& form)
{
    return form.zero != u'0' && c.unicode() >= form.zero && c.unicode() <= form.zero + 9;
}

// The value 0 to 9 of an ASCII digit or a digit of the locale; -1 for any
// other character.
int digitOf(QChar c, const CurrencyForm& form)
{
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (isNativeDigit(c, form)) return c.unicode() - form.zero;
    return -1;
}

// readCurrency in the given form.
double readAmount(QStringView text, const CurrencyForm& form)
{
    QString s = withoutDirectionMarks(text).trimmed();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')') && s.size() >= 2) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    if (!form.symbol.isEmpty()) {
        const qsizetype at = s.indexOf(form.symbol);
        if (at >= 0) s = (s.left(at) + u' ' + s.mid(at + form.symbol.size())).simplified();
    }
    // One sign, before or after the digits (the symbol may have stood between).
    auto takeSign = [&](bool front) {
        for (const QString& sign : {QString(u'-'), form.minus, QString(u'+')}) {
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

    const QString& group = form.group;
    const QString& point = form.point;
    const bool spaceGroups = group.size() == 1 && group.at(0).isSpace();
    QString plain;
    bool seenPoint = false, digits = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (const int d = digitOf(c, form); d >= 0) {
            plain += QChar(u'0' + d);
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

double readCurrency(QStringView text) { return readAmount(text, currencyForm(QLocale())); }

double cdblAmount(QStringView text)
{
    try {
        return cdbl(text);
    } catch (const RuntimeError& e) {
        if (e.code() != Err::TypeMismatch) throw;
    }
    const CurrencyForm form = currencyForm(QLocale());
    const QString s = withoutDirectionMarks(text);
    const bool nativeDigits = std::any_of(s.begin(), s.end(), [&](QChar c) { return isNativeDigit(c, form); });
    const bool currencyText = s.size() != text.size() || nativeDigits
                            || (!form.symbol.isEmpty() && s.contains(form.symbol))
                            || (!form.group.isEmpty() && s.contains(form.group)) || s.contains(u'(') || s.contains(u')');
    if (!currencyText) raise(Err::TypeMismatch);
    return readAmount(text, form);
}

} // namespace rt
