#include "ui/Selvane.h"

bool TSelvane_F::ReadCalcInputs() { return false; }
bool TSelvane_F::CalcMotionTimes(int) { return false; }
bool TSelvane_F::CheckMotorMaxRPM(int, int) { return false; }
bool TSelvane_F::FirstCheckMotor(double, double) { return false; }
bool TSelvane_F::CalcBallScrew() { return false; }
bool TSelvane_F::CalcRackPinion() { return false; }
bool TSelvane_F::CalcRollFeed() { return false; }
bool TSelvane_F::CalcRotaryTable() { return false; }
bool TSelvane_F::CalcThreeWheelCart() { return false; }
bool TSelvane_F::CalcConveyor() { return false; }
bool TSelvane_F::CalcElevator() { return false; }
void TSelvane_F::bbCalculateClick(TObject *) {}
