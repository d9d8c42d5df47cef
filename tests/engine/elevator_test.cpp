#include "EngineFixture.h"

#include "model/Texts.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 50-digit arithmetic rounded to double
// where the program stores, from the elevator's default inputs: PB 5 mm, LB 500 mm, DB 20 mm,
// ρ 7870, ML = MT = 5 kg, MC 50 kg, F 0, μ 0.1, η 0.85, V 10 m/min, S 200 mm, tA = tD = 0.257 s,
// tS 0, JS = JR = JC = 0, 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch,
// lb/inch^3, lb, ft/min).

namespace
{
const AnsiString Tabbed = "  \t\t";
constexpr int Elevator = 6;

struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Results[] = {
    {"ΔS", "0.005", "0.416666666666667"},
    {"ΔP", "5E-7", "4.16666666666667E-5"},
    {"JB", "6.18108354593792E-5", "429241912.912355"},
    {"JF", "3.79954438658767E-5", "0.263857249068588"},
    {"JL", "9.98062793252559E-5", "429241913.176213"},
    {"TW", "-0.311943688460115", "-2.65258238486492"},
    {"TF", "0.0467915532690172", "0.397887357729738"},
    {"TUP", "-0.311943688460115", "-2.65258238486492"},
    {"TDN", "0.422041460857803", "3.58878793246431"},
    {"NV", "2000", "24"},
    {"tE", "0.943", "99.743"},
    {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "2.99971428571429", "200.599714285714"}, // both strokes
};

struct RecordRow {
    int record;
    double TMAU, TMAD, TMDU, TMDD, EAU, EAD, EAE, EDU, EDD, EDE, ER, Pr;
    double Trms; // 0: not a candidate, no Trms
};
// SI defaults. Record 0 fails the lowering torque (0.318 <= TDN) but still gets its peak torques and
// energies.
const RecordRow SiRecords[] = {
    {0, -0.22817857215385584, -0.39570880476637393, 0.5058065771640616, 0.3382763445515435,
     -6.139806201658738, -10.647692947773114, -61.59771088682582, 13.610192797672855, 9.102306051558477,
     83.3380794351173, 78.38521003625767, 22.517707554453917, 0},
    {2, -0.20292020639510097, -0.42096717052512883, 0.5310649429228165, 0.3130179787927886,
     -5.460156621658737, -11.327342527773114, -61.59771088682582, 14.289842377672853, 8.422656471558476,
     83.3380794351173, 78.38521003625767, 20.85088214250992, 0.375010338897063},
    {42, 6.104338159363654, -6.728225536283883, 6.838323308681571, -5.994240386965966, 164.25492075834129,
     -181.0424199077731, -61.59771088682582, 184.00491975767284, -161.29242090844153, 83.3380794351173,
     403.9325517030405, 111.8570852333153, 3.7742595189330146},
};
// Imperial with a slim iron screw (PB 0.2 inch, DB 0.5 inch, LB 20 inch, ρ 0.284 lb/inch^3): every
// record is a candidate.
const RecordRow ImperialRecords[] = {
    {13, -0.09606459641756805, -0.11614199437162574, 0.15359021627560113, 0.1335128183215434,
     -1.051535918144533, -1.2713058008993028, -901.5066209439274, 1.6812190454364504, 1.4614491626816803,
     1219.6854283359016, 903.8294626629712, 4.015192739753737, 0.1262180365404266},
    {41, 0.8894820424718721, -1.101688633261066, 1.1391368551650414, -0.8520338205678968, 9.736389378435833,
     -12.05923109747967, -901.5066209439274, 12.469144342016817, -9.326476133898685, 1219.6854283359016,
     922.8923281753057, 4.001018138114729, 0.1449481374712493},
};

void expectRecords(const RecordRow *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const RecordRow &e = rows[i];
        const CMOTORSPC &m = MotorSpecs[e.record];
        SCOPED_TRACE(m.Model);
        const std::pair<double, double> pairs[] = {
            {m.TMAU, e.TMAU}, {m.TMAD, e.TMAD}, {m.TMDU, e.TMDU}, {m.TMDD, e.TMDD}, {m.EAU, e.EAU},
            {m.EAD, e.EAD},   {m.EAE, e.EAE},   {m.EDU, e.EDU},   {m.EDD, e.EDD},   {m.EDE, e.EDE},
            {m.ER, e.ER},     {m.Pr, e.Pr},     {m.Trms, e.Trms},
        };
        for (size_t k = 0; k < std::size(pairs); ++k)
            EXPECT_TRUE(e.Trms == 0 && k == 12 ? m.Trms == 0 : near(pairs[k].first, pairs[k].second))
                << "value " << k << ": " << pairs[k].first;
    }
}

} // namespace

class ElevatorTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(Elevator);
    }
    // Fresh tables in SI on the elevator, for one more case within a test.
    void reset()
    {
        InitParamAndMotorTables();
        w->tbSI->Click();
        w->pcModPic->UserSelect(Elevator);
        messages.clear();
    }
};

TEST_F(ElevatorTest, ResultGridInSiAndImperial)
{
    ASSERT_EQ(w->cbModel->ItemIndex(), Elevator);
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    EXPECT_EQ(result("JG"), ""); // listed for the elevator, never computed

    w->tbMI->Click();
    calculate();
    for (const auto &r : Results)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    EXPECT_TRUE(messages.empty());
}

TEST_F(ElevatorTest, ProcessMemoUpToThePick)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "電梯傳送裝置 Calculation Elevator",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = PB x 1/RN x 1/RM = 0.005(m/rev)",
        "  ΔP = ΔS / 10000= 5E-7(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = (tM + tS) x 2 = 2.99971428571429 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JB = ( π x LB x ρ x DB^4 ) / 32 = 6.18108354593792E-5(kg*m^2)",
        "  JF = ( MT + ML + MC ) x (ΔS/2π)^2 = 3.79954438658767E-5(kg*m^2)",
        "  JL  = JF + ( JS + JR +JC + JB x (1/RN)^2) x (1/RM)^2 = 9.98062793252559E-5(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TW = ( F + ( MT + ML - MC ) x g ) x ΔS/2π = -0.311943688460115(N.m)",
        "  TF  = μ x ( F + ( MT + ML + MC ) x g ) x ΔS/2π = 0.0467915532690172(N.m)",
        "  上升 TUP  = ( TW + TF ) x 1/η = -0.311943688460115(N.m)",
        "  下降 TDN (TD>0) = ( -TW + TF ) x 1/η = 0.422041460857803(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 2000(rpm)",
        "    (V)1 : Pemra-0100-50",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 23));

    // Its own pick: the header of the frame with the wide inertia line, no list, 40 left.
    const std::vector<AnsiString> pick = {
        "    (V)43 : Vorn-4500-30",
        "     共43組",
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL",
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "     共40組",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        Rule,
        "8. 單一行程扭力均方根值",
        Rule,
        "9. 伺服回生能量計算",
        "  ",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), pick.begin(), pick.end()) != lines.end());
    EXPECT_EQ(lines.back(), "Suggest Maches : Total  9 Sets");
}

TEST_F(ElevatorTest, PeakTorquesEnergiesAndRmsOfEveryRecord)
{
    calculate();
    expectRecords(SiRecords, std::size(SiRecords));
    EXPECT_EQ(MotorSpecs[0].Pass, 0);
    EXPECT_EQ(MotorSpecs[11].Pass, 0); // 0.32 <= TDN

    reset();
    w->tbMI->Click();
    setInput("PB", "0.2");
    setInput("DB", "0.5");
    setInput("LB", "20");
    setInput("ρ", "0.284");
    calculate();
    EXPECT_EQ(result("JL"), "0.000664199678376142");
    EXPECT_EQ(result("TDN"), "0.143551517298572");
    expectRecords(ImperialRecords, std::size(ImperialRecords));
}

TEST_F(ElevatorTest, SuggestionsInSiAndImperial)
{
    const AnsiString resistor = "需外加回升電阻";
    calculate();
    const std::vector<AnsiString> si = {
        "Kelo-P Pemra-0200-50 200 1.8E-5 0.64 4 ",
        "Kelo-P Pemra-0400-50 400 3.4E-5 1.27 8 ",
        "Kelo-P Pemra-0750-50 750 0.000108 2.39 14 ",
        "Kelo-Q Vorn-0200-50 200 1.77E-5 0.64 4 ",
        "Kelo-Q Vorn-0400-50a 400 2.77E-5 1.27 8 ",
        "Kelo-Q Vorn-0400-50b 400 6.8E-5 1.27 8 ",
        "Kelo-R Vorn-0200-50 200 1.77E-5 0.64 4.5 " + resistor,
        "Kelo-R Vorn-0400-50a 400 2.77E-5 1.27 6.22 " + resistor,
        "Kelo-R Vorn-0400-50b 400 6.8E-5 1.27 6.22 " + resistor,
    };
    EXPECT_EQ(suggestions(), si);
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  9 Sets");

    // The default screw read in inches is far too heavy for any rotor.
    w->tbMI->Click();
    calculate();
    EXPECT_TRUE(suggestions().empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
    EXPECT_NE(w->imgFig->Bitmap(), nullptr);

    setInput("PB", "0.2");
    setInput("DB", "0.5");
    setInput("LB", "20");
    setInput("ρ", "0.284");
    calculate();
    const std::vector<AnsiString> imperial = {
        "Kelo-P Pemra-0100-50 100 7.11910011E-5 0.23454476347017 3 ",
        "Kelo-P Pemra-0200-50 200 0.0004271460066 0.47203977553745 4 ",
        "Kelo-P Pemra-0400-50 400 0.0008068313458 0.936703929582127 8 ",
        "Kelo-Q Vorn-0100-50 100 8.780223469E-5 0.236019887768725 3 ",
        "Kelo-Q Vorn-0200-50 200 0.00042002690649 0.47203977553745 4 ",
        "Kelo-Q Vorn-0400-50a 400 0.00065733024349 0.936703929582127 8 ",
        "Kelo-R Vorn-0100-50 100 8.780223469E-5 0.236019887768725 3.11 " + resistor,
        "Kelo-R Vorn-0200-50 200 0.00042002690649 0.47203977553745 4.5 " + resistor,
        "Kelo-R Vorn-0400-50a 400 0.00065733024349 0.936703929582127 6.22 " + resistor,
    };
    EXPECT_EQ(suggestions(), imperial);
}

TEST_F(ElevatorTest, DetailLinesOfOneRecord)
{
    calculate();
    const auto &lines = MotorSpecs[2].Lines;
    const std::vector<AnsiString> expected = {
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL , Ttyp>TDN",
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "   Pemra-0400-50 => (V)",
        "      (V) Ttyp > TUP",
        "      (V) Ttyp > TDN",
        "      (V) JM >  JL/m",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        "  TMAU =  0.1047 x ( JM + JL) x N/tA  +  TUP = -0.202920206395101(N.m)",
        "  TMAD = -0.1047 x ( JM + JL) x N/tD  +  TUP = -0.420967170525129(N.m)",
        "  TMDU =  0.1047 x ( JM + JL) x N/tA  +  TDN = 0.531064942922816(N.m)",
        "  TMDD = -0.1047 x ( JM + JL) x N/tD  +  TDN = 0.313017978792789(N.m)",
        " ",
        Rule,
        "8. 單一行程扭力均方根值",
        "    Pemra-0400-50  Trms = √( ( ( TMAU^2 + TMDU^2 ) x tA + ( TMAD^2 + TMDD^2 ) x tD + ( TUP^2+TDN^2 "
        ") "
        "x tE + TW^2 x ( 2 x tR + 2 x tS ) ) / tP) = 0.375010338897063(N.m)",
        Rule,
        "9. 伺服回生能量計算",
        "    Pemra-0400-50",
        Tabbed + "上升加速 EAU = 0.1047 x N/2 x TMAU x tA = -5.46015662165874 (J)",
        Tabbed + "上升減速 EAD = 0.1047 x N/2 x TMAD x tD = -11.3273425277731 (J)",
        Tabbed + "上升定速 EAE = 0.1047 x N x TUP x tE =-61.5977108868258 (J)",
        Tabbed + "下降加速 EDU = 0.1047 x N/2 x TMDU x tA = 14.2898423776729 (J)",
        Tabbed + "下降減速 EDD = 0.1047 x N/2 x TMDD x tD = 8.42265647155848 (J)",
        Tabbed + "下降定速 EDE = 0.1047 x N x TDN x tE =83.3380794351173 (J)",
        Tabbed + "ER 取 EAU、EAD、EAE、EDU、EDD和EDE負值合的絕對值= 78.3852100362577 (J)",
        Tabbed + "Pr = ( ηm x ER - EC ) / tP = 20.8508821425099 (W)",
        "---------------------",
        "Pemra-0400-50",
        " (V) Ttyp > Trms",
        " (V)Tmax  >   |TMAU|",
        " (V)Tmax  >   |TMAD|",
        " (V)Tmax  >   |TMDU|",
        " (V)Tmax  >   |TMDD|",
    };
    ASSERT_GE(lines.size(), 5 + expected.size());
    EXPECT_EQ(std::vector<AnsiString>(lines.begin() + 5, lines.end()), expected);

    // A record dropped by the pick: (X) verdict, peak torques and energies, no Trms, no final checks.
    const auto &dropped = MotorSpecs[0].Lines;
    EXPECT_TRUE(contains(dropped, "   Pemra-0100-50 => (X)"));
    EXPECT_TRUE(contains(dropped, "      (X) Ttyp <= TDN"));
    EXPECT_TRUE(contains(dropped, "  TMAU =  0.1047 x ( JM + JL) x N/tA  +  TUP = -0.228178572153856(N.m)"));
    EXPECT_EQ(std::count_if(dropped.begin(), dropped.end(),
                            [](const AnsiString &l) { return l.find("Trms") != AnsiString::npos; }),
              0);
    EXPECT_EQ(dropped.back(), Tabbed + "Pr = ( ηm x ER - EC ) / tP = 22.5177075544539 (W)");
    // Per-record lines reach the memo only in debug mode.
    EXPECT_FALSE(contains(memo(), "   Pemra-0400-50 => (V)"));
}

TEST_F(ElevatorTest, ImperialLinesNameTheShortenedFactors)
{
    w->tbMI->Click();
    w->actDebug->Execute();
    calculate();
    const auto lines = memo();
    EXPECT_TRUE(contains(lines, "  TW = ( F + ( MT + ML - MC ) ) x ΔS/2π = -2.65258238486492(lb*ft)"));
    EXPECT_TRUE(contains(lines, "  TF  = μ x ( F + ( MT + ML + MC ) ) x ΔS/2π = 0.397887357729738(lb*ft)"));
    EXPECT_TRUE(contains(lines, "  TMAU =  0.00325 x ( JM + JL) x N/tA  +  TUP = 130425507.459693(lb.ft)"));
    EXPECT_TRUE(contains(lines, "  TMDD = -0.00325 x ( JM + JL) x N/tD  +  TDN = -130425506.523487(lb.ft)"));
    EXPECT_TRUE(contains(lines, Tabbed + "上升定速 EAE = 0.14197 x N x TUP x tE =-901.506620943927 (J)"));
    EXPECT_TRUE(contains(lines, Tabbed + "下降減速 EDD = 0.14197 x N/2 x TMDD x tD = -57106201.3961929 (J)"));
}

TEST_F(ElevatorTest, LoweringTorqueFollowsTheSignOfTfMinusTw)
{
    struct Case {
        const char *MC, *mu;
        const char *line;
    };
    const Case cases[] = {
        // The counterweight outweighs the table: lowering drives, divided by η.
        {"50", "0.1", "  下降 TDN (TD>0) = ( -TW + TF ) x 1/η = 0.422041460857803(N.m)"},
        // Gravity outweighs friction: the motor brakes, scaled by η.
        {"0", "0.1", "  下降 TDN (TD<0) = ( -TW + TF ) x η   = -0.059659230417997(N.m)"},
        // Balanced: 0 takes the braking branch.
        {"0", "1", "  下降 TDN (TD<0) = ( -TW + TF ) x η   = 0(N.m)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        reset();
        setInput("MC", c.MC);
        setInput("μ", c.mu);
        calculate();
        EXPECT_TRUE(contains(memo(), c.line));
    }
    // A negative TDN passes the lowering check for every record.
    EXPECT_TRUE(contains(MotorSpecs[0].Lines, "      (V) Ttyp > TDN"));
}

TEST_F(ElevatorTest, FinalChecksJudgeEachOfTheFourPeakTorques)
{
    // Short ramps: Vorn-0400-50b (Tmax 3.82) exceeds its peak torque on the up stroke's deceleration
    // (|TMAD| 3.87) and the down stroke's acceleration (TMDU 4.01) only.
    setInput("ML", "20");
    setInput("tA", "0.01");
    setInput("tD", "0.01");
    calculate();
    const CMOTORSPC &m = MotorSpecs[14];
    EXPECT_TRUE(near(m.TMAU, 3.5522103862954277));
    EXPECT_TRUE(near(m.TMAD, -3.8733288891220163));
    EXPECT_TRUE(near(m.TMDU, 4.010951104619126));
    EXPECT_TRUE(near(m.TMDD, -3.414588170798318));
    EXPECT_TRUE(near(m.Trms, 0.5260569412905689));
    const std::vector<AnsiString> checks = {
        "---------------------", "Vorn-0400-50b",        " (V) Ttyp > Trms",     " (V)Tmax  >   |TMAU|",
        " (X)Tmax  <=  |TMAD|",  " (X)Tmax  <=  |TMDU|", " (V)Tmax  >   |TMDD|",
    };
    ASSERT_GE(m.Lines.size(), checks.size());
    EXPECT_EQ(std::vector<AnsiString>(m.Lines.end() - static_cast<long>(checks.size()), m.Lines.end()),
              checks);
    EXPECT_EQ(m.Pass, 0);
    const AnsiString resistor = "需外加回升電阻";
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-0400-50 400 3.4E-5 1.27 8 ",
        "Kelo-P Pemra-0750-50 750 0.000108 2.39 14 ",
        "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",
        "Kelo-Q Vorn-0400-50a 400 2.77E-5 1.27 8 ",
        "Kelo-Q Vorn-0750-50 750 0.000113 2.39 14 ",
        "Kelo-Q Vorn-1000-50 1000 0.000265 3.18 18 ",
        "Kelo-R Vorn-0400-50a 400 2.77E-5 1.27 6.22 " + resistor,
        "Kelo-R Vorn-0750-50 750 0.000113 2.39 11.07 ",
        "Kelo-R Vorn-1000-50 1000 0.000265 3.18 13.5 ",
    };
    EXPECT_EQ(suggestions(), expected);
}

TEST_F(ElevatorTest, FaultsEndInTheElevatorsBoxWithTheReason)
{
    struct Case {
        const char *symbol, *text, *reason, *lastStep;
    };
    const Case cases[] = {
        {"PB", "1e-320", "Floating point overflow", "5. 馬達最高轉速"},
        // Step 7 runs for every record, candidate or not.
        {"tA", "1e-320", "Floating point overflow", "7. 馬達加減速度最大扭矩計算"},
        {"tD", "1e-320", "Floating point overflow", "7. 馬達加減速度最大扭矩計算"},
        {"DB", "1e308", "Floating point overflow", "3. 負載端相對於馬達端之轉動慣量計算"},
        // TDN near 1e306: the down stroke's constant-speed energy leaves the double range.
        {"MC", "1e308", "Floating point overflow", "9. 伺服回生能量計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        reset();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{AnsiString("Calculate Elevator Error! \n\n") + c.reason});
        std::vector<AnsiString> headings;
        for (const auto &line : memo()) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
        EXPECT_EQ(input(c.symbol), FloatToStr(StrToFloat(c.text)));
        EXPECT_TRUE(chartEmpty());
    }

    // Usable afterwards.
    reset();
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  9 Sets");
}

TEST_F(ElevatorTest, TinyRampWithNoCandidateStillFailsInStepSeven)
{
    setInput("ML", "1000000");
    setInput("tA", "1e-320");
    calculate();
    EXPECT_EQ(MessageTexts(),
              std::vector<AnsiString>{"Calculate Elevator Error! \n\nFloating point overflow"});
    EXPECT_TRUE(contains(memo(), "     共0組"));
}

TEST_F(ElevatorTest, RecordWithoutValidRegenerativeEnergyIsDropped)
{
    // An endless stroke with the table pulled down harder than it weighs, against strong friction:
    // both constant-speed energies are negative (-1.6e308 and -3.9e307), so their sum leaves the
    // double range for every record while each energy stays within it.
    MotorSpecs[5].ER = 7;
    setInput("MC", "0");
    setInput("ML", "50");
    setInput("F", "-1000");
    setInput("μ", "2");
    setInput("PB", "1");
    setInput("V", "1");
    setInput("S", "1e308");
    calculate();
    std::vector<AnsiString> boxes;
    for (int r = 0; r < 43; ++r)
        boxes.push_back("Mode7 伺服回生能量計算 錯誤! At Item=" + IntToStr(r));
    EXPECT_EQ(MessageTexts(), boxes);
    for (const auto &m : MotorSpecs)
        EXPECT_EQ(m.Pass, 0) << m.Model;
    EXPECT_EQ(MotorSpecs[5].ER, 7);
    EXPECT_TRUE(suggestions().empty());
    EXPECT_TRUE(chartDrawn()); // the calculation itself completed
    // Pr is still worked out from the ER held, and its line written; the catalogue shows neither.
    EXPECT_EQ(MotorSpecs[5].Lines.back().substr(0, 4), Tabbed);
    EXPECT_EQ(w->sgMotor->Cells(11, 6), "");
    EXPECT_EQ(w->sgMotor->Cells(15, 6), "");
}

TEST_F(ElevatorTest, UnitSystemNeitherSiNorImperialKeepsTheBranchValues)
{
    calculate();
    const double tmau = MotorSpecs[2].TMAU, eau = MotorSpecs[2].EAU;
    w->UnitType = 3;
    calculate();
    EXPECT_EQ(MotorSpecs[2].TMAU, tmau);
    EXPECT_EQ(MotorSpecs[2].EAU, eau);
    const auto lines = memo();
    EXPECT_FALSE(
        std::any_of(lines.begin(), lines.end(), [](const AnsiString &l) { return l.rfind("  TW", 0) == 0; }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const AnsiString &l) { return l.rfind("  上升 TUP", 0) == 0; }));
    // Step 7 writes only its closing blank; step 9 no line at all.
    const auto &detail = MotorSpecs[2].Lines;
    const auto peak = std::find(detail.begin(), detail.end(), "7. 馬達加減速度最大扭矩計算");
    ASSERT_NE(peak, detail.end());
    EXPECT_EQ(*(peak + 1), " ");
    EXPECT_FALSE(std::any_of(detail.begin(), detail.end(),
                             [](const AnsiString &l) { return l.rfind("  \t\t", 0) == 0; }));
}

class ElevatorTextsTest : public EngineTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(ElevatorTextsTest, BoxNamesTheMechanismFromTheMessageFile)
{
    w->pcModPic->UserSelect(Elevator);
    setInput("1/RN", "1e-320");
    calculate();
    EXPECT_EQ(MessageTexts(),
              std::vector<AnsiString>{GetMsg("Selvane_F", 7, "") + " \n\nFloating point overflow"});
    EXPECT_EQ(memo().front(), GetMsg("Selvane_F", 7, "") + " Calculation Elevator");
}
