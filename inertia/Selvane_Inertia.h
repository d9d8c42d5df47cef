#pragma once

#include "platform/Forms.h"

// The inertia calculator dialog.
class TSelvane_Inertia_F : public TForm {
public:
    explicit TSelvane_Inertia_F(TComponent *owner);
};
