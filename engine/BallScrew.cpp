#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

// The motor turns, through 1/RN and 1/RM, a screw of lead PB that moves the table MT with the load ML
// against the force F and the slide friction μ. The ball screw is the frame itself: only its title,
// fault text and steps 1, 3 and 4 are its own.
class BallScrewCalc : public Mechanism
{
  public:
    BallScrewCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PB * RN * RM;
        c.line(110, "  ", Delta, "S = PB x 1/RN x 1/RM  = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JB = pow(DB, 4) * (PI * LB * rho) * 0.03125; // the screw as a solid cylinder
        JF = pow(dS * InvTwoPi, 2) * (ML + MT);
        JL = pow(RM, 2) * (pow(RN, 2) * JB + (JS + JR + JC)) + JF;
        c.line(110, "  JB = ", Pi, " x LB x ", Rho, " x DB^4 / 32 = ", JB);
        c.line(110, "  JF = ( ML + MT ) x (", Delta, "S/2", Pi, ")^2 = ", JF);
        c.line(110, "  JL = JF + ( JS + JR + JC + JB x (1/RN)^2 ) x (1/RM)^2 = ", JL);
    }

    void loadTorque(const Calc &c) const override { SlidingTableTorque(c); }

  private:
    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 1;
        t.title = "滾珠導螺桿傳動裝置";
        t.titleSuffix = "  Calculation Result of Ball Screw";
        t.fault = "Calculate Ball Screw Error!";
        return t;
    }
};

} // namespace

const Mechanism &BallScrew()
{
    static const BallScrewCalc ballScrew;
    return ballScrew;
}

} // namespace engine

bool TSelvane_F::CalcBallScrew()
{
    return engine::RunCalculation(*this, engine::BallScrew());
}
