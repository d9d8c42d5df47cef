#include "inertia/InertiaDialogFixture.h"
#include "model/SizeItem.h"
#include "model/Texts.h"
#include "platform/ComCtrls.h"
#include "ui/Selvane_Actions.h"

#include <cstring>
#include <regex>

namespace
{

// The program's windows on the Message.ini and Caption.ini that ship beside it.
class ShippedTextsTest : public InertiaDialogTest
{
  protected:
    bool WithTextFiles() const override { return true; }

    static bool isAscii(const AnsiString &text)
    {
        for (unsigned char c : text)
            if (c >= 0x80)
                return false;
        return true;
    }
    // The caption (and hint) of every component that takes its text from Caption.ini.
    static std::vector<std::pair<AnsiString, AnsiString>> localisedTexts(TForm *form)
    {
        std::vector<std::pair<AnsiString, AnsiString>> texts = {{form->Name, form->Caption()}};
        for (TComponent *c : form->Components()) {
            const char *cls = c->ClassName();
            if (!std::strcmp(cls, "TLabel") || !std::strcmp(cls, "TStaticText"))
                texts.emplace_back(c->Name, static_cast<TLabel *>(c)->Caption());
            else if (!std::strcmp(cls, "TBitBtn"))
                texts.emplace_back(c->Name, static_cast<TButton *>(c)->Caption());
            else if (!std::strcmp(cls, "TCheckBox"))
                texts.emplace_back(c->Name, static_cast<TCheckBox *>(c)->Caption());
            else if (!std::strcmp(cls, "TGroupBox"))
                texts.emplace_back(c->Name, static_cast<TGroupBox *>(c)->Caption());
            else if (!std::strcmp(cls, "TTabSheet"))
                texts.emplace_back(c->Name, static_cast<TTabSheet *>(c)->Caption());
            else if (!std::strcmp(cls, "TToolButton"))
                texts.emplace_back(c->Name, static_cast<TToolButton *>(c)->Hint());
        }
        return texts;
    }
};

TEST_F(ShippedTextsTest, EnglishUserSeesEnglishWindowsAndInertiaCalculator)
{
    d->Activate();
    Selvane_Actions_F->Activate();
    for (TForm *form :
         {static_cast<TForm *>(w), static_cast<TForm *>(d), static_cast<TForm *>(Selvane_Actions_F)}) {
        for (const auto &[name, text] : localisedTexts(form)) {
            // The dialog is titled by the main window when it opens; its formula comes below.
            if (name != "Selvane_Inertia_F" && name != "stFormula") {
                EXPECT_TRUE(isAscii(text)) << name << ": " << text;
            }
        }
    }
    for (const CSIZEITEM &item : SizeItems)
        EXPECT_TRUE(isAscii(item.Name)) << item.Abbr << ": " << item.Name;
    for (int col = 1; col < w->sgMotor->ColCount(); ++col)
        EXPECT_TRUE(isAscii(w->sgMotor->Cells(col, 0))) << w->sgMotor->Cells(col, 0);
    for (int row = 1; row <= 16; ++row)
        EXPECT_TRUE(isAscii(w->sgDensity->Cells(0, row))) << w->sgDensity->Cells(0, row);

    for (int shape = 0; shape < 7; ++shape) {
        d->cbMode->UserSelect(shape);
        EXPECT_TRUE(isAscii(d->cbMode->Items[shape])) << d->cbMode->Items[shape];
        // The formulas keep their two glyphs.
        const AnsiString formula = std::regex_replace(
            std::regex_replace(d->stFormula->Caption(), std::regex("π"), "pi"), std::regex("ρ"), "rho");
        EXPECT_TRUE(isAscii(formula)) << shape << ": " << formula;
    }
    for (const CSIZEITEM &item : InertiaItems)
        EXPECT_TRUE(isAscii(item.Name)) << item.Abbr << ": " << item.Name;
    for (int col = 1; col <= 3; ++col)
        EXPECT_TRUE(isAscii(d->sgInertia->Cells(col, 0))) << d->sgInertia->Cells(col, 0);
}

TEST_F(ShippedTextsTest, CountLinesSeparateTheNumberFromItsWordInEveryLanguage)
{
    struct Case {
        int language;
        const char *countLine; // a memo line counting the candidates left
        const char *total;     // the line of the suggested matches
    };
    const Case cases[] = {
        {0, "^     Total:(\\d+) Sets$", "^Suggest Matches : Total  (\\d+)  Sets$"},
        {1, "^     共(\\d+)組$", "^建議選配 : 共  (\\d+) 組$"},
        {2, "^     共(\\d+)组$", "^建议选配 : 共  (\\d+) 组$"},
    };
    for (const Case &c : cases) {
        w->cbLag->UserSelect(c.language);
        w->bbCalculate->Click();
        const AnsiString countStart = GetMsg("Selvane_F", 69, "");
        int countLines = 0;
        for (const AnsiString &line : LinesOf(w->moRlt)) {
            if (line.compare(0, countStart.size(), countStart) != 0)
                continue;
            ++countLines;
            EXPECT_TRUE(std::regex_match(line, std::regex(c.countLine))) << c.language << ": " << line;
        }
        // Steps 5 and 6 each count the candidates left.
        EXPECT_EQ(countLines, 2) << c.language;
        EXPECT_TRUE(std::regex_match(w->stRlt->Caption(), std::regex(c.total)))
            << c.language << ": " << w->stRlt->Caption();
    }
}

} // namespace
