#include "EngineFixture.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 40-digit arithmetic with the stored
// values rounded to double. Defaults: DT 1000 mm, MT = ML = 5 kg, DL 0, JLI 0, ρ 7870, LS 200 mm,
// DS 100 mm, DF 300 mm, μ 0.1, η 0.85, S 200 deg, V 10 deg/min, tA = tD = 0.257 s, tS 0,
// JS = JR = JC = 0, 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch, lb/inch^3, lb;
// the angles are never scaled). The indexing table: DT 1 m, MT 10 kg, DL 0.2 m, ML 5 kg, JLI 0.1,
// ρ 7850, LS 0.2 m, DS 0.05 m, DF 0.6 m, 1/RN 0.1, V 3600 deg/min (imperial: DT 12, DL 2.4, LS 2.4,
// DS 0.6, DF 7.2 inch, ρ 0.28 lb/inch^3).

namespace
{
struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Defaults[] = {
    {"ΔS", "360", "360"},
    {"ΔP", "0.036", "0.036"},
    {"JT", "0.625", "4340.27777777778"},
    {"JML", "0", "0"},
    {"JSH", "0.0154527088648448", "107310478228.089"},
    {"JL", "0.640452708864845", "107310482568.367"},
    {"TL", "1.72941176470588", "14.7058823529412"},
    {"NV", "0.0277777777777778", "0.0277777777777778"},
    {"tE", "1199.743", "1199.743"},
    {"tR", "0.0428571428571429", "0.0428571428571429"},
    {"tM", "1200.29985714286", "1200.29985714286"},
    {"tP", "1200.29985714286", "1200.29985714286"},
};
const ResultRow Indexing[] = {
    {"ΔS", "36", "36"},
    {"ΔP", "0.0036", "0.0036"},
    {"JT", "1.25", "1.25"},
    {"JML", "0.3", "0.3"},
    {"JSH", "0.000963339934792183", "5.93761011528471E-5"},
    {"JL", "0.0155096333993479", "0.0155005937610115"},
    {"TL", "0.518823529411765", "0.0529411764705882"},
    {"NV", "100", "100"},
    {"tE", "3.07633333333333", "3.07633333333333"},
    {"tP", "3.63319047619048", "3.63319047619048"},
};

struct CandidateRow {
    int record;
    double TA, TD, Trms, Pr;
};
const CandidateRow IndexingSi[] = {
    {6, 1.197932718871581, -0.16028566004805142, 0.5755420678576283, -7.6533056577080805},
    {9, 1.2150432247081568, -0.1773961658846273, 0.5784270967096317, -5.72092187653582},
    {10, 1.327076298638118, -0.2894292398145884, 0.5986846850282134, -7.610265190968235},
    {41, 1.3745375826848105, -0.336890523861281, 0.6079441395419564, -7.594447480005484},
    {42, 1.467423185797651, -0.42977612697412143, 0.6271413613515496, -7.563490929795122},
};
const CandidateRow IndexingImperial[] = {
    {6, 0.10741628804215707, -0.0015339351009805882, 0.0564759639692641, -7.706031815470996},
    {10, 0.20265473131030057, -0.09677237836912407, 0.07707602521633597, -7.662991432281777},
    {42, 0.3061551846411379, -0.2002728316999614, 0.10881455455673357, -7.616217261907373},
};

} // namespace

class RotaryTableTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(3);
    }
    void indexingTable(bool imperial)
    {
        setInput("DT", imperial ? "12" : "1000");
        setInput("MT", "10");
        setInput("DL", imperial ? "2.4" : "200");
        setInput("ML", "5");
        setInput("JLI", "0.1");
        setInput("ρ", imperial ? "0.28" : "7850");
        setInput("LS", imperial ? "2.4" : "200");
        setInput("DS", imperial ? "0.6" : "50");
        setInput("DF", imperial ? "7.2" : "600");
        setInput("1/RN", "0.1");
        setInput("V", "3600");
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

TEST_F(RotaryTableTest, DefaultsInSiAndImperial)
{
    // The table as a 1 m disc of 5 kg: JL/15 = 0.043 kg·m² is far above every rotor.
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    EXPECT_TRUE(suggestions().empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
    EXPECT_TRUE(messages.empty());

    w->tbMI->Click();
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    EXPECT_TRUE(suggestions().empty());
    // The angles stay in degrees in both systems.
    EXPECT_EQ(w->sgPar1->Cells(2, rowOf(w->sgPar1, "S")), "(deg)");
    EXPECT_EQ(w->sgPar1->Cells(2, rowOf(w->sgPar1, "V")), "(deg/min)");
    EXPECT_EQ(w->sgPar3->Cells(2, rowOf(w->sgPar3, "ΔS")), "(deg)");
}

TEST_F(RotaryTableTest, IndexingTableInSi)
{
    indexingTable(false);
    calculate();
    for (const auto &r : Indexing)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    expectCandidates(std::begin(IndexingSi), std::end(IndexingSi));
    for (int r = 0; r < 43; ++r) {
        const bool candidate = r == 6 || r == 9 || r == 10 || r == 41 || r == 42;
        EXPECT_EQ(MotorSpecs[r].Pass, candidate ? 1 : 0) << r;
    }
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",   "Kelo-P Pemra-2000-30 2000 0.00158 9.4 21 ",
        "Kelo-P Pemra-3000-30 3000 0.00433 14.3 28 ",  "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
        "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
    };
    EXPECT_EQ(suggestions(), expected);
}

TEST_F(RotaryTableTest, IndexingTableInImperial)
{
    w->tbMI->Click();
    indexingTable(true);
    calculate();
    for (const auto &r : Indexing)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    expectCandidates(std::begin(IndexingImperial), std::end(IndexingImperial));
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-0750-50 750 0.0025628760396 1.76277353677266 14 ",
        "Kelo-P Pemra-1000-50 1000 0.006169886762 2.43395509261498 18 ",
        "Kelo-P Pemra-2000-45 2000 0.011153256839 5.01542261508541 21 ",
        "Kelo-Q Vorn-0400-50b 400 0.0016136626916 0.936703929582127 8 ",
        "Kelo-Q Vorn-0750-50 750 0.0026815277081 1.76277353677266 14 ",
        "Kelo-Q Vorn-1000-50 1000 0.0062885384305 2.3454476347017 18 ",
        "Kelo-R Vorn-0400-50b 400 0.0016136626916 0.936703929582127 6.22 ",
        "Kelo-R Vorn-0750-50 750 0.0026815277081 1.76277353677266 11.07 ",
        "Kelo-R Vorn-1000-50 1000 0.0062885384305 2.3454476347017 13.5 ",
        "Kelo-T Vorn-3000-30 3000 0.1303981836815 14.0874370511958 28 ",
        "Kelo-T Vorn-4500-30 4500 0.1845033445175 21.1311555767937 28 ",
    };
    EXPECT_EQ(suggestions(), expected);
    EXPECT_TRUE(
        contains(memo(), "  TL  = μ x ( MT + ML) x DF/2 x 1/RN x 1/RM x 1/η = 0.0529411764705882(lb*ft)"));
    EXPECT_TRUE(contains(memo(), "  ΔP = ΔS / 10000= 0.0036(deg/pulse)"));
}

TEST_F(RotaryTableTest, ProcessMemoAndResultLog)
{
    indexingTable(false);
    calculate();
    const std::vector<AnsiString> expected = {
        "分度加工裝置Calculation Result of Ratary Table",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = 360 x 1/RN x 1/RM = 36(deg)",
        "  ΔP = ΔS / 10000= 0.0036(deg/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 3.07633333333333 (s)",
        "  tM = tA + tE + tD + tR = 3.63319047619048 (s)",
        "  tP = tM + tS = 3.63319047619048 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JT  = ( MT x ( DT/2)^2 ) / 2 = 1.25(kg*m^2)",
        "  JML =  JLI + ML x DL^2 = 0.3(kg*m^2)",
        "  JSH  = π x ρ x LS x DS^4 / 32 = 0.000963339934792183(kg*m^2)",
        "  JL  = ( JS + JR + JC + ( JT + JML + JSH ) x (1/RN)^2 ) x (1/RM)^2 = 0.0155096333993479(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TL  = μ x ( MT + ML) x g x DF/2 x 1/RN x 1/RM x 1/η = 0.518823529411765(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 100(rpm)",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));
    EXPECT_EQ(w->ResultLines, std::vector<AnsiString>(expected.begin(), expected.begin() + 21));

    const std::vector<AnsiString> pick = {
        "                      JM > JL/m  (m=15:馬達慣量比)",
        "     共5組",
        Rule,
        "7. 馬達加減速度最大扭矩計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), pick.begin(), pick.end()) != lines.end());
    EXPECT_TRUE(contains(MotorSpecs[6].Lines,
                         "    Pemra-3000-45 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD  ) / "
                         "tP) = 0.575542067857628(N.m)"));
    EXPECT_TRUE(
        contains(MotorSpecs[6].Lines,
                 "    Pemra-3000-45 TD = -0.1047 x ( JM + JL) x N/tD  +  TL = -0.160285660048051(N.m)"));
}

TEST_F(RotaryTableTest, AnglesEnterAsTyped)
{
    setInput("S", "90");
    setInput("V", "5400");
    calculate();
    EXPECT_EQ(result("tE"), "0.743"); // 90 / 5400 x 60 = 1 s less the half ramps
    EXPECT_EQ(result("NV"), "15");
    EXPECT_EQ(input("S"), "90");
}

TEST_F(RotaryTableTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *reason, *lastStep;
    };
    const Case cases[] = {
        {"η", "1e-320", "Floating point overflow", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"1/RN", "1e-320", "Floating point overflow", "5. 馬達最高轉速"}, // NV = V / ΔS
        {"1/RN", "1e308", "Floating point overflow", "1. 馬達選轉一圈導螺桿前進距離"},
        {"DT", "1e308", "Floating point overflow", "3. 負載端相對於馬達端之轉動慣量計算"},
        {"V", "1e-320", "Floating point overflow", "2. 加減速度時間計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        const AnsiString before = input(c.symbol);
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{AnsiString("Calculate Ratary Table Error!Calculation Error! \n\n") +
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
    }
    messages.clear();
    indexingTable(false);
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(suggestions().size(), 5u);
}

TEST_F(RotaryTableTest, NearlyNoReducerTurnLeavesOnlyTheDriveSideInertia)
{
    setInput("1/RN", "1e-320");
    setInput("JS", "0.01");
    setInput("JC", "0.02");
    calculate();
    EXPECT_EQ(result("JL"), "0.03");
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"Calculate Ratary Table Error!Calculation Error! \n\n"
                                                      "Floating point overflow"});
}

class RotaryTableTextsTest : public RotaryTableTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(RotaryTableTextsTest, TitleNamesTheMechanismFromTheMessageFile)
{
    calculate();
    EXPECT_EQ(memo().front(), "Rotary TableCalculation Result of Ratary Table");
}
