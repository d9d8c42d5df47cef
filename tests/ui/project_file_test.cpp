#include "GridDriving.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "model/Tables.h"
#include "ui/ProjectFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <filesystem>

namespace
{

// Code page 950 bytes of the symbols in the keys: Greek capitals start at A344 and small letters at
// A35C in alphabetical order (Δ A347; η A362, θ A363, μ A367, ρ A36C); the degree sign is A258.
const std::string big5Delta = "\xA3\x47", big5Rho = "\xA3\x6C", big5Theta = "\xA3\x63", big5Mu = "\xA3\x67",
                  big5Eta = "\xA3\x62", big5Degree = "\xA2\x58";

// The 62 parameter lines of a project saved right after start-up: defaults, in SI, in id order.
std::string defaultParameterLines()
{
    const std::string lines[] = {big5Delta + "S=5[(m/rev)]",
                                 big5Delta + "P=0[(m/pulse)]",
                                 "1/RN=1[]",
                                 "1/RM=1[]",
                                 "V=10[(m/min)]",
                                 "S=200[(mm)]",
                                 "NV=2400[(rpm)]",
                                 "F=0[(N)]",
                                 "FP=0[(N)]",
                                 big5Rho + "=7870[(kg/m^3)]",
                                 big5Theta + "=0[(" + big5Degree + ")]",
                                 big5Mu + "=0.1[]",
                                 big5Eta + "=0.85[]",
                                 big5Eta + "m=0.9[]",
                                 "tA=0.257[(sec)]",
                                 "tE=0.8431[(sec)]",
                                 "tD=0.257[(sec)]",
                                 "tR=0.0428571428571429[(sec)]",
                                 "tM=1.5[(sec)]",
                                 "tS=0[(sec)]",
                                 "tP=1.5[(sec)]",
                                 "ML=5[(kg)]",
                                 "MT=5[(kg)]",
                                 "MC=50[(kg)]",
                                 "MW=2[(kg)]",
                                 "MB=20[(kg)]",
                                 "PB=5[(mm)]",
                                 "LS=200[(mm)]",
                                 "LG=50[(mm)]",
                                 "LB=500[(mm)]",
                                 "DB=20[(mm)]",
                                 "DG=200[(mm)]",
                                 "DI=100[(mm)]",
                                 "DF=300[(mm)]",
                                 "DT=1000[(mm)]",
                                 "DO=200[(mm)]",
                                 "DP=20[(mm)]",
                                 "DR=200[(mm)]",
                                 "DS=100[(mm)]",
                                 "DL=0[(mm)]",
                                 "JM=0.000108[(kg*m^2)]",
                                 "JF=0.0001[(kg*m^2)]",
                                 "JRO=0[(kg*m^2)]",
                                 "JB=6.18E-5[(kg*m^2)]",
                                 "JL=0.0009738[(kg*m^2)]",
                                 "JR=0[(kg*m^2)]",
                                 "JC=0[(kg*m^2)]",
                                 "JS=0[(kg*m^2)]",
                                 "JSH=0[(kg*m^2)]",
                                 "JW=0[(kg*m^2)]",
                                 "JG=0[(kg*m^2)]",
                                 "JT=0[(kg*m^2)]",
                                 "JML=0[(kg*m^2)]",
                                 "JLI=0[(kg*m^2)]",
                                 "TRO=0[(N.m)]",
                                 "TL=0.225[(N.m)]",
                                 "TF=0[(N.m)]",
                                 "TW=0[(N.m)]",
                                 "TUP=0[(N.m)]",
                                 "TDN=0[(N.m)]",
                                 "WN=4[]",
                                 "WRN=2[]"};
    std::string out;
    for (const std::string &line : lines)
        out += line + "\r\n";
    return out;
}

const char header[] = "[File]\r\nFileCode=0x6930\r\nFileVer=0x101\r\nMode=0\r\nUnitType=1\r\n";

// What a load may change; compared to tell "left as it was".
struct WindowState {
    int page, unitType;
    std::array<double, 62> values;
    std::array<AnsiString, 62> units;
    bool operator==(const WindowState &o) const
    {
        return page == o.page && unitType == o.unitType && values == o.values && units == o.units;
    }
};

} // namespace

class ProjectFileTest : public MainWindowTest
{
  protected:
    void save(const std::string &path)
    {
        AnswerNextFileDialog(path);
        w->tbSave->Click();
    }
    void load(const std::string &path)
    {
        AnswerNextFileDialog(path);
        w->tbOpen->Click();
    }
    WindowState state() const
    {
        WindowState s{w->pcModPic->ActivePageIndex(), w->UnitType, {}, {}};
        for (int id = 0; id < 62; ++id) {
            s.values[id] = SizeItems[id].dV;
            s.units[id] = SizeItems[id].asNowUnit;
        }
        return s;
    }

    TempDir dir;
};

TEST_F(ProjectFileTest, SavesHeaderAndParametersInOrderAsBig5)
{
    const std::string path = dir.filePath("case.siz");
    save(path);
    EXPECT_EQ(readFileBytes(path), header + defaultParameterLines());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProjectFileTest, TypedNameWithoutExtensionGetsSiz)
{
    save(dir.filePath("case"));
    EXPECT_TRUE(fileExists(dir.filePath("case.siz")));
    EXPECT_EQ(w->SaveDialog1->Filter, "*.siz|*.siz|ALL|*.*");
}

TEST_F(ProjectFileTest, RoundTripRestoresValuesUnitsUnitSystemAndMechanism)
{
    const std::string path = dir.filePath("round.siz");
    w->pcModPic->UserSelect(5);
    w->tbMI->Click();
    SizeItems[5].dV = 12.5;
    SizeItems[5].asNowUnit = "inch"; // picked in the unit column
    SizeItems[9].dV = 0.3;
    SizeItems[21].dV = -1e-7; // a mass no machine has: saved and loaded all the same
    SizeItems[40].dV = -2.5e20;
    SizeItems[0].Abbr = "∆S"; // a glyph of the texts file that Big5 cannot hold
    WindowState saved = state();
    saved.values[17] = 0.0428571428571429; // 3/70 kept to the file's 15 significant digits
    save(path);
    // Written in UTF-8 then, the other symbols of the keys too, so that nothing turns into "?".
    const std::string bytes = readFileBytes(path);
    EXPECT_NE(bytes.find("\r\n\xE2\x88\x86S="), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\xCE\x94P="), std::string::npos);

    w->pcModPic->UserSelect(2);
    w->tbSI->Click();
    for (CSIZEITEM &item : SizeItems)
        item.dV = 77;
    load(path);

    EXPECT_EQ(state(), saved);
    EXPECT_EQ(w->UnitType, 2);
    EXPECT_EQ(w->cbModel->ItemIndex(), 5);
    EXPECT_EQ(w->CurMechanism, 5);
    EXPECT_EQ(MotorSpecs[0].TorqueUnitType, 2);
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    // Only Calculate judges it.
    w->bbCalculate->Click();
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"Calculation stopped, these inputs are not physically "
                                                      "possible:\nML  負載重量: must be 0 or more"});
}

TEST_F(ProjectFileTest, LoadingAwayFromTheRotaryTableKeepsTheFileUnits)
{
    const std::string path = dir.filePath("screw.siz");
    SizeItems[0].asNowUnit = "m/rev";
    SizeItems[1].asNowUnit = "m/pulse";
    SizeItems[4].asNowUnit = "cm/sec";
    SizeItems[5].asNowUnit = "cm";
    save(path);

    w->pcModPic->UserSelect(3);
    ASSERT_EQ(SizeItems[5].asNowUnit, "(deg)");
    load(path);

    EXPECT_EQ(w->pcModPic->ActivePageIndex(), 0);
    EXPECT_EQ(SizeItems[0].asNowUnit, "m/rev");
    EXPECT_EQ(SizeItems[1].asNowUnit, "m/pulse");
    EXPECT_EQ(SizeItems[4].asNowUnit, "cm/sec");
    EXPECT_EQ(SizeItems[5].asNowUnit, "cm");
    EXPECT_EQ(SizeItems[5].asUnit, "[mm][cm]");
    int shown = 0;
    for (int r = 1; r < w->sgPar1->RowCount(); ++r) {
        if (w->Par1RowItem[r] == 5) {
            EXPECT_EQ(w->sgPar1->Cells(2, r), "cm");
            ++shown;
        }
    }
    EXPECT_EQ(shown, 1);

    // A rotary table's file offers its angles.
    w->pcModPic->UserSelect(3);
    SizeItems[5].dV = 90;
    save(dir.filePath("table.siz"));
    w->pcModPic->UserSelect(0);
    load(dir.filePath("table.siz"));
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(SizeItems[5].dV, 90);
    EXPECT_EQ(SizeItems[5].asNowUnit, "(deg)");
}

TEST_F(ProjectFileTest, SavingOverAFileKeepsItsOtherSectionsAndKeys)
{
    const std::string path = dir.filePath("mixed.siz");
    writeFileBytes(path, "[Notes]\r\nauthor=lee\r\n\r\n[File]\r\nCustom=keep\r\nMode=6\r\nFileCode=old\r\n");
    save(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Kelo Sizing");
    EXPECT_EQ(messages[0].text, "File already Existed ! Overwrite ?");
    EXPECT_EQ(messages[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(readFileBytes(path), "[Notes]\r\nauthor=lee\r\n\r\n[File]\r\nCustom=keep\r\nMode=0\r\n"
                                   "FileCode=0x6930\r\nFileVer=0x101\r\nUnitType=1\r\n" +
                                       defaultParameterLines());
}

// Bytes that are no text in any code page, without line breaks: a fixed pseudo-random line.
std::string strayBytes()
{
    std::string bytes;
    unsigned x = 12345;
    while (bytes.size() < 200) {
        x = x * 1103515245u + 12345u;
        const char c = static_cast<char>((x >> 16) & 0xFF);
        if (c != '\r' && c != '\n')
            bytes += c;
    }
    return bytes;
}

TEST_F(ProjectFileTest, SavingOverAFileKeepsOtherLinesByteForByte)
{
    const std::string before =
        "\xEF\xBB\xBF; UTF-8 caf\xC3\xA9\r\n[Notes]\r\n  note = \xE4\xB8\xAD\xE6\x96\x87\r\n\r\n";
    const std::string after = "[GBK]\r\nnote=\xBC\xF2\xCC\xE5\r\n" // GBK text
                              "[Latin1]\n; caf\xE9\n\n\n"          // LF line ends, blank lines
                              "[notes]\rrepeated=1\r"              // lone CR line ends, a header again
                              "[Bytes]\r\n" +
                              strayBytes() + "\r\n" + strayBytes(); // no line end at the end
    const std::string path = dir.filePath("others.siz");
    writeFileBytes(path, before + "[File]\r\nFileCode=old\r\n" + after);
    save(path);
    EXPECT_EQ(readFileBytes(path), before + header + defaultParameterLines() + after);

    SizeItems[0].dV = 7;
    messages.clear();
    load(path);
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(SizeItems[0].dV, 5);
}

// Each line is decoded on its own: a stray byte in a comment leaves the UTF-8 symbols of the keys.
TEST_F(ProjectFileTest, Utf8FileWithAStrayByteLoadsEveryValue)
{
    const std::string path = dir.filePath("stray.siz");
    writeFileBytes(path, "[File]\r\nFileCode=0x6930\r\nMode=0\r\n; caf\xE9\r\n\xCE\x94S=0.02[m/rev]\r\n"
                         "\xCE\x94P=0.001[m/pulse]\r\n\xCF\x81=0.5[kg/m^3]\r\n");
    load(path);
    EXPECT_EQ(SizeItems[0].dV, 0.02);
    EXPECT_EQ(SizeItems[0].asNowUnit, "m/rev");
    EXPECT_EQ(SizeItems[1].dV, 0.001);
    EXPECT_EQ(SizeItems[9].dV, 0.5);
}

TEST_F(ProjectFileTest, AnsweringNoOrCancellingWritesNothing)
{
    const std::string path = dir.filePath("keep.siz");
    writeFileBytes(path, "old");
    AnswerNextMessage(IDNO);
    save(path);
    EXPECT_EQ(readFileBytes(path), "old");
    AnswerNextFileDialog("");
    w->tbSave->Click();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ProjectFileTest, FailedSaveReportsAndLeavesTheOldFileWhole)
{
    const std::string old = "[File]\r\nFileCode=0x6930\r\n";
    const struct {
        const char *name;
        mode_t mode;
        rlim_t sizeLimit;
        const char *reason;
    } cases[] = {
        {"read-only", 0444, RLIM_INFINITY, "Permission denied"},
        {"file-size limit", 0644, 500, "File too large"}, // the saved file takes over 1 kB
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const std::string path = dir.filePath("locked.siz");
        writeFileBytes(path, old);
        chmod(path.c_str(), c.mode);
        {
            FileSizeLimit limit(c.sizeLimit);
            save(path);
        }
        ASSERT_EQ(messages.size(), 2u) << messages[0].text;
        EXPECT_EQ(messages[1].flags, MB_OK | MB_ICONERROR);
        EXPECT_EQ(messages[1].text, "Cannot create file \"" + path + "\". " + c.reason + ".");
        EXPECT_EQ(readFileBytes(path), old);
        int files = 0;
        for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir.path()))
            ++files;
        EXPECT_EQ(files, 1); // no temporary file left behind
        chmod(path.c_str(), 0644);
    }
}

TEST_F(ProjectFileTest, MissingParametersGetDefaultsAndOneSummary)
{
    // A header alone gives what start-up shows: the defaults in the units of a switch to SI.
    const WindowState defaults = state();
    const std::string path = dir.filePath("bare.siz");
    writeFileBytes(path, "[File]\nFileCode=0x6930\nMode=0\n");
    w->tbMI->Click();
    w->pcModPic->UserSelect(6); // the message names the rows as the file's mechanism does
    for (CSIZEITEM &item : SizeItems)
        item.dV = 123;
    load(path);

    EXPECT_EQ(state(), defaults);
    AnsiString expected;
    for (const CSIZEITEM &item : SizeItems)
        expected += item.Name + " Load failed! => use default! \n";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, expected);
}

// One parameter line of an otherwise complete file, and what the loader makes of it.
struct ValueCase {
    const char *text; // nullptr: no such line
    double value;     // NaN: the default
    const char *unit;
};

TEST_F(ProjectFileTest, ParameterValueFallBacks)
{
    const ValueCase cases[] = {
        {"12.5[cm]", 12.5, "cm"},
        {" 3 [ (mm) ] ", 3, " (mm) "},
        {"-1.79769313486232E308[mm]", -DBL_MAX, "mm"}, // as the largest values are saved
        // Read whole or replaced whole: the default in the unit a switch to SI shows.
        {nullptr, NAN, "(mm)"},
        {"7", NAN, "(mm)"},
        {"7[mm", NAN, "(mm)"},
        {"7[]", NAN, "(mm)"},
        {"500[(furlong)]", NAN, "(mm)"},
        {"8[inch]", NAN, "(mm)"},   // an imperial unit in an SI file
        {"90[(deg)]", NAN, "(mm)"}, // an angle off the rotary table
        {"abc[mm]", NAN, "(mm)"},
        {"[", NAN, "(mm)"},
        {"]]", NAN, "(mm)"},
        {"4]x[mm", NAN, "(mm)"},
        {"", NAN, "(mm)"},
        {"1e999[mm]", NAN, "(mm)"},
        {"nan[mm]", NAN, "(mm)"},
    };
    for (const ValueCase &c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no line");
        messages.clear();
        const std::string path = dir.filePath("one.siz");
        std::string bytes = header + defaultParameterLines();
        const std::string line = "\r\nS=200[(mm)]\r\n";
        bytes.replace(bytes.find(line), line.size(),
                      c.text ? "\r\nS=" + std::string(c.text) + "\r\n" : "\r\n");
        writeFileBytes(path, bytes);
        SizeItems[5].dV = 99;

        load(path);
        EXPECT_EQ(SizeItems[5].dV, std::isnan(c.value) ? 200.0 : c.value);
        EXPECT_EQ(SizeItems[5].asNowUnit, c.unit);
        if (std::isnan(c.value)) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, SizeItems[5].Name + " Load failed! => use default! \n");
            w->bbCalculate->Click(); // 200 mm at 10 m/min take 1.2 s, less half the two 0.257 s ramps
            EXPECT_EQ(w->sgPar3->Cells(1, RowOfSymbol(w->sgPar3, "tE")), "0.943");
        } else {
            EXPECT_TRUE(messages.empty());
        }
    }
}

TEST_F(ProjectFileTest, DuplicateKeysTakeTheFirst)
{
    const std::string path = dir.filePath("dup.siz");
    writeFileBytes(path, header + defaultParameterLines() + "S=1[cm]\r\n[File]\r\nS=2[cm]\r\nMode=4\r\n");
    w->pcModPic->UserSelect(2);
    load(path);
    EXPECT_EQ(SizeItems[5].dV, 200);
    EXPECT_EQ(w->pcModPic->ActivePageIndex(), 0);
}

TEST_F(ProjectFileTest, LegacyBig5FileLoadsItsGreekSymbolParameters)
{
    const std::string path = dir.filePath("legacy.siz");
    writeFileBytes(path, "[File]\r\nFileCode=0x6930\r\nMode=2\r\nUnitType=2\r\n" + big5Rho +
                             "=0.5[lb/inch^3]\r\n" + big5Theta + "=30[" + big5Degree + "]\r\n" + big5Mu +
                             "=0.2[]\r\n" + big5Eta + "=0.7[]\r\n" + big5Eta + "m=0.6[]\r\n" + big5Delta +
                             "S=0.01[(ft/rev)]\r\n");
    load(path);
    EXPECT_EQ(SizeItems[9].dV, 0.5);
    EXPECT_EQ(SizeItems[9].asNowUnit, "lb/inch^3");
    EXPECT_EQ(SizeItems[10].dV, 30);
    EXPECT_EQ(SizeItems[10].asNowUnit, "°");
    EXPECT_EQ(SizeItems[11].dV, 0.2);
    EXPECT_EQ(SizeItems[12].dV, 0.7);
    EXPECT_EQ(SizeItems[13].dV, 0.6);
    EXPECT_EQ(SizeItems[0].dV, 0.01);
    EXPECT_EQ(SizeItems[0].asNowUnit, "(ft/rev)");
    EXPECT_EQ(w->UnitType, 2);
    EXPECT_EQ(w->pcModPic->ActivePageIndex(), 2);
}

TEST_F(ProjectFileTest, Utf8FileLoadsTheSameSymbols)
{
    const std::string path = dir.filePath("utf8.siz");
    writeFileBytes(path, "[File]\r\nFileCode=0x6930\r\nMode=0\r\nρ=7850[kg/m^3]\r\nΔS=0.02[m/rev]\r\n");
    load(path);
    EXPECT_EQ(SizeItems[9].dV, 7850);
    EXPECT_EQ(SizeItems[0].dV, 0.02);
    EXPECT_EQ(SizeItems[0].asNowUnit, "m/rev");

    // No material has that density: Enter in the opened list keeps it; Down highlights the first.
    const int row = RowOfSymbol(w->sgPar1, "ρ");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    KeysInOpenedList(w->cbCBX->Combo(), {Qt::Key_Return});
    EXPECT_EQ(w->sgPar1->Cells(1, row), "7850");
    KeysInOpenedList(w->cbCBX->Combo(), {Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(w->sgPar1->Cells(1, row), "22660"); // osmium
}

// A file the loader refuses, with the message shown; nothing in the window changes.
struct RefusedCase {
    const char *name;
    std::string bytes;
    AnsiString message;
};

TEST_F(ProjectFileTest, BadFilesAreRefusedBeforeAnythingChanges)
{
    const std::string mode0 = "[File]\r\nFileCode=0x6930\r\nMode=0\r\n";
    const RefusedCase cases[] = {
        {"empty", "", "Unknown file format!"},
        {"binary", std::string("\x00\xFF\xFE[\x01]\x80=\x00\n", 11), "Unknown file format!"},
        {"other case marker", "[File]\r\nFileCode=0X6930\r\nMode=0\r\n", "Unknown file format!"},
        {"no File section", "[Other]\r\nFileCode=0x6930\r\nMode=0\r\n", "Unknown file format!"},
        {"keys before any section", "FileCode=0x6930\r\nMode=0\r\n", "Unknown file format!"},
        {"no mode", "[File]\r\nFileCode=0x6930\r\n", "Unknow Mode Type!"},
        {"blank mode", "[File]\r\nFileCode=0x6930\r\nMode=  \r\n", "Unknow Mode Type!"},
        {"mode 7", "[File]\r\nFileCode=0x6930\r\nMode=7\r\n", "Unknow Mode Type!"},
        {"mode -1", "[File]\r\nFileCode=0x6930\r\nMode=-1\r\n", "Unknow Mode Type!"},
        {"huge mode", "[File]\r\nFileCode=0x6930\r\nMode=99999999999\r\n",
         "'99999999999' is not a valid integer value"},
        {"text mode", "[File]\r\nFileCode=0x6930\r\nMode=two\r\n", "'two' is not a valid integer value"},
        {"unit 3", mode0 + "UnitType=3\r\n", "Unknown Unit Type!"},
        {"unit 0", mode0 + "UnitType=0\r\n", "Unknown Unit Type!"},
        {"text unit", mode0 + "UnitType=SI\r\n", "'SI' is not a valid integer value"},
    };
    w->pcModPic->UserSelect(4);
    w->tbMI->Click();
    SizeItems[5].asNowUnit = "inch";
    const WindowState before = state();
    for (const RefusedCase &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const std::string path = dir.filePath("bad.siz");
        writeFileBytes(path, c.bytes);
        load(path);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].flags, MB_OK);
        EXPECT_TRUE(state() == before);
    }
}

TEST_F(ProjectFileTest, HugeMissingAndSpecialFilesGiveAClearMessage)
{
    const std::string huge = dir.filePath("huge.siz");
    writeFileBytes(huge, "[File]\r\nFileCode=0x6930\r\nMode=0\r\n" + std::string(MaxProjectFileBytes, ';'));
    const std::string missing = dir.filePath("gone.siz");
    const std::string fifo = dir.filePath("fifo.siz");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = dir.filePath("locked.siz");
    writeFileBytes(locked, header);
    chmod(locked.c_str(), 0);
    const struct {
        std::string file;
        AnsiString message;
    } cases[] = {
        {huge, "File too large! A project file is at most 4 MiB.\n" + huge},
        {missing, "File not Existed !\n" + missing},
        {dir.path(), "Cannot read file \"" + dir.path() + "\". Not a regular file"},
        {fifo, "Cannot read file \"" + fifo + "\". Not a regular file"},
        {"/dev/zero", "Cannot read file \"/dev/zero\". Not a regular file"},
        // A regular file whose reading fails.
        {"/proc/self/mem", "Cannot read file \"/proc/self/mem\". Input/output error"},
        // Root reads it all the same.
        {locked, geteuid() == 0 ? "" : "Cannot read file \"" + locked + "\". Permission denied"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        messages.clear();
        load(c.file);
        if (c.message.empty())
            continue;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
    }
    EXPECT_EQ(SizeItems[5].dV, 200);
}

TEST_F(ProjectFileTest, LoadingClearsTheResults)
{
    const std::string path = dir.filePath("clear.siz");
    save(path);
    w->moRlt->Lines.Add("old result");
    w->sgPar3->SetCells(1, 1, "42");
    load(path);
    EXPECT_TRUE(w->moRlt->Lines.Items().empty());
    EXPECT_EQ(w->sgPar3->Cells(1, 1), "");
}

TEST_F(ProjectFileTest, LoadingClearsTheTotalOfTheLastCalculation)
{
    const std::string path = dir.filePath("total.siz");
    save(path);
    w->bbCalculate->Click();
    ASSERT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  9 Sets");
    load(path);
    EXPECT_EQ(w->stRlt->Caption(), "");
}

TEST_F(ProjectFileTest, OpeningWhileAValueIsHalfTypedTakesTheFilesValue)
{
    const std::string path = dir.filePath("half.siz");
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "150");
    save(path);
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "300");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "1e-"); // an edit that started from 300
    load(path);
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
    EXPECT_EQ(SizeItems[5].dV, 150);
    EXPECT_EQ(w->sgPar1->Cells(1, RowOfSymbol(w->sgPar1, "S")), "150");
}
