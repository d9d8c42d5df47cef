#include "platform/SysUtils.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using Forms = std::vector<AnsiString>;

// Expected forms rounded by hand (checked with Python's "%.*e" and "%.*f").
TEST(ShorterNumberForms, KeepTheExponentOrDropDecimals)
{
    const struct {
        const char *text;
        Forms forms;
    } cases[] = {
        {"6.33257397764611E-6",
         {"6.3325739776461E-6", "6.332573977646E-6", "6.33257397765E-6", "6.3325739776E-6", "6.332573978E-6",
          "6.33257398E-6", "6.332574E-6", "6.33257E-6", "6.3326E-6", "6.333E-6", "6.33E-6", "6.3E-6",
          "6E-6"}},
        {"9.96E20", {"1E21"}}, // rounding carries into the exponent
        {"-2.7E-300", {"-3E-300"}},
        {"-0.0428571428571429",
         {"-0.042857142857143", "-0.04285714285714", "-0.0428571428571", "-0.042857142857", "-0.04285714286",
          "-0.0428571429", "-0.042857143", "-0.04285714", "-0.0428571", "-0.042857", "-0.04286", "-0.0429",
          "-0.043", "-0.04"}},
        {"0.000123456", {"0.00012346", "0.0001235", "0.000123", "0.00012", "0.0001", "1E-4"}},
        {"12345.6789", {"12345.679", "12345.68", "12345.7", "12346", "1E4"}},
        {"0.5", {}}, // no shorter form keeps a digit
        {"7870", {"8E3"}},
        {" 1.26 ", {"1.3", "1"}},
        {"abc", {}},
        {"1e-", {}},
        {"NAN", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ShorterNumberForms(c.text), c.forms) << c.text;
}

TEST(ShorterNumberForms, LongTextsStayCheap)
{
    const Forms tiny = ShorterNumberForms("0." + std::string(400, '0') + "1"); // underflows to 0
    ASSERT_FALSE(tiny.empty());
    EXPECT_EQ(tiny.back(), "0");
    EXPECT_TRUE(ShorterNumberForms(std::string(5000, '9')).empty()); // beyond the double range
    const Forms many = ShorterNumberForms("1." + std::string(300, '1'));
    ASSERT_FALSE(many.empty());
    EXPECT_LE(many.front().size(), 42u);
    EXPECT_EQ(many.back(), "1");
}

} // namespace
