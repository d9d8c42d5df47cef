#include "ui/Selvane.h"

void TSelvane_F::DrawMotionProfile(double, double, double, double, double) {}
void TSelvane_F::ClearResults() {}
