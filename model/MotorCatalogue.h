#pragma once

#include "platform/SysUtils.h"

#include <initializer_list>
#include <vector>

// The per-candidate results in the order of the catalogue grid's result columns.
enum MotorResult : unsigned {
    ResultTrms,
    ResultTA,
    ResultTD,
    ResultPr,
    ResultEA,
    ResultED,
    ResultEE,
    ResultER
};

// One motor and drive pair of the built-in catalogue MotorSpecs, with the results of the last
// calculation for it. JM, Ttyp and Tmax hold the SI or the imperial copy, per TorqueUnitType.
struct CMOTORSPC {
    AnsiString Model;
    AnsiString Drive; // series: "Kelo-P", "Kelo-Q", "Kelo-R" or "Kelo-T"
    int PowerW = 0;
    double JM = 0;    // rotor inertia
    double JM_SI = 0; // kg*m^2
    double JM_MI = 0; // lb*ft^2
    double Ttyp = 0;  // rated torque
    double Ttyp_SI = 0;
    double Ttyp_MI = 0;
    double Tmax = 0; // peak torque
    double Tmax_SI = 0;
    double Tmax_MI = 0;
    double MaxRpm = 0;
    int Pass = 0;      // 1 while still a candidate in the current calculation
    double RegenW = 0; // W the drive can absorb on its own
    double EC = 0;     // J the drive's capacitors store
    double Pr = 0;     // regenerative power, W
    unsigned char NeedResistor = 0;
    double Trms = 0;
    double TA = 0;
    double TD = 0;
    double EA = 0;
    double ED = 0;
    double EE = 0;
    double ER = 0;
    // Elevator: torques and energies of the up (U) and down (D) strokes.
    double TMAU = 0;
    double TMAD = 0;
    double TMDU = 0;
    double TMDD = 0;
    double EAU = 0;
    double EAD = 0;
    double EAE = 0;
    double EDU = 0;
    double EDD = 0;
    double EDE = 0;
    // Bit r: result r (MotorResult) was stored by the current calculation; the others are left
    // from earlier ones and are not shown.
    unsigned Calculated = 0;
    std::vector<AnsiString> Lines; // detail lines of the last calculation
    int TorqueUnitType = 0;
    AnsiString TorqueUnit;
    AnsiString TorqueUnit_SI;
    AnsiString TorqueUnit_MI;
    AnsiString TorqueNowUnit;

    CMOTORSPC() = default;
    // jm in kg*m^2, ttyp and tmax in N*m, ec in J, regenW in W, maxRpm in rpm.
    CMOTORSPC(const AnsiString &model, const AnsiString &drive, int powerW, double jm, double ttyp,
              double tmax, double ec, double regenW, double maxRpm);

    void MarkCalculated(std::initializer_list<MotorResult> results)
    {
        for (MotorResult r : results)
            Calculated |= 1u << r;
    }
    bool IsCalculated(MotorResult r) const { return Calculated & (1u << r); }
};

extern CMOTORSPC MotorSpecs[43];
