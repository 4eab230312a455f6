#pragma once
// Two values and the arc sine / arc cosine of the first, in radians. A first
// value beyond 1 in magnitude answers "Error" instead of a number, so the
// getters return a variant: a double or that text.
#include <QVariant>

class Cl_calculator {
public:
    Cl_calculator();

    // Any value that converts to a number; one that does not is reported
    // ("Type mismatch") and the former value is kept.
    void setzen_xval(const QVariant& v);
    void setzen_yval(const QVariant& v);

    QVariant out_acos() const;
    QVariant out_asin() const;

private:
    double arcsin(double x) const;
    double arccos(double x) const;

    double xval = 0;
    double yval = 0;
    double pi = 0;
};
