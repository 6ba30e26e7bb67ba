#include "calc/inch_fraction.h"

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
    return {text, (units / denominator - inches) * 25.4};
}

} // namespace varnel
