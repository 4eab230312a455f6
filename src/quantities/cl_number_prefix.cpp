#include "quantities/cl_number_prefix.h"

#include "runtime/Format.h"
#include "runtime/Checked.h"

namespace {

// The power of ten of each prefix index, exa to atto.
constexpr int kPower[17] = {18, 15, 12, 9, 6, 3, 2, 1, 0, -1, -2, -3, -6, -9, -12, -15, -18};
constexpr int kUnit = 8;

} // namespace

void cl_number_prefix::setzen_pref(double value, int index)
{
    if (index >= 0 && index <= 16) {
        const int e = kPower[index];
        double base = value;
        if (e > 0) {
            value_[index] = rt::chk(value);
            base = (rt::Checked(value) * (e == 1 ? 10.0 : rt::pow(10, e))).v;
        } else if (e < 0) {
            value_[index] = rt::chk(value);
            base = (rt::Checked(value) / (e == -1 ? 10.0 : rt::pow(10, -e))).v;
        }
        value_[kUnit] = rt::chk(base);
    }
    fill_pref();
}

QString cl_number_prefix::output_pref(int index) const
{
    if (index < 0 || index > 16) return {};
    return rt::format(value_[index], u"0.0###E-0#");
}

void cl_number_prefix::fill_pref()
{
    const double u = value_[kUnit];
    for (int i = 0; i < 17; ++i) {
        const int e = kPower[i];
        if (e > 0) value_[i] = (rt::Checked(u) / rt::pow(10, e)).v;
        else if (e < 0) value_[i] = (rt::Checked(u) * rt::pow(10, -e)).v;
    }
}
