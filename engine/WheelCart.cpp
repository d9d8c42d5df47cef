#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, driven wheels of outer diameter DO that move the car MC
// with its load ML. WN hollow wheels of mass MW turn with the wheel shaft; the friction μ acts at the
// shafts of diameter DP. There is no external force.
class WheelCartCalc : public Mechanism
{
  public:
    WheelCartCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PI * DO * RN * RM; // one wheel circumference per turn of the wheel shaft
        c.line(110, "  ", Delta, "S = ", Pi, " x DO x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JF = pow(dS * InvTwoPi, 2) * (ML + MC);
        JW = MW * 0.125 * (pow(DO, 2) + pow(DI, 2)) * WN; // WN counts as a real number
        JL = (JS + JR + JC + JW * pow(RN, 2)) * pow(RM, 2) + JF;
        c.line(110, "  JF = ( MC + ML ) x ( ", Delta, "S/2", Pi, ")^2 = ", JF);
        c.line(110, "  JW = MW/8 x ( DO^2 + DI^2 ) x WN = ", JW);
        c.line(110, "  JL = JF + ( JS + JR + JC + JW x (1/RN)^2) x (1/RM)^2 = ", JL);
    }

    // Friction at the wheel shafts acts with the lever DP/2; ΔS does not enter.
    void loadTorque(const Calc &c) const override
    {
        if (c.si()) {
            TL = (MC + ML) * mu * G * DP * 0.5 * RN * RM / eta;
            c.line(110, "  TL = ", Mu, " x ( MC + ML ) x g x DP/2 x 1/RN x 1/RM x 1/", Eta, " = ", TL);
        } else if (c.imperial()) { // pounds of mass act as pounds-force
            TL = (MC + ML) * mu * DP * 0.5 * RN * RM / eta;
            c.line(110, "  TL = ", Mu, " x ( MC + ML )  x DP/2 x 1/RN x 1/RM x 1/", Eta, " = ", TL);
        }
    }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 5;
        t.title = "自走車";
        t.titleSuffix = " Calculation 3-Wheel Cart";
        t.fault = "Calculate 3-wheel cart Error!";
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

const Mechanism &WheelCart()
{
    static const WheelCartCalc wheelCart;
    return wheelCart;
}

} // namespace engine

bool TSelvane_F::CalcThreeWheelCart()
{
    return engine::RunCalculation(*this, engine::WheelCart());
}
