#include "platform/SysUtils.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

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

// The same rule through glibc's exact conversion: 17 digits after the first, half up to 15.
std::string referenceText(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(v));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 17);
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    const bool up = digits[15] >= '5';
    digits.resize(15);
    int i = 14;
    for (; up && i >= 0 && digits[i] == '9'; --i)
        digits[i] = '0';
    if (up && i >= 0)
        ++digits[i];
    else if (up) {
        digits = "1" + digits.substr(0, 14);
        ++exponent;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    const int n = static_cast<int>(digits.size());
    std::string out = v < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0)
            return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        if (n <= exponent + 1)
            return out + digits + std::string(static_cast<size_t>(exponent + 1 - n), '0');
        return out + digits.substr(0, static_cast<size_t>(exponent) + 1) + "." +
               digits.substr(static_cast<size_t>(exponent) + 1);
    }
    out += digits.substr(0, 1);
    if (n > 1)
        out += "." + digits.substr(1);
    return out + "E" + std::to_string(exponent);
}

// Random bit patterns, short decimals and their neighbours: the short-text path and the
// 18-digit path must agree with the rule everywhere, also right at a half unit of the 15th digit.
TEST(FloatToStr, AgreesWithTheRoundingRuleOnManyValues)
{
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> digitCount(1, 16);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int k = 0; k < 20000; ++k) {
        std::uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v) || v == 0)
            continue;
        ASSERT_EQ(FloatToStr(v), referenceText(v)) << std::hexfloat << v;
    }
    for (int k = 0; k < 20000; ++k) {
        std::string text = std::to_string(rng() % 9 + 1);
        for (int d = digitCount(rng); d > 1; --d)
            text += static_cast<char>('0' + rng() % 10);
        if (k % 3 == 0)
            text += "5"; // a half unit of the 15th digit when the text has 15 digits before it
        text += "e" + std::to_string(exponent(rng));
        const double v = std::strtod(text.c_str(), nullptr);
        if (!std::isfinite(v) || v == 0)
            continue;
        for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 2 * v), -v})
            ASSERT_EQ(FloatToStr(w), referenceText(w)) << text;
    }
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
