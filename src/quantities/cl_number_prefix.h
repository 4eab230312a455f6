#pragma once
// One quantity under the seventeen SI prefixes from exa (index 0) to atto
// (index 16), unit at index 8. Errors (a scaled value beyond the double
// range) are not trapped here: they pass to the caller as rt::RuntimeError.
#include <QString>
#include <array>

class cl_number_prefix {
public:
    // Stores `value`, given in the prefix of `index`; an index outside 0..16
    // keeps the previous quantity.
    void setzen_pref(double value, int index);
    // The quantity in the prefix of `index` as "0.0###E-0#" text; empty text
    // for an index outside 0..16.
    QString output_pref(int index) const;

private:
    void fill_pref();

    // The quantity in each prefix, by prefix index; value_[8] is the unit
    // value from which every other one is derived.
    std::array<double, 17> value_{};
};
