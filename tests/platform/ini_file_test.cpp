#include "platform/IniFiles.h"

#include "platform/Exceptions.h"

#include "TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

TMemIniFile iniFromBytes(const std::string &bytes, IniEncoding encoding = IniEncoding::Utf8)
{
    TMemIniFile ini("", encoding);
    ini.SetText(bytes);
    return ini;
}

std::vector<std::string> dirEntries(const std::string &path)
{
    std::vector<std::string> names;
    for (const QString &n : QDir(QString::fromStdString(path)).entryList(QDir::Files | QDir::Hidden))
        names.push_back(n.toStdString());
    return names;
}

struct Lookup {
    const char *section;
    const char *key;
    const char *expected; // nullptr: the key is absent
};

struct ParseCase {
    const char *name;
    std::string bytes;
    std::vector<Lookup> lookups;
    bool lineByLineToo = true; // the same when read line by line
};

const std::string big = std::string(1 << 20, 'x');

const std::vector<ParseCase> parseCases = {
    {"plain", "[ALL]\nLag=2\n", {{"ALL", "Lag", "2"}, {"all", "LAG", "2"}, {"ALL", "Other", nullptr}}},
    {"crlf and blanks",
     "  [ File ]  \r\n  FileCode = 0x6930 \r\nMode=\r\n",
     {{"File", "FileCode", " 0x6930"}, {"File", "Mode", ""}}},
    {"bom", "\xEF\xBB\xBF[ALL]\r\nLag=1", {{"ALL", "Lag", "1"}}},
    {"value after the first =, leading blank kept", "[S]\na = b=c \n", {{"S", "a", " b=c"}}},
    {"first duplicate wins", "[S]\nk=1\nK=2\n", {{"S", "k", "1"}}},
    {"repeated section continues the first",
     "[S]\na=1\n[T]\nb=2\n[s]\nc=3\na=4\n",
     {{"S", "a", "1"}, {"S", "c", "3"}, {"T", "b", "2"}}},
    {"comments and stray lines",
     "stray\nx=1\n[S]\n;a=1\n#b=2\njunk\n=3\nc=4\n",
     {{"S", "a", nullptr},
      {"S", ";a", nullptr},
      {"S", "b", nullptr},
      {"S", "", nullptr},
      {"S", "c", "4"},
      {"", "x", nullptr}}},
    {"lone CR line ends", "[S]\ra=1\rb=2", {{"S", "a", "1"}, {"S", "b", "2"}}},
    {"unclosed header is a stray line", "[S]\n[T\nt=1\n", {{"S", "t", "1"}, {"T", "t", nullptr}}},
    {"NUL bytes", std::string("[S]\na=1\0\nb=2\n", 13), {{"S", "a", "1"}, {"S", "b", "2"}}},
    {"huge line", "[S]\nbig=" + big + "\nafter=1\n", {{"S", "big", big.c_str()}, {"S", "after", "1"}}},
    {"invalid UTF-8 kept as bytes", "[S]\n\xA3\x6C=7800[kg]\n", {{"S", "\xA3\x6C", "7800[kg]"}}, false},
    {"empty file", "", {{"S", "a", nullptr}}},
};

} // namespace

TEST(IniFile, ParsesLooseFiles)
{
    for (const ParseCase &c : parseCases)
        for (IniEncoding encoding : {IniEncoding::Utf8, IniEncoding::Big5ByLine}) {
            if (encoding == IniEncoding::Big5ByLine && !c.lineByLineToo)
                continue;
            const TMemIniFile ini = iniFromBytes(c.bytes, encoding);
            for (const Lookup &l : c.lookups) {
                EXPECT_EQ(ini.ReadString(l.section, l.key, "<def>"), l.expected ? l.expected : "<def>")
                    << c.name << ": [" << l.section << "] " << l.key;
                EXPECT_EQ(ini.ValueExists(l.section, l.key), l.expected != nullptr)
                    << c.name << ": " << l.key;
            }
        }
}

TEST(IniFile, MissingOrUnreadableFileIsEmpty)
{
    TempDir dir;
    for (const std::string &name : {dir.filePath("none.ini"), dir.path(), std::string("/proc/self/mem")}) {
        const TMemIniFile ini(name);
        EXPECT_TRUE(ini.ReadSections().empty()) << name;
        EXPECT_EQ(ini.ReadString("ALL", "Lag", "d"), "d");
        EXPECT_EQ(ini.ReadInteger("ALL", "Lag", 7), 7);
        EXPECT_EQ(ini.FileName(), name);
    }
}

TEST(IniFile, ReadIntegerFallsBackOnNonIntegers)
{
    const TMemIniFile ini = iniFromBytes("[ALL]\na=2\nb=abc\nc= 7 \nd=0x10\ne=\nf=3.0\ng=-1\n");
    EXPECT_EQ(ini.ReadInteger("ALL", "a", 0), 2);
    EXPECT_EQ(ini.ReadInteger("ALL", "b", 0), 0);
    EXPECT_EQ(ini.ReadInteger("ALL", "c", 0), 7);
    EXPECT_EQ(ini.ReadInteger("ALL", "d", 0), 16);
    EXPECT_EQ(ini.ReadInteger("ALL", "e", 5), 5);
    EXPECT_EQ(ini.ReadInteger("ALL", "f", 5), 5);
    EXPECT_EQ(ini.ReadInteger("ALL", "g", 5), -1);
    EXPECT_EQ(ini.ReadInteger("ALL", "missing", 9), 9);
}

TEST(IniFile, SectionsAndKeysInFileOrder)
{
    TMemIniFile ini = iniFromBytes("[B]\nz=1\na=2\nZ=3\n;c\n[A]\n[c]\nk=v\n");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"B", "A", "c"}));
    EXPECT_EQ(ini.ReadSection("b"), (std::vector<std::string>{"z", "a"}));
    EXPECT_TRUE(ini.ReadSection("A").empty());
    EXPECT_TRUE(ini.SectionExists("C"));
    EXPECT_FALSE(ini.SectionExists("D"));
    ini.EraseSection("a");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"B", "c"}));
    ini.Clear();
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_EQ(ini.GetText(), "");
}

TEST(IniFile, WritesUpdateInPlaceAndAppendNewKeys)
{
    TMemIniFile ini = iniFromBytes("; settings\n[ALL]\nLag=0\nlag=5\n; keep me\n\n[Other]\nx = 1\n");
    ini.WriteInteger("all", "LAG", 2);
    ini.WriteString("ALL", "New", "n");
    ini.WriteString("Third", "k", "v");
    ini.WriteString("Other", "y", "two\r\nlines");
    EXPECT_EQ(ini.ReadInteger("ALL", "Lag", 0), 2);
    EXPECT_EQ(ini.GetText(), "; settings\r\n"
                             "[ALL]\r\nLag=2\r\nlag=5\r\n; keep me\r\nNew=n\r\n"
                             "\r\n[Other]\r\nx= 1\r\ny=two  lines\r\n"
                             "\r\n[Third]\r\nk=v\r\n");
}

TEST(IniFile, UpdateFileKeepsOtherSectionsAndWritesCrLf)
{
    TempDir dir;
    const std::string path = dir.filePath("Sizing.ini");
    writeFileBytes(path, "\xEF\xBB\xBF[Window]\nLeft=10\nTop=20\n[ALL]\nLag=0\nExtra=keep\n");
    {
        TMemIniFile ini(path);
        ini.WriteInteger("ALL", "Lag", 2);
        ini.UpdateFile();
    }
    EXPECT_EQ(readFileBytes(path), "[Window]\r\nLeft=10\r\nTop=20\r\n\r\n[ALL]\r\nLag=2\r\nExtra=keep\r\n");
    EXPECT_EQ(dirEntries(dir.path()), (std::vector<std::string>{"Sizing.ini"}));
    // A second round changes nothing.
    TMemIniFile again(path);
    again.UpdateFile();
    EXPECT_EQ(readFileBytes(path), "[Window]\r\nLeft=10\r\nTop=20\r\n\r\n[ALL]\r\nLag=2\r\nExtra=keep\r\n");
}

TEST(IniFile, UpdateFileCreatesANewFileAndKeepsPermissions)
{
    TempDir dir;
    const std::string path = dir.filePath("new.siz");
    TMemIniFile ini(path);
    ini.WriteString("File", "FileCode", "0x6930");
    ini.UpdateFile();
    EXPECT_EQ(readFileBytes(path), "[File]\r\nFileCode=0x6930\r\n");

    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ini.WriteString("File", "Mode", "3");
    ini.UpdateFile();
    struct stat st {
    };
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(readFileBytes(path), "[File]\r\nFileCode=0x6930\r\nMode=3\r\n");
}

TEST(IniFile, UpdateFileFailureNamesTheFileAndLeavesNoTrace)
{
    TempDir dir;
    const std::string missingDir = dir.filePath("no/such/dir/a.ini");
    TMemIniFile ini(missingDir);
    ini.WriteString("S", "k", "v");
    try {
        ini.UpdateFile();
        ADD_FAILURE() << "no exception";
    } catch (const EInOutError &e) {
        EXPECT_EQ(e.Message.rfind("Cannot create file \"" + missingDir + "\".", 0), 0u) << e.Message;
    }

    // A read-only file stays as it was, whoever runs the test.
    const std::string readOnly = dir.filePath("ro.ini");
    writeFileBytes(readOnly, "[S]\nk=old\n");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    TMemIniFile ro(readOnly);
    ro.WriteString("S", "k", "new");
    EXPECT_THROW(ro.UpdateFile(), EInOutError);
    EXPECT_EQ(readFileBytes(readOnly), "[S]\nk=old\n");
    EXPECT_EQ(dirEntries(dir.path()), (std::vector<std::string>{"ro.ini"}));

    // The target is a directory: the rename fails and the temporary file goes away.
    const std::string subdir = dir.filePath("sub");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(subdir)));
    TMemIniFile onDir(subdir);
    onDir.WriteString("S", "k", "v");
    EXPECT_THROW(onDir.UpdateFile(), EInOutError);
    EXPECT_EQ(dirEntries(dir.path()), (std::vector<std::string>{"ro.ini"}));
}

TEST(IniFile, UpdateFileWritesThroughALinkAndReplacesOnlyRegularFiles)
{
    TempDir dir;
    const std::string real = dir.filePath("real.siz");
    const std::string link = dir.filePath("link.siz");
    writeFileBytes(real, "[S]\nk=old\n");
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    TMemIniFile viaLink(link);
    EXPECT_EQ(viaLink.ReadString("S", "k", ""), "old");
    viaLink.WriteString("S", "k", "new");
    viaLink.UpdateFile();
    EXPECT_EQ(readFileBytes(real), "[S]\r\nk=new\r\n");
    struct stat st {
    };
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // A named pipe nobody writes to reads as empty, at once, and is not replaced.
    const std::string pipe = dir.filePath("pipe.siz");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    TMemIniFile onPipe(pipe);
    EXPECT_TRUE(onPipe.ReadSections().empty());
    onPipe.WriteString("S", "k", "v");
    EXPECT_THROW(onPipe.UpdateFile(), EInOutError);
    ASSERT_EQ(lstat(pipe.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(dirEntries(dir.path()), (std::vector<std::string>{"link.siz", "real.siz"})); // no temporary
}

TEST(IniFile, Big5ProjectFileReadAndWrittenBack)
{
    // A project file saved by the old program: the symbol ρ as Big5 bytes A3 6C.
    const std::string big5 =
        "[File]\r\nFileCode=0x6930\r\nMode=0\r\n\xA3\x6C=7800[kg/m^3]\r\n\xA3\x47S=0.01[(mm)]\r\n";
    TempDir dir;
    const std::string path = dir.filePath("old.siz");
    writeFileBytes(path, big5);

    TMemIniFile ini(path, IniEncoding::Big5Fallback);
    EXPECT_EQ(ini.ReadString("File", "\xCF\x81", ""), "7800[kg/m^3]");
    EXPECT_EQ(ini.ReadString("File", "FileCode", ""), "0x6930");
    EXPECT_EQ(ini.ReadSection("File"),
              (std::vector<std::string>{"FileCode", "Mode", "\xCF\x81", "\xCE\x94S"}));

    ini.SetWriteEncoding(IniEncoding::Big5Fallback);
    ini.WriteString("File", "Mode", "3");
    ini.WriteString("File", "\xCF\x81\xC3\xA9", "1"); // é has no Big5 code
    ini.UpdateFile();
    EXPECT_EQ(readFileBytes(path), "[File]\r\nFileCode=0x6930\r\nMode=3\r\n\xA3\x6C=7800[kg/m^3]\r\n"
                                   "\xA3\x47S=0.01[(mm)]\r\n\xA3\x6C?=1\r\n");

    // UTF-8 by default.
    TMemIniFile utf8(path, IniEncoding::Big5Fallback);
    utf8.UpdateFile();
    EXPECT_EQ(readFileBytes(path), "[File]\r\nFileCode=0x6930\r\nMode=3\r\n\xCF\x81=7800[kg/m^3]\r\n"
                                   "\xCE\x94S=0.01[(mm)]\r\n\xCF\x81?=1\r\n");
}

TEST(IniFile, Big5FallbackLeavesUtf8FilesAlone)
{
    // 中 in UTF-8 (E4 B8 AD) would be two Big5 characters if decoded wrongly.
    const TMemIniFile ini = iniFromBytes("[File]\n\xCF\x81=\xE4\xB8\xAD\n", IniEncoding::Big5Fallback);
    EXPECT_EQ(ini.ReadString("File", "\xCF\x81", ""), "\xE4\xB8\xAD");
}

TEST(IniFile, LegacyMessageFileDecodedByLanguageKey)
{
    const std::string bytes = "[ABB]\r\n1009.0=\xB5\r\n1009.1=\xA3\x6C\r\n1009.2=\xA6\xD1\r\n"
                              "[Selvane_F]\r\n24.1=\xA4\xA4\r\n24.2=\xD6\xD0\r\n24.0=Double click\r\n"
                              "Cap=\xE9\r\nA\xE9.0=x\r\n";
    const TMemIniFile ini = iniFromBytes(bytes, IniEncoding::ByLanguageKey);
    EXPECT_EQ(ini.ReadString("ABB", "1009.0", ""), "\xC2\xB5"); // µ from CP1252
    EXPECT_EQ(ini.ReadString("ABB", "1009.1", ""), "\xCF\x81"); // ρ from Big5
    EXPECT_EQ(ini.ReadString("ABB", "1009.2", ""), "\xCF\x81"); // ρ from GBK
    EXPECT_EQ(ini.ReadString("Selvane_F", "24.1", ""), "\xE4\xB8\xAD");
    EXPECT_EQ(ini.ReadString("Selvane_F", "24.2", ""), "\xE4\xB8\xAD");
    EXPECT_EQ(ini.ReadString("Selvane_F", "24.0", ""), "Double click");
    EXPECT_EQ(ini.ReadString("Selvane_F", "Cap", ""), "\xC3\xA9");  // no language suffix: CP1252
    EXPECT_EQ(ini.ReadString("Selvane_F", "A\xC3\xA9.0", ""), "x"); // key names as CP1252

    // The same texts saved as UTF-8 are taken as they are.
    const TMemIniFile utf8 =
        iniFromBytes("[ABB]\n1009.1=\xCF\x81\n1009.2=\xCF\x81\n", IniEncoding::ByLanguageKey);
    EXPECT_EQ(utf8.ReadString("ABB", "1009.1", ""), "\xCF\x81");
    EXPECT_EQ(utf8.ReadString("ABB", "1009.2", ""), "\xCF\x81");
}

TEST(IniFile, ReadLineByLineKeepsUnchangedLinesAsTheirBytes)
{
    const std::string bytes = "\xEF\xBB\xBF; caf\xC3\xA9\r\n"             // UTF-8 after a BOM
                              "[File]\r\nMode=1\r\n\xA3\x6C=7800\r\n\r\n" // ρ in Big5
                              "[GBK]\nnote=\xD6\xD0\n; caf\xE9\r" // 中 in GBK, é in Latin-1, LF and CR
                              "[file]\r\nmode=2\r\nExtra=x\r\n\r\n\r\n" // the first section again
                              "[Last]\r\nk=v";                          // no line end at the end
    TMemIniFile ini = iniFromBytes(bytes, IniEncoding::Big5ByLine);
    EXPECT_EQ(ini.GetFileBytes(), bytes);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"File", "GBK", "Last"}));
    EXPECT_EQ(ini.ReadSection("File"), (std::vector<std::string>{"Mode", "\xCF\x81", "Extra"}));
    EXPECT_EQ(ini.ReadString("file", "MODE", ""), "1");
    EXPECT_EQ(ini.ReadString("File", "\xCF\x81", ""), "7800");
    EXPECT_EQ(ini.ReadString("Last", "k", ""), "v");

    // Changed and new lines in the write encoding, a new key before the blank lines that end its
    // section, a new section after a blank line; every other line as it was.
    ini.WriteString("File", "Mode", "3");
    ini.WriteString("File", "New", "\xCF\x81");
    ini.WriteString("Last", "k2", "w");
    ini.WriteString("Added", "a", "b");
    ini.SetWriteEncoding(IniEncoding::Big5Fallback);
    EXPECT_EQ(ini.GetFileBytes(), "\xEF\xBB\xBF; caf\xC3\xA9\r\n"
                                  "[File]\r\nMode=3\r\n\xA3\x6C=7800\r\n\r\n"
                                  "[GBK]\nnote=\xD6\xD0\n; caf\xE9\r"
                                  "[file]\r\nmode=2\r\nExtra=x\r\nNew=\xA3\x6C\r\n\r\n\r\n"
                                  "[Last]\r\nk=v\r\nk2=w\r\n"
                                  "\r\n[Added]\r\na=b\r\n");
    ini.EraseSection("FILE");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"GBK", "Last", "Added"}));
    EXPECT_EQ(ini.ReadString("Last", "k2", ""), "w");
}

TEST(IniFile, ReadFileBytesNamesTheReason)
{
    TempDir dir;
    const std::string pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string file = dir.filePath("a.ini");
    writeFileBytes(file, "[S]\n");
    const struct {
        std::string name;
        std::string message; // empty: read
    } cases[] = {
        {file, ""},
        {dir.filePath("none"),
         "Cannot read file \"" + dir.filePath("none") + "\". No such file or directory"},
        {dir.path(), "Cannot read file \"" + dir.path() + "\". Not a regular file"},
        {pipe, "Cannot read file \"" + pipe + "\". Not a regular file"},
        {"/proc/self/mem", "Cannot read file \"/proc/self/mem\". Input/output error"},
    };
    for (const auto &c : cases) {
        try {
            EXPECT_EQ(ReadFileBytes(c.name), "[S]\n");
            EXPECT_EQ(c.message, "") << c.name;
        } catch (const EInOutError &e) {
            EXPECT_EQ(e.Message, c.message);
        }
    }
}
