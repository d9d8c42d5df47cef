#pragma once

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

// The About box: a fixed dialog with the program's name and version.
class TSelvane_About_F : public TForm
{
  public:
    explicit TSelvane_About_F(TComponent *owner);

    TPanel *Panel1 = nullptr;
    TImage *ProgramIcon = nullptr;
    TImage *Banner = nullptr;
    TLabel *ProductName = nullptr;
    TLabel *Version = nullptr;
    TLabel *Label1 = nullptr;
    TButton *OKButton = nullptr;

  private:
    void buildLayout();
};
