#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, two rollers of diameter DR and inertia JRO each that
// pinch the work and feed it against the force F; the rollers run in bearings of diameter DS with
// the friction μ, loaded by their own weight and the pressing force FP. There is no moving mass.
class RollFeedCalc : public Mechanism
{
  public:
    RollFeedCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PI * DR * RN * RM; // the roller's circumference, in m (ft)
        c.line(110, "  ", Delta, "S = ", Pi, " x DR x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JL = (JS + JR + JC + pow(RN, 2) * (2 * JRO)) * pow(RM, 2);
        c.line(110, "  JL = ( JS + JR + JC + 2 x JRO x (1/RN)^2 ) x (1/RM)^2 = ", JL);
    }

    // TRO turns the rollers against their bearing friction: the roller mass of a solid cylinder,
    // 8 JRO / DR², plus FP, at the bearing radius. TF is the part of TL that F alone causes.
    void loadTorque(const Calc &c) const override
    {
        if (c.si()) {
            TRO = (JRO * 8 / pow(DR, 2) * G + FP) * DS * 0.5 * mu;
            TL = (F * DR * 0.5 + TRO) * RN * RM / eta;
            TF = F * DR * 0.5 * RN * RM / eta;
            c.line(110, "  TRO = ( JRO x 8/(DR^2) x g  + FP ) x DS/2 x ", Mu, " = ", TRO);
        } else if (c.imperial()) { // pounds of mass act as pounds-force
            TRO = (JRO * 8 / pow(DR, 2) + FP) * DS * 0.5 * mu;
            TL = (F * DR * 0.5 + TRO) * RN * RM / eta;
            TF = F * DR * 0.5 * RN * RM / eta;
            c.line(110, "  TRO = ( JRO x 8/(DR^2)   + FP ) x DS/2 x ", Mu, " = ", TRO);
        }
        c.line(110, "  TL  = ( F x DR/2 + TRO ) x 1/RN x 1/RM x 1/", Eta, " = ", TL);
        c.line(110, "  TF  = F x DR/2 x 1/RN x 1/RM x 1/", Eta, " = ", TF);
    }

    // The force F counts once more over the acceleration time.
    Real rmsSquareSum(const CMOTORSPC &m) const override
    {
        return Mechanism::rmsSquareSum(m) + pow(TF, 2) * tA;
    }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 3;
        t.title = "Calculation Result of Roll Feed";
        t.fault = "Calculate Roll Feed Error!";
        t.faultForm = FaultForm::NameCalcErrorAndException;
        t.pickInertiaLine = PickInertiaLineWide;
        t.listPicked = false;
        t.blankAfterBranch = true;
        t.rmsLine = " Trms =  √(( TA^2 x tA + TL^2 x tE + TD^2 x tD + TF^2 x tA ) / tP) = ";
        t.rmsFailCode = 10;
        return t;
    }
};

} // namespace

const Mechanism &RollFeed()
{
    static const RollFeedCalc rollFeed;
    return rollFeed;
}

} // namespace engine

bool TSelvane_F::CalcRollFeed()
{
    return engine::RunCalculation(*this, engine::RollFeed());
}
