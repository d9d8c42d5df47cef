#pragma once

#include "platform/SysUtils.h"

#include <vector>

// How the bytes of a file on disk map to the UTF-8 texts the program works with.
enum class IniEncoding {
    Utf8,          // taken as they are
    ByLanguageKey, // not valid UTF-8: values decoded by the key's language suffix (.1 Big5, .2 GBK, else
                   // CP1252)
    Big5Fallback,  // not valid UTF-8: the whole file decoded as Big5 (code page 950); written back as Big5
};

// An INI file held in memory: read once, changed in memory, written back whole.
// Section and key lookup ignore (ASCII) case, the first of duplicate keys wins, lines are trimmed, a
// value is what follows the first "=", order of sections and keys is kept; new keys go to the end of
// their section, new sections to the end of the file. A repeated section header continues the first
// section of that name. Comments and other lines without "=" are kept as they are; blank lines are
// not (one blank line is written between sections). A missing or unreadable file gives an empty
// object; reading never throws.
class TMemIniFile
{
  public:
    explicit TMemIniFile(const AnsiString &fileName, IniEncoding encoding = IniEncoding::Utf8);

    AnsiString FileName() const { return fileName_; }
    AnsiString ReadString(const AnsiString &section, const AnsiString &key, const AnsiString &def) const;
    int ReadInteger(const AnsiString &section, const AnsiString &key, int def) const;
    void WriteString(const AnsiString &section, const AnsiString &key, const AnsiString &value);
    void WriteInteger(const AnsiString &section, const AnsiString &key, int value);
    bool SectionExists(const AnsiString &section) const;
    bool ValueExists(const AnsiString &section, const AnsiString &key) const;
    std::vector<AnsiString> ReadSection(const AnsiString &section) const; // key names in file order
    std::vector<AnsiString> ReadSections() const;
    void EraseSection(const AnsiString &section);
    void Clear();

    // Parses bytes as if they were the file's content (decoded as the constructor's encoding says).
    void SetText(const std::string &bytes);
    // The whole content as it would be written, in UTF-8 with CR LF line ends.
    std::string GetText() const;
    // Writes the whole content to FileName: to a temporary file in the same directory, renamed over
    // the target only when writing succeeded (through a symbolic link, over the file it points to).
    // Throws EInOutError naming the file on failure, and when FileName is not a regular file.
    void UpdateFile() const;
    // Encoding used by UpdateFile: Big5Fallback writes Big5 bytes (characters Big5 lacks as "?"),
    // the others UTF-8. UTF-8 until set.
    void SetWriteEncoding(IniEncoding encoding) { writeEncoding_ = encoding; }

  private:
    struct Entry {
        AnsiString key; // empty for a line that is not key=value (kept as raw text)
        AnsiString value;
        AnsiString raw;
    };
    struct Section {
        AnsiString name;
        std::vector<Entry> entries;
    };
    const Section *findSection(const AnsiString &name) const;
    Section *findSection(const AnsiString &name);
    const Entry *findEntry(const AnsiString &section, const AnsiString &key) const;

    AnsiString fileName_;
    IniEncoding readEncoding_;
    IniEncoding writeEncoding_ = IniEncoding::Utf8;
    std::vector<AnsiString> preamble_; // lines before the first section header
    std::vector<Section> sections_;
};
