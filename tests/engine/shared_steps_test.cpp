#include "EngineFixture.h"

namespace
{
enum { S = 5, V = 4, TA = 14, TE = 15, TD = 16, TR = 17, TM = 18, TS = 19, TP = 20, NV = 6 };

} // namespace

class SharedStepsTest : public EngineTest
{
  protected:
    void setTimes(double s, double v, double tA, double tD, double tS)
    {
        SizeItems[S].dV = s;
        SizeItems[V].dV = v;
        SizeItems[TA].dV = tA;
        SizeItems[TD].dV = tD;
        SizeItems[TS].dV = tS;
    }
};

TEST_F(SharedStepsTest, MotionTimesOfOneAndOfTwoStrokes)
{
    // 0.3 m at 12 m/min: 1.5 s, less half of the 0.2 s and 0.4 s ramps.
    struct Case {
        int id;
        double tP;
        const char *tPLine;
    };
    const Case cases[] = {
        {1, 1.8428571428571429 + 0.5, "  tP = tM + tS = 2.34285714285714 (s)"},
        {6, 1.8428571428571429 + 0.5, "  tP = tM + tS = 2.34285714285714 (s)"},
        {7, 2 * (1.8428571428571429 + 0.5), "  tP = (tM + tS) x 2 = 4.68571428571429 (s)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        w->moRlt->Lines.Clear();
        w->ResultLines.clear();
        setTimes(0.3, 12, 0.2, 0.4, 0.5);
        EXPECT_TRUE(w->CalcMotionTimes(c.id));
        EXPECT_DOUBLE_EQ(SizeItems[TE].dV, 1.2);
        EXPECT_DOUBLE_EQ(SizeItems[TM].dV, 0.2 + 1.2 + 0.4 + 3.0 / 70);
        EXPECT_DOUBLE_EQ(SizeItems[TP].dV, c.tP);
        const std::vector<AnsiString> expected = {
            Rule,
            "2. 加減速度時間計算",
            "  tR = 3 / KP = 0.0428571428571429 (s)",
            "  tE = S/V - (tA+tD)/2 = 1.2 (s)",
            "  tM = tA + tE + tD + tR = 1.84285714285714 (s)",
            c.tPLine,
        };
        EXPECT_EQ(memo(), expected);
        EXPECT_EQ(w->ResultLines, expected);
    }
}

TEST_F(SharedStepsTest, MotionTimesOutsideTheMechanismIdsDoNothing)
{
    setTimes(0.3, 12, 0.2, 0.4, 0.5);
    SizeItems[TE].dV = 77;
    for (int id : {0, 8, -1}) {
        EXPECT_TRUE(w->CalcMotionTimes(id));
        EXPECT_TRUE(memo().empty());
        EXPECT_EQ(SizeItems[TE].dV, 77);
    }
}

TEST_F(SharedStepsTest, MaximumSpeedEqualPassesAboveFails)
{
    SizeItems[NV].dV = 4500;
    for (auto &m : MotorSpecs)
        m.Pass = 1;
    MotorSpecs[1].Pass = 0; // a record already dropped keeps 0 and still gets its lines
    EXPECT_TRUE(w->CheckMotorMaxRPM(0, 0));
    EXPECT_EQ(MotorSpecs[0].Pass, 1); // 5000 rpm
    EXPECT_EQ(MotorSpecs[5].Pass, 1); // 4500 rpm, equal
    EXPECT_EQ(MotorSpecs[7].Pass, 0); // 3000 rpm
    EXPECT_EQ(MotorSpecs[1].Pass, 0);
    EXPECT_EQ(MotorSpecs[7].Lines, (std::vector<AnsiString>{
                                       Rule,
                                       "5. 馬達最高轉速判斷",
                                       " NV = V / ΔS = 4500(rpm)",
                                       "   Pemra-1000-30 => (X)",
                                       "      (X) 超過最高轉速!=> NV(4500) > 最高轉速(3000)",
                                   }));
    EXPECT_EQ(MotorSpecs[1].Lines[3], "   Pemra-0200-50 => (X)");
    EXPECT_EQ(MotorSpecs[1].Lines[4], "      (V) NV(4500) <= 最高轉速(5000)");
    EXPECT_TRUE(memo().empty()); // code 1 without debug mode
}

TEST_F(SharedStepsTest, FirstStageEqualityFails)
{
    for (auto &m : MotorSpecs)
        m.Pass = 1;
    MotorSpecs[2].Pass = 0; // failed the speed check: (X) even though both tests pass
    MotorSpecs[3].JM = 0;   // JL/15 = 0 equals it
    EXPECT_TRUE(w->FirstCheckMotor(0.318, 0));
    EXPECT_EQ(MotorSpecs[0].Pass, 0); // Ttyp 0.318 equals TL
    EXPECT_EQ(MotorSpecs[1].Pass, 1);
    EXPECT_EQ(MotorSpecs[2].Pass, 0);
    EXPECT_EQ(MotorSpecs[3].Pass, 0);
    EXPECT_EQ(MotorSpecs[0].Lines, (std::vector<AnsiString>{
                                       Rule,
                                       "6. 挑選馬達",
                                       "   第一階段篩選符合",
                                       "                      Ttyp > TL",
                                       "                      JM > JL/m  (m=15:馬達慣量比)",
                                       "   Pemra-0100-50 => (X)",
                                       "      (X) Ttyp(0.318) <= TL(0.318)",
                                       "      (V) JM(3E-6) >   JL/m(0)",
                                   }));
    EXPECT_EQ(MotorSpecs[2].Lines[5], "   Pemra-0400-50 => (X)");
    EXPECT_EQ(MotorSpecs[2].Lines[6], "      (V) Ttyp(1.27) >  TL(0.318)");
    EXPECT_EQ(MotorSpecs[3].Lines[7], "      (X) JM(0) <=  JL/m(0)");
}

TEST_F(SharedStepsTest, InertiaRatioIsOneFifteenth)
{
    for (auto &m : MotorSpecs)
        m.Pass = 1;
    // JL = 0.0015: JL/15 = 1e-4, between the rotors of records 2 (3.4e-5) and 3 (1.08e-4).
    w->FirstCheckMotor(0, 0.0015);
    EXPECT_EQ(MotorSpecs[2].Pass, 0);
    EXPECT_EQ(MotorSpecs[3].Pass, 1);
    EXPECT_EQ(MotorSpecs[3].Lines.back(), "      (V) JM(0.000108) >   JL/m(0.0001)");
}

TEST_F(SharedStepsTest, BadRowIsMarkedAndTheOthersStillRead)
{
    // Row 3 of the input grid holds letters.
    const int bad = w->Par1RowItem[3];
    w->sgPar1->SetCells(1, 3, "twelve");
    const int last = w->Par1RowItem[w->sgPar1->RowCount() - 1];
    w->sgPar1->SetCells(1, w->sgPar1->RowCount() - 1, "7");
    for (auto &item : SizeItems)
        item.dV_O = -5;
    EXPECT_FALSE(w->ReadCalcInputs());
    EXPECT_FALSE(w->InputsRead);
    EXPECT_EQ(SizeItems[bad].iErCode, -1);
    EXPECT_EQ(SizeItems[last].iErCode, 1);
    EXPECT_EQ(SizeItems[last].dV, 7);
    EXPECT_EQ(SizeItems[w->Par1RowItem[1]].iErCode, 1);
    for (const auto &item : SizeItems)
        EXPECT_EQ(item.dV_O, -5);
    EXPECT_EQ(memo(), (std::vector<AnsiString>{SizeItems[bad].Abbr + "  Input Error! => twelve",
                                               "Input Error! Please Check again!"}));
    EXPECT_TRUE(w->ResultLines.empty());
}

TEST_F(SharedStepsTest, GoodReadSavesTheEnteredValuesAndConverts)
{
    EXPECT_TRUE(w->ReadCalcInputs());
    EXPECT_TRUE(w->InputsRead);
    EXPECT_EQ(SizeItems[S].dV_O, 200); // mm as entered
    EXPECT_DOUBLE_EQ(SizeItems[S].dV, 0.2);
    EXPECT_TRUE(memo().empty()); // "Input OK!" shows nowhere
}
