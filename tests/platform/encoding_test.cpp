#include "platform/Encoding.h"

#include <gtest/gtest.h>

namespace
{

struct Utf8Case {
    const char *bytes;
    bool valid;
};

const Utf8Case utf8Cases[] = {
    {"", true},
    {"abc", true},
    {"\xCF\x81", true},                 // ρ
    {"\xE4\xB8\xAD\xE6\x96\x87", true}, // 中文
    {"\xF0\x9F\x98\x80", true},         // U+1F600
    {"\xF4\x8F\xBF\xBF", true},         // U+10FFFF
    {"\xA3\x6C", false},                // ρ in Big5
    {"\xC0\xAF", false},                // overlong "/"
    {"\xE0\x80\xAF", false},            // overlong "/"
    {"\xED\xA0\x80", false},            // surrogate
    {"\xF4\x90\x80\x80", false},        // above U+10FFFF
    {"\xE4\xB8", false},                // cut short
    {"\x80", false},                    // lone continuation byte
    {"a\xFF", false},
    {"V=\xCF\x81 kg", true}, // ASCII around a sequence
    {"key=\xE4\xB8", false}, // cut short after ASCII
    {"ok\xC0\xAF.", false},  // overlong after ASCII
};

// Code page bytes worked out from the code charts: Big5 puts Greek capitals from A344 and small
// letters from A35C in alphabetical order, GB2312 from A6A1 and A6C1; 中 is A4A4 in Big5, D6D0 in GB2312.
struct CodePageCase {
    const char *charset;
    const char *bytes;
    const char *utf8;
};

const CodePageCase codePageCases[] = {
    {"CP950", "\xA3\x6C", "\xCF\x81"},            // ρ
    {"CP950", "\xA3\x47", "\xCE\x94"},            // Δ
    {"CP950", "\xA3\x62", "\xCE\xB7"},            // η
    {"CP950", "\xA3\x6B", "\xCF\x80"},            // π
    {"CP950", "\xA4\xA4", "\xE4\xB8\xAD"},        // 中
    {"BIG5", "\xA3\x6C", "\xCF\x81"},             // ρ
    {"GBK", "\xA6\xD1", "\xCF\x81"},              // ρ
    {"GBK", "\xA6\xA4", "\xCE\x94"},              // Δ
    {"CP936", "\xD6\xD0", "\xE4\xB8\xAD"},        // 中
    {"CP1252", "\x80", "\xE2\x82\xAC"},           // €
    {"CP1252", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"}, // été
    {"CP1252", "\xB5", "\xC2\xB5"},               // µ
    {"CP950", "abc=1", "abc=1"},
};

} // namespace

TEST(Encoding, ValidUtf8)
{
    for (const Utf8Case &c : utf8Cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << "case " << (&c - utf8Cases);
}

TEST(Encoding, CodePageRoundTrips)
{
    for (const CodePageCase &c : codePageCases) {
        EXPECT_EQ(ToUtf8(c.bytes, c.charset), c.utf8) << c.charset << " " << c.utf8;
        EXPECT_EQ(FromUtf8(c.utf8, c.charset), c.bytes) << c.charset << " " << c.utf8;
    }
}

TEST(Encoding, UndecodableBytesBecomeReplacementCharacters)
{
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(ToUtf8("a\xFF"
                     "b",
                     "CP950"),
              "a" + fffd + "b");
    EXPECT_EQ(ToUtf8("a\xA3", "CP950"), "a" + fffd); // lead byte without its trail byte
    EXPECT_EQ(ToUtf8("\xA3\x6C\xA3", "CP950"), "\xCF\x81" + fffd);
    EXPECT_EQ(ToUtf8("\x81", "CP1252"), fffd); // a hole in the code page
    EXPECT_EQ(ToUtf8(std::string("a\0b", 3), "CP950"), std::string("a\0b", 3));
    EXPECT_EQ(ToUtf8("x\xA9", "NO-SUCH-CHARSET"), "x" + fffd);
}

TEST(Encoding, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    EXPECT_EQ(FromUtf8("\xC3\xA9", "CP950"), "?"); // é
    EXPECT_EQ(FromUtf8("a\xED\x95\x9C"
                       "b",
                       "CP950"),
              "a?b"); // Hangul 한
    EXPECT_EQ(FromUtf8("\xCF\x81\xF0\x9F\x98\x80", "CP950"), "\xA3\x6C?");
    EXPECT_EQ(FromUtf8("\xCF\x81", "CP1252"), "?");
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b",
                       "CP950"),
              "a?b");                                 // not UTF-8 at all
    EXPECT_EQ(FromUtf8("a\xE4\xB8", "CP950"), "a??"); // cut-off sequence
}

TEST(Encoding, LongTextsConvertWhole)
{
    std::string big5;
    std::string utf8;
    for (int i = 0; i < 5000; ++i) {
        big5 += "\xA4\xA4x";
        utf8 += "\xE4\xB8\xADx";
    }
    EXPECT_EQ(ToUtf8(big5, "CP950"), utf8);
    EXPECT_EQ(FromUtf8(utf8, "CP950"), big5);
}

TEST(Encoding, DisplayWidthCountsWideCharactersTwice)
{
    const struct {
        const char *text;
        int width;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"\xE4\xB8\xAD\xE6\x96\x87", 4}, // 中文
        {"\xCF\x81\xCE\x94\xCE\xB7", 3}, // ρΔη: narrow here, though Big5 gave them two bytes
        {"\xED\x95\x9C", 2},             // 한
        {"\xEF\xBC\xA1", 2},             // fullwidth A, U+FF21
        {"\xEF\xBD\xB1", 1},             // halfwidth katakana, U+FF71
        {"\xE3\x80\x81", 2},             // ideographic comma U+3001
        {"\xF0\xA0\x80\x80", 2},         // U+20000
        {"\xE2\x82\xAC", 1},             // €
        {"\xFF", 1},
        {"T=\xE4\xB8\xAD(mm)", 8},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

TEST(Encoding, PadRightFillsToWidthNeverCuts)
{
    EXPECT_EQ(PadRight("\xE4\xB8\xAD", 5), "\xE4\xB8\xAD   ");
    EXPECT_EQ(PadRight("\xCF\x81", 3), "\xCF\x81  ");
    EXPECT_EQ(PadRight("ab", 2), "ab");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(PadRight("", 2), "  ");
    EXPECT_EQ(PadRight("a", -1), "a");
}
