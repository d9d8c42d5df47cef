#include "ui/Selvane.h"

void TSelvane_F::tbSaveRltClick(TObject *) {}
void TSelvane_F::WriteReportLine(std::FILE *, const AnsiString &) {}
