#include "EngineFixture.h"

#include <cmath>

// Expected figures were worked out apart from the program, in 40-digit arithmetic, from the default
// inputs: PB 5 mm, LB 500 mm, DB 20 mm, ρ 7870 (iron), ML = MT = 5 kg, μ 0.1, η 0.85, V 10 m/min,
// S 200 mm, tA = tD = 0.257 s, tS 0, JS = JR = JC = 0, 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same
// numbers read in inch, lb/inch^3, lb, ft/min).

namespace
{
struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Results[] = {
    {"ΔS", "0.005", "0.416666666666667"},
    {"ΔP", "5E-7", "4.16666666666667E-5"},
    {"JB", "6.18108354593792E-5", "429241912.912355"},
    {"JF", "6.33257397764611E-6", "0.043976208178098"},
    {"JL", "6.81434094370253E-5", "429241912.956332"},
    {"TL", "0.00917481436647397", "0.0780171289666154"},
    {"NV", "2000", "24"},
    {"tE", "0.943", "99.743"},
    {"tR", "0.0428571428571429", "0.0428571428571429"},
    {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "1.49985714285714", "100.299857142857"},
};

struct CandidateRow {
    int record;
    double TA, TD, Trms, Pr;
};
// SI, default inputs: every record but the three smallest rotors (JM <= JL/15) is a candidate.
const CandidateRow Candidates[] = {
    {1, 0.07936325769765334, -0.0610136289647054, 0.04207198360618535, -1.6817776598759693},
    {3, 0.15269399699726424, -0.13434436826431628, 0.08450212134214515, -7.1650608239868365},
    {12, 0.07911882189998796, -0.06076919316704003, 0.04193224525960481, -1.685724388154853},
    {41, 4.541946137075085, -4.523596508342137, 2.6535235297195094, 54.37080099694848},
    {42, 6.399658199331895, -6.3813085705989465, 3.741033441577924, 84.36593591646462},
};

} // namespace

class BallScrewTest : public EngineTest
{
};

TEST_F(BallScrewTest, ResultGridInSiAndImperial)
{
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;

    w->tbMI->Click();
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
}

TEST_F(BallScrewTest, ProcessMemoOfTheFirstSteps)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "滾珠導螺桿傳動裝置  Calculation Result of Ball Screw",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = PB x 1/RN x 1/RM  = 0.005(m/rev)",
        "  ΔP = ΔS / 10000= 5E-7(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = tM + tS = 1.49985714285714 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JB = π x LB x ρ x DB^4 / 32 = 6.18108354593792E-5(kg*m^2)",
        "  JF = ( ML + MT ) x (ΔS/2π)^2 = 6.33257397764611E-6(kg*m^2)",
        "  JL = JF + ( JS + JR + JC + JB x (1/RN)^2 ) x (1/RM)^2 = 6.81434094370253E-5(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TL = ( F + μ x ( MT + ML ) x g ) x ΔS/2π x 1/η = 0.00917481436647397(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 2000(rpm)",
        "    (V)1 : Pemra-0100-50",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    // Steps 1 to 4 also head every match's details.
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 20));

    // The rest: all 43 are fast enough, 40 have rotor inertia enough, then the three per-candidate
    // headings and the total.
    const std::vector<AnsiString> tail = {
        "    (V)43 : Vorn-4500-30",
        "     共43組",
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL",
        "                      JM > JL/m (m=15:馬達慣量比)",
        "    1 : Pemra-0200-50",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), tail.begin(), tail.end()) != lines.end());
    const std::vector<AnsiString> end = {
        "    40 : Vorn-4500-30",
        "     共40組",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        Rule,
        "8. 單一行程扭力均方根值",
        Rule,
        "9. 伺服回生能量計算",
        "  ",
        "==================================  ",
        "Suggest Maches : Total  9 Sets",
    };
    ASSERT_GE(lines.size(), end.size());
    EXPECT_EQ(std::vector<AnsiString>(lines.end() - static_cast<long>(end.size()), lines.end()), end);
}

TEST_F(BallScrewTest, CandidateTorquesAndPower)
{
    calculate();
    for (const auto &c : Candidates) {
        const CMOTORSPC &m = MotorSpecs[c.record];
        EXPECT_TRUE(near(m.TA, c.TA)) << m.Model << " TA " << m.TA;
        EXPECT_TRUE(near(m.TD, c.TD)) << m.Model << " TD " << m.TD;
        EXPECT_TRUE(near(m.Trms, c.Trms)) << m.Model << " Trms " << m.Trms;
        EXPECT_TRUE(near(m.Pr, c.Pr)) << m.Model << " Pr " << m.Pr;
    }
    // Only the largest drive regenerates more than it can absorb.
    EXPECT_EQ(MotorSpecs[42].NeedResistor, 1);
    EXPECT_EQ(MotorSpecs[41].NeedResistor, 0);
}

TEST_F(BallScrewTest, DetailLinesOfOneCandidate)
{
    w->actDebug->Execute(); // debug mode shows the per-candidate lines in the memo too
    calculate();
    const auto &lines = MotorSpecs[1].Lines;
    const std::vector<AnsiString> expected = {
        Rule,
        "5. 馬達最高轉速判斷",
        " NV = V / ΔS = 2000(rpm)",
        "   Pemra-0200-50 => (V)",
        "      (V) NV(2000) <= 最高轉速(5000)",
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL",
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "   Pemra-0200-50 => (V)",
        "      (V) Ttyp(0.64) >  TL(0.00917481436647397)",
        "      (V) JM(1.8E-5) >   JL/m(4.54289396246835E-6)",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        "    Pemra-0200-50 TA =  0.1047 x ( JM + JL) x N/tA  +  TL = 0.0793632576976533(N.m)",
        "    Pemra-0200-50 TD = -0.1047 x ( JM + JL) x N/tD  +  TL = -0.0610136289647054(N.m)",
        " ",
        Rule,
        "8. 單一行程扭力均方根值",
        "    Pemra-0200-50 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD ) / tP) = 0.0420719836061854(N.m)",
        Rule,
        "9. 伺服回生能量計算",
        "    Pemra-0200-50 EA = 0.1047 x N/2 x TA x tA = 2.13549860180269 (J)",
    };
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(lines.back(), " (V)Tmax  >   |TD|");
    // The smallest rotor is too light for the iron screw.
    EXPECT_TRUE(contains(MotorSpecs[0].Lines, "      (X) JM(3E-6) <=  JL/m(4.54289396246835E-6)"));
    EXPECT_EQ(MotorSpecs[0].Lines.back(), "9. 伺服回生能量計算");
}

TEST_F(BallScrewTest, SuggestionsAreThreeOfEachLargeSeries)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-0200-50 200 1.8E-5 0.64 4 ",    "Kelo-P Pemra-0400-50 400 3.4E-5 1.27 8 ",
        "Kelo-P Pemra-0750-50 750 0.000108 2.39 14 ", "Kelo-Q Vorn-0200-50 200 1.77E-5 0.64 4 ",
        "Kelo-Q Vorn-0400-50a 400 2.77E-5 1.27 8 ",   "Kelo-Q Vorn-0400-50b 400 6.8E-5 1.27 8 ",
        "Kelo-R Vorn-0200-50 200 1.77E-5 0.64 4.5 ",  "Kelo-R Vorn-0400-50a 400 2.77E-5 1.27 6.22 ",
        "Kelo-R Vorn-0400-50b 400 6.8E-5 1.27 6.22 ",
    };
    EXPECT_EQ(suggestions(), expected);
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  9 Sets");
    EXPECT_EQ(w->sgMotorRlt->Cells(3, 0), "額定慣量(Kg.m^2)");
    EXPECT_EQ(w->PageControl1->ActivePage(), w->tsPar3);
    EXPECT_FALSE(w->tsSingleRlt->TabVisible());
}

TEST_F(BallScrewTest, ImperialDefaultsLeaveNoCandidate)
{
    // Read in inches and lb/inch^3, the 20-inch screw has JL/15 = 2.9E7 lb·ft², far above every rotor.
    w->tbMI->Click();
    calculate();
    EXPECT_TRUE(suggestions().empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
    EXPECT_EQ(w->sgMotorRlt->Cells(3, 0), "額定慣量(lb.ft^2)");
    EXPECT_EQ(w->sgMotorRlt->Cells(4, 0), "額定扭矩(lb.ft)");
    for (const auto &m : MotorSpecs)
        EXPECT_EQ(m.Pass, 0) << m.Model;
    const auto lines = memo();
    const std::vector<AnsiString> steps7to9 = {
        "     共0組",          Rule, "7. 馬達加減速度最大扭矩計算", Rule, "8. 單一行程扭力均方根值", Rule,
        "9. 伺服回生能量計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), steps7to9.begin(), steps7to9.end()) != lines.end());
    // Every record still carries the headings of steps 7 to 9; the chart is drawn.
    EXPECT_EQ(MotorSpecs[5].Lines.back(), "9. 伺服回生能量計算");
    ASSERT_NE(w->imgFig->Bitmap(), nullptr);
}
