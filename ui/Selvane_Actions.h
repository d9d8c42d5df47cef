#pragma once

#include "platform/Forms.h"

// The dialog that asks which parts of the results a report holds.
class TSelvane_Actions_F : public TForm {
public:
    explicit TSelvane_Actions_F(TComponent *owner);
};
