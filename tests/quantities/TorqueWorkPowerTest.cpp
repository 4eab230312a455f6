#include "quantities/Power.h"
#include "quantities/Work.h"
#include "quantities/torque.h"

#include "FactorTable.h"

namespace {

TEST(torqueFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<torque> rows[] = {
        {"Nm2dycm", &torque::Nm2dycm, 10000000},
        {"Nm2lbft", &torque::Nm2lbft, 0.7375988973},
        {"Nm2ozin", &torque::Nm2ozin, 141.6189883},
        {"Dycm2Nm", &torque::Dycm2Nm, 0.0000001},
        {"Dycm2lbft", &torque::Dycm2lbft, 0.00000007375328084},
        {"Dycm2ozin", &torque::Dycm2ozin, 0.00001416062992},
        {"lbft2Nm", &torque::lbft2Nm, 1.3557504},
        {"lbft2dycm", &torque::lbft2dycm, 13558718.86},
        {"lbft2ozin", &torque::lbft2ozin, 192},
        {"ozin2Nm", &torque::ozin2Nm, 0.0070612},
        {"ozin2dycm", &torque::ozin2dycm, 70618.3274},
        {"ozin2lbft", &torque::ozin2lbft, 0.005208333333},
    };
    expectFactors(rows);
}

TEST(WorkFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Work> rows[] = {
        {"J2Ws", &Work::J2Ws, 1},
        {"J2Wh", &Work::J2Wh, 0.0002777777778},
        {"J2Btu", &Work::J2Btu, 0.0009478672986},
        {"J2cal", &Work::J2cal, 0.2389},
        {"J2ftlb", &Work::J2ftlb, 0.7376},
        {"Ws2J", &Work::Ws2J, 1},
        {"Ws2Wh", &Work::Ws2Wh, 0.0002777777778},
        {"Ws2Btu", &Work::Ws2Btu, 0.0009486111111},
        {"Ws2cal", &Work::Ws2cal, 0.23905}, // 860.58 / 3600
        {"Ws2ftlb", &Work::Ws2ftlb, 0.7375},
        {"Wh2J", &Work::Wh2J, 3600},
        {"Wh2Ws", &Work::Wh2Ws, 3600},
        {"Wh2Btu", &Work::Wh2Btu, 3.415},
        {"Wh2cal", &Work::Wh2cal, 860.58}, // 3.415 x 252
        {"Wh2ftlb", &Work::Wh2ftlb, 2655},
        {"Btu2J", &Work::Btu2J, 1055},
        {"Btu2Ws", &Work::Btu2Ws, 1055},
        {"Btu2Wh", &Work::Btu2Wh, 0.293},
        {"Btu2cal", &Work::Btu2cal, 252}, // was 253, 0.4 % off
        {"Btu2ftlb", &Work::Btu2ftlb, 778.3},
        {"cal2J", &Work::cal2J, 4.185851821},
        {"cal2Ws", &Work::cal2Ws, 4.183225267},
        {"cal2Wh", &Work::cal2Wh, 0.001162007019},
        {"cal2Btu", &Work::cal2Btu, 0.003968253968}, // 1 / 252
        {"cal2ftlb", &Work::cal2ftlb, 3.086911372},
        {"ftlb2J", &Work::ftlb2J, 1.356},
        {"ftlb2Ws", &Work::ftlb2Ws, 1.355932203},
        {"ftlb2Wh", &Work::ftlb2Wh, 0.0003766},
        {"ftlb2Btu", &Work::ftlb2Btu, 0.001285},
        {"ftlb2cal", &Work::ftlb2cal, 0.3239484},
    };
    expectFactors(rows);
}

TEST(PowerFactors, EveryMemberGivesItsListedFactor)
{
    const Factor<Power> rows[] = {
        {"W2Hp", &Power::W2Hp, 0.001341},
        {"W2Btupm", &Power::W2Btupm, 0.05689},
        {"W2calpsec", &Power::W2calpsec, 0.2388},
        {"Hp2W", &Power::Hp2W, 745.7},
        {"Hp2Btupm", &Power::Hp2Btupm, 42.42},
        {"Hp2calpsec", &Power::Hp2calpsec, 178.07316},
        {"Btupm2W", &Power::Btupm2W, 17.58},
        {"Btupm2Hp", &Power::Btupm2Hp, 0.02357},
        {"Btupm2calpsec", &Power::Btupm2calpsec, 4.198104}, // 17.58 x 0.2388
        {"calpsec2W", &Power::calpsec2W, 4.18760469},
        {"calpsec2Hp", &Power::calpsec2Hp, 0.005615669425},
        {"calpsec2Btupm", &Power::calpsec2Btupm, 0.2382027696},
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
