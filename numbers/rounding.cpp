#include "numbers/rounding.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace varnel {

namespace {

// A double is m x 2^e with m below 2^53, so value x 10^places is
// m x 5^places x 2^(e + places): with places up to 3 the odd part fits in 60
// bits and the rounding is a shift of an exact integer. No floating-point
// product is involved, so nothing is rounded twice.
template<typename Float> Float roundExactly(Float value, int places)
{
    assert(places >= 0 && places <= 3);
    if (!std::isfinite(value) || value == 0)
        return value;

    int binaryExponent = 0;
    const double fraction = std::frexp(static_cast<double>(value), &binaryExponent);
    // |fraction| in [0.5, 1): scale to a 53-bit integer.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::fabs(fraction), 53));
    const int exponent = binaryExponent - 53;
    if (exponent + places >= 0)
        return value; // Already a multiple of 10^-places.

    std::uint64_t scaled = mantissa;
    for (int i = 0; i < places; ++i)
        scaled *= 5;
    const int shift = -(exponent + places);

    std::uint64_t rounded = 0;
    if (shift < 64) {
        rounded = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t {1} << shift) - 1);
        const std::uint64_t half = std::uint64_t {1} << (shift - 1);
        if (remainder > half || (remainder == half && (rounded & 1) != 0))
            ++rounded;
    }
    // With shift of 64 or more, scaled < 2^60 is below a quarter: rounds to 0.

    // The nearest Float to the decimal rounded / 10^places, correctly rounded.
    std::string decimal = std::to_string(rounded) + "e-" + std::to_string(places);
    Float result = 0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), result);
    return std::signbit(value) ? -result : result;
}

} // namespace

float roundToPlaces(float value, int places)
{
    return roundExactly(value, places);
}

double roundToPlaces(double value, int places)
{
    return roundExactly(value, places);
}

} // namespace varnel
