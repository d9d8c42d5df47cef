#include "ui/Selvane_ABOUT.h"

#include "platform/Jpeg.h"

TSelvane_About_F::TSelvane_About_F(TComponent *owner) : TForm(owner)
{
    Name = "Selvane_About_F";
    BuildOnFirstUse([this] { buildLayout(); });
}

void TSelvane_About_F::buildLayout()
{
    SetCaption("About");
    SetDialogFrame();
    SetClientSize(258, 218);
    SetPosition(poScreenCenter);
    SetColor(14083299);

    Panel1 = new TPanel(this);
    Panel1->Name = "Panel1";
    Panel1->SetBounds(8, 8, 242, 161);
    Panel1->SetBevel(bvLowered);
    Panel1->SetColor(14477796);
    Panel1->SetParent(this);

    Banner = new TImage(this);
    Banner->Name = "Banner";
    Banner->SetBounds(45, 8, 152, 46);
    Banner->SetPicture([] { return EmbeddedJpeg("about_banner.jpg"); });
    Banner->SetParent(Panel1);
    ProgramIcon = new TImage(this);
    ProgramIcon->Name = "ProgramIcon";
    ProgramIcon->SetBounds(12, 66, 36, 36);
    ProgramIcon->SetPicture([] { return EmbeddedJpeg("about_icon.jpg"); });
    ProgramIcon->SetParent(Panel1);

    struct Text {
        TLabel **label;
        const char *name;
        const char *caption;
        int top;
    };
    for (const Text &t : {Text{&ProductName, "ProductName", "Zorvo Kelo -Selvane", 66},
                          Text{&Version, "Version", "Version : 1.02.04", 92},
                          Text{&Label1, "Label1", "309.2000515.02", 118}}) {
        auto *label = new TLabel(this);
        label->Name = t.name;
        label->SetBounds(60, t.top, 176, 20);
        label->SetCaption(t.caption);
        label->SetParent(Panel1);
        *t.label = label;
    }
    ProductName->SetFontBold(true);

    OKButton = new TButton(this);
    OKButton->Name = "OKButton";
    OKButton->SetBounds(91, 180, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->ModalResult = mrOk;
    OKButton->SetDefault(true);
    OKButton->Cancel = true; // Esc closes the box as well
    OKButton->SetParent(this);
}
