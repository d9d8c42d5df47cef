#include "ui/Selvane.h"

void TSelvane_F::FillParamGrids(int) {}
void TSelvane_F::RefreshParamValues() {}
void TSelvane_F::ConvertToCalcUnits() {}
void TSelvane_F::sgPar1SelectCell(TObject *, int, int, bool &) {}
void TSelvane_F::CellEditKeyUp(TObject *, unsigned short &, int) {}
void TSelvane_F::CellUnitChange(TObject *) {}
void TSelvane_F::cbCBXDropDown(TObject *) {}
void TSelvane_F::cbCBXCloseUp(TObject *) {}
void TSelvane_F::cbCBXChange(TObject *) {}
void TSelvane_F::pcModPicChange(TObject *) {}
void TSelvane_F::cbModelChange(TObject *) {}
