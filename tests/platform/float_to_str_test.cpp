#include "platform/SysUtils.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace
{

struct FloatCase {
    double value;
    const char *text;
};

// Expected texts worked out with exact decimal arithmetic: the double's exact value rounded half up
// to 15 significant digits, then fixed notation for exponents -4..14, else mantissa and "E".
const FloatCase floatCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {2400.0, "2400"},
    {3.0 / 70.0, "0.0428571428571429"},
    {0.0001, "0.0001"},
    {0.00001, "1E-5"},
    {0.000015, "1.5E-5"},
    {1.5e-7, "1.5E-7"},
    {-2.5e20, "-2.5E20"},
    {1e15, "1E15"},
    {999999999999999.9, "1E15"},
    {999999999999999.0, "999999999999999"},
    {123456789012345678.0, "1.23456789012346E17"},
    {1234567890123456.0, "1.23456789012346E15"},
    {0.1, "0.1"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 3.0, "0.333333333333333"},
    {2.0 / 3.0, "0.666666666666667"},
    {-1.5, "-1.5"},
    {-0.001, "-0.001"},
    {100000000000000.5, "100000000000001"}, // exact tie at the 16th digit rounds up
    {9.999999999999999e-5, "0.0001"},       // notation decided after rounding
    {99999.99999999999, "100000"},
    {9.9999e-5, "9.9999E-5"},
    {0.00015, "0.00015"},
    {12345.678, "12345.678"},
    {3.141592653589793, "3.14159265358979"},
    {0.15915494309189535, "0.159154943091895"},
    {22660 * 3.609485462555e-05, "0.817909405814963"},
    {5e-324, "4.94065645841247E-324"},
    {1.7976931348623157e308, "1.79769313486232E308"},
    {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {std::numeric_limits<double>::infinity(), "INF"},
    {-std::numeric_limits<double>::infinity(), "-INF"},
};

} // namespace

TEST(FloatToStr, GeneralFormatWith15Digits)
{
    for (const FloatCase &c : floatCases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << "value " << c.value;
}

TEST(FloatToStr, ReadsBackThroughStrToFloat)
{
    for (const FloatCase &c : floatCases) {
        if (!std::isfinite(c.value) || std::fabs(c.value) > 1.7e308)
            continue; // the largest double's text rounds up beyond the range
        const double back = StrToFloat(FloatToStr(c.value));
        EXPECT_NEAR(back, c.value, std::fabs(c.value) * 1e-14) << FloatToStr(c.value);
    }
}

TEST(FloatToStr, IgnoresTheNumericLocale)
{
    // German writes 2,5. Build the locale in a temporary directory when the system lacks it.
    TempDir dir;
    bool ok = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    if (!ok) {
        const std::string cmd =
            "localedef -i de_DE -f UTF-8 '" + dir.filePath("de_DE.UTF-8") + "' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) == 0) {
            setenv("LOCPATH", dir.path().c_str(), 1);
            ok = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
            unsetenv("LOCPATH");
        }
    }
    if (!ok)
        GTEST_SKIP() << "no German locale and no localedef";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    const std::string text = FloatToStr(2.5);
    double back = 0;
    const bool parsed = TryStrToFloat("2.5", back);
    double ignored = 0;
    const bool commaRejected = !TryStrToFloat("2,5", ignored);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_STREQ(probe, "2,5"); // the locale is really in force
    EXPECT_EQ(text, "2.5");
    EXPECT_TRUE(parsed);
    EXPECT_TRUE(commaRejected);
}

TEST(IntToStr, Decimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(2000), "2000");
    EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), "-9223372036854775808");
}
