#include "engine/CalcFrame.h"

#include "model/Texts.h"
#include "platform/Forms.h"
#include "ui/Selvane.h"

#include <cstring>

namespace engine
{

using namespace sym;

void Calc::append(AnsiString &out, double value) const
{
    out += FloatToStr(value);
}
void Calc::append(AnsiString &out, int count) const
{
    out += IntToStr(count);
}
void Calc::append(AnsiString &out, Param p) const
{
    out += FloatToStr(p.value());
    out += p.item().asNowUnit;
}

const AnsiString &Calc::message(Msg msg) const
{
    for (const auto &m : messages_) {
        if (m.msg.number == msg.number && std::strcmp(m.msg.section, msg.section) == 0 &&
            std::strcmp(m.msg.def, msg.def) == 0)
            return m.text;
    }
    messages_.push_back({msg, GetMsg(msg.section, msg.number, msg.def)});
    return messages_.back().text;
}

void Calc::log(int code, const AnsiString &text) const
{
    window->LogLine(code, text);
}
void Calc::logMotor(int r, int code, const AnsiString &text) const
{
    window->LogMotorLine(r, code, text);
}

void Calc::heading(int code, Msg msg) const
{
    line(code, Rule);
    line(code, msg);
}

void Calc::motorHeading(int r, const char *rule, Msg msg) const
{
    motorLine(r, 0, rule);
    motorLine(r, 0, msg);
}

void Calc::show(const AnsiString &text) const
{
    if (window)
        ShowMessage(text);
}

namespace
{

constexpr int MotorCount = 43;

// The part of an energy that counts toward the regenerated energy: only what flows back.
Real negativePart(double energy)
{
    return energy < 0 ? Real(energy) : Real(0);
}

} // namespace

void Mechanism::pickMotors(const Calc &c) const
{
    c.heading(10, StepPick);
    c.line(10, Msg{67, "   第一階段篩選符合"});
    c.line(10, "                      Ttyp > TL");
    c.line(10, texts.pickInertiaLine, Msg{68, "馬達慣量比"}, ")");
    PickByTorqueAndInertia(c, TL.value(), JL.value());

    int count = 0;
    for (int r = 0; r < MotorCount; ++r) {
        if (MotorSpecs[r].Pass != 1)
            continue;
        ++count;
        if (texts.listPicked)
            c.line(10, "    ", count, " : ", MotorSpecs[r].Model);
    }
    if (texts.builtInPickCount)
        c.line(110, "     共", count, "組");
    else
        c.line(10, Msg{69, "     共"}, count, Msg{59, "組"});
}

void Mechanism::peakTorques(const Calc &c) const
{
    c.heading(10, StepPeak);
    for (int r = 0; r < MotorCount; ++r) {
        CMOTORSPC &m = MotorSpecs[r];
        c.motorHeading(r, Rule, StepPeak);
        if (m.Pass != 1)
            continue;
        const Real J = m.JM + JL; // the catalogue's rotor inertia, not the parameter JM
        if (c.si()) {
            m.TA = J * K * NV / tA + TL;
            m.TD = J * MinusK * NV / tD + TL;
            m.MarkCalculated({ResultTA, ResultTD});
            c.motorLine(r, 1, "    ", m.Model, " TA =  0.1047 x ( JM + JL) x N/tA  +  TL = ", m.TA,
                        m.TorqueNowUnit);
            c.motorLine(r, 1, "    ", m.Model, " TD = -0.1047 x ( JM + JL) x N/tD  +  TL = ", m.TD,
                        m.TorqueNowUnit);
            if (!texts.blankAfterBranch)
                c.motorLine(r, 1, " ");
        } else if (c.imperial()) {
            m.TA = J * K * NV / tA * ImperialTorque + TL;
            m.TD = J * MinusK * NV / tD * ImperialTorque + TL;
            m.MarkCalculated({ResultTA, ResultTD});
            c.motorLine(r, 1, "    ", m.Model, " TA =  0.00325 x ( JM + JL) x N/tA  +  TL = ", m.TA,
                        m.TorqueNowUnit);
            c.motorLine(r, 1, "    ", m.Model, " TD = -0.00325 x ( JM + JL) x N/tD  +  TL = ", m.TD,
                        m.TorqueNowUnit);
            if (!texts.blankAfterBranch)
                c.motorLine(r, 1, " ");
        }
        if (texts.blankAfterBranch)
            c.motorLine(r, 1, " ");
    }
}

Real Mechanism::rmsSquareSum(const CMOTORSPC &m) const
{
    const Real TA = m.TA, TD = m.TD;
    return pow(TA, 2) * tA + pow(TL, 2) * tE + pow(TD, 2) * tD;
}

void Mechanism::rmsTorques(const Calc &c) const
{
    c.heading(10, StepRms);
    for (int r = 0; r < MotorCount; ++r) {
        CMOTORSPC &m = MotorSpecs[r];
        c.motorHeading(r, texts.rmsRule, StepRms);
        if (m.Pass != 1)
            continue;
        try {
            m.Trms = sqrt(rmsSquareSum(m) / tP);
            m.MarkCalculated({ResultTrms});
            c.motorLine(r, 1, "    ", m.Model, texts.rmsLine, m.Trms, m.TorqueNowUnit);
        } catch (const Exception &) {
            // No valid RMS torque (a negative radicand included): the record cannot be judged.
            m.Pass = 0;
            c.motorLine(r, texts.rmsFailCode, "    ", m.Model, " Trms ", CalcError);
        }
    }
}

void Mechanism::regenEnergies(const Calc &c) const
{
    c.heading(10, StepRegen);
    for (int r = 0; r < MotorCount; ++r) {
        CMOTORSPC &m = MotorSpecs[r];
        c.motorHeading(r, Rule, StepRegen);
        if (m.Pass != 1)
            continue;
        const Real TA = m.TA, TD = m.TD;
        if (c.si()) {
            m.EA = NV * 0.5 * TA * K * tA;
            m.ED = NV * 0.5 * TD * K * tD;
            m.EE = NV * TL * K * tE;
            m.MarkCalculated({ResultEA, ResultED, ResultEE});
            c.motorLine(r, 1, "    ", m.Model, " EA = 0.1047 x N/2 x TA x tA = ", m.EA, " (J)");
            c.motorLine(r, 1, "    ", m.Model, " ED = 0.1047 x N/2 x TD x tD = ", m.ED, " (J)");
            c.motorLine(r, 1, "    ", m.Model, " EE = 0.1047 x N x TL x tE   = ", m.EE, " (J)");
        } else if (c.imperial()) {
            m.EA = NV * 0.5 * TA * K * tA * ImperialEnergy;
            m.ED = NV * 0.5 * TD * K * tD * ImperialEnergy;
            m.EE = NV * TL * K * tE * ImperialEnergy;
            m.MarkCalculated({ResultEA, ResultED, ResultEE});
            c.motorLine(r, 1, "    ", m.Model, " EA = 0.14197 x N/2 x TA x tA = ", m.EA, " (J)");
            c.motorLine(r, 1, "    ", m.Model, " ED = 0.14197 x N/2 x TD x tD = ", m.ED, " (J)");
            c.motorLine(r, 1, "    ", m.Model, " EE = 0.14197 x N x TL x tE   = ", m.EE, " (J)");
        }
        m.ER = fabs(negativePart(m.EA) + negativePart(m.ED) + negativePart(m.EE));
        m.Pr = (etam * m.ER - m.EC) / tP;
        m.MarkCalculated({ResultER, ResultPr});
        c.motorLine(r, 1, "    ", m.Model, Msg{80, " ER (取EA、ED和EE當中為負的值之合，再取其合絕對值) = "},
                    m.ER, " (J)");
        c.motorLine(r, 1, "    ", m.Model, " Pr = ( ", Eta, "m x ER - EC ) / tP = ", m.Pr, " (W)");
        c.motorLine(r, 1, " ");
    }
}

bool RunSteps(const Calc &c, const Mechanism &m)
{
    c.heading(110, StepTravel);
    m.travel(c);
    dP = 0.0001L * dS;
    c.line(110, "  ", Delta, "P = ", Delta, "S / 10000= ", dP);

    if (!MotionTimes(c, m.texts.id))
        return false;

    c.heading(110, StepInertia);
    m.loadInertia(c);

    c.heading(110, StepTorque);
    m.loadTorque(c);

    c.heading(10, StepSpeed);
    NV = V / dS;
    c.line(10, "  NV = V / ", Delta, "S = ", NV);
    CheckMaxSpeed(c);
    int count = 0;
    for (int r = 0; r < MotorCount; ++r) {
        if (MotorSpecs[r].Pass == 1)
            c.line(10, "    (V)", ++count, " : ", MotorSpecs[r].Model);
    }
    c.line(10, Msg{69, "     共"}, count, Msg{59, "組"});

    m.pickMotors(c);
    m.peakTorques(c);
    m.rmsTorques(c);
    m.regenEnergies(c);
    return true;
}

AnsiString FaultText(const MechanismTexts &t, const Exception &e)
{
    // With Message.ini the fault message is the mechanism's name: message 70 says that it failed.
    const AnsiString name = GetMsg("Selvane_F", t.id, t.fault);
    const AnsiString failed = GetMsg(CalcError.section, CalcError.number, CalcError.def);
    switch (t.faultForm) {
    case FaultForm::NameAndCalcError:
        return name + failed;
    case FaultForm::NameAndException:
        return name + " \n\n" + e.Message;
    case FaultForm::NameCalcErrorAndException:
        return name + failed + " \n\n" + e.Message;
    }
    return name;
}

bool RunCalculation(TSelvane_F &window, const Mechanism &m)
{
    const Calc c(&window, window.UnitType);
    try {
        window.moRlt->Lines.Clear();
        c.line(110, Msg{m.texts.id, m.texts.title}, m.texts.titleSuffix);
        c.line(110, Rule);
        if (!window.ReadCalcInputs())
            return false;
        if (!RunSteps(c, m))
            return false;
        window.DrawMotionProfile(tA.value(), tE.value(), tD.value(), tR.value(), tS.value());
        return true;
    } catch (const Exception &e) {
        c.show(FaultText(m.texts, e));
        return false;
    }
}

void SlidingTableTorque(const Calc &c)
{
    using namespace sym;
    if (c.si()) {
        TL = ((MT + ML) * mu * G + F) * dS * InvTwoPi / eta;
        c.line(110, "  TL = ( F + ", Mu, " x ( MT + ML ) x g ) x ", Delta, "S/2", Pi, " x 1/", Eta, " = ",
               TL);
    } else if (c.imperial()) { // pounds of mass act as pounds-force
        TL = ((MT + ML) * mu + F) * dS * InvTwoPi / eta;
        c.line(110, "  TL = ( F + ", Mu, " x ( MT + ML ) ) x ", Delta, "S/2", Pi, " x 1/", Eta, " = ", TL);
    }
}

} // namespace engine
