#include "engine/Mechanisms.h"

#include "ui/Selvane.h"

namespace engine
{
namespace
{

using namespace sym;

constexpr int MotorCount = 43;

// The part of an energy that flows back to the drive.
Real negativePart(double energy)
{
    return energy < 0 ? Real(energy) : Real(0);
}

// A vertical ball-screw axis: the screw of lead PB raises and lowers the table MT with the load ML;
// MC is a counterweight, so it adds to the moving mass and the friction but works against gravity.
// One cycle is an up and a down stroke: two load torques (TUP, TDN), its own first-stage pick against
// both, four peak torques and six phase energies for every record, and an RMS torque over both
// strokes for the candidates.
class ElevatorCalc : public Mechanism
{
  public:
    ElevatorCalc() : Mechanism(ownTexts()) {}

    void travel(const Calc &c) const override
    {
        dS = PB * RN * RM;
        c.line(110, "  ", Delta, "S = PB x 1/RN x 1/RM = ", dS);
    }

    void loadInertia(const Calc &c) const override
    {
        JB = pow(DB, 4) * (PI * LB * rho) * 0.03125; // the screw as a solid cylinder
        JF = pow(dS * InvTwoPi, 2) * (ML + MT + MC);
        JL = (pow(RN, 2) * JB + (JS + JR + JC)) * pow(RM, 2) + JF;
        c.line(110, "  JB = ( ", Pi, " x LB x ", Rho, " x DB^4 ) / 32 = ", JB);
        c.line(110, "  JF = ( MT + ML + MC ) x (", Delta, "S/2", Pi, ")^2 = ", JF);
        c.line(110, "  JL  = JF + ( JS + JR +JC + JB x (1/RN)^2) x (1/RM)^2 = ", JL);
    }

    // TW and TF are at the screw, before the efficiency; μ acts on F as well as on the weights.
    void loadTorque(const Calc &c) const override
    {
        if (c.si()) {
            TW = ((MT + ML - MC) * G + F) * dS * InvTwoPi;
            TF = ((MT + ML + MC) * G + F) * mu * dS * InvTwoPi;
        } else if (c.imperial()) { // pounds of mass act as pounds-force
            TW = ((MT + ML - MC) + F) * dS * InvTwoPi;
            TF = ((MT + ML + MC) + F) * mu * dS * InvTwoPi;
        }
        TUP = (TW + TF) / eta;
        // Lowering: when gravity outweighs friction the motor brakes, and the losses then help it.
        const double d = Real(TF - TW);
        const bool lowerDrives = d > 0;
        TDN = lowerDrives ? Real(d) / eta : Real(d) * eta;

        if (c.si()) {
            c.line(110, "  TW = ( F + ( MT + ML - MC ) x g ) x ", Delta, "S/2", Pi, " = ", TW);
            c.line(110, "  TF  = ", Mu, " x ( F + ( MT + ML + MC ) x g ) x ", Delta, "S/2", Pi, " = ", TF);
        } else if (c.imperial()) {
            c.line(110, "  TW = ( F + ( MT + ML - MC ) ) x ", Delta, "S/2", Pi, " = ", TW);
            c.line(110, "  TF  = ", Mu, " x ( F + ( MT + ML + MC ) ) x ", Delta, "S/2", Pi, " = ", TF);
        }
        c.line(110, "  上升 TUP  = ( TW + TF ) x 1/", Eta, " = ", TUP);
        if (lowerDrives)
            c.line(110, "  下降 TDN (TD>0) = ( -TW + TF ) x 1/", Eta, " = ", TDN);
        else
            c.line(110, "  下降 TDN (TD<0) = ( -TW + TF ) x ", Eta, "   = ", TDN);
    }

    // Rated torque above the torques of both strokes, and the frame's inertia ratio.
    void pickMotors(const Calc &c) const override
    {
        const Msg ratio{68, "馬達慣量比"};
        c.heading(10, StepPick);
        c.line(10, Msg{67, "   第一階段篩選符合"});
        c.line(10, "                      Ttyp > TL");
        c.line(10, PickInertiaLineWide, ratio, ")");

        const Real JLm = JL * (1.0L / 15);
        int count = 0;
        for (int r = 0; r < MotorCount; ++r) {
            CMOTORSPC &m = MotorSpecs[r];
            c.motorHeading(r, Rule, StepPick);
            c.motorLine(r, 0, Msg{67, "   第一階段篩選符合"});
            c.motorLine(r, 0, "                      Ttyp > TL , Ttyp>TDN");
            c.motorLine(r, 0, PickInertiaLineWide, ratio, ")");

            const bool raises = m.Ttyp > TUP;
            const bool lowers = m.Ttyp > TDN;
            const bool inertiaOk = JLm < m.JM;
            if (!raises || !lowers || !inertiaOk)
                m.Pass = 0;
            c.motorLine(r, 1, "   ", m.Model, m.Pass == 1 ? " => (V)" : " => (X)");
            c.motorLine(r, 1, raises ? "      (V) Ttyp > TUP" : "      (X) Ttyp <= TUP");
            c.motorLine(r, 1, lowers ? "      (V) Ttyp > TDN" : "      (X) Ttyp <= TDN");
            c.motorLine(r, 1, inertiaOk ? "      (V) JM >  JL/m" : "      (X) JM <=  JL/m");
            if (m.Pass == 1)
                ++count;
        }
        c.line(10, Msg{69, "     共"}, count, Msg{59, "組"});
    }

    // Acceleration and deceleration of each stroke, for every record: the final checks read them.
    void peakTorques(const Calc &c) const override
    {
        c.heading(10, StepPeak);
        for (int r = 0; r < MotorCount; ++r) {
            CMOTORSPC &m = MotorSpecs[r];
            c.motorHeading(r, Rule, StepPeak);
            if (c.si() || c.imperial()) {
                const Real J = m.JM + JL; // the catalogue's rotor inertia, not the parameter JM
                // The inertia terms of speeding up and of slowing down, alike on both strokes.
                Real speeding = J * K * NV / tA, braking = J * MinusK * NV / tD;
                if (c.imperial()) {
                    speeding = speeding * ImperialTorque;
                    braking = braking * ImperialTorque;
                }
                m.TMAU = speeding + TUP;
                m.TMAD = braking + TUP;
                m.TMDU = speeding + TDN;
                m.TMDD = braking + TDN;
                const char *const *lines = c.si() ? PeakLinesSI : PeakLinesImperial;
                const double values[4] = {m.TMAU, m.TMAD, m.TMDU, m.TMDD};
                for (int k = 0; k < 4; ++k)
                    c.motorLine(r, 1, lines[k], values[k], m.TorqueNowUnit);
            }
            c.motorLine(r, 1, " ");
        }
    }

    // Both strokes over the doubled cycle; the motor holds TW while settling and standing.
    Real rmsSquareSum(const CMOTORSPC &m) const override
    {
        const Real TMAU = m.TMAU, TMAD = m.TMAD, TMDU = m.TMDU, TMDD = m.TMDD;
        return (pow(TMAU, 2) + pow(TMDU, 2)) * tA + (pow(TMAD, 2) + pow(TMDD, 2)) * tD +
               (pow(TUP, 2) + pow(TDN, 2)) * tE + pow(TW, 2) * (2.0 * tR + 2.0 * tS);
    }

    // The six phases of every record; ER is what flows back over the whole cycle.
    void regenEnergies(const Calc &c) const override
    {
        const char *const tabbed = "  \t\t";
        c.heading(10, StepRegen);
        for (int r = 0; r < MotorCount; ++r) {
            CMOTORSPC &m = MotorSpecs[r];
            c.motorHeading(r, Rule, StepRegen);
            if (c.si() || c.imperial()) {
                const Real unit = c.si() ? Real(1) : Real(ImperialEnergy); // the imperial factor comes last
                m.EAU = NV * 0.5 * m.TMAU * K * tA * unit;
                m.EAD = NV * 0.5 * m.TMAD * K * tD * unit;
                m.EAE = NV * TUP * K * tE * unit;
                m.EDU = NV * 0.5 * m.TMDU * K * tA * unit;
                m.EDD = NV * 0.5 * m.TMDD * K * tD * unit;
                m.EDE = NV * TDN * K * tE * unit;
            }
            try {
                m.ER = fabs(negativePart(m.EAU) + negativePart(m.EAD) + negativePart(m.EAE) +
                            negativePart(m.EDU) + negativePart(m.EDD) + negativePart(m.EDE));
                m.MarkCalculated({ResultER});
            } catch (const Exception &) {
                // Without a valid ER the drive's load cannot be judged.
                m.Pass = 0;
                c.show("Mode7 伺服回生能量計算 錯誤! At Item=" + IntToStr(r));
            }
            m.Pr = (etam * m.ER - m.EC) / tP;
            if (m.IsCalculated(ResultER)) // not from the ER of an earlier calculation
                m.MarkCalculated({ResultPr});
            if (!c.si() && !c.imperial())
                continue;
            const Phase *const phases = c.si() ? PhasesSI : PhasesImperial;
            const double energies[6] = {m.EAU, m.EAD, m.EAE, m.EDU, m.EDD, m.EDE};
            c.motorLine(r, 1, "    ", m.Model);
            for (int p = 0; p < 6; ++p)
                c.motorLine(r, 1, tabbed, phases[p].label, phases[p].formula, energies[p], " (J)");
            c.motorLine(r, 1, tabbed, Msg{80, "ER 取 EAU、EAD、EAE、EDU、EDD和EDE負值合的絕對值= "}, m.ER,
                        " (J)");
            c.motorLine(r, 1, tabbed, "Pr = ( ", Eta, "m x ER - EC ) / tP = ", m.Pr, " (W)");
        }
    }

  private:
    static constexpr const char *PeakLinesSI[4] = {
        "  TMAU =  0.1047 x ( JM + JL) x N/tA  +  TUP = ",
        "  TMAD = -0.1047 x ( JM + JL) x N/tD  +  TUP = ",
        "  TMDU =  0.1047 x ( JM + JL) x N/tA  +  TDN = ",
        "  TMDD = -0.1047 x ( JM + JL) x N/tD  +  TDN = ",
    };
    static constexpr const char *PeakLinesImperial[4] = {
        "  TMAU =  0.00325 x ( JM + JL) x N/tA  +  TUP = ",
        "  TMAD = -0.00325 x ( JM + JL) x N/tD  +  TUP = ",
        "  TMDU =  0.00325 x ( JM + JL) x N/tA  +  TDN = ",
        "  TMDD = -0.00325 x ( JM + JL) x N/tD  +  TDN = ",
    };
    struct Phase {
        Msg label;
        const char *formula;
    };
    static constexpr Phase PhasesSI[6] = {
        {{81, "上升加速"}, " EAU = 0.1047 x N/2 x TMAU x tA = "},
        {{82, "上升減速"}, " EAD = 0.1047 x N/2 x TMAD x tD = "},
        {{83, "上升定速"}, " EAE = 0.1047 x N x TUP x tE ="},
        {{84, "下降加速"}, " EDU = 0.1047 x N/2 x TMDU x tA = "},
        {{85, "下降減速"}, " EDD = 0.1047 x N/2 x TMDD x tD = "},
        {{86, "下降定速"}, " EDE = 0.1047 x N x TDN x tE ="},
    };
    static constexpr Phase PhasesImperial[6] = {
        {{81, "上升加速"}, " EAU = 0.14197 x N/2 x TMAU x tA = "},
        {{82, "上升減速"}, " EAD = 0.14197 x N/2 x TMAD x tD = "},
        {{83, "上升定速"}, " EAE = 0.14197 x N x TUP x tE ="},
        {{84, "下降加速"}, " EDU = 0.14197 x N/2 x TMDU x tA = "},
        {{85, "下降減速"}, " EDD = 0.14197 x N/2 x TMDD x tD = "},
        {{86, "下降定速"}, " EDE = 0.14197 x N x TDN x tE ="},
    };

    static MechanismTexts ownTexts()
    {
        MechanismTexts t;
        t.id = 7;
        t.title = "電梯傳送裝置";
        t.titleSuffix = " Calculation Elevator";
        t.fault = "Calculate Elevator Error!";
        t.faultForm = FaultForm::NameAndException;
        t.rmsLine =
            "  Trms = √( ( ( TMAU^2 + TMDU^2 ) x tA + ( TMAD^2 + TMDD^2 ) x tD + ( TUP^2+TDN^2 ) x tE + "
            "TW^2 x ( 2 x tR + 2 x tS ) ) / tP) = ";
        t.rmsFailCode = 10;
        return t;
    }
};

} // namespace

const Mechanism &Elevator()
{
    static const ElevatorCalc elevator;
    return elevator;
}

} // namespace engine

bool TSelvane_F::CalcElevator()
{
    return engine::RunCalculation(*this, engine::Elevator());
}
