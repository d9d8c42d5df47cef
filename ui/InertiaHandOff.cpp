#include "ui/Selvane.h"

#include "inertia/InertiaTable.h"
#include "inertia/Selvane_Inertia.h"
#include "model/SizeItem.h"
#include "model/Texts.h"
#include "platform/Real.h"
#include "ui/Selvane_ABOUT.h"

#include <QProcess>

namespace
{

// Click-area code (Tag modulo 100) -> the inertia parameter it feeds.
struct InertiaTarget {
    int code;
    const char *suffix;
    int id;
};
constexpr InertiaTarget InertiaTargets[] = {{11, "JR", 45}, {12, "JS", 47}, {13, "JC", 46}, {14, "JRO", 42}};

// The calculator's result is in kg*m^2; the parameter holds its value in the unit its row shows.
double inShownUnit(double kgm2, const CSIZEITEM &item)
{
    AnsiString unit = item.asNowUnit;
    if (unit.size() >= 2 && unit.front() == '(' && unit.back() == ')')
        unit = unit.substr(1, unit.size() - 2);
    if (unit == "kg*cm^2")
        return Real(kgm2) * 10000;
    if (unit == "lb*ft^2")
        return Real(kgm2) * 23.7303337;
    return kgm2;
}

} // namespace

void TSelvane_F::img1_JR_RNClick(TObject *Sender)
{
    auto *area = dynamic_cast<TComponent *>(Sender);
    if (!area)
        return;
    PictureTag = area->Tag;
    const InertiaTarget *target = nullptr;
    for (const InertiaTarget &t : InertiaTargets)
        if (t.code == PictureTag % 100)
            target = &t;
    if (!target)
        return;

    // Before the result comes in, which the edit must not undo.
    CellEditExit(CellEdit);
    Selvane_Inertia_F->SetCaption(GetMsg("Selvane_F", 91, "慣量計算:") + target->suffix);
    const int result = Selvane_Inertia_F->ShowModal();
    // Closed with a value half typed: reported now; the entry kept its value.
    Selvane_Inertia_F->edValueExit(Selvane_Inertia_F);
    // A refused calculation hands nothing over.
    if (result != mrOk || !Selvane_Inertia_F->HasResult())
        return;
    CSIZEITEM &item = SizeItems[target->id];
    item.dV = inShownUnit(InertiaItems[EntryI].dV, item);
    FillParamGrids(cbModel->ItemIndex());
}

void TSelvane_F::actDebugExecute(TObject *)
{
    DebugMode = !DebugMode;
    tsPar2->SetTabVisible(DebugMode);
    for (TControl *c : std::initializer_list<TControl *>{Button5, Button6, Button7, Edit3, Edit2})
        c->SetVisible(DebugMode);
}

void TSelvane_F::tbAboutClick(TObject *)
{
    Selvane_About_F->ShowModal();
}

// The guide is started as a program; where that fails nothing is reported.
void TSelvane_F::ToolButton8Click(TObject *)
{
    QProcess::startDetached(QString::fromStdString(ExeDir() + "Kelo_SelvaneGuide.pdf"), {});
}
