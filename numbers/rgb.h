// A colour as three 8-bit numbers, red, green and blue: the one colour type
// of the windows' designs and the sheet's pages alike.
#pragma once

#include <cstdint>

namespace varnel {

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

} // namespace varnel
