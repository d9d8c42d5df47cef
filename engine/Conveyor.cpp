#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, a drive drum of diameter DR; the belt MB carries the load
// ML up a slope of θ degrees against the friction μ. WRN drums of inertia JRO turn with the belt.
// The load torque is the gravity torque TW of the load on the slope plus the friction torque TF.
class ConveyorCalc : public Mechanism
{
  public:
    ConveyorCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PI * DR * RN * RM;
        c.line(110, "  ", Delta, "S = ", Pi, " x DR x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JF = pow(asDouble(dS * InvTwoPi), 2) * (ML + MB);
        JL = pow(RM, 2) * (pow(RN, 2) * (WRN * JRO) + (JS + JR + JC)) + JF; // the drums turn behind 1/RN
        c.line(110, "  JF = ( MB + ML ) x (", Delta, "S/2", Pi, ")^2 = ", JF);
        c.line(110, "  JL = JF + ( JS + JR + JC + WRN x JRO x (1/RN)^2) x (1/RM)^2 = ", JL);
    }

    // θ is in degrees in both unit systems; a negative θ carries the load downhill.
    void loadTorque(const Calc &c) const override
    {
        const Real thetaRad = asDouble(theta * (1.0L / 180) * PI);
        if (c.si()) {
            TW = sin(thetaRad) * (ML * G) * dS * InvTwoPi / eta; // only the load, not the belt, is lifted
            TF = cos(thetaRad) * ((MB + ML) * mu * G) * dS * InvTwoPi / eta;
            TL = TW + TF;
            c.line(110, "  TW = ( ML x g x sin", Theta, " ) x ", Delta, "S/2", Pi, " x 1/", Eta, " = ", TW);
            c.line(110, "  TF = ", Mu, " x ( MB + ML ) x g x cos", Theta, " x ", Delta, "S/2", Pi, " x 1/",
                   Eta, " = ", TF);
        } else if (c.imperial()) { // pounds of mass act as pounds-force
            TW = sin(thetaRad) * ML * dS * InvTwoPi / eta;
            TF = cos(thetaRad) * ((MB + ML) * mu) * dS * InvTwoPi / eta;
            TL = TW + TF;
            c.line(110, "  TW = ( ML  x sin", Theta, " ) x ", Delta, "S/2", Pi, " x 1/", Eta, " = ", TW);
            c.line(110, "  TF = ", Mu, " x ( MB + ML ) x cos", Theta, " x ", Delta, "S/2", Pi, " x 1/", Eta,
                   " = ", TF);
        }
        c.line(110, "  TL = TW + TF = ", TL);
    }

    // At rest (settling and stop times) the motor still holds the load against the slope.
    Real rmsSquareSum(const CMOTORSPC &m) const override
    {
        return Mechanism::rmsSquareSum(m) + pow(TW, 2) * (tR + tS);
    }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 6;
        t.title = "傳送帶運輸裝置";
        t.titleSuffix = " Calculation Conveytor";
        t.fault = "Calculate Conveytor Error!";
        t.faultForm = FaultForm::NameCalcErrorAndException;
        t.pickInertiaLine = PickInertiaLineWide;
        t.listPicked = false;
        t.blankAfterBranch = true;
        t.rmsLine = " Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD + TW^2 x ( tR + tS ) ) / tP) = ";
        t.rmsFailCode = 10;
        return t;
    }
};

} // namespace

const Mechanism &Conveyor()
{
    static const ConveyorCalc conveyor;
    return conveyor;
}

} // namespace engine

bool TSelvane_F::CalcConveyor()
{
    return engine::RunCalculation(*this, engine::Conveyor());
}
