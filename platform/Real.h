#pragma once

// Extended-precision number for the engine's formulas. Every operation checks its result the way
// the floating-point unit's exception masks did: division by zero raises EZeroDivide, an invalid
// operation (0/0, inf-inf, sqrt of a negative, NaN) raises EInvalidOp and a result beyond the
// double range raises EOverflow when it is stored into a double (or beyond the extended range at
// once). Underflow and inexact stay silent. Values are never NaN or infinite: construction from a
// NaN raises EInvalidOp, from an infinity EOverflow.
//
//   Real JB = pow(DB, 4) * (PI * LB * rho) * 0.03125;
//   SizeItems[43].dV = JB;            // rounded to double, checked
#include "platform/Exceptions.h"

#include <cmath>
#include <type_traits>

class Real
{
  public:
    Real() = default;
    Real(long double v) : v_(check(v)) {}
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>
    Real(T v) : v_(check(static_cast<long double>(v)))
    {
    }

    // Rounded to double; EOverflow when out of the double range.
    operator double() const
    {
        const double d = static_cast<double>(v_);
        if (__builtin_expect(std::isinf(d), 0))
            throw EOverflow();
        return d;
    }
    long double value() const { return v_; }
    // Truncation toward zero; EInvalidOp when out of the int range.
    int trunc() const;

    Real &operator+=(Real o) { return *this = *this + o; }
    Real &operator-=(Real o) { return *this = *this - o; }
    Real &operator*=(Real o) { return *this = *this * o; }
    Real &operator/=(Real o) { return *this = *this / o; }
    Real operator-() const { return Real(-v_); }

    // Inline so that a formula keeps its values in registers; only the raising is out of line.
    friend Real operator+(Real a, Real b) { return Real(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return Real(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return Real(a.v_ * b.v_); }
    // Division tests its divisor first, so no infinity is ever produced by it.
    friend Real operator/(Real a, Real b)
    {
        if (b.v_ == 0)
            divisionByZero(a.v_);
        return Real(a.v_ / b.v_);
    }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }
    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend bool operator!=(Real a, Real b) { return a.v_ != b.v_; }

    // clang-format off
#define SELVANE_REAL_MIXED(op, R)                                                                       \
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>                              \
    friend R operator op(Real a, T b) { return a op Real(b); }                                          \
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>                              \
    friend R operator op(T a, Real b) { return Real(a) op b; }
    SELVANE_REAL_MIXED(+, Real)
    SELVANE_REAL_MIXED(-, Real)
    SELVANE_REAL_MIXED(*, Real)
    SELVANE_REAL_MIXED(/, Real)
    SELVANE_REAL_MIXED(<, bool)
    SELVANE_REAL_MIXED(>, bool)
    SELVANE_REAL_MIXED(<=, bool)
    SELVANE_REAL_MIXED(>=, bool)
    SELVANE_REAL_MIXED(==, bool)
    SELVANE_REAL_MIXED(!=, bool)
#undef SELVANE_REAL_MIXED
    // clang-format on

  private:
    // Operands are always finite, so a NaN result can only come from an invalid operation and an
    // infinite one only from overflow.
    static long double check(long double v)
    {
        if (__builtin_expect(!std::isfinite(v), 0))
            notFinite(v);
        return v;
    }
    [[noreturn]] static void notFinite(long double v);
    [[noreturn]] static void divisionByZero(long double dividend);
    long double v_ = 0;
};

// EInvalidOp for a negative base with a non-integer exponent, EZeroDivide for 0 to a negative power.
Real pow(Real base, Real exponent);
// pow(Real, 4) and pow(2, Real) would be ambiguous with the C library's pow(double, double); these
// take them, while pow(double, int) stays the C library's.
template <class A, class B,
          class = std::enable_if_t<(std::is_same_v<A, Real> && std::is_arithmetic_v<B>) ||
                                   (std::is_arithmetic_v<A> && std::is_same_v<B, Real>)>>
Real pow(A base, B exponent)
{
    return pow(Real(base), Real(exponent));
}
// EInvalidOp for a negative argument.
Real sqrt(Real x);
Real fabs(Real x);
Real sin(Real x);
Real cos(Real x);
