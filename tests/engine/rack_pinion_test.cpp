#include "EngineFixture.h"

#include <algorithm>
#include <cmath>

// Expected figures were worked out apart from the program, in 40-digit arithmetic with the stored
// values rounded to double, from the default inputs: DG 200 mm, LG 50 mm, ρ 7870, ML = MT = 5 kg,
// F 0, μ 0.1, η 0.85, V 10 m/min, S 200 mm, tA = tD = 0.257 s, tS 0, JS = JR = JC = 0,
// 1/RN = 1/RM = 1, ηm 0.9 (imperial: the same numbers read in inch, lb/inch^3, lb, ft/min).

namespace
{
struct ResultRow {
    const char *symbol;
    const char *si;
    const char *imperial;
};
const ResultRow Defaults[] = {
    {"ΔS", "0.628318530717959", "52.3598775598299"},    {"ΔP", "6.28318530717959E-5", "0.00523598775598299"},
    {"JG", "0.0618108354593792", "429241912912.356"},   {"JF", "0.1", "694.444444444445"},
    {"JL", "0.161810835459379", "429241913606.8"},      {"TL", "1.15294117647059", "9.80392156862745"},
    {"NV", "15.9154943091895", "0.190985931710274"},    {"tE", "0.943", "99.743"},
    {"tR", "0.0428571428571429", "0.0428571428571429"}, {"tM", "1.49985714285714", "100.299857142857"},
    {"tP", "1.49985714285714", "100.299857142857"},
};

struct CandidateRow {
    int record;
    double TA, TD, Trms, Pr;
};
// SI with a pinion of 20 mm: 34 candidates after the first stage.
const CandidateRow SmallPinion[] = {
    {3, 0.18753606940280731, 0.04305216589131038, 0.12124940521208347, -9.33422230688637},
    {10, 0.46128467707264353, -0.23069644177852586, 0.2322439583309716, -18.37202737946806},
    {29, 0.18494252503833705, 0.045645710255780646, 0.12072822902270448, -4.147061624916658},
    {42, 0.6846536854626449, -0.4540654501685273, 0.35214463988526545, -18.08502501746412},
};
// Imperial with DG 2 inch, LG 1 inch and ρ 0.284 lb/inch^3 (iron).
const CandidateRow SmallPinionImperial[] = {
    {4, 0.11707159607822712, 0.07900683529432193, 0.09802773656646048, -0.17946187076181563},
    {22, 0.11756964743626093, 0.07850878393628812, 0.09802823859169438, -0.20937218255545156},
    {42, 0.16019205639647688, 0.03588637497607216, 0.09811919876650436, -0.2791629100739354},
};
// SI with a 100 mm steel pinion behind a 1:5 reducer (1/RN 0.2), ML 20 kg, MT 10 kg: JG enters as
// JG / 25, the reducer's JR in full.
const CandidateRow GearedPinion[] = {
    {5, 0.5808661859947696, 0.11089851988758354, 0.36761271771210496, -14.001333460329555},
    {10, 0.83114321716615, -0.1393785112837968, 0.44375029953515427, -18.489359958119884},
    {42, 1.0545122255561514, -0.3627475196737982, 0.5369401816150685, -18.20235759611594},
};
const CandidateRow GearedPinionWithReducerInertia[] = {
    {5, 0.6457047951065262, 0.046059910775826995, 0.3834352407901872, -14.001333460329555},
    {10, 0.8959818262779066, -0.20421712039555337, 0.46895648675543306, -18.40605012880089},
    {42, 1.119350834667908, -0.4275861287855548, 0.5667779113886247, -18.119047766796946},
};

} // namespace

class RackPinionTest : public EngineTest
{
  protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        w->pcModPic->UserSelect(1);
    }
    void expectCandidates(const std::vector<CandidateRow> &rows)
    {
        for (const auto &c : rows) {
            const CMOTORSPC &m = MotorSpecs[c.record];
            EXPECT_EQ(m.Pass, 1) << m.Model;
            EXPECT_TRUE(near(m.TA, c.TA)) << m.Model << " TA " << m.TA;
            EXPECT_TRUE(near(m.TD, c.TD)) << m.Model << " TD " << m.TD;
            EXPECT_TRUE(near(m.Trms, c.Trms)) << m.Model << " Trms " << m.Trms;
            EXPECT_TRUE(near(m.Pr, c.Pr)) << m.Model << " Pr " << m.Pr;
        }
    }
};

TEST_F(RackPinionTest, DefaultsInSiAndImperial)
{
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.si) << r.symbol;
    // The iron pinion of 200 mm puts JL/15 = 0.0108 above every rotor.
    for (int r = 0; r < 43; ++r)
        EXPECT_EQ(MotorSpecs[r].Pass, 0) << r;
    EXPECT_TRUE(suggestions().empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");

    w->tbMI->Click();
    calculate();
    for (const auto &r : Defaults)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    EXPECT_TRUE(suggestions().empty());
}

TEST_F(RackPinionTest, ProcessMemoAndResultLog)
{
    calculate();
    const std::vector<AnsiString> expected = {
        "齒條傳動裝置    Calculation Result of Rack and Pinion",
        Rule,
        Rule,
        "1. 馬達選轉一圈導螺桿前進距離",
        "  ΔS = π x DG x 1/RN x 1/RM = 0.628318530717959(m/rev)",
        "  ΔP = ΔS / 10000= 6.28318530717959E-5(m/pulse)",
        Rule,
        "2. 加減速度時間計算",
        "  tR = 3 / KP = 0.0428571428571429 (s)",
        "  tE = S/V - (tA+tD)/2 = 0.943 (s)",
        "  tM = tA + tE + tD + tR = 1.49985714285714 (s)",
        "  tP = tM + tS = 1.49985714285714 (s)",
        Rule,
        "3. 負載端相對於馬達端之轉動慣量計算",
        "  JG = π x LG x ρ x DG^4 / 32 = 0.0618108354593792(kg*m^2)",
        "  JF = ( ML + MT ) x (ΔS/2π)^2 = 0.1(kg*m^2)",
        "  JL = JF + ( JS + JR + JC + JG x (1/RN)^2 ) x (1/RM)^2 = 0.161810835459379(kg*m^2)",
        Rule,
        "4. 外力與摩擦力換算成馬達端等效力矩",
        "  TL = ( F + μ x ( MT + ML ) x g ) x ΔS/2π x 1/η = 1.15294117647059(N.m)",
        Rule,
        "5. 馬達最高轉速",
        "  NV = V / ΔS = 15.9154943091895(rpm)",
    };
    const auto lines = memo();
    ASSERT_TRUE(StartsWith(lines, expected));

    // Step 6 lists no candidate; its count is built-in text that also goes to the result log.
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
    auto log = std::vector<AnsiString>(expected.begin(), expected.begin() + 20);
    log.push_back("     共0組");
    EXPECT_EQ(w->ResultLines, log);
}

TEST_F(RackPinionTest, ReducerInertiaCountsInFullThePinionThroughTheReducer)
{
    struct Case {
        const char *JR, *JL;
        std::vector<CandidateRow> candidates;
        std::vector<AnsiString> suggested;
    };
    const Case cases[] = {
        // JL = JR + JG x 0.2^2 + JF = 0 + 0.00385335973916873 / 25 + 0.003
        {"0",
         "0.00315413438956675",
         {std::begin(GearedPinion), std::end(GearedPinion)},
         {
             "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",
             "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",
             "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",
             "Kelo-Q Vorn-1000-50 1000 0.000265 3.18 18 ",
             "Kelo-Q Vorn-2000-50 2000 0.000445 6.37 21 ",
             "Kelo-Q Vorn-2000-30b 2000 0.0003468 9.55 21 ",
             "Kelo-R Vorn-1000-50 1000 0.000265 3.18 13.5 ",
             "Kelo-R Vorn-2000-50 2000 0.000445 6.37 22.5 ",
             "Kelo-R Vorn-2000-30b 2000 0.0003468 9.55 22.5 ",
             "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
             "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
         }},
        // A reducer of 0.001 kg·m² lifts JL/15 above the 1000 W rotors of 0.00026 and 0.000265.
        {"0.001",
         "0.00415413438956675",
         {std::begin(GearedPinionWithReducerInertia), std::end(GearedPinionWithReducerInertia)},
         {
             "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",
             "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",
             "Kelo-P Pemra-1000-30 1000 0.000598 4.8 18 ",
             "Kelo-Q Vorn-2000-50 2000 0.000445 6.37 21 ",
             "Kelo-Q Vorn-2000-30b 2000 0.0003468 9.55 21 ",
             "Kelo-R Vorn-2000-50 2000 0.000445 6.37 22.5 ",
             "Kelo-R Vorn-2000-30b 2000 0.0003468 9.55 22.5 ",
             "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
             "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.JR);
        InitParamAndMotorTables();
        w->tbSI->Click();
        w->pcModPic->UserSelect(1);
        setInput("DG", "100");
        setInput("LG", "50");
        setInput("ρ", "7850");
        setInput("ML", "20");
        setInput("MT", "10");
        setInput("1/RN", "0.2");
        setInput("JR", c.JR);
        calculate();
        EXPECT_EQ(result("ΔS"), "0.0628318530717959");
        EXPECT_EQ(result("JG"), "0.00385335973916873");
        EXPECT_EQ(result("JF"), "0.003");
        EXPECT_EQ(result("JL"), c.JL);
        EXPECT_EQ(result("TL"), "0.345882352941177");
        EXPECT_TRUE(
            contains(memo(), AnsiString("  JL = JF + ( JS + JR + JC + JG x (1/RN)^2 ) x (1/RM)^2 = ") + c.JL +
                                 "(kg*m^2)"));
        expectCandidates(c.candidates);
        EXPECT_EQ(suggestions(), c.suggested);
    }
}

TEST_F(RackPinionTest, SmallPinionInSi)
{
    setInput("DG", "20");
    calculate();
    EXPECT_EQ(result("JF"), "0.001");
    EXPECT_EQ(result("JL"), "0.00100618108354594");
    EXPECT_EQ(result("TL"), "0.115294117647059");
    EXPECT_EQ(result("NV"), "159.154943091895");
    expectCandidates({std::begin(SmallPinion), std::end(SmallPinion)});
    // Kelo-P shows a 2000 W row, so the Kelo-T rows follow.
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-0750-50 750 0.000108 2.39 14 ",   "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",
        "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",    "Kelo-Q Vorn-0400-50b 400 6.8E-5 1.27 8 ",
        "Kelo-Q Vorn-0750-50 750 0.000113 2.39 14 ",    "Kelo-Q Vorn-1000-50 1000 0.000265 3.18 18 ",
        "Kelo-R Vorn-0400-50b 400 6.8E-5 1.27 6.22 ",   "Kelo-R Vorn-0750-50 750 0.000113 2.39 11.07 ",
        "Kelo-R Vorn-1000-50 1000 0.000265 3.18 13.5 ", "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
        "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 ",
    };
    EXPECT_EQ(suggestions(), expected);
    EXPECT_TRUE(contains(w->ResultLines, "     共34組"));
}

TEST_F(RackPinionTest, SmallPinionInImperial)
{
    w->tbMI->Click();
    setInput("DG", "2");
    setInput("LG", "1");
    setInput("ρ", "0.284");
    calculate();
    const ResultRow rows[] = {
        {"ΔS", "", "0.523598775598299"},  {"JG", "", "0.00309795942228993"}, {"JF", "", "0.0694444444444444"},
        {"JL", "", "0.0725424038667344"}, {"TL", "", "0.0980392156862745"},  {"NV", "", "19.0985931710274"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(result(r.symbol), r.imperial) << r.symbol;
    expectCandidates({std::begin(SmallPinionImperial), std::end(SmallPinionImperial)});
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-1000-50 1000 0.006169886762 2.43395509261498 18 ",
        "Kelo-P Pemra-2000-45 2000 0.011153256839 5.01542261508541 21 ",
        "Kelo-P Pemra-3000-45 3000 0.027527187092 7.00684041813402 28 ",
        "Kelo-Q Vorn-1000-50 1000 0.0062885384305 2.3454476347017 18 ",
        "Kelo-Q Vorn-2000-50 2000 0.0105599984965 4.69827089089618 21 ",
        "Kelo-Q Vorn-2000-30b 2000 0.00822967972716 7.04371852559789 21 ",
        "Kelo-R Vorn-1000-50 1000 0.0062885384305 2.3454476347017 13.5 ",
        "Kelo-R Vorn-2000-50 2000 0.0105599984965 4.69827089089618 22.5 ",
        "Kelo-R Vorn-2000-30b 2000 0.00822967972716 7.04371852559789 22.5 ",
        "Kelo-T Vorn-3000-30 3000 0.1303981836815 14.0874370511958 28 ",
        "Kelo-T Vorn-4500-30 4500 0.1845033445175 21.1311555767937 28 ",
    };
    EXPECT_EQ(suggestions(), expected);
    EXPECT_TRUE(contains(memo(), "  TL = ( F + μ x ( MT + ML ) ) x ΔS/2π x 1/η = 0.0980392156862745(lb*ft)"));
}

TEST_F(RackPinionTest, DetailLinesOfACandidate)
{
    setInput("DG", "20");
    calculate();
    const auto &lines = MotorSpecs[3].Lines;
    const std::vector<AnsiString> peak = {
        Rule,
        "7. 馬達加減速度最大扭矩計算",
        "    Pemra-0750-50 TA =  0.1047 x ( JM + JL) x N/tA  +  TL = 0.187536069402807(N.m)",
        "    Pemra-0750-50 TD = -0.1047 x ( JM + JL) x N/tD  +  TL = 0.0430521658913104(N.m)",
        " ",
        " " + Rule, // step 8 opens every record's details with an indented rule
        "8. 單一行程扭力均方根值",
        "    Pemra-0750-50 Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD ) / tP) = 0.121249405212083(N.m)",
        Rule,
        "9. 伺服回生能量計算",
    };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), peak.begin(), peak.end()) != lines.end());
    EXPECT_TRUE(contains(MotorSpecs[0].Lines, " " + Rule)); // not a candidate: headings only
    EXPECT_FALSE(contains(memo(), " " + Rule));
}

TEST_F(RackPinionTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *lastStep;
    };
    const Case cases[] = {
        {"1/RN", "1e-320", "5. 馬達最高轉速"}, // NV = V / ΔS
        {"η", "1e-320", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"DG", "1e308", "3. 負載端相對於馬達端之轉動慣量計算"}, // 1e305 m: DG^4 overflows
        {"V", "1e-320", "2. 加減速度時間計算"},
        {"tA", "1e-320", "7. 馬達加減速度最大扭矩計算"}, // the largest rotor is a candidate
    };
    setInput("LG", "10"); // a short pinion: JL/15 = 0.0075
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        const AnsiString before = input(c.symbol);
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(),
                  std::vector<AnsiString>{"Calculate Rack and Pinion Error!Calculation Error!"});
        std::vector<AnsiString> headings;
        for (const auto &line : memo()) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_TRUE(suggestions().empty());
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
        setInput(c.symbol, before);
    }
    // Still usable: the defaults calculate again without a box.
    messages.clear();
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(result("TL"), "1.15294117647059");
}

class RackPinionTextsTest : public RackPinionTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(RackPinionTextsTest, TitleAndBoxNameTheMechanismFromTheMessageFile)
{
    setInput("1/RN", "1e-320");
    calculate();
    EXPECT_EQ(memo().front(), "Rack and Pinion    Calculation Result of Rack and Pinion");
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"Rack and Pinion Calculation Error!"});
}
