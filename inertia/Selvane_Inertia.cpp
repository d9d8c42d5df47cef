#include "inertia/Selvane_Inertia.h"

TSelvane_Inertia_F::TSelvane_Inertia_F(TComponent *owner) : TForm(owner)
{
    Name = "Selvane_Inertia_F";
    SetCaption("慣量計算");
    SetClientSize(820, 510);
}
