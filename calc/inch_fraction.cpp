#include "calc/inch_fraction.h"

#include "calc/compute_command.h"

#include <charconv>
#include <cmath>
#include <numeric>

namespace varnel {

InchFraction nearestFraction(double inches, int denominator)
{
    // Exact: inches * denominator (a power of two) loses nothing.
    const double units = std::nearbyint(inches * denominator); // to nearest, ties to even
    if (!std::isfinite(units) || std::fabs(units) > 9.0e15)
        return {}; // beyond any tape
    const double magnitude = std::fabs(units);
    const long long whole = static_cast<long long>(magnitude) / denominator;
    long long numerator = static_cast<long long>(magnitude) % denominator;
    long long below = denominator;
    const long long common = std::gcd(numerator, below);
    if (numerator != 0) {
        numerator /= common;
        below /= common;
    }
    std::string text = units < 0 ? "-" : "";
    if (whole != 0 || numerator == 0)
        text += std::to_string(whole);
    if (numerator != 0) {
        if (whole != 0)
            text += ' ';
        text.append(std::to_string(numerator)).append(1, '/').append(std::to_string(below));
    }
    return {text, (units / denominator - inches) * kMillimetresPerInch};
}

InchFraction tapeReading(float millimetres, int denominator)
{
    return nearestFraction(static_cast<double>(millimetres) / kMillimetresPerInch, denominator);
}

std::string signedMillimetres(double millimetres, std::string_view decimalSeparator)
{
    // to_chars rounds the exact binary value, ties to even, in any locale.
    char digits[64];
    const auto printed
        = std::to_chars(digits, digits + sizeof digits, std::fabs(millimetres), std::chars_format::fixed, 2);
    std::string text(digits, printed.ptr);
    const bool negative = millimetres < 0 && text.find_first_not_of("0.") != std::string::npos;
    text.replace(text.find('.'), 1, decimalSeparator.empty() ? "." : decimalSeparator);
    return (negative ? "-" : "+") + text;
}

std::string tapeText(const InchFraction &reading, std::string_view decimalSeparator)
{
    if (reading.text.empty())
        return {};
    return reading.text + " in (" + signedMillimetres(reading.errorMillimetres, decimalSeparator) + " mm)";
}

} // namespace varnel
