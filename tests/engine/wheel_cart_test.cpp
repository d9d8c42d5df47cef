#include "EngineFixture.h"

#include "model/Texts.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 50-digit arithmetic rounded to double
// where the program stores, from the wheel cart's default inputs: DO 200 mm, DI 100 mm, DP 20 mm,
// MC 50 kg, ML 5 kg, MW 2 kg, WN 4, μ 0.1, η 0.85, V 10 m/min, S 200 mm, tA = tD = 0.257 s, tS 0,
// JS = JR = JC = 0, 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch, lb, ft/min).

namespace
{
constexpr int WheelCart = 4;

struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Results[] = {
    {"ΔS", "0.628318530717959", "52.3598775598299"},
    {"ΔP", "6.28318530717959E-5", "0.00523598775598299"},
    {"JF", "0.55", "3819.44444444445"},
    {"JW", "0.05", "347.222222222222"},
    {"JL", "0.6", "4166.66666666667"},
    {"TL", "0.634117647058824", "5.3921568627451"},
    {"NV", "15.9154943091895", "0.190985931710274"},
    {"tE", "0.943", "99.743"},
    {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "1.49985714285714", "100.299857142857"},
};

struct CandidateRow {
    int record;
    double TA, TD, Trms, Pr;
};

void expectCandidates(const std::vector<CandidateRow> &candidates)
{
    for (const auto &c : candidates) {
        const CMOTORSPC &m = MotorSpecs[c.record];
        EXPECT_TRUE(near(m.TA, c.TA)) << m.Model << " TA " << m.TA;
        EXPECT_TRUE(near(m.TD, c.TD)) << m.Model << " TD " << m.TD;
        EXPECT_TRUE(near(m.Trms, c.Trms)) << m.Model << " Trms " << m.Trms;
        EXPECT_TRUE(near(m.Pr, c.Pr)) << m.Model << " Pr " << m.Pr;
    }
}

} // namespace

class WheelCartTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(WheelCart);
    }
    void reset()
    {
        InitParamAndMotorTables();
        w->tbSI->Click();
        w->pcModPic->UserSelect(WheelCart);
        messages.clear();
    }
};

TEST_F(WheelCartTest, DefaultsInSiAndImperialLeaveNoCandidate)
{
    // JL/15 = 0.04 kg·m² is above every rotor.
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    EXPECT_TRUE(suggestions().empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");

    w->tbMI->Click();
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    EXPECT_TRUE(suggestions().empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(w->imgFig->Bitmap(), nullptr);
}

TEST_F(WheelCartTest, ProcessMemo)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "自走車 Calculation 3-Wheel Cart",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = π x DO x 1/RN x 1/RM = 0.628318530717959(m/rev)",
        "  ΔP = ΔS / 10000= 6.28318530717959E-5(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = tM + tS = 1.49985714285714 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JF = ( MC + ML ) x ( ΔS/2π)^2 = 0.55(kg*m^2)",
        "  JW = MW/8 x ( DO^2 + DI^2 ) x WN = 0.05(kg*m^2)",
        "  JL = JF + ( JS + JR + JC + JW x (1/RN)^2) x (1/RM)^2 = 0.6(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TL = μ x ( MC + ML ) x g x DP/2 x 1/RN x 1/RM x 1/η = 0.634117647058824(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 15.9154943091895(rpm)",
        "    (V)1 : Pemra-0100-50",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 20));
    // The pick names its wide inertia criterion and only counts.
    const std::vector<AnsiString> pick = {
        "     共43組",
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL",
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "     共0組",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), pick.begin(), pick.end()) != lines.end());

    w->tbMI->Click();
    calculate();
    EXPECT_TRUE(
        contains(memo(), "  TL = μ x ( MC + ML )  x DP/2 x 1/RN x 1/RM x 1/η = 5.3921568627451(lb*ft)"));
}

TEST_F(WheelCartTest, SmallerReducerLeavesCandidates)
{
    // 1/RN = 0.1: JF = 0.0055, JW behind the reducer 0.0005, JL = 0.006 kg·m².
    setInput("1/RN", "0.1");
    w->actDebug->Execute();
    calculate();
    EXPECT_EQ(result("JL"), "0.006");
    EXPECT_EQ(result("TL"), "0.0634117647058824"); // 55 kg × 0.1 × g at the lever DP/2, over η
    EXPECT_EQ(result("NV"), "159.154943091895");
    const std::vector<CandidateRow> candidates = {
        {5, 0.4829175656589475, -0.35609403624718283, 0.2534090191908996, -13.543795370175083},
        {41, 0.8087315764455243, -0.6819080470337596, 0.4407677090051635, -17.79227463129031},
    };
    expectCandidates(candidates);
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",    "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",
        "Kelo-P Pemra-1000-30 1000 0.000598 4.8 18 ",   "Kelo-Q Vorn-2000-50 2000 0.000445 6.37 21 ",
        "Kelo-R Vorn-2000-50 2000 0.000445 6.37 22.5 ", "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
        "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
    };
    EXPECT_EQ(suggestions(), expected);

    const auto &lines = MotorSpecs[5].Lines;
    const std::vector<AnsiString> steps7and8 = {
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        "    Pemra-2000-45 TA =  0.1047 x ( JM + JL) x N/tA  +  TL = 0.482917565658948(N.m)",
        "    Pemra-2000-45 TD = -0.1047 x ( JM + JL) x N/tD  +  TL = -0.356094036247183(N.m)",
        " ",
        Rule,
        "8. 單一行程扭力均方根值",
        "    Pemra-2000-45 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD  ) / tP) = 0.2534090191909(N.m)",
        Rule,
        "9. 伺服回生能量計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), steps7and8.begin(), steps7and8.end()) != lines.end());
    EXPECT_TRUE(contains(memo(), steps7and8[7]));

    // In imperial units with 20-inch wheels.
    reset();
    w->tbMI->Click();
    setInput("1/RN", "0.1");
    setInput("DO", "20");
    setInput("DI", "10");
    calculate();
    EXPECT_EQ(result("JW"), "3.47222222222222");
    EXPECT_EQ(result("JL"), "0.416666666666667");
    EXPECT_TRUE(near(MotorSpecs[9].Trms, 0.5391577870935034)) << MotorSpecs[9].Trms;
    EXPECT_TRUE(near(MotorSpecs[42].TA, 0.6845766742688624)) << MotorSpecs[42].TA;
    const std::vector<AnsiString> imperial = {
        "Kelo-P Pemra-2000-30 2000 0.037493927246 6.9330842032063 21 ",
        "Kelo-P Pemra-3000-30 3000 0.102752344921 10.5471387346649 28 ",
        "Kelo-T Vorn-3000-30 3000 0.1303981836815 14.0874370511958 28 ",
        "Kelo-T Vorn-4500-30 4500 0.1845033445175 21.1311555767937 28 ",
    };
    EXPECT_EQ(suggestions(), imperial);
}

TEST_F(WheelCartTest, ShaftFrictionDropsAMotorNearItsRatedTorque)
{
    // A 2 t load behind 1:50, μ 0.2 on 60 mm shafts at 20 m/min: TL = 2.836 N·m. Pemra-1000-30's
    // Trms 5.13 now exceeds its 4.8 rated torque (4.41 with the lever DP/2π), and Pemra-2000-30 takes
    // its place among the first three of its series.
    setInput("ML", "2000");
    setInput("1/RN", "0.02");
    setInput("μ", "0.2");
    setInput("DP", "60");
    setInput("V", "20");
    calculate();
    EXPECT_EQ(result("TL"), "2.83623529411765");
    EXPECT_EQ(result("JL"), "0.00822");
    EXPECT_EQ(result("NV"), "1591.54943091895");
    expectCandidates({
        {7, 8.553703845592343, -2.8812332573570485, 5.13160611035449, 41.70139076990194},
        {8, 8.73590033719638, -3.0634297489610844, 5.248084175868594, 45.603315541193595},
        {9, 9.190418987069792, -3.517948398834498, 5.54290127369096, 52.003436171644786},
    });
    // Pr above the drive's 30 or 60 W asks for a resistor.
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",
        "Kelo-P Pemra-1500-30 1500 0.000879 7.16 18 需外加回升電阻",
        "Kelo-P Pemra-2000-30 2000 0.00158 9.4 21 ",
        "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 需外加回升電阻",
        "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 需外加回升電阻",
    };
    EXPECT_EQ(suggestions(), expected);
}

TEST_F(WheelCartTest, WheelInertiaCases)
{
    struct Case {
        const char *symbol, *text, *JW, *JL;
    };
    const Case cases[] = {
        {"DI", "0", "0.04", "0.59"}, // solid wheels
        {"WN", "0", "0", "0.55"},
        {"MW", "0", "0", "0.55"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.symbol);
        reset();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(result("JW"), c.JW);
        EXPECT_EQ(result("JL"), c.JL);
    }
}

TEST_F(WheelCartTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *reason, *lastStep;
    };
    const Case cases[] = {
        {"DO", "1e-320", "Floating point overflow", "5. 馬達最高轉速"},
        {"DO", "1e308", "Floating point overflow", "3. 負載端相對於馬達端之轉動慣量計算"},
        {"μ", "1e308", "Floating point overflow", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"V", "1e-320", "Floating point overflow", "2. 加減速度時間計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        reset();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{AnsiString("Calculate 3-wheel cart Error!Calculation Error! \n\n") +
                                          c.reason});
        std::vector<AnsiString> headings;
        for (const auto &line : memo()) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
        EXPECT_EQ(input(c.symbol), FloatToStr(StrToFloat(c.text)));
    }
    EXPECT_TRUE(chartEmpty());
    reset();
    setInput("1/RN", "0.1");
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  7 Sets");
}

TEST_F(WheelCartTest, UnitSystemNeitherSiNorImperialStillClosesEachCandidate)
{
    // Nothing is converted then: the inputs keep the values of the last conversion, here in SI.
    setInput("1/RN", "0.1");
    calculate();
    w->UnitType = 3;
    calculate();
    const auto memoLines = memo();
    EXPECT_FALSE(std::any_of(memoLines.begin(), memoLines.end(),
                             [](const AnsiString &l) { return l.rfind("  TL", 0) == 0; }));
    const auto &lines = MotorSpecs[5].Lines;
    const auto peak = std::find(lines.begin(), lines.end(), "7. 馬達加減速度最大扭矩計算");
    ASSERT_NE(peak, lines.end());
    ASSERT_NE(peak + 1, lines.end());
    EXPECT_EQ(*(peak + 1), " ");
    EXPECT_EQ(MotorSpecs[5].Pass, 1);
}

class WheelCartTextsTest : public EngineTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(WheelCartTextsTest, TitleNamesTheMechanismFromTheMessageFile)
{
    w->pcModPic->UserSelect(WheelCart);
    calculate();
    EXPECT_EQ(memo().front(), GetMsg("Selvane_F", 5, "") + " Calculation 3-Wheel Cart");
}
