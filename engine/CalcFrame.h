#pragma once

#include "model/MotorCatalogue.h"
#include "model/SizeItem.h"
#include "platform/Real.h"
#include "platform/SysUtils.h"

#include <vector>

class TSelvane_F;

namespace engine
{

// A record of SizeItems named by its symbol, so that a formula reads like the formula:
//   JB = pow(DB, 4) * (PI * LB * rho) * 0.03125;
// Reading gives the stored double as an extended-precision Real; assigning rounds the result to
// double (EOverflow past the double range) and marks the value as calculated. The handle itself
// never changes.
class Param
{
  public:
    constexpr explicit Param(int id) : id_(id) {}
    constexpr Param(const Param &) = default;
    operator Real() const { return Real(SizeItems[id_].dV); }
    const Param &operator=(Real v) const
    {
        SizeItems[id_].dV = static_cast<double>(v);
        SizeItems[id_].Calculated = true;
        return *this;
    }
    const Param &operator=(const Param &other) const { return *this = Real(other); }
    double value() const { return SizeItems[id_].dV; }
    CSIZEITEM &item() const { return SizeItems[id_]; }

  private:
    int id_;
};

#define SELVANE_PARAM_OP(op, R)                                                                              \
    inline R operator op(Param a, Param b)                                                                   \
    {                                                                                                        \
        return Real(a) op Real(b);                                                                           \
    }                                                                                                        \
    inline R operator op(Param a, Real b)                                                                    \
    {                                                                                                        \
        return Real(a) op b;                                                                                 \
    }                                                                                                        \
    inline R operator op(Real a, Param b)                                                                    \
    {                                                                                                        \
        return a op Real(b);                                                                                 \
    }
SELVANE_PARAM_OP(+, Real)
SELVANE_PARAM_OP(-, Real)
SELVANE_PARAM_OP(*, Real)
SELVANE_PARAM_OP(/, Real)
SELVANE_PARAM_OP(<, bool)
SELVANE_PARAM_OP(>, bool)
SELVANE_PARAM_OP(<=, bool)
SELVANE_PARAM_OP(>=, bool)
#undef SELVANE_PARAM_OP
inline Real operator-(Param a)
{
    return -Real(a);
}

using ::cos;
using ::fabs;
using ::pow;
using ::sin;
using ::sqrt;
inline Real pow(Param base, Real exponent)
{
    return ::pow(Real(base), exponent);
}
inline Real sqrt(Param x)
{
    return ::sqrt(Real(x));
}
inline Real fabs(Param x)
{
    return ::fabs(Real(x));
}
inline Real sin(Param x)
{
    return ::sin(Real(x));
}
inline Real cos(Param x)
{
    return ::cos(Real(x));
}

// The value rounded to double, for the few intermediates that the calculation stores on the way.
inline Real asDouble(Real x)
{
    return Real(static_cast<double>(x));
}

// The 62 parameters by symbol: dS and dP are ΔS and ΔP; RN and RM the ratios 1/RN and 1/RM; rho,
// theta, mu, eta, etam the Greek symbols. DS and DP are the bearing and shaft diameters.
namespace sym
{
inline constexpr Param dS{0}, dP{1}, RN{2}, RM{3}, V{4}, S{5}, NV{6}, F{7}, FP{8}, rho{9}, theta{10}, mu{11},
    eta{12}, etam{13}, tA{14}, tE{15}, tD{16}, tR{17}, tM{18}, tS{19}, tP{20}, ML{21}, MT{22}, MC{23}, MW{24},
    MB{25}, PB{26}, LS{27}, LG{28}, LB{29}, DB{30}, DG{31}, DI{32}, DF{33}, DT{34}, DO{35}, DP{36}, DR{37},
    DS{38}, DL{39}, JM{40}, JF{41}, JRO{42}, JB{43}, JL{44}, JR{45}, JC{46}, JS{47}, JSH{48}, JW{49}, JG{50},
    JT{51}, JML{52}, JLI{53}, TRO{54}, TL{55}, TF{56}, TW{57}, TUP{58}, TDN{59}, WN{60}, WRN{61};
} // namespace sym

// Constants of the formulas.
inline constexpr double PI = 3.141592653589793;
inline constexpr long double InvTwoPi = 0.15915494309189535L; // 1/(2π), kept in extended precision
inline constexpr double G = 9.8;                              // m/s², SI branches only
inline constexpr double K = 0.1047;                           // rpm to rad/s
inline constexpr double MinusK = -0.1047;
inline constexpr double ImperialTorque = 0.031076752; // lb·ft² · rad/s² to lbf·ft
inline constexpr double ImperialEnergy = 1.356;       // ft·lbf to J

// A text of Message.ini (section "Selvane_F" unless named), looked up when its line is built.
struct Msg {
    int number;
    const char *def;
    const char *section = "Selvane_F";
};
// Symbol glyphs in the lines.
inline constexpr Msg Delta{999, "Δ", "ABB"}, Pi{998, "π", "ABB"}, Rho{1009, "ρ", "ABB"},
    Theta{1010, "θ", "ABB"}, Mu{1011, "μ", "ABB"}, Eta{1012, "η", "ABB"};

inline constexpr char Rule[] = "---------------------------------------------------------";

// One calculation run. Lines go to the window's log by their routing code; without a window only
// the arithmetic runs: no line is built and nothing is shown.
class Calc
{
  public:
    Calc(TSelvane_F *w, int units) : window(w), unitType(units) {}
    TSelvane_F *const window;
    const int unitType; // 1 SI, 2 imperial; any other runs neither branch
    bool si() const { return unitType == 1; }
    bool imperial() const { return unitType == 2; }

    // The pieces joined: texts, messages, numbers (FloatToStr / IntToStr), parameters with unit.
    template <class... Pieces> AnsiString text(const Pieces &...pieces) const
    {
        AnsiString out;
        out.reserve(120);
        (append(out, pieces), ...);
        return out;
    }
    template <class... Pieces> void line(int code, const Pieces &...pieces) const
    {
        if (window)
            log(code, text(pieces...));
    }
    // A line of catalogue record r: also appended to its Lines.
    template <class... Pieces> void motorLine(int r, int code, const Pieces &...pieces) const
    {
        if (window)
            logMotor(r, code, text(pieces...));
    }
    // The rule and a step heading.
    void heading(int code, Msg msg) const;
    void motorHeading(int r, const char *rule, Msg msg) const;
    void show(const AnsiString &text) const; // a message box (none without a window)

  private:
    void append(AnsiString &out, const char *piece) const { out += piece; }
    void append(AnsiString &out, const AnsiString &piece) const { out += piece; }
    void append(AnsiString &out, Msg msg) const { out += message(msg); }
    void append(AnsiString &out, double value) const; // FloatToStr
    void append(AnsiString &out, int count) const;    // IntToStr
    void append(AnsiString &out, Param p) const;      // the value, then the unit shown now
    // The texts do not change during a run: each message is looked up once.
    const AnsiString &message(Msg msg) const;
    void log(int code, const AnsiString &text) const;
    void logMotor(int r, int code, const AnsiString &text) const;

    struct LookedUp {
        Msg msg;
        AnsiString text;
    };
    mutable std::vector<LookedUp> messages_;
};

// Step 4 of the mechanisms that slide a table MT with the load ML against the force F and the
// friction μ through a travel ΔS per motor turn (ball screw, rack and pinion): TL and its line.
void SlidingTableTorque(const Calc &c);

// Step 2: tR, tE, tM, tP of mechanism id (the elevator, 7, doubles tP); false when tE < 0.
bool MotionTimes(const Calc &c, int id);
// Step 5: clears Pass of every record whose top speed is below NV.
bool CheckMaxSpeed(const Calc &c);
// Step 6: clears Pass unless Ttyp > TL and JM > JL/15.
bool PickByTorqueAndInertia(const Calc &c, double TL, double JL);

// Step headings of the frame.
inline constexpr Msg StepTravel{71, "1. 馬達選轉一圈導螺桿前進距離"},
    StepInertia{73, "3. 負載端相對於馬達端之轉動慣量計算"},
    StepTorque{74, "4. 外力與摩擦力換算成馬達端等效力矩"}, StepSpeed{75, "5. 馬達最高轉速"},
    StepPick{76, "6. 挑選馬達"}, StepPeak{77, "7. 馬達加減速度最大扭矩計算"},
    StepRms{78, "8. 單一行程扭力均方根值"}, StepRegen{79, "9. 伺服回生能量計算"},
    CalcError{70, "Calculation Error!"};

enum class FaultForm {
    NameAndCalcError,          // the fault message, then message 70
    NameAndException,          // the fault message, a blank, two line breaks and the exception's text
    NameCalcErrorAndException, // the fault message, message 70, then as NameAndException
};

// Texts in which the mechanisms differ. The defaults are the frame's own; a mechanism sets what
// differs.
struct MechanismTexts {
    int id = 0;                   // mechanism id 1 to 7: number of the title and fault messages
    const char *title = "";       // default of the title message
    const char *titleSuffix = ""; // English text after it
    const char *fault = "";       // default of the fault message
    FaultForm faultForm = FaultForm::NameAndCalcError;
    // Step 6: the criterion line on the inertia ratio up to "(m=15:", whether the candidates left are
    // listed, and whether their count line is built-in text with code 110 instead of messages 69, 59.
    const char *pickInertiaLine = "                      JM > JL/m (m=15:";
    bool listPicked = true;
    bool builtInPickCount = false;
    // Step 7: each candidate's closing " " also when neither unit branch ran.
    bool blankAfterBranch = false;
    // Step 8: the rule in every record's lines, the formula text after the model, and the routing
    // code of a candidate's failure line.
    const char *rmsRule = Rule;
    const char *rmsLine = " Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD ) / tP) = ";
    int rmsFailCode = 110;
};
inline constexpr char PickInertiaLineWide[] = "                      JM > JL/m  (m=15:";

// One mechanism: its texts and formulas. The frame runs its steps in order; steps 1, 3 and 4 are
// the mechanism's own, steps 6 to 9 are the frame's unless a mechanism brings its own. A mechanism
// derives from this, sets the MechanismTexts in which it differs, writes travel, loadInertia and
// loadTorque, overrides what else it does differently, and its TSelvane_F::Calc... method calls
// RunCalculation with it.
class Mechanism
{
  public:
    explicit Mechanism(const MechanismTexts &own) : texts(own) {}
    virtual ~Mechanism() = default;
    const MechanismTexts texts;

    // Step 1: ΔS and its line (ΔP and its line are the frame's).
    virtual void travel(const Calc &c) const = 0;
    // Step 3: every inertia and JL, then one line per result.
    virtual void loadInertia(const Calc &c) const = 0;
    // Step 4: TL (and the mechanism's other torques) in the branch of the unit system, with lines.
    virtual void loadTorque(const Calc &c) const = 0;

    // Step 6: first-stage pick on Ttyp > TL and JM > JL/15.
    virtual void pickMotors(const Calc &c) const;
    // Step 7: TA and TD of every candidate.
    virtual void peakTorques(const Calc &c) const;
    // Step 8: Trms of every candidate; one that fails is no longer a candidate.
    virtual void rmsTorques(const Calc &c) const;
    // What step 8 divides by tP and takes the root of: TA² tA + TL² tE + TD² tD.
    virtual Real rmsSquareSum(const CMOTORSPC &m) const;
    // Step 9: EA, ED, EE, ER and Pr of every candidate.
    virtual void regenEnergies(const Calc &c) const;
};

// Steps 0 to 10 with the outer catch: true after a complete run (chart drawn).
bool RunCalculation(TSelvane_F &window, const Mechanism &m);
// Steps 1 to 9 on values in calculation units; false when the motion times fail.
bool RunSteps(const Calc &c, const Mechanism &m);
// Text of the outer catch's message box.
AnsiString FaultText(const MechanismTexts &t, const Exception &e);

} // namespace engine
