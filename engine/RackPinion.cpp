#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, a pinion of diameter DG and length LG on a rack that moves
// the table MT with the load ML against the force F and the slide friction μ.
class RackPinionCalc : public Mechanism
{
  public:
    RackPinionCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PI * DG * RN * RM; // one turn of the pinion's pitch circle, in m (ft)
        c.line(110, "  ", Delta, "S = ", Pi, " x DG x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JG = pow(DG, 4) * (PI * LG * rho) * 0.03125; // the pinion as a solid cylinder
        JF = pow(dS * InvTwoPi, 2) * (ML + MT);
        // The reducer sits on the motor side of 1/RN, the pinion behind it.
        JL = (JS + JR + JC + JG * pow(RN, 2)) * pow(RM, 2) + JF;
        c.line(110, "  JG = ", Pi, " x LG x ", Rho, " x DG^4 / 32 = ", JG);
        c.line(110, "  JF = ( ML + MT ) x (", Delta, "S/2", Pi, ")^2 = ", JF);
        c.line(110, "  JL = JF + ( JS + JR + JC + JG x (1/RN)^2 ) x (1/RM)^2 = ", JL);
    }

    void loadTorque(const Calc &c) const override { SlidingTableTorque(c); }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 2;
        t.title = "齒條傳動裝置";
        t.titleSuffix = "    Calculation Result of Rack and Pinion";
        t.fault = "Calculate Rack and Pinion Error!";
        t.pickInertiaLine = PickInertiaLineWide;
        t.builtInPickCount = true;
        t.blankAfterBranch = true;
        t.rmsRule = " ---------------------------------------------------------";
        t.rmsFailCode = 10;
        return t;
    }
};

} // namespace

const Mechanism &RackPinion()
{
    static const RackPinionCalc rackPinion;
    return rackPinion;
}

} // namespace engine

bool TSelvane_F::CalcRackPinion()
{
    return engine::RunCalculation(*this, engine::RackPinion());
}
