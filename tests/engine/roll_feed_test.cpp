#include "EngineFixture.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 40-digit arithmetic with the stored
// values rounded to double, from the default inputs: DR 200 mm, DS 100 mm, JRO 0, FP = F = 0,
// μ 0.1, η 0.85, V 10 m/min, S 200 mm, tA = tD = 0.257 s, tS 0, JS = JR = JC = 0,
// 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch, lb, ft/min), and from a loaded
// roller pair: JRO 0.0001 kg·m², FP 100 N, F 20 N, DR 50 mm, DS 20 mm (imperial: JRO 0.001 lb·ft²,
// FP 20 lb, F 5 lb, DR 2 inch, DS 1 inch).

namespace
{
struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Defaults[] = {
    {"ΔS", "0.628318530717959", "52.3598775598299"},
    {"ΔP", "6.28318530717959E-5", "0.00523598775598299"},
    {"JL", "0", "0"},
    {"TRO", "0", "0"},
    {"TL", "0", "0"},
    {"TF", "0", "0"},
    {"NV", "15.9154943091895", "0.190985931710274"},
    {"tE", "0.943", "99.743"},
    {"tR", "0.0428571428571429", "0.0428571428571429"},
    {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "1.49985714285714", "100.299857142857"},
};
const ResultRow Loaded[] = {
    {"ΔS", "0.15707963267949", "0.523598775598299"},  {"JL", "0.0002", "0.002"},
    {"TRO", "0.103136", "0.0845333333333333"},        {"TL", "0.709571764705882", "0.589647058823529"},
    {"TF", "0.588235294117647", "0.490196078431373"}, {"NV", "63.6619772367581", "19.0985931710274"},
};

struct CandidateRow {
    int record;
    double TA, TD, Trms, Pr;
};
const CandidateRow DefaultsSi[] = {
    {0, 1.9451582733526974e-05, -1.9451582733526974e-05, 1.138705861925889e-05, -2.000187995037914},
    {3, 0.000700256978406971, -0.000700256978406971, 0.00040993411029332, -9.334132332270705},
    {42, 0.05041201858439074, -0.05041201858439074, 0.029511460254912622, -18.661967274543187},
};
const CandidateRow DefaultsImperial[] = {
    {0, 1.7213756614071763e-07, -1.7213756614071763e-07, 1.2322733619439954e-08, -0.029910311788254124},
    {26, 2.123029982402184e-07, -2.123029982402184e-07, 1.519803813064261e-08, -0.031007023219431683},
    {42, 0.0004461231922480265, -0.0004461231922480265, 3.193641796371521e-05, -0.279162896126066},
};
// Trms includes TF² tA besides TL inside TA, TD and TL² tE.
const CandidateRow LoadedSi[] = {
    {2, 0.7156406585187429, 0.703502870893022, 0.7405460080849108, -5.333841318220783},
    {10, 0.8270593244163854, 0.5920842049953795, 0.7437245178348247, -18.66844461377274},
    {42, 0.916406927772386, 0.5027366016393789, 0.750371050304475, -18.66844461377274},
};
// The 200 W motors (0.64 N.m, 0.472 lbf.ft) are weaker than TL = 0.59 lbf.ft.
const CandidateRow LoadedImperial[] = {
    {2, 0.5903257416752494, 0.5889683759718094, 0.5900430486329052, -0.07976083144969584},
    {17, 0.5926840263313772, 0.5866100913156816, 0.5900430866851395, -0.20937218255545156},
    {42, 0.6347429716584259, 0.544551145988633, 0.5900518778429604, -0.2791629100739354},
};

} // namespace

class RollFeedTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(2);
    }
    void load(bool imperial)
    {
        setInput("JRO", imperial ? "0.001" : "0.0001");
        setInput("FP", imperial ? "20" : "100");
        setInput("F", imperial ? "5" : "20");
        setInput("DR", imperial ? "2" : "50");
        setInput("DS", imperial ? "1" : "20");
    }
    void expectCandidates(const CandidateRow *begin, const CandidateRow *end)
    {
        for (auto c = begin; c != end; ++c) {
            const CMOTORSPC &m = MotorSpecs[c->record];
            EXPECT_EQ(m.Pass, 1) << m.Model;
            EXPECT_TRUE(near(m.TA, c->TA)) << m.Model << " TA " << m.TA;
            EXPECT_TRUE(near(m.TD, c->TD)) << m.Model << " TD " << m.TD;
            EXPECT_TRUE(near(m.Trms, c->Trms)) << m.Model << " Trms " << m.Trms;
            EXPECT_TRUE(near(m.Pr, c->Pr)) << m.Model << " Pr " << m.Pr;
        }
    }
};

TEST_F(RollFeedTest, DefaultsInSiAndImperial)
{
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    expectCandidates(std::begin(DefaultsSi), std::end(DefaultsSi));
    const std::vector<AnsiString> si = {
        "Kelo-P Pemra-0100-50 100 3E-6 0.318 3 ",      "Kelo-P Pemra-0200-50 200 1.8E-5 0.64 4 ",
        "Kelo-P Pemra-0400-50 400 3.4E-5 1.27 8 ",     "Kelo-Q Vorn-0100-50 100 3.7E-6 0.32 3 ",
        "Kelo-Q Vorn-0200-50 200 1.77E-5 0.64 4 ",     "Kelo-Q Vorn-0400-50a 400 2.77E-5 1.27 8 ",
        "Kelo-R Vorn-0100-50 100 3.7E-6 0.32 3.11 ",   "Kelo-R Vorn-0200-50 200 1.77E-5 0.64 4.5 ",
        "Kelo-R Vorn-0400-50a 400 2.77E-5 1.27 6.22 ",
    };
    EXPECT_EQ(suggestions(), si);

    w->tbMI->Click();
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    expectCandidates(std::begin(DefaultsImperial), std::end(DefaultsImperial));
    const std::vector<AnsiString> imperial = {
        "Kelo-P Pemra-0100-50 100 7.11910011E-5 0.23454476347017 3 ",
        "Kelo-P Pemra-0200-50 200 0.0004271460066 0.47203977553745 4 ",
        "Kelo-P Pemra-0400-50 400 0.0008068313458 0.936703929582127 8 ",
        "Kelo-Q Vorn-0100-50 100 8.780223469E-5 0.236019887768725 3 ",
        "Kelo-Q Vorn-0200-50 200 0.00042002690649 0.47203977553745 4 ",
        "Kelo-Q Vorn-0400-50a 400 0.00065733024349 0.936703929582127 8 ",
        "Kelo-R Vorn-0100-50 100 8.780223469E-5 0.236019887768725 3.11 ",
        "Kelo-R Vorn-0200-50 200 0.00042002690649 0.47203977553745 4.5 ",
        "Kelo-R Vorn-0400-50a 400 0.00065733024349 0.936703929582127 6.22 ",
    };
    EXPECT_EQ(suggestions(), imperial);
}

TEST_F(RollFeedTest, LoadedRollersInSiAndImperial)
{
    load(false);
    calculate();
    for (const auto &r : Loaded)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    expectCandidates(std::begin(LoadedSi), std::end(LoadedSi));
    const std::vector<AnsiString> si = {
        "Kelo-P Pemra-0400-50 400 3.4E-5 1.27 8 ",      "Kelo-P Pemra-0750-50 750 0.000108 2.39 14 ",
        "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",    "Kelo-Q Vorn-0400-50a 400 2.77E-5 1.27 8 ",
        "Kelo-Q Vorn-0400-50b 400 6.8E-5 1.27 8 ",      "Kelo-Q Vorn-0750-50 750 0.000113 2.39 14 ",
        "Kelo-R Vorn-0400-50a 400 2.77E-5 1.27 6.22 ",  "Kelo-R Vorn-0400-50b 400 6.8E-5 1.27 6.22 ",
        "Kelo-R Vorn-0750-50 750 0.000113 2.39 11.07 ",
    };
    EXPECT_EQ(suggestions(), si);

    w->tbMI->Click();
    load(true);
    calculate();
    for (const auto &r : Loaded)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    expectCandidates(std::begin(LoadedImperial), std::end(LoadedImperial));
    for (int r : {1, 12, 27})
        EXPECT_EQ(MotorSpecs[r].Pass, 0) << r;
    const std::vector<AnsiString> imperial = {
        "Kelo-P Pemra-0400-50 400 0.0008068313458 0.936703929582127 8 ",
        "Kelo-P Pemra-0750-50 750 0.0025628760396 1.76277353677266 14 ",
        "Kelo-P Pemra-1000-50 1000 0.006169886762 2.43395509261498 18 ",
        "Kelo-Q Vorn-0400-50a 400 0.00065733024349 0.936703929582127 8 ",
        "Kelo-Q Vorn-0400-50b 400 0.0016136626916 0.936703929582127 8 ",
        "Kelo-Q Vorn-0750-50 750 0.0026815277081 1.76277353677266 14 ",
        "Kelo-R Vorn-0400-50a 400 0.00065733024349 0.936703929582127 6.22 ",
        "Kelo-R Vorn-0400-50b 400 0.0016136626916 0.936703929582127 6.22 ",
        "Kelo-R Vorn-0750-50 750 0.0026815277081 1.76277353677266 11.07 ",
    };
    EXPECT_EQ(suggestions(), imperial);
}

TEST_F(RollFeedTest, ProcessMemoAndResultLog)
{
    load(false);
    calculate();
    const std::vector<AnsiString> expected = {
        "Calculation Result of Roll Feed",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = π x DR x 1/RN x 1/RM = 0.15707963267949(m/rev)",
        "  ΔP = ΔS / 10000= 1.5707963267949E-5(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = tM + tS = 1.49985714285714 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JL = ( JS + JR + JC + 2 x JRO x (1/RN)^2 ) x (1/RM)^2 = 0.0002(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TRO = ( JRO x 8/(DR^2) x g  + FP ) x DS/2 x μ = 0.103136(N.m)",
        "  TL  = ( F x DR/2 + TRO ) x 1/RN x 1/RM x 1/η = 0.709571764705882(N.m)",
        "  TF  = F x DR/2 x 1/RN x 1/RM x 1/η = 0.588235294117647(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 63.6619772367581(rpm)",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 20));

    // Step 6 counts the candidates without listing them.
    const std::vector<AnsiString> pick = {
        Rule,
        "6. 挑選馬達",
        "   第一階段篩選符合",
        "                      Ttyp > TL",
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "     共37組",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), pick.begin(), pick.end()) != lines.end());

    const auto &details = MotorSpecs[2].Lines;
    const AnsiString rms =
        "    Pemra-0400-50 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD + TF^2 x tA ) / tP) = "
        "0.740546008084911(N.m)";
    EXPECT_TRUE(contains(details, rms));
    EXPECT_TRUE(contains(details, " "));
}

TEST_F(RollFeedTest, ImperialTorquesDropOnlyTheWeightOfTheRollers)
{
    w->tbMI->Click();
    load(true);
    calculate();
    const auto lines = memo();
    EXPECT_TRUE(contains(lines, "  TRO = ( JRO x 8/(DR^2)   + FP ) x DS/2 x μ = 0.0845333333333333(lb*ft)"));
    EXPECT_TRUE(contains(lines, "  TL  = ( F x DR/2 + TRO ) x 1/RN x 1/RM x 1/η = 0.589647058823529(lb*ft)"));
    EXPECT_TRUE(contains(lines, "  TF  = F x DR/2 x 1/RN x 1/RM x 1/η = 0.490196078431373(lb*ft)"));
}

TEST_F(RollFeedTest, ForceAloneMakesTlEqualTf)
{
    for (const char *system : {"SI", "imperial"}) {
        SCOPED_TRACE(system);
        if (AnsiString(system) == "imperial")
            w->tbMI->Click();
        setInput("F", "30");
        setInput("1/RN", "0.5");
        calculate();
        // F DR/2 / RN / η with DR = 0.2 m, or 200 inch = 16.67 ft: the same in both branches.
        const char *expected = AnsiString(system) == "SI" ? "1.76470588235294" : "147.058823529412";
        EXPECT_EQ(result("TRO"), "0");
        EXPECT_EQ(result("TL"), expected);
        EXPECT_EQ(result("TF"), expected);
    }
}

TEST_F(RollFeedTest, OtherUnitSystemKeepsTheTorquesAndWritesTheirLines)
{
    load(false);
    calculate();
    w->UnitType = 3;
    calculate();
    // Neither branch runs: TL and TF keep what the input read left in them (the results take their
    // calculation-unit copies, here the table's 0.225 and 0), and only the TRO line is missing.
    const auto lines = memo();
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                             [](const AnsiString &l) { return l.rfind("  TRO", 0) == 0; }));
    EXPECT_TRUE(contains(lines, "  TL  = ( F x DR/2 + TRO ) x 1/RN x 1/RM x 1/η = 0.225(N.m)"));
    EXPECT_TRUE(contains(lines, "  TF  = F x DR/2 x 1/RN x 1/RM x 1/η = 0(N.m)"));
    // Step 7 writes only the rule, the heading and the closing blank of a candidate.
    const auto &details = MotorSpecs[2].Lines;
    const std::vector<AnsiString> peak = {Rule, "7. 馬達加減速度最大扭矩計算", " ", Rule,
                                          "8. 單一行程扭力均方根值"};
    EXPECT_TRUE(std::search(details.begin(), details.end(), peak.begin(), peak.end()) != details.end());
}

TEST_F(RollFeedTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *reason, *lastStep;
    };
    const Case cases[] = {
        {"DR", "1e-320", "Floating point overflow", "5. 馬達最高轉速"}, // NV = V / ΔS overflows
        {"DS", "1e308", "Floating point overflow", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"tA", "1e-320", "Floating point overflow", "7. 馬達加減速度最大扭矩計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        const AnsiString before = input(c.symbol);
        messages.clear();
        setInput(c.symbol, c.text);
        if (AnsiString(c.symbol) == "DS")
            setInput("FP", "1e10");
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{AnsiString("Calculate Roll Feed Error!Calculation Error! \n\n") +
                                          c.reason});
        std::vector<AnsiString> headings;
        for (const auto &line : memo()) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_TRUE(suggestions().empty());
        setInput(c.symbol, before);
        setInput("FP", "0");
    }
    messages.clear();
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(suggestions().size(), 9u);
}

class RollFeedTextsTest : public RollFeedTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(RollFeedTextsTest, TitleIsTheMechanismName)
{
    calculate();
    EXPECT_EQ(memo().front(), "Roll Feed");
}
