#include "runtime/Currency.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <QLocale>
#include <QList>
#include <cmath>

namespace rt {

namespace {

// The code points of a text: some scripts' digits (Chakma, Adlam) lie beyond
// 16 bits, as pairs of QChars that are no digits on their own.
QList<char32_t> codePoints(QStringView text)
{
    QList<char32_t> points;
    for (uint c : text.toUcs4()) points << c;
    return points;
}

// The decimals of the locale's currency: the digits of its zero amount but one.
int currencyDecimals(const QLocale& locale)
{
    int digits = 0;
    for (char32_t c : codePoints(locale.toCurrencyString(0.0, QStringLiteral("#")))) digits += QChar::isDigit(c);
    return digits > 0 ? digits - 1 : 0;
}

// `laidOut` with its digits, in order, replaced by `digits` in the same
// script; empty when their counts differ.
QString withDigits(QStringView laidOut, const std::string& digits)
{
    QString shown;
    size_t next = 0;
    for (char32_t c : codePoints(laidOut)) {
        if (QChar::isDigit(c)) {
            if (next == digits.size()) return {};
            c = c - static_cast<char32_t>(QChar::digitValue(c)) + static_cast<char32_t>(digits[next++] - '0');
        }
        shown += QString::fromUcs4(&c, 1);
    }
    return next == digits.size() ? shown : QString();
}

// The marks that set the direction of writing (the Arabic letter mark, the
// left-to-right and right-to-left marks, embeddings, overrides and isolates).
// A locale puts them around its digits, signs and symbol; they show nothing
// and carry no value.
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// How the locale writes an amount, as the locale itself tells: the symbol
// its currency texts carry, its signs and separators, and its digit zero.
// Each is taken as the reading sees a text (plainText).
struct CurrencyForm {
    char32_t zero = U'0';
    QString symbol;
    QString minus;
    QString plus;
    QString point;
    QString group;
};

// A text as the reading sees it: without marks of direction, and with the
// locale's digits as ASCII digits (which read in every locale too).
QString plainText(QStringView text, char32_t zero)
{
    QString s;
    s.reserve(text.size());
    for (char32_t c : codePoints(text)) {
        if (isDirectionMark(c)) continue;
        if (c >= zero && c - zero <= 9) c = U'0' + (c - zero);
        s += QString::fromUcs4(&c, 1);
    }
    return s;
}

CurrencyForm currencyForm(const QLocale& locale)
{
    CurrencyForm form;
    form.zero = codePoints(locale.zeroDigit()).value(0, U'0');
    auto plain = [&](const QString& s) { return plainText(s, form.zero); };
    // A locale without a symbol of its own writes the currency's ISO code.
    const QString symbol = locale.currencySymbol();
    form.symbol = plain(symbol.isEmpty() ? locale.currencySymbol(QLocale::CurrencyIsoCode) : symbol);
    form.minus = plain(locale.negativeSign());
    form.plus = plain(locale.positiveSign());
    form.point = plain(locale.decimalPoint());
    form.group = plain(locale.groupSeparator());
    return form;
}

// readCurrency in the given form.
double readAmount(QStringView text, const CurrencyForm& form)
{
    QString s = plainText(text, form.zero).trimmed();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')') && s.size() >= 2) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    if (!form.symbol.isEmpty()) {
        const qsizetype at = s.indexOf(form.symbol);
        if (at >= 0) s = (s.left(at) + u' ' + s.mid(at + form.symbol.size())).simplified();
    }
    // One sign, before the digits, where every locale writes it (its symbol
    // may stand before the sign or between it and the digits).
    const std::pair<QString, bool> signs[] = {{QStringLiteral("-"), true}, {form.minus, true}, {QStringLiteral("+"), false}, {form.plus, false}};
    for (const auto& [sign, minus] : signs) {
        if (sign.isEmpty() || !s.startsWith(sign)) continue;
        if (negative) raise(Err::TypeMismatch); // "(-1)" is no amount
        negative = minus;
        s = s.mid(sign.size()).trimmed();
        break;
    }

    const QString& group = form.group;
    const QString& point = form.point;
    const bool spaceGroups = group.size() == 1 && group.at(0).isSpace();
    QString plain;
    bool seenPoint = false, digits = false, afterGroup = false;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        const QStringView rest = QStringView(s).mid(i);
        if (c >= u'0' && c <= u'9') {
            plain += c;
            digits = true;
            afterGroup = false;
            ++i;
        } else if (afterGroup) {
            raise(Err::TypeMismatch); // a separator groups digits
        } else if (!point.isEmpty() && !seenPoint && rest.startsWith(point)) {
            plain += u'.';
            seenPoint = true;
            i += point.size();
        } else if (!seenPoint && digits && !group.isEmpty() && rest.startsWith(group)) {
            afterGroup = true;
            i += group.size();
        } else if (!seenPoint && digits && spaceGroups && c.isSpace()) {
            afterGroup = true;
            ++i;
        } else {
            raise(Err::TypeMismatch);
        }
    }
    if (!digits || afterGroup) raise(Err::TypeMismatch);
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
    return readCurrency(text);
}

} // namespace rt
