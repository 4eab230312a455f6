#pragma once
// Holds five vector pairs for vector work that was never written; its setters
// accept a point and change nothing. Nothing creates one.
#include "geo/VVector.h"

#include <array>

class Vector_Math {
public:
    void setzen_AP0(double, double, double) {}
    void setzen_AP1(double, double, double) {}
    void setzen_BP0(double, double, double) {}
    void setzen_BP1(double, double, double) {}

private:
    std::array<VVector, 5> vectors_;
};
