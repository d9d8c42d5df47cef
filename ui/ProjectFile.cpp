#include "ui/Selvane.h"

void TSelvane_F::tbSaveClick(TObject *) {}
void TSelvane_F::tbOpenClick(TObject *) {}
