#include "ui/Selvane.h"

void TSelvane_F::FillMotorGrid(bool) {}
void TSelvane_F::FillDensityGrid() {}
void TSelvane_F::sgDensitySelectCell(TObject *, int, int, bool &) {}
void TSelvane_F::bbReplaceClick(TObject *) {}
void TSelvane_F::sgMotorRltSelectCell(TObject *, int, int, bool &) {}
void TSelvane_F::sgMotorRltDblClick(TObject *) {}
void TSelvane_F::tbSIClick(TObject *) {}
void TSelvane_F::tbMIClick(TObject *) {}
