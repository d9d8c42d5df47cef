#include "model/MotorCatalogue.h"

namespace
{

// Imperial copies; the products are formed in extended precision, then rounded once more to double.
constexpr double InertiaToImperial = 23.7303337;        // kg*m^2 to lb*ft^2
constexpr double TorqueToImperial = 0.7375621492772656; // N*m to lbf*ft: 1 / (0.3048 * 4.4482216152605)

double scaled(double value, double factor)
{
    return static_cast<double>(static_cast<long double>(value) * factor);
}

} // namespace

CMOTORSPC::CMOTORSPC(const AnsiString &model, const AnsiString &drive, int powerW, double jm, double ttyp,
                     double tmax, double ec, double regenW, double maxRpm)
    : Model(model), Drive(drive), PowerW(powerW)
{
    JM = JM_SI = jm;
    JM_MI = scaled(jm, InertiaToImperial);
    Ttyp = Ttyp_SI = ttyp;
    Ttyp_MI = scaled(ttyp, TorqueToImperial);
    Tmax = Tmax_SI = tmax;
    Tmax_MI = scaled(tmax, TorqueToImperial);
    MaxRpm = maxRpm;
    EC = ec;
    RegenW = regenW;
    Pass = 0;
    NeedResistor = 0;
    Trms = TA = TD = 0;
    Lines.clear();
    TorqueUnitType = 1;
    TorqueUnit_SI = "[N.m]";
    TorqueUnit_MI = "[lb.ft]";
    TorqueUnit = TorqueUnit_SI;
    TorqueNowUnit = "(N.m)";
}
