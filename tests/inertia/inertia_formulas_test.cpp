#include "inertia/InertiaTable.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace
{

const double Pi = 3.141592653589793;

class InertiaFormulas : public ::testing::Test
{
  protected:
    void SetUp() override { InitInertiaTable(); }
    void TearDown() override { InitInertiaTable(); }
    static double &at(InertiaEntry e) { return InertiaItems[e].dV; }
};

TEST_F(InertiaFormulas, BuiltInDefaultsGiveTheWorkedResults)
{
    struct Case {
        const char *shape;
        std::function<void()> calc;
        double I, I1, I2; // I1 and I2 < 0: not touched
    };
    const Case cases[] = {
        {"solid cylinder", CalcInertiaSolidCylinder, 54, -1, -1},                 // 36 * 3 / 2
        {"hollow cylinder", CalcInertiaHollowCylinder, 91.5, -1, -1},             // (36 + 25) * 3 / 2
        {"cone", CalcInertiaCone, 6408547.420428433, -1, -1},                     // 1296 * pi * 2 * 7870 / 10
        {"truncated cone", CalcInertiaTruncatedCone, 22998575.657725804, -1, -1}, // 930.2 * pi * 7870
        {"gear pair", CalcInertiaGearPair, 51, 27, 6},                            // (24/12)^2 * 6 + 27
        {"wheel pair", CalcInertiaWheelPair, 40.5, 27, 6},                        // (6/4)^2 * 6 + 27
    };
    for (const Case &c : cases) {
        InitInertiaTable();
        c.calc();
        EXPECT_DOUBLE_EQ(at(EntryI), c.I) << c.shape;
        if (c.I1 >= 0) {
            EXPECT_DOUBLE_EQ(at(EntryI1), c.I1) << c.shape;
            EXPECT_DOUBLE_EQ(at(EntryI2), c.I2) << c.shape;
        } else {
            EXPECT_EQ(at(EntryI1), 0) << c.shape;
        }
    }
}

TEST_F(InertiaFormulas, TruncatedConeMatchesClosedFormAndCylinderAtEqualRadii)
{
    at(EntryR0) = 0.1;
    at(EntryRI) = 0.04;
    at(EntryL) = 0.3;
    at(EntryRho) = 7870;
    CalcInertiaTruncatedCone();
    // pi * rho * L * (R0^5 - RI^5) / (10 * (R0 - RI))
    EXPECT_NEAR(at(EntryI), 0.12235578500855028, 1e-15);

    InitInertiaTable();
    at(EntryRI) = at(EntryR0);
    CalcInertiaTruncatedCone();
    EXPECT_DOUBLE_EQ(at(EntryI), 32042737.102142166); // pi * rho * L * R0^4 / 2
    const double cone = at(EntryI);
    storeSolidCylinderMass();
    CalcInertiaSolidCylinder();
    EXPECT_DOUBLE_EQ(at(EntryI), cone);
}

TEST_F(InertiaFormulas, ZeroLoadSideDivisorFaultsAfterStoringTheWheelInertias)
{
    struct Case {
        const char *name;
        InertiaEntry zeroed;
        std::function<void()> calc;
        double I2;
    };
    const Case cases[] = {{"G2 = 0", EntryG2, CalcInertiaGearPair, 6},
                          {"D2 = 0", EntryD2, CalcInertiaWheelPair, 0}};
    for (const Case &c : cases) {
        InitInertiaTable();
        at(EntryI) = 1.25;
        at(c.zeroed) = 0;
        EXPECT_THROW(c.calc(), EZeroDivide) << c.name;
        EXPECT_EQ(at(EntryI), 1.25) << c.name;
        EXPECT_EQ(at(EntryI1), 27) << c.name;
        EXPECT_EQ(at(EntryI2), c.I2) << c.name;
    }
    // 0 / 0 is an invalid operation rather than a division by zero; I stays all the same.
    InitInertiaTable();
    at(EntryG1) = 0;
    at(EntryG2) = 0;
    EXPECT_THROW(CalcInertiaGearPair(), EInvalidOp);
    EXPECT_EQ(at(EntryI), 0);
}

} // namespace
