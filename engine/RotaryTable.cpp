#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, a round table of diameter DT and mass MT on a support
// shaft of length LS and diameter DS; the load ML with its own inertia JLI sits at the distance DL
// from the axis, and the slide friction μ acts at DF/2. Travel is an angle: S is typed in degrees
// and V in degrees per minute (the grids relabel them), so ΔS is in degrees per motor revolution
// and NV = V / ΔS comes out in rpm.
class RotaryTableCalc : public Mechanism
{
  public:
    RotaryTableCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = 360 * RN * RM;
        c.line(110, "  ", Delta, "S = 360 x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JT = pow(DT * 0.5, 2) * MT * 0.5;             // the table as a solid disc
        JML = pow(DL, 2) * ML + JLI;                  // the load moved to the table axis
        JSH = (PI * rho * LS) * pow(DS, 4) * 0.03125; // the shaft as a solid cylinder
        JL = (JS + JR + JC + (JT + JML + JSH) * pow(RN, 2)) * pow(RM, 2);
        c.line(110, "  JT  = ( MT x ( DT/2)^2 ) / 2 = ", JT);
        c.line(110, "  JML =  JLI + ML x DL^2 = ", JML);
        c.line(110, "  JSH  = ", Pi, " x ", Rho, " x LS x DS^4 / 32 = ", JSH);
        c.line(110, "  JL  = ( JS + JR + JC + ( JT + JML + JSH ) x (1/RN)^2 ) x (1/RM)^2 = ", JL);
    }

    void loadTorque(const Calc &c) const override
    {
        if (c.si()) {
            TL = (MT + ML) * mu * G * DF * 0.5 * RN * RM / eta;
            c.line(110, "  TL  = ", Mu, " x ( MT + ML) x g x DF/2 x 1/RN x 1/RM x 1/", Eta, " = ", TL);
        } else if (c.imperial()) { // pounds of mass act as pounds-force
            TL = (MT + ML) * mu * DF * 0.5 * RN * RM / eta;
            c.line(110, "  TL  = ", Mu, " x ( MT + ML) x DF/2 x 1/RN x 1/RM x 1/", Eta, " = ", TL);
        }
    }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 4;
        t.title = "分度加工裝置";
        t.titleSuffix = "Calculation Result of Ratary Table";
        t.fault = "Calculate Ratary Table Error!";
        t.faultForm = FaultForm::NameCalcErrorAndException;
        t.pickInertiaLine = PickInertiaLineWide;
        t.listPicked = false;
        t.blankAfterBranch = true;
        t.rmsLine = " Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD  ) / tP) = ";
        t.rmsFailCode = 10;
        return t;
    }
};

} // namespace

const Mechanism &RotaryTable()
{
    static const RotaryTableCalc rotaryTable;
    return rotaryTable;
}

} // namespace engine

bool TSelvane_F::CalcRotaryTable()
{
    return engine::RunCalculation(*this, engine::RotaryTable());
}
