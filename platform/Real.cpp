#include "platform/Real.h"

#include <cmath>

void Real::notFinite(long double v)
{
    if (std::isnan(v))
        throw EInvalidOp();
    throw EOverflow();
}

void Real::divisionByZero(long double dividend)
{
    if (dividend == 0)
        throw EInvalidOp();
    throw EZeroDivide();
}

int Real::trunc() const
{
    if (!(v_ > -2147483649.0L && v_ < 2147483648.0L))
        throw EInvalidOp();
    return static_cast<int>(v_);
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
