#pragma once

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

// The About box: a fixed dialog with the program's name and version.
class TSelvane_About_F : public TForm
{
  public:
    explicit TSelvane_About_F(TComponent *owner);

    TPanel *Panel1;
    TImage *ProgramIcon;
    TImage *Banner;
    TLabel *ProductName;
    TLabel *Version;
    TLabel *Label1;
    TButton *OKButton;

  private:
    void buildLayout();
};
