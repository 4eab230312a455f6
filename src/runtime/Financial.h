#pragma once
// Time-value-of-money functions over one relation between the rate per
// period r, the number of periods n, the payment pmt, the present value pv,
// the future value fv and the due type (0: payments at the end of each
// period, 1: at the beginning):
//   pv (1+r)^n + pmt (1+r due) ((1+r)^n - 1) / r + fv = 0
//   pv + pmt n + fv = 0                                   when r = 0
// Money paid out and money received carry opposite signs. Each function
// returns the quantity it solves for; where none exists, or it is beyond the
// double range, it raises a RuntimeError ("Invalid procedure call or
// argument", "Overflow"), never inf or nan.
namespace rt {

double FV(double rate, double nper, double pmt, double pv = 0, int due = 0);
double PV(double rate, double nper, double pmt, double fv = 0, int due = 0);
double Pmt(double rate, double nper, double pv, double fv = 0, int due = 0);
double NPer(double rate, double pmt, double pv, double fv = 0, int due = 0);
// Newton's method from `guess`; when that does not settle, a scan of the
// rates above -1 for a sign change of the relation, then bisection. No rate
// found raises "Invalid procedure call or argument".
double Rate(double nper, double pmt, double pv, double fv = 0, int due = 0, double guess = 0.1);

} // namespace rt
