#include "ui/ProjectFile.h"

#include "model/Tables.h"
#include "model/Texts.h"
#include "model/Units.h"
#include "platform/Encoding.h"
#include "platform/IniFiles.h"
#include "ui/Selvane.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace
{

const char fileSection[] = "File";
const char formatMarker[] = "0x6930";
const char formatVersion[] = "0x101";
const char badModeText[] = "Unknow Mode Type!";
const char big5Charset[] = "CP950";

bool exists(const AnsiString &fileName)
{
    std::error_code ec;
    return std::filesystem::exists(fileName, ec);
}

// Refuses a file that is too large to be a project file, before anything reads it.
void checkSize(const AnsiString &fileName)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(fileName, ec);
    if (!ec && size > static_cast<std::uintmax_t>(MaxProjectFileBytes))
        throw Exception("File too large! A project file is at most " + IntToStr(MaxProjectFileBytes >> 20) +
                        " MiB.\n" + fileName);
}

struct ProjectHeader {
    int mode = 0;
    int unitType = 1;
};

// The whole header is checked before the window changes, so a bad file leaves it as it was.
ProjectHeader readHeader(const TMemIniFile &ini)
{
    if (ini.ReadString(fileSection, "FileCode", "") != formatMarker)
        throw Exception("Unknown file format!");
    ini.ReadString(fileSection, "FileVer", ""); // any version is read the same way

    ProjectHeader header;
    const AnsiString mode = Trim(ini.ReadString(fileSection, "Mode", ""));
    if (mode.empty())
        throw Exception(badModeText);
    header.mode = StrToInt(mode);
    if (header.mode < 0 || header.mode > 6)
        throw Exception(badModeText);

    const AnsiString unitType = Trim(ini.ReadString(fileSection, "UnitType", ""));
    header.unitType = unitType.empty() ? UnitSystemSI : StrToInt(unitType);
    if (header.unitType != UnitSystemSI && header.unitType != UnitSystemImperial)
        throw Exception("Unknown Unit Type!");
    return header;
}

// "200[(mm)]": number text before the first "[", unit between it and the first "]" after it.
void splitValue(const AnsiString &text, AnsiString &number, AnsiString &unit)
{
    const int open = Pos("[", text);
    if (open == 0) {
        number = text;
        unit.clear();
        return;
    }
    number = SubString(text, 1, open - 1);
    unit = TextBetween(text, '[', ']');
}

// Whether a row with the unit list offers the unit that text names; only a row without a unit takes
// none.
bool offersUnit(const AnsiString &list, const AnsiString &text)
{
    const std::vector<AnsiString> units = UnitsOfList(list);
    return std::find(units.begin(), units.end(), UnitName(text)) != units.end();
}

} // namespace

bool confirmOverwrite(const AnsiString &fileName)
{
    if (!exists(fileName))
        return true;
    return Application->MessageBox(GetMsg("Selvane_F", 0, "File already Existed ! Overwrite ?"),
                                   "Kelo Sizing", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Errors propagate to the standard error display; the old file stays whole because the INI layer
// writes a temporary file and renames it over the target only once it is complete.
void TSelvane_F::tbSaveClick(TObject *)
{
    CellEditExit(CellEdit); // an edit left with text that is no number is undone before saving
    if (!SaveDialog1->Execute())
        return;
    const AnsiString fileName = SaveDialog1->FileName;
    if (!confirmOverwrite(fileName))
        return;
    checkSize(fileName);

    // Sections and keys of an existing file that are not ours are kept, their lines byte for byte. A
    // file that cannot be read is not replaced: what it holds beside ours would be lost.
    TMemIniFile ini(fileName, IniEncoding::Big5ByLine, exists(fileName) ? ReadFileBytes(fileName) : "");
    AnsiString written;
    auto write = [&](const AnsiString &key, const AnsiString &value) {
        ini.WriteString(fileSection, key, value);
        written += key + "=" + value + "\n";
    };
    write("FileCode", formatMarker);
    write("FileVer", formatVersion);
    write("Mode", IntToStr(pcModPic->ActivePageIndex()));
    write("UnitType", IntToStr(UnitType));
    for (const CSIZEITEM &item : SizeItems)
        write(item.Abbr, FloatToStr(item.dV) + "[" + item.asNowUnit + "]");
    // Big5, the code page existing project files use. A symbol glyph from the texts file that Big5
    // cannot hold would turn into "?", so then our lines are written in UTF-8, which the loader reads
    // line by line as well.
    const bool big5 = ToUtf8(FromUtf8(written, big5Charset), big5Charset) == written;
    ini.SetWriteEncoding(big5 ? IniEncoding::Big5Fallback : IniEncoding::Utf8);
    ini.UpdateFile();
}

void TSelvane_F::tbOpenClick(TObject *)
{
    CellEditExit(CellEdit); // before the file's values, which the edit must not undo
    if (!OpenDialog1->Execute())
        return;
    const AnsiString fileName = OpenDialog1->FileName;
    try {
        std::error_code ec;
        // Not looked up: number 32 of the texts file names a material of the density table.
        if (!std::filesystem::exists(fileName, ec))
            throw Exception("File not Existed !\n" + fileName);
        checkSize(fileName);

        // A file that cannot be read, or is not a regular file, is refused with the reason.
        const TMemIniFile ini(fileName, IniEncoding::Big5ByLine, ReadFileBytes(fileName));
        const ProjectHeader header = readHeader(ini);

        // The results on screen belong to the inputs that the file replaces.
        DropResults();
        pcModPic->SetActivePageIndex(header.mode);
        UnitType = header.unitType;
        FillDensityGrid();
        for (CMOTORSPC &record : MotorSpecs)
            SetMotorUnitSystem(record, UnitType);
        FillMotorGrid(true);
        UseTravelUnitsOf(header.mode);            // the rotary table offers its angles
        UseRowNamesOf(header.mode, CurMechanism); // failed lines are named as the file's mechanism does

        AnsiString failed;
        AnsiString fileUnits[62];
        for (int id = 0; id < 62; ++id) {
            CSIZEITEM &item = SizeItems[id];
            SetParamUnitSystem(item, UnitType);
            AnsiString number, unit;
            splitValue(Trim(ini.ReadString(fileSection, item.Abbr, "")), number, unit);
            // A line is read whole or not at all: a number in a unit that its row does not offer would be
            // read in the calculation unit. A failed line keeps the default unit of the switch above.
            double value = 0;
            if (!number.empty() && TryStrToFloat(number, value) && offersUnit(item.asUnit, unit)) {
                item.dV = value;
                item.asNowUnit = unit;
            } else {
                item.dV = item.dDefV;
                failed += item.Name + " Load failed! => use default! \n";
            }
            fileUnits[id] = item.asNowUnit;
        }
        if (!failed.empty())
            ShowMessage(failed);

        pcModPicChange(pcModPic);
        // Leaving the rotary table gives travel, stroke and speed their own unit lists back and
        // resets their units; the file's units for them win.
        if (header.mode != 3) {
            bool restored = false;
            for (int id : {0, 1, 4, 5})
                if (SizeItems[id].asNowUnit != fileUnits[id]) {
                    SizeItems[id].asNowUnit = fileUnits[id];
                    restored = true;
                }
            if (restored)
                FillParamGrids(cbModel->ItemIndex());
        }
        ClearResults();
    } catch (const std::exception &e) {
        ShowMessage(e.what());
    }
}
