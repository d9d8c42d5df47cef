#include "EngineFixture.h"

#include "engine/Mechanisms.h"
#include "model/Texts.h"

#include <algorithm>
#include <cmath>

namespace
{
const AnsiString Title = "滾珠導螺桿傳動裝置  Calculation Result of Ball Screw";
const std::vector<AnsiString> ClosingNone = {
    "  ", "==================================  ", "Suggest Maches : Total  0 Sets"};

std::vector<AnsiString> joined(std::vector<AnsiString> a, const std::vector<AnsiString> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

class CalculateTest : public EngineTest
{
};

TEST_F(CalculateTest, SmallSeriesShowsOnceALargeRowIsShown)
{
    // A 3000 kg load leaves only motors of 1 kW and more; Kelo-P shows a 2000 W row first.
    setInput("ML", "3000");
    calculate();
    const AnsiString resistor = "需外加回升電阻";
    const std::vector<AnsiString> expected = {
        "Kelo-P Pemra-1000-50 1000 0.00026 3.3 18 ",
        "Kelo-P Pemra-2000-45 2000 0.00047 6.8 21 ",
        "Kelo-P Pemra-3000-45 3000 0.00116 9.5 28 ",
        "Kelo-Q Vorn-1000-50 1000 0.000265 3.18 18 ",
        "Kelo-Q Vorn-2000-50 2000 0.000445 6.37 21 ",
        "Kelo-Q Vorn-2000-30a 2000 0.0001459 9.55 21 ",
        "Kelo-R Vorn-1000-50 1000 0.000265 3.18 13.5 ",
        "Kelo-R Vorn-2000-50 2000 0.000445 6.37 22.5 ",
        "Kelo-R Vorn-2000-30a 2000 0.0001459 9.55 22.5 ",
        "Kelo-T Vorn-3000-30 3000 0.005495 19.1 28 ",
        "Kelo-T Vorn-4500-30 4500 0.007775 28.65 28 " + resistor,
    };
    EXPECT_EQ(suggestions(), expected);
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  11 Sets");
    EXPECT_EQ(w->sgMotorRlt->FixedRows(), 1);
    // The input grid shows the values as entered again, not in calculation units.
    EXPECT_EQ(input("ML"), "3000");
    EXPECT_EQ(input("PB"), "5");
}

TEST_F(CalculateTest, CandidateWithoutValidRmsTorqueIsDropped)
{
    // Inputs that pass the reading never make the radicand negative; negative ramp times set behind
    // its back do. Each mechanism's step 8 then drops the candidate and logs by its own code.
    struct Case {
        const char *name;
        const engine::Mechanism &(*mechanism)();
        bool inResultLog; // code 110; code 10 reaches the memo only
    };
    const Case cases[] = {
        {"ball screw", engine::BallScrew, true},  {"rack and pinion", engine::RackPinion, false},
        {"roll feed", engine::RollFeed, false},   {"rotary table", engine::RotaryTable, false},
        {"wheel cart", engine::WheelCart, false}, {"conveyor", engine::Conveyor, false},
        {"elevator", engine::Elevator, false},
    };
    const AnsiString failure = "    Vorn-3000-30 Trms Calculation Error!";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        w->moRlt->Lines.Clear();
        w->ResultLines.clear();
        // tA, tD < 0; TL, TF, TW, TUP, TDN, tR, tS = 0; tE = tP = 1.
        for (int id : {55, 56, 57, 58, 59, 17, 19})
            SizeItems[id].dV = 0;
        SizeItems[14].dV = SizeItems[16].dV = -0.1;
        SizeItems[15].dV = SizeItems[20].dV = 1;
        for (auto &m : MotorSpecs) {
            m.Pass = 0;
            m.Lines.clear();
        }
        CMOTORSPC &m = MotorSpecs[41];
        m.Pass = 1;
        m.TA = m.TD = m.TMAU = m.TMAD = m.TMDU = m.TMDD = 1;
        m.Trms = 123;
        m.Calculated = 0;
        c.mechanism().rmsTorques(engine::Calc(w, 1));
        EXPECT_EQ(m.Pass, 0);
        EXPECT_EQ(m.Trms, 123);
        EXPECT_FALSE(m.IsCalculated(ResultTrms)); // not this run's: not shown
        EXPECT_TRUE(contains(memo(), failure));
        EXPECT_TRUE(contains(m.Lines, failure));
        EXPECT_EQ(contains(w->ResultLines, failure), c.inResultLog);
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(CalculateTest, FinalChecksFailOnEqualityAndStillWriteEveryLine)
{
    // The first run gives Pemra-0200-50's Trms, TA and Pr; each case then puts one catalogue value
    // exactly on that result (or just below it) and calculates again.
    calculate();
    const double trms = MotorSpecs[1].Trms, ta = MotorSpecs[1].TA, pr = MotorSpecs[1].Pr;
    ASSERT_LT(0, ta);
    const AnsiString resistor = "需外加回升電阻";
    struct Case {
        const char *name;
        void (*edit)(CMOTORSPC &m, double trms, double ta, double pr);
        int pass, needResistor;
        const char *ttypLine, *taLine;
    };
    const Case cases[] = {
        // Dropped on the first check, yet all three lines are written and the resistor is judged.
        {"Ttyp = Trms",
         [](CMOTORSPC &m, double t, double, double p) {
             m.Ttyp = t;
             m.RegenW = p - 1;
         },
         0, 1, " (X) Ttyp <= Trms", " (V)Tmax  >   |TA|"},
        {"Tmax = |TA|", [](CMOTORSPC &m, double, double a, double) { m.Tmax = a; }, 0, 0, " (V) Ttyp > Trms",
         " (X)Tmax  <=  |TA|"},
        {"Pr = RegenW", [](CMOTORSPC &m, double, double, double p) { m.RegenW = p; }, 1, 0,
         " (V) Ttyp > Trms", " (V)Tmax  >   |TA|"},
        {"Pr just above RegenW",
         [](CMOTORSPC &m, double, double, double p) { m.RegenW = std::nextafter(p, -1e9); }, 1, 1,
         " (V) Ttyp > Trms", " (V)Tmax  >   |TA|"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        InitParamAndMotorTables();
        w->tbSI->Click();
        c.edit(MotorSpecs[1], trms, ta, pr);
        calculate();
        const CMOTORSPC &m = MotorSpecs[1];
        EXPECT_EQ(m.Pass, c.pass);
        EXPECT_EQ(m.NeedResistor, c.needResistor);
        const std::vector<AnsiString> checks = {"---------------------", "Pemra-0200-50", c.ttypLine,
                                                c.taLine, " (V)Tmax  >   |TD|"};
        ASSERT_GE(m.Lines.size(), checks.size());
        EXPECT_EQ(std::vector<AnsiString>(m.Lines.end() - static_cast<long>(checks.size()), m.Lines.end()),
                  checks);
        const auto rows = suggestions();
        ASSERT_FALSE(rows.empty());
        const AnsiString first = "Kelo-P Pemra-0200-50 200 1.8E-5 ";
        if (c.pass == 1)
            EXPECT_EQ(rows[0], first + "0.64 4 " + (c.needResistor ? resistor : AnsiString()));
        else
            EXPECT_NE(rows[0].substr(0, first.size()), first);
    }
}

TEST_F(CalculateTest, BadTextStopsWithTheReasonInTheMemoAndKeepsWhatWasTyped)
{
    setInput("S", "300");
    setInput("η", "abc");
    setInput("tS", "");
    calculate();
    EXPECT_EQ(memo(), joined({Title, Rule, "η  Input Error! => abc", "tS  Input Error! => ",
                              "Input Error! Please Check again!"},
                             ClosingNone));
    EXPECT_EQ(w->ResultLines, (std::vector<AnsiString>{Title, Rule}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(SizeItems[12].iErCode, -1);
    EXPECT_EQ(SizeItems[5].iErCode, 1);
    // The cells and the values stay as typed; nothing was saved as entered.
    EXPECT_EQ(input("η"), "abc");
    EXPECT_EQ(input("tS"), "");
    EXPECT_EQ(input("S"), "300");
    EXPECT_EQ(SizeItems[5].dV, 300);
    EXPECT_EQ(SizeItems[5].dV_O, 0);
    EXPECT_EQ(w->sgMotorRlt->RowCount(), 1);
    EXPECT_EQ(w->PageControl1->ActivePage(), w->tsPar3);
}

TEST_F(CalculateTest, ImpossibleInputsStopBeforeTheFirstStepWithOneBox)
{
    const AnsiString heading = "Calculation stopped, these inputs are not physically possible:";
    const AnsiString atLeastZero = ": must be 0 or more", aboveZero = ": must be above 0",
                     efficiency = ": must be above 0 and at most 1";
    struct Case {
        int index;
        const char *symbol, *text;
        AnsiString line;
    };
    const Case cases[] = {
        {0, "ML", "-5", "ML  負載重量" + atLeastZero},       // a mass
        {0, "ρ", "-7870", "ρ  比重" + atLeastZero},          // a density
        {4, "DI", "-100", "DI  輪子內徑" + atLeastZero},     // a length
        {1, "JR", "-0.001", "JR  減速機慣量" + atLeastZero}, // an inertia
        {5, "WRN", "-2", "WRN  滾筒數量" + atLeastZero},     // a count
        {6, "μ", "-0.1", "μ  滑軌摩擦係數" + atLeastZero},   // friction
        {2, "tS", "-1e-9", "tS  停止時間" + atLeastZero},    // a time
        {3, "1/RN", "-0.1", "1/RN  JR 減速比" + aboveZero},  // what divides: above 0
        {0, "1/RN", "-0", "1/RN  JR 減速比" + aboveZero},
        {0, "V", "-100", "V  平台移動速度" + aboveZero},
        {3, "V", "0", "V  平台轉動速度" + aboveZero},
        {0, "tA", "0", "tA  馬達加速時間" + aboveZero},
        {6, "tD", "0", "tD  馬達減速時間" + aboveZero},
        {6, "PB", "0", "PB  導螺桿導程" + aboveZero},
        {1, "DG", "0", "DG  小齒輪直徑" + aboveZero},
        {5, "DR", "0", "DR  滾筒直徑" + aboveZero},
        {4, "DO", "-200", "DO  輪子外徑" + aboveZero},
        {0, "S", "-2000", "S  單一行程移動距離 " + atLeastZero}, // as built in, with its blank
        {2, "FP", "-1", "FP  滾輪擠壓工件造成之反力" + atLeastZero},
        {0, "η", "1.0000001", "η  由馬達至導螺桿的傳動效" + efficiency}, // above 1
        {0, "η", "0", "η  由馬達至導螺桿的傳動效" + efficiency},         // no power through
        {5, "η", "-0", "η  由馬達至導螺桿的傳動效" + efficiency},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        InitParamAndMotorTables();
        w->tbSI->Click();
        w->pcModPic->UserSelect(c.index);
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{heading + "\n" + c.line});
        const auto lines = memo();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(std::vector<AnsiString>(lines.begin() + 1, lines.end()),
                  joined({Rule, heading, c.line}, ClosingNone));
        EXPECT_EQ(w->ResultLines.size(), 2u); // the title and its rule
        EXPECT_TRUE(suggestions().empty());
        EXPECT_EQ(input(c.symbol), c.text); // kept as typed
        EXPECT_TRUE(chartEmpty());
    }
}

TEST_F(CalculateTest, ZeroNegativeForceAndHiddenRowsFollowTheRule)
{
    // Zero where a machine can have it, a lossless drive and a force that pulls still calculate: with
    // F = -10 N the load torque turns negative; the inertia of the iron screw keeps the nine matches.
    setInput("ML", "0");
    setInput("tS", "0");
    setInput("JR", "0");
    setInput("η", "1");
    setInput("F", "-10");
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(result("TL"), "-0.00405845104884333"); // -5.1 N x 0.005 m / 2π
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  9 Sets");

    // 1/RM and ηm are no input rows, yet every calculation reads them from the all-parameters grid.
    w->actDebug->Execute();
    w->sgAll->SetCells(1, rowOf(w->sgAll, "ηm"), "1.5");
    w->sgAll->SetCells(1, rowOf(w->sgAll, "1/RM"), "-1");
    w->sgAll->SetCells(1, rowOf(w->sgAll, "MC"), "-50"); // not read by the ball screw
    calculate();
    EXPECT_EQ(MessageTexts(),
              std::vector<AnsiString>{"Calculation stopped, these inputs are not physically possible:\n"
                                      "1/RM  減速機減速比: must be above 0\n"
                                      "ηm  回生能量效率: must be above 0 and at most 1"});
    EXPECT_TRUE(suggestions().empty());
}

TEST_F(CalculateTest, FailedCalculationShowsOnlyWhatItComputed)
{
    // Each case follows a good run, which leaves its results, matches and chart; the next one stops
    // at a different step.
    struct Case {
        const char *name, *symbol, *text;
        std::vector<AnsiString> computed; // result rows with a value
        size_t boxes;
    };
    const std::vector<AnsiString> times = {"ΔS", "ΔP", "tE", "tR", "tM", "tP"};
    const Case cases[] = {
        {"negative constant-speed time", "S", "1", times, 1},
        {"fault box", "1/RN", "1e-320", joined(times, {"JF", "JB", "JL", "TL"}), 1}, // NV overflows
        {"bad input", "V", "x", {}, 0},
        {"impossible input", "ML", "-1", {}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        InitParamAndMotorTables();
        w->tbSI->Click();
        calculate();
        ASSERT_GT(w->sgMotorRlt->RowCount(), 1);
        ASSERT_TRUE(chartDrawn());
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();

        EXPECT_EQ(messages.size(), c.boxes);
        for (int row = 1; row < w->sgPar3->RowCount(); ++row) {
            const AnsiString symbol = w->sgPar3->Cells(0, row);
            const bool computed = std::count(c.computed.begin(), c.computed.end(), symbol) > 0;
            EXPECT_EQ(w->sgPar3->Cells(1, row).empty(), !computed) << symbol;
        }
        if (c.symbol == AnsiString("S")) {
            EXPECT_EQ(result("tE"), "-0.251"); // 0.001 m / 10 m/min x 60 s - 0.257 s
        }
        EXPECT_EQ(w->sgMotorRlt->RowCount(), 1);
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
        EXPECT_TRUE(chartEmpty());
        for (int row = 1; row <= 43; ++row) {
            for (int col = 8; col < 16; ++col)
                EXPECT_EQ(w->sgMotor->Cells(col, row), "") << row << "," << col;
        }
        EXPECT_EQ(input("PB"), "5");
    }
}

TEST_F(CalculateTest, NegativeConstantSpeedTimeShowsItsBox)
{
    setInput("S", "1"); // 1 mm at 10 m/min takes 6 ms, less than half the ramps
    calculate();
    const AnsiString text = "馬達定轉速時間計算結果:馬達定轉速時間(-0.251 <0  )  請確定輸入值是否合理!";
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{text});
    const auto lines = memo();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<AnsiString>(lines.end() - 4, lines.end()), joined({text}, ClosingNone));
    EXPECT_EQ(w->ResultLines.back(), text);
    EXPECT_EQ(result("tE"), "-0.251");
    EXPECT_EQ(input("S"), "1");
    EXPECT_TRUE(chartEmpty());
}

TEST_F(CalculateTest, ZeroConstantSpeedTimePasses)
{
    setInput("S", "500"); // 0.5 m at 0.5 m/min: exactly one minute, the two 60 s ramps take it all
    setInput("V", "0.5");
    setInput("tA", "60");
    setInput("tD", "60");
    calculate();
    EXPECT_TRUE(contains(memo(), "  tE = S/V - (tA+tD)/2 = 0 (s)"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(chartDrawn());
}

TEST_F(CalculateTest, FaultsEndInTheMechanismsBox)
{
    struct Case {
        const char *symbol, *text, *lastStep;
    };
    const Case cases[] = {
        {"tA", "1e-320", "7. 馬達加減速度最大扭矩計算"},
        {"η", "1e-320", "4. 外力與摩擦力換算成馬達端等效力矩"},
        {"PB", "1e-320", "5. 馬達最高轉速"},
        {"DB", "1e308", "3. 負載端相對於馬達端之轉動慣量計算"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.symbol) + " = " + c.text);
        InitParamAndMotorTables();
        w->tbSI->Click();
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"Calculate Ball Screw Error!Calculation Error!"});
        const auto lines = memo();
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(std::vector<AnsiString>(lines.end() - 3, lines.end()), ClosingNone);
        // The last heading written before the fault.
        std::vector<AnsiString> headings;
        for (const auto &line : lines) {
            if (line.size() > 2 && line[0] >= '1' && line[0] <= '9' && line[1] == '.')
                headings.push_back(line);
        }
        ASSERT_FALSE(headings.empty());
        EXPECT_EQ(headings.back(), c.lastStep);
        EXPECT_EQ(input(c.symbol), FloatToStr(StrToFloat(c.text))); // as entered
        EXPECT_EQ(w->sgMotorRlt->RowCount(), 1);
        EXPECT_TRUE(chartEmpty());
    }
}

TEST_F(CalculateTest, TinyRampTimeWithNoCandidateLeftCompletes)
{
    setInput("ML", "1000000"); // TL above every rated torque
    setInput("tA", "1e-320");
    calculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
    EXPECT_TRUE(contains(memo(), "9. 伺服回生能量計算"));
    EXPECT_TRUE(chartDrawn());
}

TEST_F(CalculateTest, NoMechanismChosenRunsNothing)
{
    w->cbModel->SetItemIndex(-1);
    w->moRlt->Lines.Add("earlier");
    setInput("S", "300");
    calculate();
    EXPECT_EQ(memo(), joined({"earlier"}, ClosingNone));
    EXPECT_EQ(w->sgMotorRlt->RowCount(), 1);
    EXPECT_EQ(w->sgMotorRlt->Cells(0, 0), "伺服");
    EXPECT_EQ(input("S"), "300");
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalculateTest, AllParametersGridReachesTheCalculation)
{
    w->actDebug->Execute();
    const int rm = rowOf(w->sgAll, "1/RM");
    const int ls = rowOf(w->sgAll, "LS");
    ASSERT_GT(rm, 0);
    ASSERT_GT(ls, 0);
    w->sgAll->SetCells(1, rm, "0.5");
    calculate();
    EXPECT_EQ(result("ΔS"), "0.0025");
    // Converted for the calculation, shown as entered afterwards: LS stays 200 (mm) run after run.
    calculate();
    EXPECT_EQ(w->sgAll->Cells(1, ls), "200");
    EXPECT_EQ(SizeItems[27].dV, 200);
    EXPECT_EQ(w->sgAll->Cells(1, rm), "0.5");

    // Lines whose values include 1/RM name it, and their figures follow from the factors named
    // (JR 0.001 kg·m², defaults otherwise).
    const std::pair<int, const char *> named[] = {
        {0, "  ΔS = PB x 1/RN x 1/RM  = 0.01(m/rev)"},
        {0, "  JL = JF + ( JS + JR + JC + JB x (1/RN)^2 ) x (1/RM)^2 = 0.0042725736377481(kg*m^2)"},
        {1, "  JL = JF + ( JS + JR + JC + JG x (1/RN)^2 ) x (1/RM)^2 = 0.651243341837517(kg*m^2)"},
        {2, "  JL = ( JS + JR + JC + 2 x JRO x (1/RN)^2 ) x (1/RM)^2 = 0.004(kg*m^2)"},
        {3, "  ΔS = 360 x 1/RN x 1/RM = 720(deg)"},
        {3, "  JL  = ( JS + JR + JC + ( JT + JML + JSH ) x (1/RN)^2 ) x (1/RM)^2 = 2.56581083545938(kg*m^2)"},
        {3, "  TL  = μ x ( MT + ML) x g x DF/2 x 1/RN x 1/RM x 1/η = 3.45882352941177(N.m)"},
        {4, "  JL = JF + ( JS + JR + JC + JW x (1/RN)^2) x (1/RM)^2 = 2.404(kg*m^2)"},
        {4, "  TL = μ x ( MC + ML ) x g x DP/2 x 1/RN x 1/RM x 1/η = 1.26823529411765(N.m)"},
        {5, "  JL = JF + ( JS + JR + JC + WRN x JRO x (1/RN)^2) x (1/RM)^2 = 1.004(kg*m^2)"},
        {6, "  JL  = JF + ( JS + JR +JC + JB x (1/RN)^2) x (1/RM)^2 = 0.00439922511730102(kg*m^2)"},
    };
    for (const auto &[mechanism, line] : named) {
        w->pcModPic->UserSelect(mechanism);
        w->sgAll->SetCells(1, rowOf(w->sgAll, "1/RM"), "2");
        setInput("JR", "0.001");
        calculate();
        EXPECT_TRUE(contains(memo(), line)) << line;
    }
}

TEST_F(CalculateTest, FilterLinesReachTheMemoOnlyInDebugMode)
{
    const AnsiString verdict = "   Pemra-0200-50 => (V)";
    calculate();
    EXPECT_FALSE(contains(memo(), verdict));
    EXPECT_TRUE(contains(MotorSpecs[1].Lines, verdict));
    w->actDebug->Execute();
    calculate();
    EXPECT_TRUE(contains(memo(), verdict));
    EXPECT_TRUE(contains(memo(), "    Pemra-0200-50 Pr = ( ηm x ER - EC ) / tP = -1.68177765987597 (W)"));
}

class CalculateTextsTest : public EngineTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(CalculateTextsTest, BoxNamesTheMechanismFromTheMessageFile)
{
    setInput("1/RN", "1e-320");
    calculate();
    EXPECT_EQ(MessageTexts(),
              std::vector<AnsiString>{"Ball Screw" + GetMsg("Selvane_F", 70, "Calculation Error!")});
    setInput("η", "?");
    calculate();
    const auto lines = memo();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "η  Input Error! => ?");
    EXPECT_EQ(lines[3], "Input Error!" + GetMsg("Selvane_F", 93, ""));

    // Every impossible input in one box, in the grid's order, by its English description.
    messages.clear();
    setInput("1/RN", "1");
    setInput("ML", "-5");
    setInput("η", "2");
    calculate();
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{
                                  "Calculation stopped, these inputs are not physically possible:\n"
                                  "η  Transmission efficiency from motor to lead screw: must be above 0 and "
                                  "at most 1\n"
                                  "ML  Load mass: must be 0 or more"});
}
