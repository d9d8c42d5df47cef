#include "model/Tables.h"
#include "model/Texts.h"
#include "platform/Encoding.h"
#include "platform/ReplacingFile.h"
#include "ui/MatchLookup.h"
#include "ui/ProjectFile.h"
#include "ui/Selvane.h"
#include "ui/Selvane_Actions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace
{

const char lineFailedText[] = "Write Input Parameter Line Failed!";

// A report line that could not be written; the command adds the file's name and the reason.
struct LineWriteError : Exception {
    explicit LineWriteError(int e) : Exception(lineFailedText), err(e) {}
    int err;
};

[[noreturn]] void fail(const char *text, const AnsiString &fileName, const std::string &reason)
{
    throw Exception(std::string(text) + "\n" + fileName + ": " + reason);
}

bool anyChecked(const std::vector<TCheckBox *> &boxes)
{
    return std::any_of(boxes.begin(), boxes.end(), [](const TCheckBox *b) { return b->Checked(); });
}

bool rowChecked(const std::vector<TCheckBox *> &boxes, int row)
{
    return row >= 1 && row <= static_cast<int>(boxes.size()) &&
           boxes[static_cast<size_t>(row - 1)]->Checked();
}

} // namespace

void TSelvane_F::WriteReportLine(std::FILE *file, const AnsiString &text)
{
    const AnsiString bytes = text + "\r\n";
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        throw LineWriteError(errno);
}

void TSelvane_F::tbSaveRltClick(TObject *)
{
    CellEditExit(CellEdit); // an edit left with text that is no number is undone before reporting
    // A report is the record of one calculation: its results with the inputs they came from.
    if (!LastCalcInputs) {
        ShowMessage(
            GetMsg("Selvane_F", 166, "There is no calculated result to save. Press Calculate first."));
        return;
    }
    if (!(*LastCalcInputs == ReadInputsShown())) {
        ShowMessage(
            GetMsg("Selvane_F", 162,
                   "The inputs changed after the last calculation. Press Calculate, then save the result."));
        return;
    }
    TSelvane_Actions_F *choice = Selvane_Actions_F;
    if (choice->ShowModal() != mrOk)
        return;
    if (!SaveDialog2->Execute())
        return;
    const AnsiString fileName = SaveDialog2->FileName;
    if (!confirmOverwrite(fileName))
        return;

    try {
        // Written beside the old report and renamed over it once complete: a failed write leaves the
        // old report whole and no temporary file.
        ReplacingFile report(fileName);
        if (!report.Open())
            fail("Write File Failed !", fileName, report.Reason());
        auto line = [&](const AnsiString &text) {
            try {
                WriteReportLine(report.File(), text);
            } catch (const LineWriteError &e) {
                fail(lineFailedText, fileName, std::strerror(e.err));
            }
        };

        // Blank lines, a box around the title, a blank line. Only the process section's top rule
        // carries a trailing blank, and its title three blanks like all but the first.
        auto frame = [&](int section, const AnsiString &title) {
            line("");
            line("");
            line(" " + AnsiString(67, '_') + (section == 2 ? " " : ""));
            line("|" + AnsiString(67, ' ') + "|");
            line("    " + title + (section == 1 ? "  " : "   "));
            line("|" + AnsiString(67, '_') + "|");
            line("");
        };
        // Widths count display columns: a CJK character takes two, as its two Big5 bytes did.
        auto parameterRow = [&](const TStringGrid *grid, int r) {
            line("  " + PadRight(grid->Cells(0, r), 5) + " = " + PadRight(grid->Cells(1, r), 10) + "[" +
                 PadRight(grid->Cells(2, r), 10) + "]" + grid->Cells(3, r));
        };
        auto parameterRows = [&](const TStringGrid *grid) {
            for (int r = 1; r < grid->RowCount(); ++r)
                parameterRow(grid, r);
        };

        line(stModeName->Caption());
        if (choice->CheckBox1->Checked()) {
            frame(1, GetMsg("Selvane_F", 98, "使用者輸入參數"));
            parameterRows(sgPar1);
            // The inputs only the all-parameters page shows: without them the results cannot be
            // reproduced from the report.
            for (int r = 1; r <= AllRows; ++r)
                if (IsCommonInput(AllRowItem[r]))
                    parameterRow(sgAll, r);
        }
        if (choice->CheckBox2->Checked()) {
            frame(2, GetMsg("Selvane_F", 95, "計算過程"));
            for (const AnsiString &text : moRlt->Lines.Items())
                line(text);
        }
        if (choice->CheckBox3->Checked()) {
            frame(3, GetMsg("Selvane_F", 96, "計算結果參數"));
            parameterRows(sgPar3);
        }

        const bool anySuggest = anyChecked(choice->SuggestBoxes);
        const bool anyDetail = anyChecked(choice->DetailBoxes);
        if (choice->CheckBox4->Checked() || anySuggest) {
            frame(4, GetMsg("Selvane_F", 97, "建議選配"));
            if (anySuggest)
                for (int r = 0; r < sgMotorRlt->RowCount(); ++r) {
                    if (r > 0 && !rowChecked(choice->SuggestBoxes, r))
                        continue;
                    AnsiString text = "  ";
                    for (int c = 0; c < sgMotorRlt->ColCount(); ++c)
                        text += PadRight(sgMotorRlt->Cells(c, r), 20);
                    line(text);
                }
        }
        if (choice->CheckBox5->Checked() || anyDetail) {
            frame(5, GetMsg("Selvane_F", 99, "選配詳細內容"));
            if (anyDetail)
                for (int r = 1; r < sgMotorRlt->RowCount(); ++r) {
                    if (!rowChecked(choice->DetailBoxes, r))
                        continue;
                    const int m = FindMatchRecord(sgMotorRlt->Cells(0, r), sgMotorRlt->Cells(1, r));
                    if (m < 0)
                        continue;
                    const CMOTORSPC &record = MotorSpecs[m];
                    line("");
                    line(AnsiString(69, '*'));
                    line(AnsiString(19, '*') + "[   " + MatchTitle(m) + "   ]" + AnsiString(19, '*'));
                    for (const AnsiString &text : ResultLines)
                        line(text);
                    for (const AnsiString &text : record.Lines)
                        line(text);
                }
        }

        if (!report.Commit())
            fail("File Close Error !", fileName, report.Reason());
        ShellOpen(fileName);
        ShowMessage(GetMsg("Selvane_F", 89, "Save File OK!"));
    } catch (const std::exception &e) {
        ShowMessage(e.what());
    }
}
