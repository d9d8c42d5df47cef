#include "EngineFixture.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 50-digit arithmetic rounded to double
// where the program stores, from the conveyor's default inputs: DR 200 mm, ML 5 kg, MB 20 kg, WRN 2,
// JRO 0, θ 0°, μ 0.1, η 0.85, V 10 m/min, S 200 mm, tA = tD = 0.257 s, tS 0, JS = JR = JC = 0,
// 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch, lb, ft/min).

namespace
{
constexpr int Conveyor = 5;

struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Results[] = {
    {"ΔS", "0.628318530717959", "52.3598775598299"},
    {"ΔP", "6.28318530717959E-5", "0.00523598775598299"},
    {"JF", "0.25", "1736.11111111111"},
    {"JL", "0.25", "1736.11111111111"},
    {"TW", "0", "0"},
    {"TF", "2.88235294117647", "24.5098039215686"},
    {"TL", "2.88235294117647", "24.5098039215686"},
    {"NV", "15.9154943091895", "0.190985931710274"},
    {"tE", "0.943", "99.743"},
    {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "1.49985714285714", "100.299857142857"},
};

const AnsiString ElevenRows[] = {
    "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",      "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",
    "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",      "Kelo-Q Vorn-1000-50 1000 0.000265 3.18 18 ",
    "Kelo-Q Vorn-2000-50 2000 0.000445 6.37 21 ",     "Kelo-Q Vorn-2000-30b 2000 0.0003468 9.55 21 ",
    "Kelo-R Vorn-1000-50 1000 0.000265 3.18 13.5 ",   "Kelo-R Vorn-2000-50 2000 0.000445 6.37 22.5 ",
    "Kelo-R Vorn-2000-30b 2000 0.0003468 9.55 22.5 ", "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
    "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
};

} // namespace

class ConveyorTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(Conveyor);
    }
    void reset()
    {
        InitParamAndMotorTables();
        w->tbSI->Click();
        w->pcModPic->UserSelect(Conveyor);
        messages.clear();
    }
};

TEST_F(ConveyorTest, DefaultsInSiAndImperialLeaveNoCandidate)
{
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
}

TEST_F(ConveyorTest, ProcessMemo)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "傳送帶運輸裝置 Calculation Conveytor",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = π x DR x 1/RN x 1/RM = 0.628318530717959(m/rev)",
        "  ΔP = ΔS / 10000= 6.28318530717959E-5(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = tM + tS = 1.49985714285714 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JF = ( MB + ML ) x (ΔS/2π)^2 = 0.25(kg*m^2)",
        "  JL = JF + ( JS + JR + JC + WRN x JRO x (1/RN)^2) x (1/RM)^2 = 0.25(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TW = ( ML x g x sinθ ) x ΔS/2π x 1/η = 0(N.m)",
        "  TF = μ x ( MB + ML ) x g x cosθ x ΔS/2π x 1/η = 2.88235294117647(N.m)",
        "  TL = TW + TF = 2.88235294117647(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 15.9154943091895(rpm)",
        "    (V)1 : Pemra-0100-50",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 21));
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
    const auto imperial = memo();
    EXPECT_TRUE(contains(imperial, "  TW = ( ML  x sinθ ) x ΔS/2π x 1/η = 0(lb*ft)"));
    EXPECT_TRUE(contains(imperial, "  TF = μ x ( MB + ML ) x cosθ x ΔS/2π x 1/η = 24.5098039215686(lb*ft)"));
}

TEST_F(ConveyorTest, SlopeSplitsTheLoadTorque)
{
    struct Case {
        const char *theta;
        double TW, TF, TL;
    };
    // 1/RN = 0.1; θ = 90 leaves cos θr at about 6e-17, not 0.
    const Case cases[] = {
        {"0", 0, 0.288235294117647, 0.288235294117647},
        {"30", 0.288235294117647, 0.249619086973162, 0.537854381090809},
        {"90", 0.576470588235294, 1.76493215171236E-17, 0.576470588235294},
        {"-30", -0.288235294117647, 0.249619086973162, -0.0386162071444853},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.theta);
        reset();
        setInput("1/RN", "0.1");
        setInput("θ", c.theta);
        calculate();
        EXPECT_TRUE(c.TW == 0 ? SizeItems[57].dV == 0 : near(SizeItems[57].dV, c.TW)) << SizeItems[57].dV;
        EXPECT_TRUE(near(SizeItems[56].dV, c.TF)) << SizeItems[56].dV;
        EXPECT_TRUE(near(SizeItems[55].dV, c.TL)) << SizeItems[55].dV;
        EXPECT_EQ(input("θ"), c.theta); // the angle itself stays in degrees
        // A negative TL passes every rated torque: the same eleven matches.
        EXPECT_EQ(suggestions(), std::vector<AnsiString>(std::begin(ElevenRows), std::end(ElevenRows)));
    }
    // Downhill (the last case), the constant-speed energy flows back and counts toward ER.
    const CMOTORSPC &m = MotorSpecs[41];
    EXPECT_TRUE(near(m.TA, 0.4797684727040086)) << m.TA;
    EXPECT_TRUE(near(m.Trms, 0.30969921567494716)) << m.Trms; // TW also held over tR
    EXPECT_LT(m.EE, 0);
    EXPECT_TRUE(near(m.ER, 1.799488755496299)) << m.ER;
    EXPECT_TRUE(near(m.Pr, -17.588648522752006)) << m.Pr;

    // 106 kg up 45°: held over the 0.543 s at rest, Pemra-3000-45 (Trms 8.11 moving only) drops out.
    reset();
    const char *const machine[][2] = {{"θ", "45"},     {"ML", "106"},  {"MB", "5"},  {"DR", "100"},
                                      {"1/RN", "0.2"}, {"μ", "0.05"},  {"V", "30"},  {"S", "300"},
                                      {"tA", "0.03"},  {"tD", "0.03"}, {"tS", "0.5"}};
    for (const auto &in : machine)
        setInput(in[0], in[1]);
    calculate();
    EXPECT_TRUE(near(MotorSpecs[6].Trms, 10.01699757124308)) << MotorSpecs[6].Trms;
    EXPECT_TRUE(near(MotorSpecs[10].Trms, 10.621156404526228)) << MotorSpecs[10].Trms;
    EXPECT_EQ(suggestions(), (std::vector<AnsiString>{"Kelo-P Pemra-3000-30 3000 0.00433 14.3 28 ",
                                                      ElevenRows[9], ElevenRows[10]}));
}

TEST_F(ConveyorTest, SmallerReducerLeavesCandidates)
{
    setInput("1/RN", "0.1");
    setInput("JRO", "0.001");
    w->actDebug->Execute();
    calculate();
    EXPECT_EQ(result("JL"), "0.00252"); // two drums of 0.001 behind the reducer
    EXPECT_EQ(suggestions(), std::vector<AnsiString>(std::begin(ElevenRows), std::end(ElevenRows)));
    const auto &lines = MotorSpecs[41].Lines;
    const auto peak = std::find(lines.begin(), lines.end(), "7. 馬達加減速度最大扭矩計算");
    ASSERT_GE(std::distance(peak, lines.end()), 7);
    EXPECT_EQ(*(peak + 3), " ");
    EXPECT_EQ((peak + 6)->rfind("    Vorn-3000-30 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD + TW^2 x ( "
                                "tR + tS ) ) / tP) = 0.",
                                0),
              0u)
        << *(peak + 6);

    // Imperial with a 20-inch drum.
    reset();
    w->tbMI->Click();
    setInput("1/RN", "0.1");
    setInput("DR", "20");
    calculate();
    EXPECT_EQ(result("JL"), "0.173611111111111");
    EXPECT_EQ(result("TL"), "0.245098039215686");
    EXPECT_TRUE(near(MotorSpecs[9].Trms, 0.24507291294441197)) << MotorSpecs[9].Trms;
    EXPECT_TRUE(near(MotorSpecs[42].TD, 0.1585071080035712)) << MotorSpecs[42].TD;
    const std::vector<AnsiString> imperial = {
        "Kelo-P Pemra-3000-45 3000 0.027527187092 7.00684041813402 28 ",
        "Kelo-P Pemra-1000-30 1000 0.0141907395526 3.54029831653087 18 ",
        "Kelo-P Pemra-1500-30 1500 0.0208589633223 5.28094498882522 18 ",
        "Kelo-T Vorn-3000-30 3000 0.1303981836815 14.0874370511958 28 ",
        "Kelo-T Vorn-4500-30 4500 0.1845033445175 21.1311555767937 28 ",
    };
    EXPECT_EQ(suggestions(), imperial);
}

TEST_F(ConveyorTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *reason, *lastStep;
    };
    const Case cases[] = {
        {"DR", "1e-320", "Floating point overflow", "5. 馬達最高轉速"},
        {"DR", "1e308", "Floating point overflow", "3. 負載端相對於馬達端之轉動慣量計算"},
        {"μ", "1e308", "Floating point overflow", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"tA", "1e-320", "Floating point overflow", "7. 馬達加減速度最大扭矩計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        reset();
        setInput("1/RN", "0.1"); // candidates left for step 7
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{AnsiString("Calculate Conveytor Error!Calculation Error! \n\n") +
                                          c.reason});
        std::vector<AnsiString> headings;
        for (const auto &line : memo()) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
    }
    // Huge angles are only angles.
    reset();
    setInput("θ", "1e308");
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(input("θ"), "1E308");
}

TEST_F(ConveyorTest, UnitSystemNeitherSiNorImperialWritesOnlyTheSum)
{
    calculate();
    w->UnitType = 3;
    calculate();
    const auto lines = memo();
    // TL is no input: the read leaves it at the value it was built with.
    EXPECT_TRUE(contains(lines, "  TL = TW + TF = 0.225(N.m)"));
    EXPECT_FALSE(
        std::any_of(lines.begin(), lines.end(), [](const AnsiString &l) { return l.rfind("  TF", 0) == 0; }));
}
