#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cfloat>

namespace
{

struct Accepted {
    const char *text;
    double value;
};

const Accepted acceptedFloats[] = {
    {"1", 1.0},
    {" 2.5 ", 2.5},
    {"\t7\t", 7.0},
    {"-3", -3.0},
    {"+4", 4.0},
    {"12.", 12.0},
    {".5", 0.5},
    {"-.25", -0.25},
    {"1e3", 1000.0},
    {"1E-3", 0.001},
    {"-1.5e+2", -150.0},
    {"0", 0.0},
    {"007", 7.0},
    {"0.0428571428571429", 0.0428571428571429},
    {"1.7976931348623157e308", 1.7976931348623157e308},
    {"1e-400", 0.0}, // below the smallest denormal
    // Beyond the range, but the largest double rounded to the digits shown (1.7976931348623157e308):
    // FloatToStr writes it so.
    {"1.79769313486232E308", DBL_MAX},
    {"-1.79769313486232E308", -DBL_MAX},
    {"0.00179769313486232e311", DBL_MAX},
    {"179769313486232E294", DBL_MAX},
    {"1.797693134862316E308", DBL_MAX},
    {"1.80E308", DBL_MAX},
};

const char *const rejectedFloats[] = {
    "",
    " ",
    "-",
    "+",
    ".",
    ",",
    "-.",
    "inf",
    "INF",
    "nan",
    "NAN",
    "infinity",
    "1,5",
    "0x10",
    "1e",
    "1e+",
    "e5",
    "1.2.3",
    "1 2",
    "--1",
    "+-1",
    "1e999",
    "-1e999",
    "1.5f",
    "1.5d",
    "abc",
    "1e5.5",
    "$10",
    "1_000",
    "1E309", // beyond the range, and not the largest double rounded (2E308)
    "1.79769313486233E308",
    "1.7976931348623160E308", // a shown last zero counts: 1.797693134862316 is the rounding
    "1.9E308",
    "-1.8E309",
};

} // namespace

TEST(StrToFloat, AcceptsPlainNumbers)
{
    for (const Accepted &c : acceptedFloats) {
        double v = -99;
        EXPECT_TRUE(TryStrToFloat(c.text, v)) << "'" << c.text << "'";
        EXPECT_EQ(v, c.value) << "'" << c.text << "'";
        EXPECT_EQ(StrToFloat(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(StrToFloat, KeepsDenormals)
{
    EXPECT_EQ(StrToFloat("4.94065645841247E-324"), 5e-324);
    EXPECT_GT(StrToFloat("1e-310"), 0.0);
    EXPECT_LT(StrToFloat("1e-310"), DBL_MIN);
}

TEST(StrToFloat, RejectsEverythingElse)
{
    for (const char *text : rejectedFloats) {
        double v = 123;
        EXPECT_FALSE(TryStrToFloat(text, v)) << "'" << text << "'";
        EXPECT_EQ(v, 123) << "value changed by '" << text << "'";
        try {
            StrToFloat(text);
            ADD_FAILURE() << "no exception for '" << text << "'";
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message, std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(StrToInt, AcceptsDecimalAndHex)
{
    const struct {
        const char *text;
        int value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {" -7 ", -7},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FF", 255},
        {"0x1f", 31},
        {"0X10", 16},
        {"$FFFFFFFF", -1},
        {"-$10", -16},
        {"$7fffffff", 2147483647},
        {"000123", 123},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << "'" << c.text << "'";
        EXPECT_EQ(StrToIntDef(c.text, -99), c.value) << "'" << c.text << "'";
    }
}

TEST(StrToInt, RejectsOutOfRangeAndNonIntegers)
{
    const char *const cases[] = {
        "",           " ",   "-",   "2147483648", "-2147483649", "99999999999999999999",
        "1.0",        "1e3", "abc", "12a",        "$",           "0x",
        "$1FFFFFFFF", "$G",  "1 2", "--1"};
    for (const char *text : cases) {
        EXPECT_EQ(StrToIntDef(text, -99), -99) << "'" << text << "'";
        try {
            StrToInt(text);
            ADD_FAILURE() << "no exception for '" << text << "'";
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message, std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(StringHelpers, Trim)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\x1f", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(" \xCF\x81 "), "\xCF\x81"); // UTF-8 bytes are not blanks
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
}

TEST(StringHelpers, PosIsOneBased)
{
    EXPECT_EQ(Pos("[", "7[mm]"), 2);
    EXPECT_EQ(Pos("bc", "abcbc"), 2);
    EXPECT_EQ(Pos("a", "abc"), 1);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
}

TEST(StringHelpers, SubStringCutsOutOfRangeParts)
{
    EXPECT_EQ(SubString("abcdef", 2, 3), "bcd");
    EXPECT_EQ(SubString("abcdef", 1, 6), "abcdef");
    EXPECT_EQ(SubString("abcdef", 5, 10), "ef");
    EXPECT_EQ(SubString("abcdef", 7, 1), "");
    EXPECT_EQ(SubString("abcdef", 0, 2), "ab");
    EXPECT_EQ(SubString("abcdef", 2, 0), "");
    EXPECT_EQ(SubString("abcdef", 2, -1), "");
    EXPECT_EQ(SubString("", 1, 1), "");
}

TEST(StringHelpers, TextBetweenBrackets)
{
    EXPECT_EQ(TextBetween("7[mm]", '[', ']'), "mm");
    EXPECT_EQ(TextBetween("7[(mm)]", '[', ']'), "(mm)");
    EXPECT_EQ(TextBetween("1[]", '[', ']'), "");
    EXPECT_EQ(TextBetween("7[mm", '[', ']'), "");
    EXPECT_EQ(TextBetween("7", '[', ']'), "");
    EXPECT_EQ(TextBetween("7]x[mm]", '[', ']'), ""); // the first "]" comes before the "["
    EXPECT_EQ(TextBetween("[a]b]", '[', ']'), "a");
    EXPECT_EQ(TextBetween("x'ab'c", '\'', '\''), "ab");
}

TEST(StringHelpers, ExeDirHoldsTheRunningProgram)
{
    EXPECT_EQ(ExeDir(), QCoreApplication::applicationDirPath().toStdString() + "/");
}

TEST(StrToFloat, TellsUnfinishedNumbersFromTextThatNeverBecomesOne)
{
    const char *const unfinished[] = {"",   "  ", "+",   "-",     ".",     "-.", "+.",
                                      "1e", "1E", "1e-", "2.5E+", " -1e ", ".5e"};
    const char *const notUnfinished[] = {
        // numbers
        "1", "-5", "1.5E-6", "12.", "1e-999",
        // never numbers, whatever follows
        "abc", "1..2", "1e5e", "e", "e5", ".e", "-e1", "--", "+-", "1 2", "1,5", "nan", "inf", "1e-.",
        // complete but beyond the double range: more digits only make them larger
        "1e999", "-1e999"};
    for (const char *text : unfinished)
        EXPECT_TRUE(IsUnfinishedFloat(text)) << "'" << text << "'";
    for (const char *text : notUnfinished)
        EXPECT_FALSE(IsUnfinishedFloat(text)) << "'" << text << "'";
    EXPECT_FALSE(IsUnfinishedFloat(std::string(5000, '9')));
    EXPECT_FALSE(IsUnfinishedFloat("1\x01"));
    EXPECT_TRUE(IsUnfinishedFloat("-\x01"));
}
