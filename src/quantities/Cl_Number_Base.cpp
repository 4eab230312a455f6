#include "quantities/Cl_Number_Base.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

using Words = std::vector<uint32_t>; // a whole number, least significant word first

// w := w * m + a
void mulAdd(Words& w, uint32_t m, uint32_t a)
{
    uint64_t carry = a;
    for (uint32_t& word : w) {
        const uint64_t cur = static_cast<uint64_t>(word) * m + carry;
        word = static_cast<uint32_t>(cur);
        carry = cur >> 32;
    }
    if (carry != 0) w.push_back(static_cast<uint32_t>(carry));
}

// Whether a value with this whole part rounds past the largest double: from
// 2^1024 - 2^970 on, halfway to 2^1024, every value does.
bool beyondDoubleRange(const Words& w)
{
    if (w.size() != 32) return w.size() > 32;
    return w[31] == 0xFFFFFFFFu && w[30] >= 0xFFFFFC00u;
}

// The base-b digit values of a whole number, least significant first, by
// exact remainders of the multi-word division.
std::vector<int> digitsOf(Words words, int b)
{
    std::vector<int> out;
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

// Digit values may stand at face value ("9" typed in base 2 weighs 9): the
// fraction's excess carries into the whole part, then both are exact.
// A value beyond the double range is an overflow, as it is for a parse.
Cl_Number_Base::Exact Cl_Number_Base::exact(bool negative, int base, const std::vector<uint8_t>& whole,
                                            std::vector<uint8_t> fraction)
{
    unsigned carry = 0;
    for (size_t i = fraction.size(); i-- > 0;) {
        const unsigned v = fraction[i] + carry;
        fraction[i] = static_cast<uint8_t>(v % static_cast<unsigned>(base));
        carry = v / static_cast<unsigned>(base);
    }
    while (!fraction.empty() && fraction.back() == 0) fraction.pop_back();
    Words w;
    for (uint8_t d : whole) {
        mulAdd(w, static_cast<uint32_t>(base), d);
        if (w.size() > 32) rt::raise(rt::Err::Overflow); // stop early: a long text must not cost its length squared
    }
    mulAdd(w, 1, carry);
    if (beyondDoubleRange(w)) rt::raise(rt::Err::Overflow);
    Exact x;
    x.negative = negative;
    x.base = base;
    x.whole = std::move(w);
    x.fraction = std::move(fraction);
    return x;
}

void Cl_Number_Base::setzen_base10(const QString& v)
{
    field_[10] = v;
    hubBase_ = 10;
}

void Cl_Number_Base::set(int base, const QString& text)
{
    failed_ |= !rt::trap([&] {
        to_decimal(text, base); // a text beyond the double range fails here and leaves the hub alone
        field_[base] = text;
        hubBase_ = base;
    });
}

QString Cl_Number_Base::output(int base)
{
    QString result;
    failed_ |= !rt::trap([&] {
        const Exact x = hubBase_ == 10 ? hub_value(field_[10]) : to_decimal(field_[hubBase_], hubBase_);
        field_[base] = from_decimal(x, base);
        if (base == 10) hubBase_ = 10; // output_base10 rewrites the hub in its own form
        result = field_[base];
    });
    return result;
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

Cl_Number_Base::Exact Cl_Number_Base::to_decimal(const QString& s, int b)
{
    // Any character that is no digit weighs 0 but keeps its place; a digit
    // not below the base is taken at face value. No sign: "-" is such a character.
    const qsizetype p = s.indexOf(u'.'); // -1: no point
    const qsizetype intEnd = p < 0 ? s.size() : p;
    auto weight = [&](qsizetype i) { return static_cast<uint8_t>(rt::val(digit_value(s[i]))); };
    std::vector<uint8_t> whole, fraction;
    whole.reserve(static_cast<size_t>(intEnd));
    for (qsizetype i = 0; i < intEnd; ++i) whole.push_back(weight(i));
    for (qsizetype i = p + 1; p >= 0 && i < s.size(); ++i) fraction.push_back(weight(i));
    return exact(false, b, whole, std::move(fraction));
}

// The hub in base 10 is read as the leading-number parse reads it (sign,
// point, exponent, blanks, "&H" and "&O"), but to its exact value.
Cl_Number_Base::Exact Cl_Number_Base::hub_value(const QString& s)
{
    const rt::LeadingNumber n = rt::leadingNumber(s);
    if (n.radix != 10) {
        std::vector<uint8_t> whole;
        for (char c : n.digits) whole.push_back(static_cast<uint8_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10));
        return exact(false, n.radix, whole, {});
    }
    const std::string& t = n.digits;
    const size_t e = t.find('e');
    long long exp10 = 0;
    if (e != std::string::npos) {
        for (size_t i = e + 1; i < t.size(); ++i)
            if (t[i] >= '0' && t[i] <= '9' && exp10 < 100000) exp10 = exp10 * 10 + (t[i] - '0'); // saturates
        if (t.size() > e + 1 && t[e + 1] == '-') exp10 = -exp10;
    }
    // The significant digits and the count of them before the point.
    std::vector<uint8_t> digits;
    long long point = -1;
    for (size_t i = 0; i < std::min(e, t.size()); ++i) {
        if (t[i] == '.') point = static_cast<long long>(digits.size());
        else digits.push_back(static_cast<uint8_t>(t[i] - '0'));
    }
    if (point < 0) point = static_cast<long long>(digits.size());
    size_t lead = 0;
    while (lead < digits.size() && digits[lead] == 0) ++lead;
    if (lead == digits.size()) return {}; // zero, with no sign
    digits.erase(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(lead));
    while (digits.back() == 0) digits.pop_back();
    point += exp10 - static_cast<long long>(lead);
    // A whole part of 310 digits is beyond the double range: the text's
    // length must not decide the work.
    if (point > 309) rt::raise(rt::Err::Overflow);
    // Below 10^-20 ten fraction digits are zero in every base up to 16
    // (16^10 < 10^13): a smaller value shows the same and costs no more.
    if (point < -20) point = -20;

    const auto len = static_cast<long long>(digits.size());
    const auto split = static_cast<std::ptrdiff_t>(std::clamp(point, 0LL, len));
    std::vector<uint8_t> whole(digits.begin(), digits.begin() + split);
    whole.resize(static_cast<size_t>(std::max(point, 0LL)), 0);
    std::vector<uint8_t> fraction(static_cast<size_t>(std::max(-point, 0LL)), 0);
    fraction.insert(fraction.end(), digits.begin() + split, digits.end());
    return exact(n.negative, 10, whole, std::move(fraction));
}

QString Cl_Number_Base::from_decimal(Exact x, int b)
{
    QString intDigits;
    const std::vector<int> digits = digitsOf(x.whole, b);
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) intDigits += digit_char(*it);

    // Ten fraction digits, cut: each is what the fraction times b carries
    // past the point, in exact digit arithmetic of the numeral's own base.
    QString fracDigits;
    std::vector<uint8_t>& f = x.fraction;
    const auto base = static_cast<unsigned>(x.base);
    for (int n = 0; n < 10 && !f.empty(); ++n) {
        unsigned carry = 0;
        for (size_t i = f.size(); i-- > 0;) {
            const unsigned v = f[i] * static_cast<unsigned>(b) + carry;
            f[i] = static_cast<uint8_t>(v % base);
            carry = v / base;
        }
        fracDigits += digit_char(static_cast<int>(carry));
        while (!f.empty() && f.back() == 0) f.pop_back();
    }
    if (!fracDigits.isEmpty()) fracDigits = fracDigits.leftJustified(10, u'0');

    QString out;
    if (intDigits.isEmpty() && fracDigits.isEmpty()) out = QStringLiteral("0");
    else if (fracDigits.isEmpty()) out = intDigits;
    else out = (intDigits.isEmpty() ? QStringLiteral("0") : intDigits) + u'.' + fracDigits;
    // A minus sign only before a digit that is not zero: "-0.0000000000" is no number to show.
    const bool shownNonZero = !intDigits.isEmpty() || fracDigits.count(u'0') != fracDigits.size();
    if (x.negative && shownNonZero) out.prepend(u'-');
    return out;
}
