#pragma once

#include "platform/SysUtils.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// How the bytes of a file on disk map to the UTF-8 texts the program works with.
enum class IniEncoding {
    Utf8,          // taken as they are
    ByLanguageKey, // not valid UTF-8: values decoded by the key's language suffix (.1 Big5, .2 GBK, else
                   // CP1252)
    Big5Fallback,  // not valid UTF-8: the whole file decoded as Big5 (code page 950); written back as Big5
    Big5ByLine,    // each line on its own: UTF-8 when it is valid UTF-8, otherwise Big5. Every line the
                   // program does not change is written back as the bytes it was read from, blank
                   // lines and repeated section headers included
};

// Whole content of a regular file. Throws EInOutError naming the file and the system's reason when
// it cannot be read, and when it is not a regular file (a directory, a pipe, a device).
std::string ReadFileBytes(const AnsiString &fileName);

// An INI file held in memory: read once, changed in memory, written back whole.
// Section and key lookup ignore (ASCII) case, the first of duplicate keys wins, lines are trimmed, a
// value is what follows the first "=", order of sections and keys is kept; new keys go to the end of
// their section, new sections to the end of the file. A repeated section header continues the first
// section of that name. Comments and other lines without "=" are kept as they are; blank lines are
// not (one blank line is written between sections) unless read line by line (Big5ByLine). A missing
// or unreadable file gives an empty object; reading never throws.
class TMemIniFile
{
  public:
    explicit TMemIniFile(const AnsiString &fileName, IniEncoding encoding = IniEncoding::Utf8);
    // Content given as the bytes the caller read from fileName, which stays the file UpdateFile writes.
    TMemIniFile(const AnsiString &fileName, IniEncoding encoding, const std::string &bytes);

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
    // The bytes UpdateFile writes.
    std::string GetFileBytes() const;
    // Writes the whole content to FileName: to a temporary file in the same directory, renamed over
    // the target only when writing succeeded (through a symbolic link, over the file it points to).
    // Throws EInOutError naming the file on failure, and when FileName is not a regular file.
    void UpdateFile() const;
    // Encoding used by UpdateFile: Big5Fallback writes Big5 bytes (characters Big5 lacks as "?"),
    // the others UTF-8. UTF-8 until set. With Big5ByLine reading it applies to the changed lines only.
    void SetWriteEncoding(IniEncoding encoding) { writeEncoding_ = encoding; }

  private:
    struct Entry {
        AnsiString key; // empty for a line that is not key=value (kept as raw text)
        AnsiString value;
        AnsiString raw;
        std::string bytes; // Big5ByLine: the line as read, line end included, until it is changed
    };
    // One header and the lines below it. Only Big5ByLine keeps a repeated header as a block of its
    // own; the other encodings continue the first block of that name.
    struct Section {
        AnsiString name;
        std::string header; // Big5ByLine: the header line as read
        std::vector<Entry> entries;
        std::size_t index = 0; // of its name in names_
    };
    // Every section name's blocks and keys, found by the name in lower case: a file of many sections
    // or keys is read in linear time.
    struct SectionIndex {
        std::vector<std::size_t> blocks;                                           // in file order
        std::unordered_map<std::string, std::pair<std::size_t, std::size_t>> keys; // block, entry
    };
    const SectionIndex *findSection(const AnsiString &name) const;
    const Entry *findEntry(const AnsiString &section, const AnsiString &key) const;
    std::size_t addSection(const AnsiString &name, std::string header);
    void addEntry(std::size_t block, Entry entry);
    void reindex();
    bool keepsBytes() const { return readEncoding_ == IniEncoding::Big5ByLine; }
    std::string render(bool fileBytes) const;

    AnsiString fileName_;
    IniEncoding readEncoding_;
    IniEncoding writeEncoding_ = IniEncoding::Utf8;
    std::vector<Entry> preamble_; // lines before the first section header
    std::vector<Section> sections_;
    std::vector<SectionIndex> names_; // in order of first appearance
    std::unordered_map<std::string, std::size_t> nameIndex_;
};
