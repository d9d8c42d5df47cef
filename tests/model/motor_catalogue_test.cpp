#include "model/Tables.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{

class MotorSpecTable : public ::testing::Test
{
  protected:
    void SetUp() override { InitParamAndMotorTables(); }
    void TearDown() override { InitParamAndMotorTables(); }
};

TEST_F(MotorSpecTable, EveryRowStartsInSiWithoutResults)
{
    for (int row = 0; row < 43; ++row) {
        const CMOTORSPC &m = MotorSpecs[row];
        SCOPED_TRACE(row);
        EXPECT_EQ(m.JM, m.JM_SI);
        EXPECT_EQ(m.Ttyp, m.Ttyp_SI);
        EXPECT_EQ(m.Tmax, m.Tmax_SI);
        EXPECT_GT(m.Tmax_SI, m.Ttyp_SI);
        EXPECT_EQ(m.TorqueUnitType, 1);
        EXPECT_EQ(m.TorqueUnit, "[N.m]");
        EXPECT_EQ(m.TorqueUnit_SI, "[N.m]");
        EXPECT_EQ(m.TorqueUnit_MI, "[lb.ft]");
        EXPECT_EQ(m.TorqueNowUnit, "(N.m)");
        EXPECT_EQ(m.Pass, 0);
        EXPECT_EQ(m.NeedResistor, 0);
        EXPECT_EQ(m.Pr, 0);
        EXPECT_EQ(m.Trms, 0);
        EXPECT_EQ(m.ER, 0);
        EXPECT_EQ(m.EDE, 0);
        EXPECT_TRUE(m.Lines.empty());
    }
}

TEST_F(MotorSpecTable, ImperialCopiesAreTheRoundedProducts)
{
    // Exact products of the doubles, worked out in python and rounded to the nearest double.
    const struct {
        int row;
        double jm, ttyp, tmax;
    } cases[] = {
        {0, 7.11910011e-05, 0.23454476347017048, 0.7006840418134023},
        {2, 0.0008068313458, 0.9367039295821273, 2.8174874102391545},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(MotorSpecs[c.row].JM_MI, c.jm);
        EXPECT_EQ(MotorSpecs[c.row].Ttyp_MI, c.ttyp);
        EXPECT_EQ(MotorSpecs[c.row].Tmax_MI, c.tmax);
    }
}

TEST_F(MotorSpecTable, FirstRowTakesArgumentsInConstructorOrder)
{
    const CMOTORSPC &m = MotorSpecs[0];
    EXPECT_EQ(m.Model, "Pemra-0100-50");
    EXPECT_EQ(m.Drive, "Kelo-P");
    EXPECT_EQ(m.PowerW, 100);
    EXPECT_EQ(m.JM_SI, 0.000003);
    EXPECT_EQ(m.Ttyp_SI, 0.318);
    EXPECT_EQ(m.Tmax_SI, 0.95);
    EXPECT_EQ(m.EC, 3);
    EXPECT_EQ(m.RegenW, 30);
    EXPECT_EQ(m.MaxRpm, 5000);
}

TEST_F(MotorSpecTable, SeriesOccupyFixedRowRanges)
{
    const struct {
        const char *drive;
        int first, last;
    } series[] = {{"Kelo-P", 0, 10}, {"Kelo-Q", 11, 25}, {"Kelo-R", 26, 40}, {"Kelo-T", 41, 42}};
    for (const auto &s : series)
        for (int row = s.first; row <= s.last; ++row)
            EXPECT_EQ(MotorSpecs[row].Drive, s.drive) << "row " << row;
}

TEST_F(MotorSpecTable, WithinASeriesSpeedFallsAndPowerNeverFalls)
{
    for (int row = 1; row < 43; ++row) {
        const CMOTORSPC &prev = MotorSpecs[row - 1];
        const CMOTORSPC &m = MotorSpecs[row];
        if (m.Drive != prev.Drive)
            continue;
        EXPECT_LE(m.MaxRpm, prev.MaxRpm) << "row " << row;
        if (m.MaxRpm == prev.MaxRpm) {
            EXPECT_GE(m.PowerW, prev.PowerW) << "row " << row;
        }
    }
}

TEST_F(MotorSpecTable, SeriesRCarriesTheMotorsOfSeriesQ)
{
    for (int i = 0; i < 15; ++i) {
        const CMOTORSPC &q = MotorSpecs[11 + i];
        const CMOTORSPC &r = MotorSpecs[26 + i];
        SCOPED_TRACE(i);
        EXPECT_EQ(r.Model, q.Model);
        EXPECT_EQ(r.PowerW, q.PowerW);
        EXPECT_EQ(r.JM_SI, q.JM_SI);
        EXPECT_EQ(r.Ttyp_SI, q.Ttyp_SI);
        EXPECT_EQ(r.Tmax_SI, q.Tmax_SI);
        EXPECT_EQ(r.MaxRpm, q.MaxRpm);
    }
    EXPECT_EQ(MotorSpecs[13].Model, "Vorn-0400-50a");
    EXPECT_EQ(MotorSpecs[13].RegenW, 30);
    EXPECT_EQ(MotorSpecs[13].EC, 8);
    EXPECT_EQ(MotorSpecs[28].RegenW, 0);
    EXPECT_EQ(MotorSpecs[28].EC, 6.22);
}

TEST_F(MotorSpecTable, TwinModelsDifferInInertiaOnly)
{
    for (const auto &pair : {std::pair<int, int>{13, 14}, {21, 22}}) {
        const CMOTORSPC &a = MotorSpecs[pair.first];
        const CMOTORSPC &b = MotorSpecs[pair.second];
        EXPECT_EQ(a.PowerW, b.PowerW);
        EXPECT_EQ(a.MaxRpm, b.MaxRpm);
        EXPECT_EQ(a.Ttyp_SI, b.Ttyp_SI);
        EXPECT_LT(a.JM_SI, b.JM_SI);
    }
}

TEST_F(MotorSpecTable, SixDrivesHaveNoRegenerativeCapacity)
{
    std::vector<int> rows;
    for (int row = 0; row < 43; ++row)
        if (MotorSpecs[row].RegenW == 0)
            rows.push_back(row);
    EXPECT_EQ(rows, (std::vector<int>{26, 27, 28, 29, 33, 38}));
}

} // namespace
