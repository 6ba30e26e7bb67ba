// Numbers as the sheet's files write them: fixed decimals rounded from the
// binary value by integer arithmetic alone, trailing zeros dropped, always
// a dot, never "-0". No locale and no C library formatting, so every system
// writes the same bytes.
#pragma once

#include <cmath>
#include <string>

namespace varnel {

inline std::string fixedDecimals(double value, int decimals)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long scaled = std::llround(value * static_cast<double>(scale));
    const bool negative = scaled < 0;
    const unsigned long long magnitude
        = negative ? 0ULL - static_cast<unsigned long long>(scaled) : static_cast<unsigned long long>(scaled);
    std::string text = std::to_string(magnitude / static_cast<unsigned long long>(scale));
    std::string fraction = std::to_string(magnitude % static_cast<unsigned long long>(scale));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    if (negative && text != "0")
        text.insert(text.begin(), '-');
    return text;
}

// A length or a colour's share as both writers print it: to 0.0001 mm or
// point, far finer than any printer draws.
inline std::string vectorNumber(double value)
{
    return fixedDecimals(value, 4);
}

} // namespace varnel
