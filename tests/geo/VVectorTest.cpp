#include "geo/VVector.h"
#include "runtime/Error.h"

#include "TestSupport.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

using V = std::array<double, 3>;
const double halfTurn = 4 * std::atan(1.0);

VVector fromOrigin(V a, V b)
{
    VVector v;
    v.setzen_AP1(a[0], a[1], a[2]);
    v.setzen_BP1(b[0], b[1], b[2]);
    return v;
}

V xprod(const VVector& v) { return {v.Out_xprodABx(), v.Out_xprodABy(), v.Out_xprodABz()}; }
V unitXprod(const VVector& v) { return {v.Out_ABUVXprodx(), v.Out_ABUVXprody(), v.Out_ABUVXprodz()}; }
V unitA(const VVector& v) { return {v.Out_AUVx(), v.Out_AUVy(), v.Out_AUVz()}; }

struct Case {
    V a, b;
    double dot, deg;
    V cross;
    double magCross;
};

} // namespace

TEST(VVector, NewObjectReadsZeroEverywhere)
{
    VVector v;
    for (double x : {v.Out_MagA(), v.Out_MagB(), v.Out_AVx(), v.Out_BVz(), v.Out_AUVy(), v.Out_BUVx(), v.Out_sumAbx(),
                     v.Out_RestABy(), v.Out_RestBAz(), v.Out_DotPAB(), v.OutAngleABrad(), v.OutAngleABdeg(),
                     v.Out_magXPAB(), v.Out_ABUVXprodz(), v.Out_xprodABx()})
        EXPECT_EQ(x, 0);
}

TEST(VVector, DotAngleAndCrossProductTable)
{
    const Case cases[] = {
        {{1, 0, 0}, {0, 1, 0}, 0, 90, {0, 0, 1}, 1},
        {{0, 0, 1}, {1, 0, 0}, 0, 90, {0, 1, 0}, 1},
        {{1, 0, 0}, {-2, 0, 0}, -2, 180, {0, 0, 0}, 0},
        {{1, 0, 0}, {1, 1, 0}, 1, 45, {0, 0, 1}, 1},
        {{1, 2, 3}, {4, 5, 6}, 32, 12.933154491899135, {-3, 6, -3}, std::sqrt(54.0)},
        {{1, 0, 0}, {-1, 1, 0}, -1, 135, {0, 0, 1}, 1},
        {{3, 0, 0}, {0, 0, -4}, 0, 90, {0, 12, 0}, 12},
    };
    for (const Case& c : cases) {
        VVector v = fromOrigin(c.a, c.b);
        SCOPED_TRACE(testing::Message() << "A=(" << c.a[0] << "," << c.a[1] << "," << c.a[2] << ") B=(" << c.b[0]
                                        << "," << c.b[1] << "," << c.b[2] << ")");
        EXPECT_DOUBLE_EQ(v.Out_DotPAB(), c.dot);
        EXPECT_NEAR(v.OutAngleABdeg(), c.deg, 1e-12);
        EXPECT_NEAR(v.OutAngleABrad(), c.deg * halfTurn / 180, 1e-14);
        for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(xprod(v)[i], c.cross[i]) << i;
        EXPECT_DOUBLE_EQ(v.Out_magXPAB(), c.magCross);
    }
}

TEST(VVector, VectorsMagnitudesUnitVectorsSumAndDifferences)
{
    VVector v;
    v.setzen_AP0(1, 1, 1);
    v.setzen_AP1(4, 5, 1);   // A = (3, 4, 0)
    v.setzen_BP0(0, 0, 2);
    v.setzen_BP1(0, 2, 2);   // B = (0, 2, 0)
    EXPECT_EQ(v.Out_MagA(), 5);
    EXPECT_EQ(v.Out_MagB(), 2);
    EXPECT_EQ(unitA(v), (V{0.6, 0.8, 0}));
    EXPECT_EQ((V{v.Out_BUVx(), v.Out_BUVy(), v.Out_BUVz()}), (V{0, 1, 0}));
    EXPECT_EQ((V{v.Out_RestABx(), v.Out_RestABy(), v.Out_RestABz()}), (V{3, 2, 0}));
    EXPECT_EQ((V{v.Out_RestBAx(), v.Out_RestBAy(), v.Out_RestBAz()}), (V{-3, -2, 0}));
    EXPECT_EQ((V{v.Out_sumAbx(), v.Out_sumAby(), v.Out_sumAbz()}), (V{3, 6, 0}));
    // A new start point alone recomputes A.
    v.setzen_AP0(4, 5, 0);   // A = (0, 0, 1)
    EXPECT_EQ(v.Out_MagA(), 1);
    EXPECT_EQ(v.OutAngleABdeg(), 90);
    EXPECT_EQ(xprod(v), (V{-2, 0, 0}));
    EXPECT_EQ(unitXprod(v), (V{-1, 0, 0}));
}

TEST(VVector, ParallelVectorsKeepThePreviousCrossProductUnitVector)
{
    VVector v = fromOrigin({1, 0, 0}, {0, 1, 0});
    v.setzen_BP1(-2, 0, 0);
    EXPECT_EQ(v.OutAngleABrad(), halfTurn);
    EXPECT_EQ(v.Out_magXPAB(), 0);
    EXPECT_EQ(unitXprod(v), (V{0, 0, 1}));
}

TEST(VVector, EqualVectorsGiveAZeroAngleWithoutAnErrorBox)
{
    // (2122.3, 4042.1, -5686) rounds its cosine with itself to 1 + 2^-52.
    const V vectors[] = {{2122.3, 4042.1, -5686.0}, {1234.5, 6000.1, -1500.2}, {5, 0, 0}};
    for (const V& a : vectors) {
        rt::MessageRecorder rec;
        VVector v = fromOrigin(a, a);
        EXPECT_TRUE(rec.messages.isEmpty()) << a[0];
        EXPECT_LT(v.OutAngleABrad(), 2.2e-8) << a[0]; // one step below 1 leaves about 2.1e-8
        EXPECT_EQ(v.Out_RestABx(), 0);
        EXPECT_DOUBLE_EQ(v.Out_DotPAB(), v.Out_MagA() * v.Out_MagA());
    }
    // Opposite vectors rounding past -1 give pi, again without a box.
    rt::MessageRecorder rec;
    VVector v = fromOrigin({2122.3, 4042.1, -5686.0}, {-2122.3, -4042.1, 5686.0});
    EXPECT_EQ(v.OutAngleABrad(), halfTurn);
    EXPECT_EQ(v.OutAngleABdeg(), 180);
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST(VVector, AVectorOfNoLengthGivesNoAngleAndKeepsItsUnitVector)
{
    VVector v = fromOrigin({0, 3, 0}, {1, 1, 1});
    v.setzen_AP0(0, 3, 0);
    EXPECT_EQ(v.Out_MagA(), 0);
    EXPECT_EQ(v.OutAngleABrad(), 0);
    EXPECT_EQ(v.OutAngleABdeg(), 0);
    EXPECT_EQ(unitA(v), (V{0, 1, 0}));

    // 1e-15 counts as no length, 2e-15 does not.
    VVector tiny = fromOrigin({1e-15, 0, 0}, {0, 1, 0});
    EXPECT_EQ(tiny.OutAngleABdeg(), 0);
    EXPECT_EQ(unitA(tiny), (V{0, 0, 0}));
    tiny.setzen_AP1(2e-15, 0, 0);
    EXPECT_EQ(tiny.OutAngleABdeg(), 90);
    EXPECT_EQ(unitA(tiny), (V{1, 0, 0}));

    // A alone, with B still all zero: no angle, no cross product.
    VVector fresh;
    fresh.setzen_AP1(1, 2, 3);
    EXPECT_EQ(fresh.OutAngleABrad(), 0);
    EXPECT_EQ(xprod(fresh), (V{0, 0, 0}));
}

TEST(VVector, ArraySettersReadElementsOneToThree)
{
    VVector v;
    const std::vector<double> p = {99, 4, 5, 6};
    v.setzen_BP1V(p);
    EXPECT_EQ((V{v.Out_BVx(), v.Out_BVy(), v.Out_BVz()}), (V{4, 5, 6}));
    v.setzen_AP1V(std::vector<double>{-1, 1, 0, 0});
    v.setzen_AP0V(std::vector<double>{7, 0, 0, 0});
    EXPECT_EQ(v.Out_AVx(), 1);
    try {
        v.setzen_BP0V(std::vector<double>{0, 1, 2});
        ADD_FAILURE() << "a three-element array was accepted";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.description(), "Subscript out of range");
    }
}

TEST(VVector, EnormousCoordinatesRaiseOverflowToTheCaller)
{
    VVector v;
    try {
        v.setzen_AP1(1e200, 0, 0);
        ADD_FAILURE() << "no error";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.description(), "Overflow");
    }
    EXPECT_EQ(v.Out_AVx(), 1e200); // assigned before the error
}
