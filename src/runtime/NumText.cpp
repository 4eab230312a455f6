#include "runtime/NumText.h"

#include "runtime/RtMath.h"

#include <charconv>
#include <cmath>

namespace rt {

std::string intText(int n)
{
    char buf[16];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

namespace {

// Lays out significant digits ("15", no point, no trailing zero) with the
// power of ten of the first one.
QString layout(bool negative, const std::string& digits, int exp10)
{
    // Built by appending only: GCC 12 reports a false overlap (-Wrestrict) for
    // string concatenation and insert at the front.
    std::string out(negative ? "-" : "");
    if (exp10 >= 15 || exp10 < -4) {
        out.append(digits, 0, 1);
        if (digits.size() > 1) out.append(1, '.').append(digits, 1);
        const std::string ex = intText(exp10 < 0 ? -exp10 : exp10);
        out.append(1, 'E').append(1, exp10 < 0 ? '-' : '+').append(ex.size() < 2 ? "0" : "").append(ex);
    } else if (exp10 < 0) {
        out.append("0.").append(static_cast<size_t>(-exp10 - 1), '0').append(digits);
    } else {
        const size_t intLen = static_cast<size_t>(exp10) + 1;
        if (digits.size() <= intLen) out.append(digits).append(intLen - digits.size(), '0');
        else out.append(digits, 0, intLen).append(1, '.').append(digits, intLen);
    }
    return QString::fromLatin1(out.c_str());
}

// Splits "d.ddde+XX" (no sign) into digits and exponent.
void splitScientific(const char* begin, const char* end, std::string& digits, int& exp10)
{
    const std::string_view s(begin, static_cast<size_t>(end - begin));
    const auto e = s.find('e');
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), exp10);
    digits = std::string(s.substr(0, 1));
    if (e > 2) digits += s.substr(2, e - 2);
}

} // namespace

QString str(double x)
{
    chk(x);
    const DecimalDigits d(x);
    return d.isZero() ? QStringLiteral("0") : layout(x < 0, d.digits(), d.leadingPlace());
}

DecimalDigits::DecimalDigits(double x)
{
    if (x == 0) return;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    splitScientific(buf, res.ptr, digits_, lead_);
    while (digits_.back() == '0') digits_.pop_back();
}

char DecimalDigits::at(int place) const
{
    const long long i = static_cast<long long>(lead_) - place;
    return i >= 0 && i < static_cast<long long>(digits_.size()) ? digits_[static_cast<size_t>(i)] : '0';
}

std::string DecimalDigits::wholeDigits() const
{
    return isZero() || lead_ < 0 ? std::string("0") : places(lead_, 0);
}

std::string DecimalDigits::places(int from, int to) const
{
    std::string s;
    if (from >= to) s.reserve(static_cast<size_t>(from - to) + 1);
    for (int place = from; place >= to; --place) s += at(place);
    return s;
}

void DecimalDigits::roundAt(int place)
{
    if (isZero()) return;
    const long long keep = static_cast<long long>(lead_) - place + 1; // digits that stay
    if (keep >= static_cast<long long>(digits_.size())) return;
    if (keep < 0) {
        digits_.clear();
        return;
    }
    const bool up = digits_[static_cast<size_t>(keep)] >= '5';
    digits_.resize(static_cast<size_t>(keep));
    if (up) {
        size_t i = digits_.size();
        while (i > 0 && digits_[i - 1] == '9') digits_[--i] = '0';
        if (i > 0) ++digits_[i - 1];
        else {
            digits_.insert(digits_.begin(), '1');
            ++lead_;
        }
    }
    while (!digits_.empty() && digits_.back() == '0') digits_.pop_back();
}

double DecimalDigits::value() const
{
    if (isZero()) return 0;
    const std::string text = digits_ + "e" + intText(lead_ - static_cast<int>(digits_.size()) + 1);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

} // namespace rt
