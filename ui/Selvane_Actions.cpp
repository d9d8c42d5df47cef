#include "ui/Selvane_Actions.h"

TSelvane_Actions_F::TSelvane_Actions_F(TComponent *owner) : TForm(owner)
{
    Name = "Selvane_Actions_F";
}
