#include "MainWindowFixture.h"

#include "inertia/Selvane_Inertia.h"
#include "model/Tables.h"
#include "model/Texts.h"
#include "platform/Translations.h"
#include "ui/Selvane_ABOUT.h"
#include "ui/Selvane_Actions.h"

void MainWindowTest::SetUp()
{
    InitParamAndMotorTables();
    SetMessageHook([this](const MessageRecord &m) {
        messages.push_back(m);
        int answer = (m.flags & 0xF) == MB_YESNO ? IDYES : IDOK;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        return answer;
    });
    SetModalHook([this](TForm *form) {
        if (modals_.empty())
            return mrCancel;
        auto f = std::move(modals_.front());
        modals_.pop_front();
        return f(form);
    });
    SetFileDialogHook([this](const char *, AnsiString &name) {
        if (files_.empty())
            return false;
        name = files_.front();
        files_.pop_front();
        return !name.empty();
    });
    SetShellOpenHook([this](const AnsiString &path) { shellOpened.push_back(path); });

    MainFormOpen = 1;
    CreateForms();
    w = Selvane_F;
    if (!WithTextFiles()) {
        *MessageIni = TMemIniFile("");
        *CaptionIni = TMemIniFile("");
    }
    LanguageIndex = 0;
    w->cbLag->SetItemIndex(0);
    UseQtTranslations(0);
    w->Show();
    w->Activate();
}

void MainWindowTest::TearDown()
{
    delete Selvane_Actions_F;
    delete Selvane_About_F;
    delete Selvane_Inertia_F;
    delete Selvane_F;
    Selvane_Actions_F = nullptr;
    Selvane_About_F = nullptr;
    Selvane_Inertia_F = nullptr;
    Selvane_F = nullptr;
    Application->MainForm = nullptr;
    delete CaptionIni;
    delete MessageIni;
    delete SizingIni;
    CaptionIni = MessageIni = SizingIni = nullptr;
    SetMessageHook(nullptr);
    SetModalHook(nullptr);
    SetFileDialogHook(nullptr);
    SetShellOpenHook(nullptr);
    DestroyParamAndMotorTables();
}

std::vector<AnsiString> MainWindowTest::MessageTexts() const
{
    std::vector<AnsiString> texts;
    for (const auto &m : messages)
        texts.push_back(m.text);
    return texts;
}
