#include "runtime/Financial.h"

#include "runtime/Error.h"
#include "runtime/RtMath.h"

#include <cmath>
#include <optional>

namespace rt {
namespace {

// (1+r)^n and the annuity factor ((1+r)^n - 1) / r, which is n at r = 0.
// log1p/expm1 keep both accurate for the small rates per period of monthly
// or daily payments, where (1+r)^n - 1 would lose most of its digits.
struct Growth {
    double g;
    double a;
};

Growth growth(double r, double n)
{
    chk(r);
    chk(n);
    if (r == 0) return {1, n};
    if (r > -1) {
        const double e = n * std::log1p(r);
        return {chk(std::exp(e)), chk(std::expm1(e) / r)};
    }
    const double g = pow(1 + r, n); // a negative base needs a whole n
    return {g, chk((g - 1) / r)};
}

double dueFactor(double r, int due) { return due != 0 ? 1 + r : 1; }

// The relation's value at r, and its derivative in r for Newton's method.
struct Relation {
    double n, pmt, pv, fv;
    int due;

    double value(double r, const Growth& k) const { return pv * k.g + pmt * dueFactor(r, due) * k.a + fv; }

    double slope(double r, const Growth& k) const
    {
        // d/dr of the annuity factor; its closed form cancels badly when n r
        // is small, where the series is exact enough.
        const double da = std::fabs(n * r) < 1e-3 ? n * (n - 1) / 2 + n * (n - 1) * (n - 2) / 3 * r
                                                  : (n * k.g / (1 + r) - k.a) / r;
        return pv * n * k.g / (1 + r) + pmt * ((due != 0 ? k.a : 0) + dueFactor(r, due) * da);
    }
};

std::optional<double> newton(const Relation& f, double r)
{
    for (int i = 0; i < 100; ++i) {
        const double e = f.n * std::log1p(r);
        if (!std::isfinite(e) || std::fabs(e) > 700) return std::nullopt;
        const Growth k = growth(r, f.n);
        const double y = f.value(r, k), dy = f.slope(r, k);
        if (!std::isfinite(y) || !std::isfinite(dy) || dy == 0) return std::nullopt;
        const double step = y / dy;
        const double next = r - step;
        if (!(next > -1) || !std::isfinite(next)) return std::nullopt;
        if (std::fabs(step) <= 1e-13 * (1 + std::fabs(next))) return next;
        r = next;
    }
    return std::nullopt;
}

// Scans r = e^t - 1 (every rate above -1) for a sign change of the relation
// and bisects the change nearest the guess. Bounded work: it always ends.
std::optional<double> bracket(const Relation& f, double guess)
{
    struct Sample {
        double t, y;
    };
    auto at = [&f](double t) -> std::optional<double> {
        const double e = f.n * t;
        if (std::fabs(e) > 700) return std::nullopt;
        const double r = std::expm1(t);
        const Growth k{std::exp(e), r == 0 ? f.n : std::expm1(e) / r};
        const double y = f.value(r, k);
        if (!std::isfinite(y)) return std::nullopt;
        return y;
    };
    const double tGuess = std::log1p(guess > -1 ? guess : 0);
    std::optional<double> best;
    auto consider = [&](double t) {
        if (!best || std::fabs(t - tGuess) < std::fabs(*best - tGuess)) best = t;
    };
    std::optional<Sample> prev;
    for (int i = -2000; i <= 1200; ++i) {
        const double t = i * 0.01;
        const auto y = at(t);
        if (!y) {
            prev.reset();
            continue;
        }
        if (*y == 0) {
            consider(t);
        } else if (prev && (prev->y < 0) != (*y < 0)) {
            double lo = prev->t, hi = t, ylo = prev->y;
            for (int j = 0; j < 200; ++j) {
                const double mid = (lo + hi) / 2;
                if (mid == lo || mid == hi) break;
                const auto ym = at(mid);
                if (!ym) break;
                if (*ym == 0) {
                    lo = hi = mid;
                    break;
                }
                if ((*ym < 0) == (ylo < 0)) {
                    lo = mid;
                    ylo = *ym;
                } else {
                    hi = mid;
                }
            }
            consider((lo + hi) / 2);
        }
        prev = Sample{t, *y};
    }
    if (!best) return std::nullopt;
    return std::expm1(*best);
}

} // namespace

double FV(double rate, double nper, double pmt, double pv, int due)
{
    const Growth k = growth(rate, nper);
    return chk(-(pv * k.g + pmt * dueFactor(rate, due) * k.a));
}

double PV(double rate, double nper, double pmt, double fv, int due)
{
    const Growth k = growth(rate, nper);
    if (k.g == 0) raise(Err::InvalidCall);
    return chk(-(fv + pmt * dueFactor(rate, due) * k.a) / k.g);
}

double Pmt(double rate, double nper, double pv, double fv, int due)
{
    const Growth k = growth(rate, nper);
    const double per = dueFactor(rate, due) * k.a;
    if (per == 0) raise(Err::InvalidCall);
    return chk(-(pv * k.g + fv) / per);
}

double NPer(double rate, double pmt, double pv, double fv, int due)
{
    chk(rate);
    chk(pmt);
    chk(pv);
    chk(fv);
    if (rate == 0) {
        if (pmt == 0) raise(Err::InvalidCall);
        return chk(-(pv + fv) / pmt);
    }
    if (!(rate > -1)) raise(Err::InvalidCall);
    // (1+r)^n (pv + c) = c - fv, with c the payments' value per unit of rate.
    const double c = pmt * dueFactor(rate, due) / rate;
    const double q = (c - fv) / (c + pv);
    if (!(q > 0) || !std::isfinite(q)) raise(Err::InvalidCall);
    return chk(std::log(q) / std::log1p(rate));
}

double Rate(double nper, double pmt, double pv, double fv, int due, double guess)
{
    chk(nper);
    chk(pmt);
    chk(pv);
    chk(fv);
    chk(guess);
    if (!(nper > 0)) raise(Err::InvalidCall);
    const Relation f{nper, pmt, pv, fv, due};
    if (guess > -1)
        if (auto r = newton(f, guess)) return *r;
    if (auto r = bracket(f, guess)) return *r;
    raise(Err::InvalidCall);
}

} // namespace rt
