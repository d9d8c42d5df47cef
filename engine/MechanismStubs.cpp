#include "ui/Selvane.h"

// Mechanisms not built yet: Calculate finds no match for them.
bool TSelvane_F::CalcThreeWheelCart()
{
    return false;
}
bool TSelvane_F::CalcConveyor()
{
    return false;
}
bool TSelvane_F::CalcElevator()
{
    return false;
}
