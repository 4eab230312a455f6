#pragma once
// One temperature in four scales. A setter writes the field of its scale
// only; a conversion reads the field of its source scale and returns the
// value itself (not a factor). The fields are not kept consistent: some
// conversions pass through another scale and leave that value in its field
// (dK2dC leaves Celsius, dK2dR Fahrenheit and Rankine, dF2dK Celsius, dR2dC
// Fahrenheit, dR2dK Fahrenheit and Celsius), which later conversions from
// that scale then read.
// A result beyond the double range raises rt::RuntimeError ("Overflow");
// a text setter raises "Type mismatch" for a non-number and keeps the field.
#include <QString>

class Temperature {
public:
    void setzen_dC(double v) { dC = v; }
    void setzen_dK(double v) { dK = v; }
    void setzen_dF(double v) { dF = v; }
    void setzen_dR(double v) { dR = v; }
    void setzen_dC(const QString& v);
    void setzen_dK(const QString& v);
    void setzen_dF(const QString& v);
    void setzen_dR(const QString& v);

    double dC2dK();
    double dC2dF();
    double dC2dR();
    double dK2dC();
    double dK2dF();
    double dK2dR();
    double dF2dC();
    double dF2dK();
    double dF2dR();
    double dR2dC();
    double dR2dK();
    double dR2dF();

    // The stored fields, Celsius, Kelvin, Fahrenheit, Rankine; all start at 0.
    double celsius() const { return dC; }
    double kelvin() const { return dK; }
    double fahrenheit() const { return dF; }
    double rankine() const { return dR; }

private:
    double dC = 0;
    double dK = 0;
    double dF = 0;
    double dR = 0;
};
