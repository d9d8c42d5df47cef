#include "inertia/InertiaTable.h"

#include "platform/Real.h"

CSIZEITEM InertiaItems[InertiaEntryCount];

void InitInertiaTable()
{
    // Fields: entry, FModel, FModel2, FRltFlg, FModelM, symbol, default, unit, description.
    InertiaItems[0] = CSIZEITEM(0, 0, 0, 224, 0, "I", 0, "[Kg*m^2]", "慣量");
    InertiaItems[1] = CSIZEITEM(1, 0, 6, 0, 0, "m", 3, "[Kg]", "重量");
    InertiaItems[2] = CSIZEITEM(2, 24, 24, 0, 6, "L", 2, "[m]", "長度");
    InertiaItems[3] = CSIZEITEM(3, 24, 24, 0, 230, "ρ", 7870, "[Kg/m^3]", "比重");
    InertiaItems[4] = CSIZEITEM(4, 30, 30, 0, 6, "R0", 6, "[m]", "外徑");
    InertiaItems[5] = CSIZEITEM(5, 20, 20, 0, 4, "RI", 5, "[m]", "內徑");
    InertiaItems[6] = CSIZEITEM(6, 0, 224, 0, 224, "D1", 6, "[m]", "傳動端齒輪直徑");
    InertiaItems[7] = CSIZEITEM(7, 0, 224, 0, 224, "D2", 4, "[m]", "負載齒輪直徑");
    InertiaItems[8] = CSIZEITEM(8, 160, 160, 0, 0, "G1", 24, "[]", "傳動端齒輪齒數");
    InertiaItems[9] = CSIZEITEM(9, 160, 160, 0, 0, "G2", 12, "[]", "負載端齒輪齒數");
    InertiaItems[10] = CSIZEITEM(10, 224, 0, 0, 224, "W", 3, "[m]", "輪寬");
    InertiaItems[11] = CSIZEITEM(11, 0, 224, 0, 0, "m1", 6, "[Kg]", "傳動輪重");
    InertiaItems[12] = CSIZEITEM(12, 0, 224, 0, 0, "m2", 3, "[Kg]", "負載輪重");
    InertiaItems[13] = CSIZEITEM(13, 0, 0, 0, 0, "I1", 0, "[Kg*m^2]", "傳動端慣量");
    InertiaItems[14] = CSIZEITEM(14, 0, 0, 0, 0, "I2", 0, "[Kg*m^2]", "負載輪慣量");
}

void DestroyInertiaTable()
{
    for (auto &item : InertiaItems)
        item = CSIZEITEM();
}

namespace
{

const Real PI = 3.141592653589793;

Real v(InertiaEntry e)
{
    return InertiaItems[e].dV;
}

// I1 and I2 are stored before the ratio is formed, so a zero divisor leaves them set.
void storeWheelInertias()
{
    InertiaItems[EntryI1].dV = pow(v(EntryD1), 2) * v(EntryM1) * 0.125;
    InertiaItems[EntryI2].dV = pow(v(EntryD2), 2) * v(EntryM2) * 0.125;
}

} // namespace

void CalcInertiaSolidCylinder()
{
    InertiaItems[EntryI].dV = pow(v(EntryR0), 2) * v(EntryM) * 0.5;
}

void CalcInertiaHollowCylinder()
{
    InertiaItems[EntryI].dV = (pow(v(EntryR0), 2) + pow(v(EntryRI), 2)) * v(EntryM) * 0.5;
}

void CalcInertiaCone()
{
    InertiaItems[EntryI].dV = pow(v(EntryR0), 4) * PI * v(EntryL) * v(EntryRho) * 0.1;
}

// The series form of pi*rho*L*(R0^5 - RI^5) / (10*(R0 - RI)), which needs no division and holds
// for R0 = RI as well.
void CalcInertiaTruncatedCone()
{
    const Real RI = v(EntryRI);
    const Real d = v(EntryR0) - RI;
    const Real s =
        pow(RI, 4) + pow(RI, 3) * 2 * d + pow(RI, 2) * 2 * pow(d, 2) + pow(d, 3) * RI + pow(d, 4) * 0.2;
    InertiaItems[EntryI].dV = s * (PI * v(EntryRho) * v(EntryL) * 0.5);
}

void CalcInertiaGearPair()
{
    storeWheelInertias();
    InertiaItems[EntryI].dV = pow(v(EntryG1) / v(EntryG2), 2) * v(EntryI2) + v(EntryI1);
}

void CalcInertiaWheelPair()
{
    storeWheelInertias();
    InertiaItems[EntryI].dV = pow(v(EntryD1) / v(EntryD2), 2) * v(EntryI2) + v(EntryI1);
}

void storeSolidCylinderMass()
{
    InertiaItems[EntryM].dV = pow(v(EntryR0), 2) * PI * v(EntryL) * v(EntryRho);
}

void storeHollowCylinderMass()
{
    InertiaItems[EntryM].dV = (pow(v(EntryR0), 2) - pow(v(EntryRI), 2)) * (PI * v(EntryL) * v(EntryRho));
}

void storeWheelMasses()
{
    InertiaItems[EntryM1].dV = pow(v(EntryD1), 2) * PI * v(EntryW) * v(EntryRho) * 0.25;
    InertiaItems[EntryM2].dV = pow(v(EntryD2), 2) * PI * v(EntryW) * v(EntryRho) * 0.25;
}

namespace
{

struct InertiaTableLifetime {
    InertiaTableLifetime() { InitInertiaTable(); }
    ~InertiaTableLifetime() { DestroyInertiaTable(); }
    InertiaTableLifetime(const InertiaTableLifetime &) = delete;
    InertiaTableLifetime &operator=(const InertiaTableLifetime &) = delete;
};

const InertiaTableLifetime inertiaTableLifetime;

} // namespace
