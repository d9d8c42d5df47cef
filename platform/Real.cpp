#include "platform/Real.h"

#include <cmath>

// Operands are always finite (check() holds that invariant), so a NaN result can only come from an
// invalid operation and an infinite one only from overflow; the constructor turns both into the
// matching exception. Division tests its divisor first, so no infinity is ever produced by it.

long double Real::check(long double v)
{
    if (std::isnan(v))
        throw EInvalidOp();
    if (std::isinf(v))
        throw EOverflow();
    return v;
}

Real::operator double() const
{
    const double d = static_cast<double>(v_);
    if (std::isinf(d))
        throw EOverflow();
    return d;
}

int Real::trunc() const
{
    if (!(v_ > -2147483649.0L && v_ < 2147483648.0L))
        throw EInvalidOp();
    return static_cast<int>(v_);
}

Real operator+(Real a, Real b)
{
    return Real(a.v_ + b.v_);
}

Real operator-(Real a, Real b)
{
    return Real(a.v_ - b.v_);
}

Real operator*(Real a, Real b)
{
    return Real(a.v_ * b.v_);
}

Real operator/(Real a, Real b)
{
    if (b.v_ == 0) {
        if (a.v_ == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return Real(a.v_ / b.v_);
}

Real pow(Real base, Real exponent)
{
    if (base.value() == 0 && exponent.value() < 0)
        throw EZeroDivide();
    return Real(powl(base.value(), exponent.value()));
}

Real sqrt(Real x)
{
    if (x.value() < 0)
        throw EInvalidOp();
    return Real(sqrtl(x.value()));
}

Real fabs(Real x)
{
    return Real(fabsl(x.value()));
}

Real sin(Real x)
{
    return Real(sinl(x.value()));
}

Real cos(Real x)
{
    return Real(cosl(x.value()));
}
