#include "ui/Selvane.h"

#include "ui/Selvane_ABOUT.h"

void TSelvane_F::img1_JR_RNClick(TObject *) {}
void TSelvane_F::actDebugExecute(TObject *) {}

void TSelvane_F::tbAboutClick(TObject *) { Selvane_About_F->ShowModal(); }

void TSelvane_F::ToolButton8Click(TObject *) {}
