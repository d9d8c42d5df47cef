#include "engine/CalcFrame.h"

#include "model/Units.h"
#include "ui/Selvane.h"

namespace engine
{

using namespace sym;

namespace
{

constexpr int MotorCount = 43;
constexpr int ParamCount = 62;

bool isParamId(int id)
{
    return id >= 0 && id < ParamCount;
}

// What a physically possible input must be; the forces F and the angle θ keep their sign.
enum class Bound { None, NonNegative, Positive, Efficiency };
// The ratios, the speed, the ramp times and the lead or diameter that sets the travel per turn
// divide: above 0.
constexpr Param Positives[] = {RN, RM, V, tA, tD, PB, DG, DO, DR};
// Stroke, pressing force, density, μ, stop time, masses, other lengths and diameters, inertias,
// counts: 0 or more.
constexpr Param NonNegatives[] = {S,  FP, rho, mu, tS, ML, MT,  MC, MW, MB, LS,  LG, LB, DB,
                                  DI, DF, DT,  DP, DS, DL, JRO, JR, JC, JS, JLI, WN, WRN};
// Efficiencies: above 0 and at most 1.
constexpr Param Efficiencies[] = {eta, etam};

template <size_t N> bool isAmong(const CSIZEITEM &item, const Param (&params)[N])
{
    for (Param p : params)
        if (&p.item() == &item)
            return true;
    return false;
}

Bound boundOf(const CSIZEITEM &item)
{
    if (isAmong(item, Efficiencies))
        return Bound::Efficiency;
    if (isAmong(item, Positives))
        return Bound::Positive;
    return isAmong(item, NonNegatives) ? Bound::NonNegative : Bound::None;
}

// The text of the rule that v breaks, or nullptr. Written so that a NaN fails as well; -0 counts as 0.
const Msg *brokenRule(Bound bound, double v)
{
    static constexpr Msg atLeastZero{164, "must be 0 or more"}, aboveZero{167, "must be above 0"},
        efficiency{165, "must be above 0 and at most 1"};
    switch (bound) {
    case Bound::NonNegative:
        return v >= 0 ? nullptr : &atLeastZero;
    case Bound::Positive:
        return v > 0 ? nullptr : &aboveZero;
    case Bound::Efficiency:
        return v > 0 && v <= 1 ? nullptr : &efficiency;
    case Bound::None:
        break;
    }
    return nullptr;
}

// The inputs of mechanism index k that break their rule, in id order, as lines "symbol  description:
// must be ...", judged on the values as entered. 1/RM and ηm are no mechanism's input rows, yet every
// calculation reads them.
std::vector<AnsiString> impossibleInputs(const Calc &c, int k)
{
    std::vector<AnsiString> lines;
    for (const CSIZEITEM &item : SizeItems) {
        const bool read =
            IsCommonInput(item.nIdx) || (k >= 0 && k < 7 && (item.FModel & (1 << (k + 1))) != 0);
        if (const Msg *rule = read ? brokenRule(boundOf(item), item.dV) : nullptr)
            lines.push_back(c.text(item.Abbr, "  ", item.Name, ": ", *rule));
    }
    return lines;
}

} // namespace

bool MotionTimes(const Calc &c, int id)
{
    if (id < 1 || id > 7)
        return true;
    c.heading(110, Msg{72, "2. 加減速度時間計算"});
    tR = 0.04285714285714286; // 3 / KP with the position-loop gain fixed at 70
    tE = S / V * 60 - (tA + tD) * 0.5;
    tM = tA + tE + tD + tR;
    tP = tM + tS;
    c.line(110, "  tR = 3 / KP = ", tR.value(), " (s)");
    c.line(110, "  tE = S/V - (tA+tD)/2 = ", tE.value(), " (s)");
    c.line(110, "  tM = tA + tE + tD + tR = ", tM.value(), " (s)");
    if (id == 7) { // the elevator's cycle is an up and a down stroke
        tP = tP * 2;
        c.line(110, "  tP = (tM + tS) x 2 = ", tP.value(), " (s)");
    } else {
        c.line(110, "  tP = tM + tS = ", tP.value(), " (s)");
    }
    if (tE < 0) {
        const AnsiString text = c.text(Msg{61, "馬達定轉速時間計算結果:"}, tE.item().Name, "(", tE.value(),
                                       " <0  )  ", Msg{62, "請確定輸入值是否合理!"});
        c.line(110, text);
        c.show(text);
        return false;
    }
    return true;
}

bool CheckMaxSpeed(const Calc &c)
{
    int r = 0;
    try {
        for (r = 0; r < MotorCount; ++r) {
            CMOTORSPC &m = MotorSpecs[r];
            c.motorLine(r, 0, Rule);
            c.motorLine(r, 0, Msg{75, "5. 馬達最高轉速判斷"});
            c.motorLine(r, 0, " NV = V / ", Delta, "S = ", NV);
            const Msg top{65, "最高轉速"};
            const bool tooFast = m.MaxRpm < NV; // equal passes
            if (tooFast)
                m.Pass = 0;
            c.motorLine(r, 1, "   ", m.Model, m.Pass == 1 ? " => (V)" : " => (X)");
            if (tooFast)
                c.motorLine(r, 1, "      (X) ", Msg{64, "超過最高轉速!"}, "=> NV(", NV.value(), ") > ", top,
                            "(", m.MaxRpm, ")");
            else
                c.motorLine(r, 1, "      (V) NV(", NV.value(), ") <= ", top, "(", m.MaxRpm, ")");
        }
        return true;
    } catch (const Exception &e) {
        // The records this filter did not judge are not candidates.
        for (int rest = r; rest < MotorCount; ++rest)
            MotorSpecs[rest].Pass = 0;
        c.show("CheckMotorMaxRPM() Failed! at Item=" + IntToStr(r) + " \n" + e.Message);
        return false;
    }
}

bool PickByTorqueAndInertia(const Calc &c, double TL, double JL)
{
    int r = 0;
    try {
        for (r = 0; r < MotorCount; ++r) {
            CMOTORSPC &m = MotorSpecs[r];
            c.motorLine(r, 0, Rule);
            c.motorLine(r, 0, Msg{76, "6. 挑選馬達"});
            c.motorLine(r, 0, Msg{67, "   第一階段篩選符合"});
            c.motorLine(r, 0, "                      Ttyp > TL");
            c.motorLine(r, 0, "                      JM > JL/m  (m=15:", Msg{68, "馬達慣量比"}, ")");

            const Real JLm = Real(JL) * (1.0L / 15); // m = 15, the largest load-to-rotor inertia ratio
            const bool torqueOk = m.Ttyp > TL;       // equal fails
            const bool inertiaOk = JLm < m.JM;
            if (!torqueOk || !inertiaOk)
                m.Pass = 0;
            c.motorLine(r, 1, "   ", m.Model, m.Pass == 1 ? " => (V)" : " => (X)");
            if (torqueOk)
                c.motorLine(r, 1, "      (V) Ttyp(", m.Ttyp, ") >  TL(", TL, ")");
            else
                c.motorLine(r, 1, "      (X) Ttyp(", m.Ttyp, ") <= TL(", TL, ")");
            if (inertiaOk)
                c.motorLine(r, 1, "      (V) JM(", m.JM, ") >   JL/m(", static_cast<double>(JLm), ")");
            else
                c.motorLine(r, 1, "      (X) JM(", m.JM, ") <=  JL/m(", static_cast<double>(JLm), ")");
        }
        return true;
    } catch (const Exception &e) {
        for (int rest = r; rest < MotorCount; ++rest)
            MotorSpecs[rest].Pass = 0;
        c.show("FirstCheckMotor() Failed! at Item=" + IntToStr(r) + " \n" + e.Message);
        return false;
    }
}

} // namespace engine

bool TSelvane_F::ReadCalcInputs()
{
    using engine::Msg;
    const engine::Calc c(this, UnitType);
    const Msg inputError{92, "Input Error!"};
    int errors = 0;
    // Bad text is shown in the memo (code 10), so that a stopped calculation says why.
    auto readGrid = [&](TStringGrid *grid, const int(&rowItem)[63]) {
        for (int row = 1; row < grid->RowCount() && row < 63; ++row) {
            const int id = rowItem[row];
            if (!engine::isParamId(id))
                continue;
            const AnsiString text = grid->Cells(1, row);
            try {
                SizeItems[id].dV = StrToFloat(text);
                SizeItems[id].iErCode = 1;
            } catch (const Exception &) {
                SizeItems[id].iErCode = -1;
                ++errors;
                LogLine(10, c.text(SizeItems[id].Abbr, "  ", inputError, " => ", text));
            }
        }
    };
    InputsRead = false;
    readGrid(sgPar1, Par1RowItem);
    readGrid(sgAll, AllRowItem);
    if (errors > 0) {
        LogLine(10, c.text(inputError, Msg{93, " Please Check again!"}));
        return false;
    }
    // Numbers that no machine can have stop the calculation as bad text does, with one box.
    const std::vector<AnsiString> impossible = engine::impossibleInputs(c, cbModel->ItemIndex());
    if (!impossible.empty()) {
        AnsiString text = c.text(Msg{163, "Calculation stopped, these inputs are not physically possible:"});
        LogLine(10, text);
        for (const AnsiString &line : impossible) {
            LogLine(10, line);
            text += "\n" + line;
        }
        c.show(text);
        return false;
    }

    for (auto &item : SizeItems)
        item.dV_O = item.dV;
    ConvertToCalcUnits();
    // The all-parameters grid is converted by its unit cells too, or a value typed there in other
    // than the calculation unit would enter the formulas unconverted.
    for (int row = 1; row < sgAll->RowCount() && row < 63; ++row) {
        const int id = AllRowItem[row];
        if (engine::isParamId(id))
            SizeItems[id].dV_U = ConvertToCalc(SizeItems[id].dV, UnitType, sgAll->Cells(2, row));
    }
    for (auto &item : SizeItems)
        item.dV = item.dV_U;
    LogLine(8, "Input OK!");
    InputsRead = true;
    return true;
}

bool TSelvane_F::CalcMotionTimes(int id)
{
    return engine::MotionTimes(engine::Calc(this, UnitType), id);
}

bool TSelvane_F::CheckMotorMaxRPM(int, int)
{
    return engine::CheckMaxSpeed(engine::Calc(this, UnitType));
}

bool TSelvane_F::FirstCheckMotor(double TL, double JL)
{
    return engine::PickByTorqueAndInertia(engine::Calc(this, UnitType), TL, JL);
}
