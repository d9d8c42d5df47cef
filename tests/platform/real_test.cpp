#include "platform/Real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

namespace
{

// The forms the engine's formulas use must pick Real's operators without ambiguity.
[[maybe_unused]] void mixedFormsCompile(Real a, Real b, double d, int i, unsigned u, long l, float f)
{
    static_assert(std::is_same_v<decltype(a * 0.5), Real>);
    static_assert(std::is_same_v<decltype(60 * a), Real>);
    static_assert(std::is_same_v<decltype(a / 2), Real>);
    static_assert(std::is_same_v<decltype(2 / a), Real>);
    static_assert(std::is_same_v<decltype(a + d), Real>);
    static_assert(std::is_same_v<decltype(d - a), Real>);
    static_assert(std::is_same_v<decltype(a * b), Real>);
    static_assert(std::is_same_v<decltype(a + u), Real>);
    static_assert(std::is_same_v<decltype(l * a), Real>);
    static_assert(std::is_same_v<decltype(f * a), Real>);
    static_assert(std::is_same_v<decltype(a > 0), bool>);
    static_assert(std::is_same_v<decltype(0.5 < a), bool>);
    static_assert(std::is_same_v<decltype(a == i), bool>);
    static_assert(std::is_same_v<decltype(a != b), bool>);
    static_assert(std::is_same_v<decltype(a <= d), bool>);
    static_assert(std::is_same_v<decltype(d >= a), bool>);
    static_assert(std::is_same_v<decltype(pow(a, 4)), Real>);
    static_assert(std::is_same_v<decltype(pow(a, 0.5)), Real>);
    static_assert(std::is_same_v<decltype(pow(2, a)), Real>);
    static_assert(std::is_same_v<decltype(pow(a, b)), Real>);
    static_assert(std::is_same_v<decltype(sqrt(a)), Real>);
    static_assert(std::is_same_v<decltype(fabs(a * d)), Real>);
    static_assert(std::is_same_v<decltype(-a), Real>);
    // Plain doubles keep the C library's functions.
    static_assert(std::is_same_v<decltype(sqrt(d)), double>);
    static_assert(std::is_same_v<decltype(pow(d, 2)), double>);

    const Real jb = pow(d, 4) * (3.141592653589793 * a * b) * 0.03125;
    double stored = jb;
    stored = a * b / 2 + 1;
    a += 1;
    a -= 0.5;
    a *= b;
    a /= 4;
    if (a)
        ++i;
    (void)stored;
}

long double ext(Real r)
{
    return r.value();
}

struct Fault {
    const char *what;
    std::function<void()> run;
};

template <class E> void expectEach(const std::vector<Fault> &faults)
{
    for (const Fault &f : faults) {
        try {
            f.run();
            ADD_FAILURE() << f.what << ": no exception";
        } catch (const E &) {
        } catch (const std::exception &e) {
            ADD_FAILURE() << f.what << ": wrong exception " << e.what();
        }
    }
}

} // namespace

TEST(Real, ArithmeticValues)
{
    const Real a = 1.5;
    EXPECT_EQ(double(a * 0.5), 0.75);
    EXPECT_EQ(double(60 * a), 90.0);
    EXPECT_EQ(double(a / 2), 0.75);
    EXPECT_EQ(double(3 - a), 1.5);
    EXPECT_EQ(double(-a), -1.5);
    EXPECT_TRUE(a > 0);
    EXPECT_TRUE(1 < a);
    EXPECT_TRUE(a == 1.5);
    EXPECT_FALSE(a != 1.5);
    EXPECT_EQ(double(pow(Real(2), 10)), 1024.0);
    EXPECT_EQ(double(pow(Real(-2), 3)), -8.0); // negative base, integer exponent
    EXPECT_EQ(double(pow(Real(0), 0)), 1.0);
    EXPECT_EQ(double(pow(Real(6.25), 0.5)), 2.5);
    EXPECT_EQ(double(sqrt(Real(6.25))), 2.5);
    EXPECT_EQ(double(sqrt(Real(-0.0))), 0.0);
    EXPECT_EQ(double(fabs(Real(-3))), 3.0);
    EXPECT_EQ(double(sin(Real(0))), 0.0);
    EXPECT_EQ(double(cos(Real(0))), 1.0);
    Real c = 10;
    c += 2;
    c -= 4;
    c *= 3;
    c /= 8;
    EXPECT_EQ(double(c), 3.0);
    EXPECT_EQ(double(Real()), 0.0);
}

TEST(Real, IntermediatesKeepExtendedPrecision)
{
    // 1e-17 is below half a double ulp of 1 but well above an extended one (2^-63 ~ 1.1e-19).
    const Real d = (Real(1) + 1e-17) - 1;
    EXPECT_NEAR(double(d), 1e-17, 1e-19);
    // 1e308 * 10 / 100 overflows a double on the way but not the extended range.
    EXPECT_DOUBLE_EQ(double(Real(1e308) * 10 / 100), 1e307);
}

TEST(Real, StoringIntoDoubleOverflowsOnlyPastTheRange)
{
    const Real max = DBL_MAX;
    // Half an ulp of DBL_MAX is 2^970: below it the value rounds back to DBL_MAX.
    EXPECT_EQ(double(max + std::ldexp(1.0, 969)), DBL_MAX);
    EXPECT_THROW((void)double(max + std::ldexp(1.0, 970)), EOverflow);
    EXPECT_THROW((void)double(max * 2), EOverflow);
    EXPECT_THROW((void)double(-max * 2), EOverflow);
    // Underflow and denormals are silent.
    EXPECT_EQ(double(Real(1e-300) * 1e-300), 0.0);
    const double denormal = Real(DBL_MIN) / 4;
    EXPECT_EQ(denormal, DBL_MIN / 4);
}

TEST(Real, FaultsRaiseTheirClasses)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    expectEach<EZeroDivide>({
        {"1/0", [] { Real(1) / 0; }},
        {"-1/0", [] { Real(-1) / 0; }},
        {"1/-0", [] { Real(1) / -0.0; }},
        {"2 / Real(0)", [] { 2 / Real(0); }},
        {"pow(0, -1)", [] { pow(Real(0), -1); }},
        {"x /= 0",
         [] {
             Real x = 5;
             x /= 0;
         }},
    });
    expectEach<EInvalidOp>({
        {"0/0", [] { Real(0) / 0; }},
        {"sqrt(-1)", [] { sqrt(Real(-1)); }},
        {"sqrt(-1e-300)", [] { sqrt(Real(-1e-300)); }},
        {"pow(-8, 1/3)", [] { pow(Real(-8), 1.0 / 3); }},
        {"Real(NaN)", [nan] { Real{nan}; }},
        {"Real(NaN long double)", [] { Real{std::numeric_limits<long double>::quiet_NaN()}; }},
        {"trunc 3e9", [] { Real(3e9).trunc(); }},
        {"trunc -2147483649", [] { Real(-2147483649.0).trunc(); }},
        {"trunc 2147483648", [] { Real(2147483648.0).trunc(); }},
    });
    expectEach<EOverflow>({
        {"Real(inf)", [inf] { Real{inf}; }},
        {"Real(-inf)", [inf] { Real{-inf}; }},
        {"LDBL_MAX * 2", [] { Real(LDBL_MAX) * 2; }},
        {"LDBL_MAX + LDBL_MAX", [] { Real(LDBL_MAX) + Real(LDBL_MAX); }},
        {"-LDBL_MAX - LDBL_MAX", [] { Real(-LDBL_MAX) - Real(LDBL_MAX); }},
        {"pow(10, 5000)", [] { pow(Real(10), 5000); }},
        {"1 / tiny", [] { Real(1) / Real(LDBL_TRUE_MIN); }},
    });
}

TEST(Real, FaultsAreMathErrorsWithTheirTexts)
{
    try {
        Real(1) / 0;
        FAIL();
    } catch (const EMathError &e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        sqrt(Real(-2));
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "Invalid floating point operation");
    }
    try {
        (void)double(Real(1e300) * 1e300);
        FAIL();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message, "Floating point overflow");
    }
}

TEST(Real, TruncTowardZero)
{
    EXPECT_EQ(Real(2.9).trunc(), 2);
    EXPECT_EQ(Real(-2.9).trunc(), -2);
    EXPECT_EQ(Real(2147483647.9).trunc(), 2147483647);
    EXPECT_EQ(Real(-2147483648.9).trunc(), -2147483647 - 1);
    EXPECT_EQ(Real(0.0).trunc(), 0);
}

TEST(Real, ExtendedValueIsKept)
{
    // 1/3 in extended differs from the double 1/3.
    const Real third = Real(1) / 3;
    EXPECT_NE(ext(third), static_cast<long double>(1.0 / 3.0));
    EXPECT_EQ(double(third), 1.0 / 3.0);
}
