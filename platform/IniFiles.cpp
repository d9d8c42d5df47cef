#include "platform/IniFiles.h"

#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "platform/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const char big5Charset[] = "CP950";

bool equalsIgnoreCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool isAscii(const std::string &s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string lowerAscii(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The text without the blanks and control characters around it, as Trim cuts them.
std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// Calls fn(line, lineWithEnd) for each line, split at CR LF, LF or a lone CR. The views point into text.
template <typename Fn> void forEachLine(const std::string &text, Fn fn)
{
    const std::string_view all(text);
    std::size_t start = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == '\n' || all[i] == '\r') {
            const std::size_t end = i;
            if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n')
                ++i;
            fn(all.substr(start, end - start), all.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < all.size())
        fn(all.substr(start), all.substr(start));
}

// Legacy files keep each language in its own code page, told by the last character of the key
// ("24.1" is Traditional Chinese).
const char *charsetForKey(const std::string &key)
{
    const std::size_t dot = key.rfind('.');
    const char lang = dot == std::string::npos || dot + 1 >= key.size() ? '\0' : key.back();
    if (lang == '1')
        return big5Charset;
    if (lang == '2')
        return "GBK";
    return "CP1252";
}

// The decoders a file needs, each opened once: a file of many lines in legacy code pages is read
// without a converter set up per line.
class Decoders
{
  public:
    std::string operator()(const std::string &bytes, const char *charset)
    {
        if (isAscii(bytes))
            return bytes;
        std::unique_ptr<Utf8Decoder> &decoder = decoders_[charset];
        if (!decoder)
            decoder = std::make_unique<Utf8Decoder>(charset);
        return (*decoder)(bytes);
    }

  private:
    std::map<std::string, std::unique_ptr<Utf8Decoder>> decoders_;
};

// Whole content of a regular file; 0, or the reason it cannot be read (EINVAL: not a regular file).
int readWholeFile(const std::string &fileName, std::string &bytes)
{
    // Not blocking: opening a named pipe that nobody writes to would hang; it is then refused below
    // as not a regular file. Reading a regular file is unaffected.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st {
    };
    int err = fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL;
    char buf[65536];
    while (err == 0) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            err = errno;
        if (n <= 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return err;
}

[[noreturn]] void throwCreateError(const std::string &fileName, const std::string &reason)
{
    throw EInOutError("Cannot create file \"" + fileName + "\". " + reason);
}

} // namespace

std::string ReadFileBytes(const AnsiString &fileName)
{
    std::string bytes;
    const int err = readWholeFile(fileName, bytes);
    if (err == EINVAL)
        throw EInOutError("Cannot read file \"" + fileName + "\". Not a regular file");
    if (err != 0)
        throw EInOutError("Cannot read file \"" + fileName + "\". " + std::strerror(err));
    return bytes;
}

TMemIniFile::TMemIniFile(const AnsiString &fileName, IniEncoding encoding)
    : fileName_(fileName), readEncoding_(encoding)
{
    std::string bytes;
    if (!fileName.empty() && readWholeFile(fileName, bytes) == 0)
        SetText(bytes);
}

TMemIniFile::TMemIniFile(const AnsiString &fileName, IniEncoding encoding, const std::string &bytes)
    : fileName_(fileName), readEncoding_(encoding)
{
    SetText(bytes);
}

const TMemIniFile::SectionIndex *TMemIniFile::findSection(const AnsiString &name) const
{
    const auto it = nameIndex_.find(lowerAscii(name));
    return it == nameIndex_.end() ? nullptr : &names_[it->second];
}

const TMemIniFile::Entry *TMemIniFile::findEntry(const AnsiString &section, const AnsiString &key) const
{
    const SectionIndex *s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->keys.find(lowerAscii(key));
    return it == s->keys.end() ? nullptr : &sections_[it->second.first].entries[it->second.second];
}

std::size_t TMemIniFile::addSection(const AnsiString &name, std::string header)
{
    const std::size_t block = sections_.size();
    const auto found = nameIndex_.emplace(lowerAscii(name), names_.size());
    if (found.second)
        names_.emplace_back();
    sections_.push_back(Section{name, std::move(header), {}, found.first->second});
    names_[found.first->second].blocks.push_back(block);
    return block;
}

void TMemIniFile::addEntry(std::size_t block, Entry entry)
{
    std::vector<Entry> &entries = sections_[block].entries;
    if (!entry.key.empty()) {
        // The first of duplicate keys wins, over all blocks of the section.
        SectionIndex &s = names_[sections_[block].index];
        s.keys.emplace(lowerAscii(entry.key), std::make_pair(block, entries.size()));
    }
    entries.push_back(std::move(entry));
}

void TMemIniFile::reindex()
{
    std::vector<Section> blocks;
    blocks.swap(sections_);
    names_.clear();
    nameIndex_.clear();
    for (Section &old : blocks) {
        const std::size_t block = addSection(old.name, std::move(old.header));
        for (Entry &e : old.entries)
            addEntry(block, std::move(e));
    }
}

AnsiString TMemIniFile::ReadString(const AnsiString &section, const AnsiString &key,
                                   const AnsiString &def) const
{
    const Entry *e = findEntry(section, key);
    return e ? e->value : def;
}

int TMemIniFile::ReadInteger(const AnsiString &section, const AnsiString &key, int def) const
{
    const Entry *e = findEntry(section, key);
    return e ? StrToIntDef(e->value, def) : def;
}

void TMemIniFile::WriteString(const AnsiString &section, const AnsiString &key, const AnsiString &value)
{
    // A line break inside a value would split the line on the next read.
    AnsiString v = value;
    std::replace(v.begin(), v.end(), '\r', ' ');
    std::replace(v.begin(), v.end(), '\n', ' ');

    if (const Entry *found = findEntry(section, key)) {
        Entry &e = const_cast<Entry &>(*found);
        e.value = v;
        e.bytes.clear();
        return;
    }
    const SectionIndex *s = findSection(section);
    const std::size_t block = s ? s->blocks.back() : addSection(section, "");
    std::vector<Entry> &entries = sections_[block].entries;
    // A new key goes before the blank lines that end the section, where it reads as part of it.
    std::size_t at = entries.size();
    while (at > 0 && entries[at - 1].key.empty() && entries[at - 1].raw.empty())
        --at;
    if (at == entries.size()) {
        addEntry(block, Entry{key, v, "", ""});
        return;
    }
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), Entry{key, v, "", ""});
    names_[nameIndex_.at(lowerAscii(sections_[block].name))].keys.emplace(lowerAscii(key),
                                                                          std::make_pair(block, at));
}

void TMemIniFile::WriteInteger(const AnsiString &section, const AnsiString &key, int value)
{
    WriteString(section, key, IntToStr(value));
}

bool TMemIniFile::SectionExists(const AnsiString &section) const
{
    return findSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const AnsiString &section, const AnsiString &key) const
{
    return findEntry(section, key) != nullptr;
}

std::vector<AnsiString> TMemIniFile::ReadSection(const AnsiString &section) const
{
    std::vector<AnsiString> keys;
    if (const SectionIndex *s = findSection(section))
        for (std::size_t block : s->blocks)
            for (const Entry &e : sections_[block].entries)
                if (!e.key.empty() && findEntry(section, e.key) == &e)
                    keys.push_back(e.key);
    return keys;
}

std::vector<AnsiString> TMemIniFile::ReadSections() const
{
    std::vector<AnsiString> names;
    for (const SectionIndex &s : names_)
        names.push_back(sections_[s.blocks.front()].name);
    return names;
}

void TMemIniFile::EraseSection(const AnsiString &section)
{
    if (!findSection(section))
        return;
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section &s) { return equalsIgnoreCase(s.name, section); }),
                    sections_.end());
    reindex();
}

void TMemIniFile::Clear()
{
    preamble_.clear();
    sections_.clear();
    names_.clear();
    nameIndex_.clear();
}

void TMemIniFile::SetText(const std::string &bytes)
{
    Clear();
    const bool byLine = keepsBytes();
    std::string text = bytes;
    if (!byLine && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    bool legacy = false; // values decoded one by one by their key's language
    if (!byLine && readEncoding_ != IniEncoding::Utf8 && !IsValidUtf8(text)) {
        if (readEncoding_ == IniEncoding::Big5Fallback)
            text = ToUtf8(text, big5Charset);
        else
            legacy = true;
    }

    // Room for a section per line that starts with "[" spares rehashing a file of many sections.
    std::size_t headers = text.compare(0, 1, "[") == 0 ? 1 : 0;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] == '[' && (text[i - 1] == '\n' || text[i - 1] == '\r'))
            ++headers;
    sections_.reserve(headers);
    names_.reserve(headers);
    nameIndex_.reserve(headers);

    Decoders decode;
    const std::size_t none = static_cast<std::size_t>(-1);
    std::size_t current = none;
    bool firstLine = true;
    std::string decoded;
    forEachLine(text, [&](std::string_view rawLine, std::string_view lineBytes) {
        std::string_view view = rawLine;
        if (byLine) {
            decoded.assign(rawLine);
            if (firstLine && decoded.compare(0, 3, "\xEF\xBB\xBF") == 0)
                decoded.erase(0, 3);
            if (!IsValidUtf8(decoded))
                decoded = decode(decoded, big5Charset);
            view = decoded;
        }
        firstLine = false;
        const std::string line(trimmed(view));
        Entry entry;
        if (byLine)
            entry.bytes = std::string(lineBytes);
        if (line.empty() && !byLine)
            return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string name = Trim(line.substr(1, line.size() - 2));
            if (legacy)
                name = decode(name, "CP1252");
            const SectionIndex *s = byLine ? nullptr : findSection(name);
            current = s ? s->blocks.front() : addSection(name, entry.bytes);
            return;
        }
        const std::size_t eq = line.find('=');
        const bool comment = line.empty() || line.front() == ';' || line.front() == '#';
        const std::string_view key =
            eq == std::string::npos ? std::string_view() : trimmed(std::string_view(line).substr(0, eq));
        if (!comment && !key.empty()) {
            entry.key = std::string(key);
            entry.value = line.substr(eq + 1); // a leading blank belongs to the text
            if (legacy) {
                entry.value = decode(entry.value, charsetForKey(entry.key));
                entry.key = decode(entry.key, "CP1252");
            }
        } else {
            entry.raw = legacy ? decode(line, "CP1252") : line;
        }
        if (current != none) {
            addEntry(current, std::move(entry));
        } else {
            if (!entry.key.empty()) {
                entry.raw = entry.key + "=" + entry.value;
                entry.key.clear();
            }
            preamble_.push_back(std::move(entry));
        }
    });
}

// The content as text, or as the bytes to write: lines kept as read where they are unchanged,
// the others in the write encoding.
std::string TMemIniFile::render(bool fileBytes) const
{
    const bool byLine = keepsBytes();
    const bool big5 = fileBytes && (writeEncoding_ == IniEncoding::Big5Fallback ||
                                    writeEncoding_ == IniEncoding::Big5ByLine);
    std::string out;
    auto line = [&](const std::string &read, const std::string &text) {
        // The last line of a file may have come without a line end.
        if (!out.empty() && out.back() != '\n' && out.back() != '\r')
            out += "\r\n";
        if (fileBytes && !read.empty())
            out += read;
        else
            out += (big5 && byLine ? FromUtf8(text, big5Charset) : text) + "\r\n";
    };
    for (const Entry &e : preamble_)
        line(e.bytes, e.raw);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section &s = sections_[i];
        // A blank line between sections; files read line by line bring their own.
        if (byLine ? s.header.empty() && !out.empty() : i > 0)
            line("", "");
        line(s.header, "[" + s.name + "]");
        for (const Entry &e : s.entries)
            line(e.bytes, e.key.empty() ? e.raw : e.key + "=" + e.value);
    }
    if (big5 && !byLine)
        out = FromUtf8(out, big5Charset);
    return out;
}

std::string TMemIniFile::GetText() const
{
    return render(false);
}

std::string TMemIniFile::GetFileBytes() const
{
    return render(true);
}

void TMemIniFile::UpdateFile() const
{
    ReplacingFile file(fileName_);
    if (!file.Open() || !file.Write(GetFileBytes()) || !file.Commit())
        throwCreateError(fileName_, file.Reason());
}
