#include "quantities/Power.h"
#include "quantities/Work.h"
#include "quantities/torque.h"

#include "FactorTable.h"

namespace {

TEST(torqueFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<torque> rows[] = {
        {"Nm2dycm", &torque::Nm2dycm, 10000000, 10000000, "units -t 'N*m' 'dyne*cm'"},
        {"Nm2lbft", &torque::Nm2lbft, 0.7375988973, 0.73756215, "units -t 'N*m' 'lbf*ft'"},
        {"Nm2ozin", &torque::Nm2ozin, 141.6189883, 141.61193, "units -t 'N*m' 'oz*force*in'"},
        {"Dycm2Nm", &torque::Dycm2Nm, 0.0000001, 1e-07, "units -t 'dyne*cm' 'N*m'"},
        {"Dycm2lbft", &torque::Dycm2lbft, 0.00000007375328084, 7.3756215e-08, "units -t 'dyne*cm' 'lbf*ft'"},
        {"Dycm2ozin", &torque::Dycm2ozin, 0.00001416062992, 1.4161193e-05, "units -t 'dyne*cm' 'oz*force*in'"},
        {"lbft2Nm", &torque::lbft2Nm, 1.3557504, 1.3558179, "units -t 'lbf*ft' 'N*m'"},
        {"lbft2dycm", &torque::lbft2dycm, 13558718.86, 13558179, "units -t 'lbf*ft' 'dyne*cm'"},
        {"lbft2ozin", &torque::lbft2ozin, 192, 192, "units -t 'lbf*ft' 'oz*force*in'"},
        {"ozin2Nm", &torque::ozin2Nm, 0.0070612, 0.0070615518, "units -t 'oz*force*in' 'N*m'"},
        {"ozin2dycm", &torque::ozin2dycm, 70618.3274, 70615.518, "units -t 'oz*force*in' 'dyne*cm'"},
        {"ozin2lbft", &torque::ozin2lbft, 0.005208333333, 0.0052083333, "units -t 'oz*force*in' 'lbf*ft'"},
    };
    expectFactors(rows);
}

TEST(WorkFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Work> rows[] = {
        {"J2Ws", &Work::J2Ws, 1, 1, "units -t 'J' 'W*s'"},
        {"J2Wh", &Work::J2Wh, 0.0002777777778, 0.00027777778, "units -t 'J' 'W*hr'"},
        {"J2Btu", &Work::J2Btu, 0.0009478672986, 0.00094781712, "units -t 'J' 'btu'"},
        {"J2cal", &Work::J2cal, 0.2389, 0.2388459, "units -t 'J' 'calorie_IT'"},
        {"J2ftlb", &Work::J2ftlb, 0.7376, 0.73756215, "units -t 'J' 'ft*lbf'"},
        {"Ws2J", &Work::Ws2J, 1, 1, "units -t 'W*s' 'J'"},
        {"Ws2Wh", &Work::Ws2Wh, 0.0002777777778, 0.00027777778, "units -t 'W*s' 'W*hr'"},
        {"Ws2Btu", &Work::Ws2Btu, 0.0009486111111, 0.00094781712, "units -t 'W*s' 'btu'"},
        {"Ws2cal", &Work::Ws2cal, 0.23905, 0.2388459, "units -t 'W*s' 'calorie_IT'"}, // 860.58 / 3600
        {"Ws2ftlb", &Work::Ws2ftlb, 0.7375, 0.73756215, "units -t 'W*s' 'ft*lbf'"},
        {"Wh2J", &Work::Wh2J, 3600, 3600, "units -t 'W*hr' 'J'"},
        {"Wh2Ws", &Work::Wh2Ws, 3600, 3600, "units -t 'W*hr' 'W*s'"},
        {"Wh2Btu", &Work::Wh2Btu, 3.415, 3.4121416, "units -t 'W*hr' 'btu'"},
        {"Wh2cal", &Work::Wh2cal, 860.58, 859.84523, "units -t 'W*hr' 'calorie_IT'"}, // 3.415 x 252
        {"Wh2ftlb", &Work::Wh2ftlb, 2655, 2655.2237, "units -t 'W*hr' 'ft*lbf'"},
        {"Btu2J", &Work::Btu2J, 1055, 1055.0559, "units -t 'btu' 'J'"},
        {"Btu2Ws", &Work::Btu2Ws, 1055, 1055.0559, "units -t 'btu' 'W*s'"},
        {"Btu2Wh", &Work::Btu2Wh, 0.293, 0.29307107, "units -t 'btu' 'W*hr'"},
        {"Btu2cal", &Work::Btu2cal, 252, 251.99576, "units -t 'btu' 'calorie_IT'"}, // was 253, 0.4 % off
        {"Btu2ftlb", &Work::Btu2ftlb, 778.3, 778.16926, "units -t 'btu' 'ft*lbf'"},
        {"cal2J", &Work::cal2J, 4.185851821, 4.1868, "units -t 'calorie_IT' 'J'"},
        {"cal2Ws", &Work::cal2Ws, 4.183225267, 4.1868, "units -t 'calorie_IT' 'W*s'"},
        {"cal2Wh", &Work::cal2Wh, 0.001162007019, 0.001163, "units -t 'calorie_IT' 'W*hr'"},
        {"cal2Btu", &Work::cal2Btu, 0.003968253968, 0.0039683207, "units -t 'calorie_IT' 'btu'"}, // 1 / 252
        {"cal2ftlb", &Work::cal2ftlb, 3.086911372, 3.0880252, "units -t 'calorie_IT' 'ft*lbf'"},
        {"ftlb2J", &Work::ftlb2J, 1.356, 1.3558179, "units -t 'ft*lbf' 'J'"},
        {"ftlb2Ws", &Work::ftlb2Ws, 1.355932203, 1.3558179, "units -t 'ft*lbf' 'W*s'"},
        {"ftlb2Wh", &Work::ftlb2Wh, 0.0003766, 0.0003766161, "units -t 'ft*lbf' 'W*hr'"},
        {"ftlb2Btu", &Work::ftlb2Btu, 0.001285, 0.0012850675, "units -t 'ft*lbf' 'btu'"},
        {"ftlb2cal", &Work::ftlb2cal, 0.3239484, 0.32383155, "units -t 'ft*lbf' 'calorie_IT'"},
    };
    expectFactors(rows);
}

TEST(PowerFactors, EveryMemberGivesItsListedFactorNearItsTrueValue)
{
    const Factor<Power> rows[] = {
        {"W2Hp", &Power::W2Hp, 0.001341, 0.0013410221, "units -t 'W' 'hp'"},
        {"W2Btupm", &Power::W2Btupm, 0.05689, 0.056869027, "units -t 'W' 'btu/min'"},
        {"W2calpsec", &Power::W2calpsec, 0.2388, 0.2388459, "units -t 'W' 'calorie_IT/s'"},
        {"Hp2W", &Power::Hp2W, 745.7, 745.69987, "units -t 'hp' 'W'"},
        {"Hp2Btupm", &Power::Hp2Btupm, 42.42, 42.407226, "units -t 'hp' 'btu/min'"},
        {"Hp2calpsec", &Power::Hp2calpsec, 178.07316, 178.10735, "units -t 'hp' 'calorie_IT/s'"},
        {"Btupm2W", &Power::Btupm2W, 17.58, 17.584264, "units -t 'btu/min' 'W'"},
        {"Btupm2Hp", &Power::Btupm2Hp, 0.02357, 0.023580887, "units -t 'btu/min' 'hp'"},
        // 17.58 x 0.2388
        {"Btupm2calpsec", &Power::Btupm2calpsec, 4.198104, 4.1999294, "units -t 'btu/min' 'calorie_IT/s'"},
        {"calpsec2W", &Power::calpsec2W, 4.18760469, 4.1868, "units -t 'calorie_IT/s' 'W'"},
        {"calpsec2Hp", &Power::calpsec2Hp, 0.005615669425, 0.0056145913, "units -t 'calorie_IT/s' 'hp'"},
        {"calpsec2Btupm", &Power::calpsec2Btupm, 0.2382027696, 0.23809924, "units -t 'calorie_IT/s' 'btu/min'"},
    };
    expectFactors(rows);
}

TEST(TorqueWorkPowerFactors, ReverseFactorsAreComputedReciprocals)
{
    const torque t;
    EXPECT_NEAR(t.lbft2Nm(), 0.3048 * 4.448, 1e-15);
    EXPECT_EQ(t.lbft2dycm(), 1 / t.Dycm2lbft());
    EXPECT_EQ(t.Dycm2Nm(), 1e-7);

    const Work w;
    EXPECT_EQ(w.Wh2cal(), 3.415 * 252);
    EXPECT_EQ(w.cal2Wh(), 1 / w.Wh2cal());
    EXPECT_EQ(w.ftlb2Ws(), 1 / w.Ws2ftlb());

    const Power p;
    EXPECT_EQ(p.Btupm2calpsec(), 17.58 * 0.2388);
    EXPECT_EQ(p.calpsec2Btupm(), 1 / p.Btupm2calpsec());
    EXPECT_EQ(p.Hp2calpsec(), 745.7 * 0.2388);
}

} // namespace
