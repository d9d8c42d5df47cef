#include "GridDriving.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "model/Tables.h"
#include "ui/Selvane_Actions.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

using Lines = std::vector<std::string>;

const std::string modeName = "滾珠導螺桿傳動裝置";

// Open file descriptors of this process, to tell that a report file was closed.
int openFiles()
{
    int n = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

std::string spaces(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

// The seven lines that open a section; only the process section's rule has a trailing blank, and
// only the first title two trailing blanks instead of three.
Lines frame(int section, const std::string &title)
{
    return {"",
            "",
            " " + std::string(67, '_') + (section == 2 ? " " : ""),
            "|" + spaces(67) + "|",
            "    " + title + (section == 1 ? "  " : "   "),
            "|" + std::string(67, '_') + "|",
            ""};
}

void append(Lines &to, const Lines &from)
{
    to.insert(to.end(), from.begin(), from.end());
}

// Every line of a report ends in CR LF; a bare LF or CR fails the split.
Lines splitCrLf(const std::string &bytes)
{
    Lines lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

} // namespace

class ReportTest : public MainWindowTest
{
  protected:
    // A report needs a calculation of the inputs shown: the default ball screw's, unless false.
    // Its matches are taken away; a test puts in the rows it needs.
    virtual bool CalculateFirst() const { return true; }
    void SetUp() override
    {
        MainWindowTest::SetUp();
        d = Selvane_Actions_F;
        path = dir.filePath("report.txt");
        w->stModeName->SetCaption(modeName);
        if (CalculateFirst()) {
            w->bbCalculate->Click();
            w->sgMotorRlt->SetRowCount(1);
        }
    }
    // Runs Save Result; choose() sets the dialog's boxes before OK.
    void saveReport(const std::function<void(TSelvane_Actions_F *)> &choose, const std::string &file)
    {
        OnNextModal([choose](TForm *form) {
            choose(static_cast<TSelvane_Actions_F *>(form));
            return mrOk;
        });
        AnswerNextFileDialog(file);
        w->tbSaveRlt->Click();
    }
    static void only(TSelvane_Actions_F *a, bool b1, bool b2, bool b3, bool b4, bool b5)
    {
        a->CheckBox1->SetChecked(b1);
        a->CheckBox2->SetChecked(b2);
        a->CheckBox3->SetChecked(b3);
        a->CheckBox4->SetChecked(b4);
        a->CheckBox5->SetChecked(b5);
    }
    static void nothingChecked(TSelvane_Actions_F *a)
    {
        only(a, false, false, false, false, false);
        for (TCheckBox *box : a->SuggestBoxes)
            box->SetChecked(false);
        for (TCheckBox *box : a->DetailBoxes)
            box->SetChecked(false);
    }
    static void setRow(TStringGrid *g, int r, const Lines &cells)
    {
        for (size_t c = 0; c < cells.size(); ++c)
            g->SetCells(static_cast<int>(c), r, cells[c]);
    }
    // Three matches: a Q row, an R row with the same motor, and a row no record stands for.
    void fillMatches()
    {
        TStringGrid *g = w->sgMotorRlt;
        g->SetColCount(7);
        g->SetRowCount(4);
        setRow(g, 0, {"Drive", "馬達型號", "Trms", "", "", "", ""});
        setRow(g, 1, {"Kelo-Q", "Vorn-0100-50", "0.123", "a-cell-longer-than-twenty", "", "", ""});
        setRow(g, 2, {"Kelo-R", "Vorn-0100-50", "0.5", "", "", "", ""});
        setRow(g, 3, {"Kelo-X", "Nope", "1", "", "", "", ""});
        w->ResultLines = {"common 1", "common 2"};
        MotorSpecs[11].Lines = {"own Q"};
        MotorSpecs[26].Lines = {"own R", "own R 2"};
    }

    TSelvane_Actions_F *d = nullptr;
    TempDir dir;
    std::string path;
};

TEST_F(ReportTest, NothingCheckedGivesTheMechanismNameAlone)
{
    saveReport([](TSelvane_Actions_F *a) { only(a, false, false, false, false, false); }, path);
    EXPECT_EQ(readFileBytes(path), modeName + "\r\n");
    EXPECT_EQ(shellOpened, std::vector<AnsiString>{path});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Save File OK!");
}

TEST_F(ReportTest, ProcessMatchesAndDetailsFollowTheRowBoxes)
{
    w->moRlt->Lines.Assign({"step 1", "", "中文 line"});
    fillMatches();
    saveReport(
        [](TSelvane_Actions_F *a) {
            only(a, false, true, false, true, true);
            a->SuggestBoxes[1]->SetChecked(false);
            a->DetailBoxes[0]->SetChecked(false);
        },
        path);

    Lines expected = {modeName};
    append(expected, frame(2, "計算過程"));
    append(expected, {"step 1", "", "中文 line"});
    append(expected, frame(4, "建議選配"));
    append(expected, {"  Drive" + spaces(15) + "馬達型號" + spaces(12) + "Trms" + spaces(16) + spaces(80),
                      "  Kelo-Q" + spaces(14) + "Vorn-0100-50" + spaces(8) + "0.123" + spaces(15) +
                          "a-cell-longer-than-twenty" + spaces(60),
                      "  Kelo-X" + spaces(14) + "Nope" + spaces(16) + "1" + spaces(19) + spaces(80)});
    append(expected, frame(5, "選配詳細內容"));
    append(expected,
           {"", std::string(69, '*'), "*******************[   Kelo-R  Vorn-0100-50   ]*******************",
            "common 1", "common 2", "own R", "own R 2"});
    EXPECT_EQ(splitCrLf(readFileBytes(path)), expected);
}

TEST_F(ReportTest, RowBoxesWriteTheirSectionsWithoutTheAllBoxes)
{
    fillMatches();
    saveReport(
        [](TSelvane_Actions_F *a) {
            only(a, false, false, false, false, false);
            a->SuggestBoxes[2]->SetChecked(true); // still checked: rows are rebuilt checked
            a->DetailBoxes[0]->SetChecked(false);
            a->DetailBoxes[1]->SetChecked(false);
            a->DetailBoxes[2]->SetChecked(false);
        },
        path);
    const Lines lines = splitCrLf(readFileBytes(path));
    Lines expected = {modeName};
    append(expected, frame(4, "建議選配"));
    append(expected, {"  Drive" + spaces(15) + "馬達型號" + spaces(12) + "Trms" + spaces(16) + spaces(80),
                      "  Kelo-Q" + spaces(14) + "Vorn-0100-50" + spaces(8) + "0.123" + spaces(15) +
                          "a-cell-longer-than-twenty" + spaces(60),
                      "  Kelo-R" + spaces(14) + "Vorn-0100-50" + spaces(8) + "0.5" + spaces(17) + spaces(80),
                      "  Kelo-X" + spaces(14) + "Nope" + spaces(16) + "1" + spaces(19) + spaces(80)});
    EXPECT_EQ(lines, expected);
}

TEST_F(ReportTest, AllBoxesWithoutRowsGiveBareFrames)
{
    w->moRlt->Lines.Clear();
    saveReport([](TSelvane_Actions_F *a) { only(a, false, true, false, true, true); }, path);
    Lines expected = {modeName};
    append(expected, frame(2, "計算過程"));
    append(expected, frame(4, "建議選配"));
    append(expected, frame(5, "選配詳細內容"));
    EXPECT_EQ(splitCrLf(readFileBytes(path)), expected);
}

TEST_F(ReportTest, ParameterLinesPadByDisplayWidthAndNeverCut)
{
    SizeItems[2].dV = 1234567890123;
    SizeItems[2].asNowUnit = "公斤";
    SizeItems[2].Name = "減速比";
    SizeItems[9].dV = 7800;
    SizeItems[3].dV = 0.5; // 1/RM and ηm, on the all-parameters page only
    SizeItems[13].dV = 0.5;
    w->Activate(); // the grids show the tables again
    w->bbCalculate->Click();
    w->sgMotorRlt->SetRowCount(1);
    saveReport([](TSelvane_Actions_F *a) { only(a, true, false, true, false, false); }, path);
    const Lines lines = splitCrLf(readFileBytes(path));

    // Ball-screw inputs in id order: 1/RN, V, S, F, ρ, μ, η, tA, tD, tS, ML, MT, PB, LB, DB, JR, JC, JS.
    ASSERT_EQ(lines.size(), 1u + 7 + 20 + 7 + 11);
    const Lines head(lines.begin(), lines.begin() + 8);
    Lines expectedHead = {modeName};
    append(expectedHead, frame(1, "使用者輸入參數"));
    EXPECT_EQ(head, expectedHead);
    EXPECT_EQ(lines[8], "  1/RN  = 1234567890123[公斤      ]減速比");
    EXPECT_EQ(lines[9], "  V     = 10        [(m/min)   ]平台移動速度");
    EXPECT_EQ(lines[12], "  ρ     = 7800      [(kg/m^3)  ]比重");
    EXPECT_EQ(lines[25], "  JS    = 0         [(kg*m^2)  ]聯軸器銜接軸慣量");
    EXPECT_EQ(lines[26], "  1/RM  = 0.5       [          ]減速機減速比");
    EXPECT_EQ(lines[27], "  ηm    = 0.5       [          ]回生能量效率");

    Lines expectedResults = frame(3, "計算結果參數");
    EXPECT_EQ(Lines(lines.begin() + 28, lines.begin() + 35), expectedResults);
    // Results of the ball screw in id order: ΔS, ΔP, NV, tE, tR, tM, tP, JF, JB, JL, TL.
    // ΔS = 5 mm x 1234567890123 x 0.5, TL = 10 kg x 0.1 x 9.8 x ΔS / 2π / 0.85.
    EXPECT_EQ(lines[35], "  ΔS    = 3086419725.3075[(m/rev)   ]馬達旋轉一圈螺桿前進距離");
    EXPECT_EQ(lines[45], "  TL    = 5663465607.34398[(N.m)     ]摩擦力與外力等效於馬達力矩");
}

TEST_F(ReportTest, AnsweringNoLeavesTheFileAndYesEmptiesItFirst)
{
    writeFileBytes(path, std::string(500, 'x'));
    AnswerNextMessage(IDNO);
    saveReport([](TSelvane_Actions_F *a) { only(a, false, false, false, false, false); }, path);
    EXPECT_EQ(readFileBytes(path), std::string(500, 'x'));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "File already Existed ! Overwrite ?");
    EXPECT_EQ(messages[0].caption, "Kelo Sizing");
    EXPECT_EQ(messages[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(shellOpened.empty());

    saveReport([](TSelvane_Actions_F *a) { only(a, false, false, false, false, false); }, path);
    EXPECT_EQ(readFileBytes(path), modeName + "\r\n");
}

TEST_F(ReportTest, CancelInEitherDialogWritesNothing)
{
    OnNextModal([](TForm *) { return mrCancel; });
    w->tbSaveRlt->Click();

    saveReport([](TSelvane_Actions_F *) {}, "");
    EXPECT_FALSE(fileExists(path));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(shellOpened.empty());
}

TEST_F(ReportTest, DefaultExtensionIsTxt)
{
    saveReport([](TSelvane_Actions_F *a) { only(a, false, false, false, false, false); }, dir.filePath("r"));
    EXPECT_TRUE(fileExists(dir.filePath("r.txt")));
    EXPECT_EQ(w->SaveDialog2->Filter, "*.txt|*.txt|ALL|*.*");
}

// Where the write fails, and the one message that reports it with the file and the reason; no shell,
// no success message, no file left open.
struct FailureCase {
    const char *name;
    std::string file;
    int processLines;
    AnsiString message;
};

TEST_F(ReportTest, WriteFailuresAreReportedAndNothingIsOpened)
{
    // Devices and pipes are never replaced by a report.
    const std::string full = dir.filePath("full.txt");
    ASSERT_EQ(symlink("/dev/full", full.c_str()), 0);
    const std::string pipe = dir.filePath("pipe.txt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string missing = dir.filePath("missing/report.txt");
    const std::string folder = dir.filePath("folder.txt");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const FailureCase cases[] = {
        {"no such directory", missing, 0, "Write File Failed !\n" + missing + ": No such file or directory"},
        {"pipe", pipe, 0, "Write File Failed !\n" + pipe + ": Not a regular file"},
        {"device", full, 0, "Write File Failed !\n" + full + ": Not a regular file"},
        {"directory", folder, 0, "Write File Failed !\n" + folder + ": Is a directory"},
        // About 1.1 kB stay in the buffer until the close.
        {"size limit at close", path, 10, "File Close Error !\n" + path + ": File too large"},
        {"size limit while writing", path, 5000,
         "Write Input Parameter Line Failed!\n" + path + ": File too large"},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        w->moRlt->Lines.Assign(
            std::vector<AnsiString>(static_cast<size_t>(c.processLines), std::string(80, 'p')));
        const int filesBefore = openFiles();
        {
            FileSizeLimit limit(1000);
            saveReport([](TSelvane_Actions_F *a) { only(a, false, true, false, false, false); }, c.file);
        }
        EXPECT_EQ(openFiles(), filesBefore);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back().text, c.message);
        EXPECT_EQ(messages.back().flags, MB_OK);
        EXPECT_TRUE(shellOpened.empty());
    }
}

TEST_F(ReportTest, FailedWriteLeavesTheOldReportWholeAndNoTemporaryFile)
{
    const std::string old = "old report\r\n" + std::string(2000, 'o');
    writeFileBytes(path, old);
    chmod(path.c_str(), 0640);
    w->moRlt->Lines.Assign(std::vector<AnsiString>(5000, std::string(80, 'p')));
    {
        FileSizeLimit limit(1000);
        saveReport([](TSelvane_Actions_F *a) { only(a, false, true, false, false, false); }, path);
    }
    ASSERT_EQ(messages.size(), 2u); // the overwrite question, then the failure
    EXPECT_EQ(messages[1].text, "Write Input Parameter Line Failed!\n" + path + ": File too large");
    EXPECT_EQ(readFileBytes(path), old);
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"report.txt"});

    // Written in full, the new report takes the old one's place and permissions.
    w->moRlt->Lines.Assign({"new"});
    saveReport([](TSelvane_Actions_F *a) { only(a, false, true, false, false, false); }, path);
    EXPECT_EQ(splitCrLf(readFileBytes(path)).back(), "new");
    struct stat st {
    };
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A report is written only for the inputs that its last successful calculation read.
class SaveResultTest : public ReportTest
{
  protected:
    bool CalculateFirst() const override { return false; }
    bool WithTextFiles() const override { return true; } // the refusals as Message.ini numbers them
};

TEST_F(SaveResultTest, OnlyForTheInputsOfTheLastSuccessfulCalculation)
{
    const AnsiString changed =
        "The inputs changed after the last calculation. Press Calculate, then save the result.";
    const AnsiString none = "There is no calculated result to save. Press Calculate first.";
    const AnsiString writes;
    const std::string project = dir.filePath("case.siz");
    auto type = [&](const char *symbol, const char *text) {
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, RowOfSymbol(w->sgPar1, symbol)));
        TypeText(w->CellEdit, text);
    };
    struct Case {
        const char *name;
        std::function<void()> change;
        AnsiString refusal;
    };
    const Case cases[] = {
        {"nothing changed", [] {}, writes},
        {"a value typed", [&] { type("ML", "50"); }, changed},
        {"the same value typed again", [&] { type("ML", "5.0"); }, writes},
        {"another unit picked",
         [&] {
             ASSERT_TRUE(w->sgPar1->UserSelectCell(2, RowOfSymbol(w->sgPar1, "S")));
             w->CellUnitCombo->UserSelect(1); // cm
         },
         changed},
        {"a density put in",
         [&] {
             ASSERT_TRUE(w->sgDensity->UserSelectCell(1, 4));
             w->bbReplace->Click();
         },
         changed},
        {"another mechanism", [&] { w->pcModPic->UserSelect(5); }, none},
        {"another mechanism and back",
         [&] {
             w->pcModPic->UserSelect(5);
             w->pcModPic->UserSelect(0);
         },
         none},
        {"the other unit system", [&] { w->tbMI->Click(); }, none},
        {"the other unit system and back",
         [&] {
             w->tbMI->Click();
             w->tbSI->Click();
         },
         none},
        {"a failed calculation in between",
         [&] {
             type("V", "0");
             w->bbCalculate->Click();
             type("V", "10");
         },
         none},
        {"a refused calculation",
         [&] {
             type("ML", "-5");
             w->bbCalculate->Click();
         },
         none},
        {"a project opened",
         [&] {
             AnswerNextFileDialog(project);
             w->tbSave->Click();
             AnswerNextFileDialog(project);
             w->tbOpen->Click();
         },
         none},
    };

    w->tbSaveRlt->Click(); // before any calculation
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{none});
    EXPECT_FALSE(fileExists(path));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        InitParamAndMotorTables();
        w->pcModPic->UserSelect(0);
        w->tbSI->Click();
        w->bbCalculate->Click();
        c.change();
        messages.clear();
        if (c.refusal.empty()) {
            saveReport(nothingChecked, path);
            EXPECT_EQ(readFileBytes(path), modeName + "\r\n");
            EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"File saved!"});
            std::filesystem::remove(path);
        } else {
            w->tbSaveRlt->Click();
            EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{c.refusal});
            EXPECT_FALSE(fileExists(path));
        }
    }
}

class ReportTextsTest : public ReportTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(ReportTextsTest, TitlesAndSuccessComeFromMessageIni)
{
    w->moRlt->Lines.Clear();
    saveReport([](TSelvane_Actions_F *a) { only(a, false, true, false, true, true); }, path);
    const Lines lines = splitCrLf(readFileBytes(path));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[5], "    Calculation Process   ");
    EXPECT_EQ(lines[12], "    Suggested Matches   ");
    EXPECT_EQ(lines[19], "    Match Details   ");
    EXPECT_EQ(messages.back().text, "File saved!");
}

namespace
{

// Columns a text takes: CJK characters two, everything else one (the report's cells hold ASCII,
// Greek and CJK only).
int columns(const std::string &utf8)
{
    int n = 0;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        n += len >= 3 && c >= 0xE2 && !(c == 0xE2 && static_cast<unsigned char>(utf8[i + 1]) < 0xBA) ? 2 : 1;
        i += len;
    }
    return n;
}

std::string pad(const std::string &text, int width)
{
    return text + spaces(std::max(0, width - columns(text)));
}

} // namespace

// A real ball-screw calculation written with every box checked, rebuilt line by line from what the
// window shows; the detail blocks belong to the record of each row's own drive series.
TEST_F(ReportTest, BallScrewCalculationWithEveryBoxChecked)
{
    w->bbCalculate->Click();
    const TStringGrid *matches = w->sgMotorRlt;
    ASSERT_GT(matches->RowCount(), 1) << "the default ball screw finds matches";
    saveReport([](TSelvane_Actions_F *) {}, path);

    Lines expected = {modeName};
    append(expected, frame(1, "使用者輸入參數"));
    append(expected, {
                         "  1/RN  = 1         [          ]JR 減速比",
                         "  V     = 10        [(m/min)   ]平台移動速度",
                         "  S     = 200       [(mm)      ]單一行程移動距離 ",
                         "  F     = 0         [(N)       ]外力",
                         "  ρ     = 7870      [(kg/m^3)  ]比重",
                         "  μ     = 0.1       [          ]滑軌摩擦係數",
                         "  η     = 0.85      [          ]由馬達至導螺桿的傳動效",
                         "  tA    = 0.257     [(sec)     ]馬達加速時間",
                         "  tD    = 0.257     [(sec)     ]馬達減速時間",
                         "  tS    = 0         [(sec)     ]停止時間",
                         "  ML    = 5         [(kg)      ]負載重量",
                         "  MT    = 5         [(kg)      ]移動平台重量",
                         "  PB    = 5         [(mm)      ]導螺桿導程",
                         "  LB    = 500       [(mm)      ]導螺桿長度",
                         "  DB    = 20        [(mm)      ]導螺桿直徑",
                         "  JR    = 0         [(kg*m^2)  ]減速機慣量",
                         "  JC    = 0         [(kg*m^2)  ]聯軸接器慣量",
                         "  JS    = 0         [(kg*m^2)  ]聯軸器銜接軸慣量",
                         "  1/RM  = 1         [          ]減速機減速比",
                         "  ηm    = 0.9       [          ]回生能量效率",
                     });
    append(expected, frame(2, "計算過程"));
    const Lines process = LinesOf(w->moRlt);
    ASSERT_FALSE(process.empty());
    append(expected, process);
    append(expected, frame(3, "計算結果參數"));
    const Lines resultSymbols = {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JB", "JL", "TL"};
    ASSERT_EQ(w->sgPar3->RowCount(), 12);
    for (int r = 1; r <= 11; ++r) {
        EXPECT_EQ(w->sgPar3->Cells(0, r), resultSymbols[r - 1]);
        expected.push_back("  " + pad(resultSymbols[r - 1], 5) + " = " + pad(w->sgPar3->Cells(1, r), 10) +
                           "[" + pad(w->sgPar3->Cells(2, r), 10) + "]" + w->sgPar3->Cells(3, r));
    }
    append(expected, frame(4, "建議選配"));
    for (int r = 0; r < matches->RowCount(); ++r) {
        std::string text = "  ";
        for (int c = 0; c < matches->ColCount(); ++c)
            text += pad(matches->Cells(c, r), 20);
        expected.push_back(text);
    }
    append(expected, frame(5, "選配詳細內容"));
    bool sharedModel = false; // a row whose motor another series carries too
    for (int r = 1; r < matches->RowCount(); ++r) {
        const CMOTORSPC *record = nullptr;
        int sameModel = 0;
        for (const CMOTORSPC &m : MotorSpecs) {
            sameModel += m.Model == matches->Cells(1, r);
            if (m.Drive == matches->Cells(0, r) && m.Model == matches->Cells(1, r))
                record = &m;
        }
        ASSERT_NE(record, nullptr) << matches->Cells(1, r);
        sharedModel = sharedModel || sameModel > 1;
        append(expected, {"", std::string(69, '*'),
                          "*******************[   " + record->Drive + "  " + record->Model +
                              "   ]*******************"});
        append(expected, w->ResultLines);
        append(expected, record->Lines);
    }
    EXPECT_TRUE(sharedModel) << "the default case lists a motor of two series";

    const Lines lines = splitCrLf(readFileBytes(path));
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(ReportTest, BallScrewCalculationWithNoBoxChecked)
{
    w->bbCalculate->Click();
    ASSERT_GT(w->sgMotorRlt->RowCount(), 1);
    saveReport(nothingChecked, path);
    EXPECT_EQ(readFileBytes(path), modeName + "\r\n");
    EXPECT_EQ(messages.back().text, "Save File OK!");
}

TEST_F(ReportTest, ThroughASymbolicLinkTheFileItPointsToIsReplaced)
{
    const std::string link = dir.filePath("link.txt");
    writeFileBytes(path, "old");
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    saveReport([](TSelvane_Actions_F *a) { only(a, false, false, false, false, false); }, link);
    EXPECT_EQ(readFileBytes(path), modeName + "\r\n");
    struct stat st {
    };
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(shellOpened, std::vector<AnsiString>{link});
}
