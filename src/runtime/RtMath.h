#pragma once
// Elementary functions that fail instead of giving inf or nan: a result beyond
// the double range is "Overflow", an argument outside the domain is
// "Invalid procedure call or argument", x / 0 is "Division by zero".
// No caller ever sees inf or nan. The four operations are checked as
// rt::Checked (Checked.h), so that a formula reads as one.
namespace rt {

double chk(double x);               // inf -> Overflow, nan -> InvalidCall
double sqrt(double x);
double log(double x);               // natural logarithm
double exp(double x);
double pow(double base, double e);  // the ^ operator
double atn(double x);
double sin(double x);
double cos(double x);
double tan(double x);

} // namespace rt
