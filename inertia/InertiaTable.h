#pragma once

#include "model/SizeItem.h"

// The inertia calculator's own quantities, in metre, kilogram, kg*m^2 and kg/m^3. FModel, FModel2
// and FModelM are shape masks (bit k+1 for shape k): rows of the inertia grid with the weight
// calculated, rows of the inertia grid with the weight typed, rows of the weight grid.
enum InertiaEntry {
    EntryI,   // result, referred to the drive side for the wheel pairs
    EntryM,   // mass of the cylinder
    EntryL,   // length
    EntryRho, // density
    EntryR0,  // outer radius
    EntryRI,  // inner radius
    EntryD1,  // drive-side wheel diameter
    EntryD2,  // load-side wheel diameter
    EntryG1,  // drive-side tooth count
    EntryG2,  // load-side tooth count
    EntryW,   // width of both wheels
    EntryM1,  // drive-side wheel mass
    EntryM2,  // load-side wheel mass
    EntryI1,  // drive-side wheel inertia
    EntryI2,  // load-side wheel inertia
    InertiaEntryCount
};

extern CSIZEITEM InertiaItems[InertiaEntryCount];

// Builds the table with its defaults as values. Runs once before main; calling it again resets it.
void InitInertiaTable();
// Empties the table. Runs at exit; calling it more than once is harmless.
void DestroyInertiaTable();

// The inertia formulas. Each reads and writes InertiaItems only and raises the floating-point
// exceptions of Real (a zero G2 or D2 divides by zero after I1 and I2 are stored; I keeps its value).
void CalcInertiaSolidCylinder();
void CalcInertiaHollowCylinder();
void CalcInertiaCone();
void CalcInertiaTruncatedCone();
void CalcInertiaGearPair();
void CalcInertiaWheelPair();

// The mass formulas of the weight command: m of the cylinders, m1 and m2 of the wheel pairs.
void storeSolidCylinderMass();
void storeHollowCylinderMass();
void storeWheelMasses();
