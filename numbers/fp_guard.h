// Guarded floating-point arithmetic.
//
// The calculation must stop at the first step that divided by zero, overflowed
// or was invalid. <cfenv> flags would say so, but GCC and Clang do not honour
// FENV_ACCESS: they may move or fold an operation across fetestexcept(). So
// each guarded operation classifies its own IEEE-754 outcome from its operands
// and result, which is exact and independent of the optimiser.
#pragma once

#include "numbers/error_kind.h"

namespace varnel {

class FpGuard
{
public:
    double divide(double a, double b);
    double multiply(double a, double b);
    double subtract(double a, double b);
    // Rounds to the nearest Single (ties to even); overflowing to infinity
    // counts as an overflow, as it does when a value is stored.
    float toSingle(double value);

    // The condition raised since the previous check, and a fresh start.
    // Division by zero wins over overflow, which wins over invalid.
    ErrorKind check();

private:
    void noteResult(double a, double b, double result);

    bool m_divideByZero = false;
    bool m_overflow = false;
    bool m_invalid = false;
};

} // namespace varnel
