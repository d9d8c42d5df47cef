#include "platform/IniFiles.h"

#include "platform/Encoding.h"
#include "platform/Exceptions.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

// Lines split at CR LF, LF or a lone CR.
std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
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

std::string legacyName(const std::string &s)
{
    return isAscii(s) ? s : ToUtf8(s, "CP1252");
}

// Whole content of a regular file; false when it cannot be read.
bool readWholeFile(const std::string &fileName, std::string &bytes)
{
    // Not blocking: opening a named pipe that nobody writes to would hang; it is then refused below
    // as not a regular file. Reading a regular file is unaffected.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {
    };
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buf[65536];
    while (ok) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return ok;
}

bool writeAll(int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void throwCreateError(const std::string &fileName, int err)
{
    throw EInOutError("Cannot create file \"" + fileName + "\". " + std::strerror(err));
}

} // namespace

TMemIniFile::TMemIniFile(const AnsiString &fileName, IniEncoding encoding)
    : fileName_(fileName), readEncoding_(encoding)
{
    std::string bytes;
    if (!fileName.empty() && readWholeFile(fileName, bytes))
        SetText(bytes);
}

const TMemIniFile::Section *TMemIniFile::findSection(const AnsiString &name) const
{
    for (const Section &s : sections_)
        if (equalsIgnoreCase(s.name, name))
            return &s;
    return nullptr;
}

TMemIniFile::Section *TMemIniFile::findSection(const AnsiString &name)
{
    return const_cast<Section *>(static_cast<const TMemIniFile *>(this)->findSection(name));
}

const TMemIniFile::Entry *TMemIniFile::findEntry(const AnsiString &section, const AnsiString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry &e : s->entries)
        if (!e.key.empty() && equalsIgnoreCase(e.key, key))
            return &e;
    return nullptr;
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

    Section *s = findSection(section);
    if (!s) {
        sections_.push_back(Section{section, {}});
        s = &sections_.back();
    }
    for (Entry &e : s->entries) {
        if (!e.key.empty() && equalsIgnoreCase(e.key, key)) {
            e.value = v;
            return;
        }
    }
    s->entries.push_back(Entry{key, v, ""});
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
    if (const Section *s = findSection(section))
        for (const Entry &e : s->entries)
            if (!e.key.empty() && findEntry(section, e.key) == &e)
                keys.push_back(e.key);
    return keys;
}

std::vector<AnsiString> TMemIniFile::ReadSections() const
{
    std::vector<AnsiString> names;
    for (const Section &s : sections_)
        names.push_back(s.name);
    return names;
}

void TMemIniFile::EraseSection(const AnsiString &section)
{
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section &s) { return equalsIgnoreCase(s.name, section); }),
                    sections_.end());
}

void TMemIniFile::Clear()
{
    preamble_.clear();
    sections_.clear();
}

void TMemIniFile::SetText(const std::string &bytes)
{
    Clear();
    std::string text = bytes;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    bool legacy = false; // values decoded one by one by their key's language
    if (readEncoding_ != IniEncoding::Utf8 && !IsValidUtf8(text)) {
        if (readEncoding_ == IniEncoding::Big5Fallback)
            text = ToUtf8(text, big5Charset);
        else
            legacy = true;
    }

    Section *current = nullptr;
    for (const std::string &rawLine : splitLines(text)) {
        const std::string line = Trim(rawLine);
        if (line.empty())
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string name = Trim(line.substr(1, line.size() - 2));
            if (legacy)
                name = legacyName(name);
            current = findSection(name);
            if (!current) {
                sections_.push_back(Section{name, {}});
                current = &sections_.back();
            }
            continue;
        }
        Entry entry;
        const std::size_t eq = line.find('=');
        const bool comment = line.front() == ';' || line.front() == '#';
        if (!comment && eq != std::string::npos && !Trim(line.substr(0, eq)).empty()) {
            entry.key = Trim(line.substr(0, eq));
            entry.value = line.substr(eq + 1); // a leading blank belongs to the text
            if (legacy) {
                entry.value =
                    isAscii(entry.value) ? entry.value : ToUtf8(entry.value, charsetForKey(entry.key));
                entry.key = legacyName(entry.key);
            }
        } else {
            entry.raw = legacy ? legacyName(line) : line;
        }
        if (current)
            current->entries.push_back(std::move(entry));
        else
            preamble_.push_back(entry.key.empty() ? entry.raw : entry.key + "=" + entry.value);
    }
}

std::string TMemIniFile::GetText() const
{
    std::string out;
    for (const AnsiString &line : preamble_)
        out += line + "\r\n";
    bool first = true;
    for (const Section &s : sections_) {
        if (!first)
            out += "\r\n";
        first = false;
        out += "[" + s.name + "]\r\n";
        for (const Entry &e : s.entries)
            out += (e.key.empty() ? e.raw : e.key + "=" + e.value) + "\r\n";
    }
    return out;
}

void TMemIniFile::UpdateFile() const
{
    std::string bytes = GetText();
    if (writeEncoding_ == IniEncoding::Big5Fallback)
        bytes = FromUtf8(bytes, big5Charset);

    // The new content goes to a file beside the target and replaces it only once completely written,
    // so a failed write never leaves a truncated settings or project file.
    // Through a symbolic link the file it points to is replaced, not the link, as writing in place
    // would do.
    std::string target = fileName_;
    struct stat st {
    };
    if (lstat(fileName_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char *resolved = realpath(fileName_.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    const bool exists = stat(target.c_str(), &st) == 0;
    // Only a regular file is ever replaced: never a directory, a device or a pipe.
    if (exists && !S_ISREG(st.st_mode))
        throwCreateError(fileName_, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // A file without write permission counts as read-only, as it would on Windows, even for root.
    if (exists && (st.st_mode & S_IWUSR) == 0)
        throwCreateError(fileName_, EACCES);

    static std::atomic<unsigned> counter{0};
    std::string tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throwCreateError(fileName_, errno);

    bool ok = writeAll(fd, bytes);
    int err = errno;
    if (ok && exists && fchmod(fd, st.st_mode & 07777) != 0) {
        ok = false;
        err = errno;
    }
    if (ok && fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(tempName.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(tempName.c_str());
        throwCreateError(fileName_, err);
    }
}
