#pragma once
// Two 3-D vectors, each from a start point to an end point, and what follows
// from them: magnitudes, unit vectors, dot product, angle, cross product, sum
// and differences. Every setter recomputes; getters return stored values.
// No member traps errors: an overflow or a short array reaches the caller.
#include <array>
#include <span>

class VVector {
public:
    using Vec = std::array<double, 3>;

    VVector();

    // The array setters read elements 1, 2 and 3 (element 0 is not a coordinate).
    void setzen_AP0V(std::span<const double> p);
    void setzen_AP0(double x, double y, double z);
    void setzen_AP1V(std::span<const double> p);
    void setzen_AP1(double x, double y, double z);
    void setzen_BP0V(std::span<const double> p);
    void setzen_BP0(double x, double y, double z);
    void setzen_BP1V(std::span<const double> p);
    void setzen_BP1(double x, double y, double z);

    double Out_MagA() const { return MagA; }
    double Out_MagB() const { return MagB; }
    double Out_AVx() const { return AV[0]; }
    double Out_AVy() const { return AV[1]; }
    double Out_AVz() const { return AV[2]; }
    double Out_BVx() const { return BV[0]; }
    double Out_BVy() const { return BV[1]; }
    double Out_BVz() const { return BV[2]; }
    double Out_AUVx() const { return AUV[0]; }
    double Out_AUVy() const { return AUV[1]; }
    double Out_AUVz() const { return AUV[2]; }
    double Out_BUVx() const { return BUV[0]; }
    double Out_BUVy() const { return BUV[1]; }
    double Out_BUVz() const { return BUV[2]; }
    double Out_sumAbx() const { return sumAb[0]; }
    double Out_sumAby() const { return sumAb[1]; }
    double Out_sumAbz() const { return sumAb[2]; }
    double Out_RestABx() const { return RestAB[0]; }
    double Out_RestABy() const { return RestAB[1]; }
    double Out_RestABz() const { return RestAB[2]; }
    double Out_RestBAx() const { return RestBA[0]; }
    double Out_RestBAy() const { return RestBA[1]; }
    double Out_RestBAz() const { return RestBA[2]; }
    double Out_DotPAB() const { return DotPAB; }
    double OutAngleABrad() const { return AngleABrad; }
    double OutAngleABdeg() const { return AngleABdeg; }
    double Out_magXPAB() const { return magXPAB; }
    double Out_ABUVXprodx() const { return ABUVXprod[0]; }
    double Out_ABUVXprody() const { return ABUVXprod[1]; }
    double Out_ABUVXprodz() const { return ABUVXprod[2]; }
    double Out_xprodABx() const { return xprodAB[0]; }
    double Out_xprodABy() const { return xprodAB[1]; }
    double Out_xprodABz() const { return xprodAB[2]; }

private:
    static Vec fromArray(std::span<const double> p);
    void recomputeA();
    void recomputeB();
    void calc_vectA();
    void calc_vectB();
    void calc_sums();
    void calc_angleAB();
    void calc_xprodAB();

    double pi;
    double eps;
    Vec AP0{}, AP1{}, BP0{}, BP1{};
    Vec AV{}, BV{}, AUV{}, BUV{};
    double MagA = 0, MagB = 0, magXPAB = 0;
    double AngleABdeg = 0, AngleABrad = 0;
    Vec sumAb{}, RestAB{}, RestBA{};
    Vec xprodAB{}, ABUVXprod{};
    double DotPAB = 0;
};
