#include "EngineFixture.h"

#include <algorithm>
#include <map>
#include <ostream>

// One realistic machine per mechanism, entered in SI and again in imperial units converted by hand
// (mm to inch, kg to lb, N to lbf, m/min to ft/min, kg·m² to lb·ft², kg/m^3 to lb/inch^3, six
// significant digits; times, ratios and the rotary table's degrees as they are). Both runs must
// pick the same motors, and every candidate's RMS torque in lbf·ft must be its SI value in N·m times
// 0.7375621; what remains is g = 9.8 against 9.80665 and the rounded constants 0.031076752, 1.356.

namespace
{

struct Input {
    const char *symbol, *si, *imperial;
};
struct Machine {
    const char *name;
    int index;
    std::vector<Input> inputs;
};

void PrintTo(const Machine &m, std::ostream *os)
{
    *os << m.name;
}

const Machine Machines[] = {
    // A press axis: 80 kg pushed with 1500 N by a 10 mm lead screw.
    {"BallScrew",
     0,
     {{"1/RN", "1", "1"},
      {"V", "25", "82.021"},
      {"S", "500", "19.685"},
      {"F", "1500", "337.213"},
      {"ρ", "7850", "0.283599"},
      {"μ", "0.05", "0.05"},
      {"η", "0.9", "0.9"},
      {"tA", "0.2", "0.2"},
      {"tD", "0.2", "0.2"},
      {"tS", "0.5", "0.5"},
      {"ML", "50", "110.231"},
      {"MT", "30", "66.1387"},
      {"PB", "10", "0.393701"},
      {"LB", "800", "31.4961"},
      {"DB", "25", "0.984252"},
      {"JR", "0", "0"},
      {"JC", "0.00001", "0.000237304"},
      {"JS", "0", "0"}}},
    // A gantry carriage of 60 kg against 600 N behind a 1:5 reducer.
    {"RackPinion",
     1,
     {{"1/RN", "0.2", "0.2"},
      {"V", "30", "98.4252"},
      {"S", "1000", "39.3701"},
      {"F", "600", "134.885"},
      {"ρ", "7850", "0.283599"},
      {"μ", "0.05", "0.05"},
      {"η", "0.9", "0.9"},
      {"tA", "0.3", "0.3"},
      {"tD", "0.3", "0.3"},
      {"tS", "0.5", "0.5"},
      {"ML", "40", "88.1849"},
      {"MT", "20", "44.0925"},
      {"LG", "40", "1.5748"},
      {"DG", "60", "2.3622"},
      {"JR", "0.00005", "0.00118652"},
      {"JC", "0.00001", "0.000237304"},
      {"JS", "0", "0"}}},
    // A strip feeder: 80 mm rollers pressed with 200 N, 1:2 reducer.
    {"RollFeed",
     2,
     {{"1/RN", "0.5", "0.5"},
      {"V", "20", "65.6168"},
      {"S", "300", "11.811"},
      {"F", "30", "6.74427"},
      {"FP", "200", "44.9618"},
      {"μ", "0.05", "0.05"},
      {"η", "0.9", "0.9"},
      {"tA", "0.1", "0.1"},
      {"tD", "0.1", "0.1"},
      {"tS", "0.3", "0.3"},
      {"DR", "80", "3.14961"},
      {"DS", "30", "1.1811"},
      {"JRO", "0.0005", "0.0118652"},
      {"JR", "0", "0"},
      {"JC", "0", "0"},
      {"JS", "0", "0"}}},
    // An indexing table carrying a 100 kg part on its axis, 1:50 reducer, 90° steps.
    {"RotaryTable", 3, {{"1/RN", "0.02", "0.02"},  {"V", "18000", "18000"},  {"S", "90", "90"},
                        {"ρ", "7850", "0.283599"}, {"μ", "0.2", "0.2"},      {"η", "0.9", "0.9"},
                        {"tA", "0.2", "0.2"},      {"tD", "0.2", "0.2"},     {"tS", "0.5", "0.5"},
                        {"ML", "100", "220.462"},  {"MT", "40", "88.1849"},  {"LS", "300", "11.811"},
                        {"DF", "500", "19.685"},   {"DT", "600", "23.622"},  {"DS", "40", "1.5748"},
                        {"DL", "0", "0"},          {"JR", "0", "0"},         {"JC", "0", "0"},
                        {"JS", "0", "0"},          {"JLI", "0.5", "11.8652"}}},
    // A 5.3 t transfer cart behind a 1:50 reducer, limited by the motors' peak torque.
    {"WheelCart",
     4,
     {{"1/RN", "0.02", "0.02"},
      {"V", "34", "111.549"},
      {"S", "2000", "78.7402"},
      {"ρ", "7850", "0.283599"},
      {"μ", "0.05", "0.05"},
      {"η", "0.8", "0.8"},
      {"tA", "0.25", "0.25"},
      {"tD", "0.25", "0.25"},
      {"tS", "1", "1"},
      {"ML", "1300", "2866.01"},
      {"MC", "4000", "8818.49"},
      {"MW", "5", "11.0231"},
      {"DI", "50", "1.9685"},
      {"DO", "200", "7.87402"},
      {"DP", "30", "1.1811"},
      {"JR", "0", "0"},
      {"JC", "0", "0"},
      {"JS", "0", "0"},
      {"WN", "4", "4"}}},
    // An incline conveyor lifting 531 kg at 15° through a 1:20 reducer.
    {"Conveyor",
     5,
     {{"1/RN", "0.05", "0.05"},
      {"V", "40", "131.234"},
      {"S", "800", "31.4961"},
      {"θ", "15", "15"},
      {"μ", "0.1", "0.1"},
      {"η", "0.85", "0.85"},
      {"tA", "0.2", "0.2"},
      {"tD", "0.2", "0.2"},
      {"tS", "0.5", "0.5"},
      {"ML", "531", "1170.65"},
      {"MB", "20", "44.0925"},
      {"DR", "100", "3.93701"},
      {"JRO", "0.002", "0.0474607"},
      {"JR", "0", "0"},
      {"JC", "0", "0"},
      {"JS", "0", "0"},
      {"WRN", "2", "2"}}},
    // A vertical axis lifting 60 kg against a 10 kg counterweight on a 10 mm lead.
    {"Elevator",
     6,
     {{"1/RN", "1", "1"},
      {"V", "15", "49.2126"},
      {"S", "400", "15.748"},
      {"F", "0", "0"},
      {"ρ", "7850", "0.283599"},
      {"μ", "0.05", "0.05"},
      {"η", "0.9", "0.9"},
      {"tA", "0.2", "0.2"},
      {"tD", "0.2", "0.2"},
      {"tS", "0.5", "0.5"},
      {"ML", "45", "99.208"},
      {"MT", "15", "33.0693"},
      {"MC", "10", "22.0462"},
      {"PB", "10", "0.393701"},
      {"LB", "600", "23.622"},
      {"DB", "20", "0.787402"},
      {"JR", "0", "0"},
      {"JC", "0", "0"},
      {"JS", "0", "0"}}},
};

constexpr double NewtonMetreToPoundForceFoot = 0.7375621;

// Distance of a value from the limit it is checked against, relative to the limit.
double gap(double limit, double value)
{
    return std::fabs(limit - value) / std::fabs(limit);
}

} // namespace

class ImperialParity : public EngineTest, public ::testing::WithParamInterface<Machine>
{
  protected:
    // Types the machine's inputs; every input row of the mechanism must be one of them.
    void enter(bool imperial)
    {
        const Machine &m = GetParam();
        for (const auto &in : m.inputs)
            setInput(in.symbol, imperial ? in.imperial : in.si);
        EXPECT_EQ(static_cast<size_t>(w->sgPar1->RowCount() - 1), m.inputs.size());
    }
    double value(const char *symbol) const { return StrToFloat(result(symbol)); }
    // The suggested rows without the inertia and torque columns, which are in the unit system's units.
    std::vector<AnsiString> picks() const
    {
        std::vector<AnsiString> rows;
        for (int row = 1; row < w->sgMotorRlt->RowCount(); ++row) {
            const auto cell = [&](int col) { return w->sgMotorRlt->Cells(col, row); };
            rows.push_back(cell(0) + " " + cell(1) + " " + cell(2) + " " + cell(5) + " " + cell(6));
        }
        return rows;
    }
    // The smallest distance of any check of the SI run from its limit: speed, first-stage torque and
    // inertia for every record, the final torque checks for the candidates of the RMS step.
    double smallestMargin() const
    {
        const bool elevator = GetParam().index == 6;
        const double NV = value("NV"), JL = value("JL");
        double margin = 1;
        for (const auto &m : MotorSpecs) {
            margin = std::min({margin, gap(m.MaxRpm, NV), gap(m.JM, JL / 15)});
            if (elevator)
                margin = std::min({margin, gap(m.Ttyp, value("TUP")), gap(m.Ttyp, value("TDN"))});
            else
                margin = std::min(margin, gap(m.Ttyp, value("TL")));
            if (m.Trms == 0)
                continue;
            margin = std::min(margin, gap(m.Ttyp, m.Trms));
            const double peaks[] = {elevator ? m.TMAU : m.TA, elevator ? m.TMAD : m.TD, m.TMDU, m.TMDD};
            for (int k = 0; k < (elevator ? 4 : 2); ++k)
                margin = std::min(margin, gap(m.Tmax, std::fabs(peaks[k])));
        }
        return margin;
    }
    // A motor fast enough and with rotor inertia enough is dropped: the torques decide the pick, so
    // motors that look stronger in one unit system change it.
    bool torqueDecides() const
    {
        const double NV = value("NV"), JL = value("JL");
        return std::any_of(std::begin(MotorSpecs), std::end(MotorSpecs), [&](const CMOTORSPC &m) {
            return m.MaxRpm >= NV && m.JM > JL / 15 && m.Pass == 0;
        });
    }
};

TEST_P(ImperialParity, SameMotorsAndRmsTorqueInPoundForceFeet)
{
    w->pcModPic->UserSelect(GetParam().index);
    enter(false);
    calculate();
    ASSERT_TRUE(messages.empty());
    const auto siPicks = picks();
    ASSERT_GE(siPicks.size(), 3u);
    EXPECT_GT(smallestMargin(), 0.01);
    EXPECT_TRUE(torqueDecides());
    std::map<int, double> siTrms;
    for (int r = 0; r < 43; ++r) {
        if (MotorSpecs[r].Trms != 0)
            siTrms[r] = MotorSpecs[r].Trms;
        MotorSpecs[r].Trms = 0; // a record that is no candidate keeps what it had
    }

    w->tbMI->Click();
    enter(true);
    calculate();
    ASSERT_TRUE(messages.empty());
    EXPECT_EQ(picks(), siPicks);
    std::map<int, double> imperialTrms;
    for (int r = 0; r < 43; ++r) {
        if (MotorSpecs[r].Trms != 0)
            imperialTrms[r] = MotorSpecs[r].Trms;
    }
    ASSERT_EQ(imperialTrms.size(), siTrms.size());
    for (const auto &[r, trms] : siTrms) {
        const double expected = trms * NewtonMetreToPoundForceFoot;
        EXPECT_NEAR(imperialTrms[r], expected, 0.005 * expected) << MotorSpecs[r].Model;
    }
}

INSTANTIATE_TEST_SUITE_P(SevenMechanisms, ImperialParity, ::testing::ValuesIn(Machines),
                         [](const ::testing::TestParamInfo<Machine> &p) {
                             return std::string(p.param.name);
                         });
