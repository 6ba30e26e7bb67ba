#include "numbers/fp_guard.h"

#include <cmath>

namespace varnel {

void FpGuard::noteResult(double a, double b, double result)
{
    const bool finiteOperands = std::isfinite(a) && std::isfinite(b);
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b))
        m_invalid = true;
    else if (std::isinf(result) && finiteOperands)
        m_overflow = true;
}

double FpGuard::divide(double a, double b)
{
    const double result = a / b;
    if (b == 0.0 && std::isfinite(a) && a != 0.0)
        m_divideByZero = true;
    else
        noteResult(a, b, result);
    return result;
}

double FpGuard::multiply(double a, double b)
{
    const double result = a * b;
    noteResult(a, b, result);
    return result;
}

double FpGuard::subtract(double a, double b)
{
    const double result = a - b;
    noteResult(a, b, result);
    return result;
}

float FpGuard::toSingle(double value)
{
    const auto result = static_cast<float>(value);
    if (std::isinf(result) && std::isfinite(value))
        m_overflow = true;
    return result;
}

ErrorKind FpGuard::check()
{
    ErrorKind kind = ErrorKind::None;
    if (m_divideByZero)
        kind = ErrorKind::DivisionByZero;
    else if (m_overflow)
        kind = ErrorKind::Overflow;
    else if (m_invalid)
        kind = ErrorKind::InvalidOperation;
    m_divideByZero = m_overflow = m_invalid = false;
    return kind;
}

} // namespace varnel
