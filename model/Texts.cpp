#include "model/Texts.h"

#include "platform/ComCtrls.h"
#include "platform/Exceptions.h"
#include "platform/Forms.h"

#include <cstring>

TMemIniFile *CaptionIni = nullptr;
TMemIniFile *MessageIni = nullptr;
TMemIniFile *SizingIni = nullptr;
int LanguageIndex = 0;

AnsiString GetMsg(const AnsiString &section, int number, const AnsiString &def)
{
    if (!MessageIni)
        return def;
    return MessageIni->ReadString(section, IntToStr(number) + "." + IntToStr(LanguageIndex), def);
}

namespace
{

AnsiString Caption(const AnsiString &section, const AnsiString &key, const AnsiString &def)
{
    return CaptionIni ? CaptionIni->ReadString(section, key, def) : def;
}

bool Is(const TComponent *c, const char *className)
{
    return std::strcmp(c->ClassName(), className) == 0;
}

} // namespace

void ApplyCaptions(TForm *form)
{
    try {
        const AnsiString section = form->Name;
        const AnsiString lang = IntToStr(LanguageIndex);
        form->SetCaption(Caption(section, "Cap." + lang, form->Caption()));
        Trace(1, form->Caption());
        for (TComponent *c : form->Components()) {
            const AnsiString key = c->Name + ".Cap." + lang;
            if (Is(c, "TLabel") || Is(c, "TStaticText")) {
                auto *label = static_cast<TLabel *>(c);
                label->SetCaption(Caption(section, key, label->Caption()));
            } else if (Is(c, "TBitBtn")) {
                auto *button = static_cast<TButton *>(c);
                button->SetCaption(Caption(section, key, button->Caption()));
            } else if (Is(c, "TGroupBox")) {
                auto *box = static_cast<TGroupBox *>(c);
                box->SetCaption(Caption(section, key, box->Caption()));
            } else if (Is(c, "TCheckBox")) {
                auto *box = static_cast<TCheckBox *>(c);
                box->SetCaption(Caption(section, key, box->Caption()));
            } else if (Is(c, "TTabSheet")) {
                auto *sheet = static_cast<TTabSheet *>(c);
                sheet->SetCaption(Caption(section, key, sheet->Caption()));
            } else if (Is(c, "TToolButton")) {
                auto *button = static_cast<TToolButton *>(c);
                button->SetCaption(Caption(section, key, button->Caption()));
                button->SetHint(Caption(section, key, button->Caption()));
            } else if (Is(c, "TComboBox")) {
                auto *combo = static_cast<TComboBox *>(c);
                const int index = combo->ItemIndex();
                const std::vector<AnsiString> items = combo->Items.Items();
                std::vector<AnsiString> localised;
                for (size_t j = 0; j < items.size(); ++j)
                    localised.push_back(
                        Caption(section, c->Name + "." + IntToStr(static_cast<long long>(j)) + ".Cap." + lang,
                                items[j]));
                combo->Items.Assign(localised);
                combo->SetItemIndex(index);
            }
        }
    } catch (const Exception &e) {
        LogToDebugMemo(e.Message);
    }
}

void Trace(int, const AnsiString &) {}
