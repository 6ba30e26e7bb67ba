// How a design's colours are shown on the user's theme. The designs pair
// the system's colours (window text) with fixed ones (peach, light cyan),
// and the pair reads only on a light theme: white window text on peach
// cannot be read. Both front ends resolve every pair by this one rule:
// on the light theme nothing changes; on any other a text keeps at least
// the contrast of 4.5:1 that readable text asks, or, where the design's own
// colours give less on the light theme (red on white, 4.0:1), no less than
// they give there; and in a high-contrast theme only the user's colours
// are used.
#pragma once

#include "designs/window_design.h"
#include "numbers/rgb.h"

#include <cstdint>

namespace varnel {

constexpr Rgb rgbOf(std::uint32_t rrggbb)
{
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

// The system colours a design names, as the user's theme has them.
struct SystemColours
{
    Rgb window; // behind editable text
    Rgb windowText;
    Rgb menuText;
    Rgb buttonFace;
    Rgb buttonText;
    bool highContrast = false; // the user asked for their own colours only
};

// The light theme the designs were drawn on: Windows' classic colours.
inline constexpr SystemColours kLightTheme {{255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}, false};

// The contrast ratio of two colours, 1 to 21, from their relative
// luminance in sRGB.
double contrastRatio(Rgb one, Rgb other);

// A design colour on a theme; an unset one is the window background.
Rgb resolveColour(const Colour &colour, const SystemColours &system);

struct ColourPair
{
    Rgb background;
    Rgb foreground;
};

// The least contrast a text of this design pair must keep on any theme.
double contrastFloor(const Colour &background, const Colour &foreground);

// The colours a text is shown in. `textBox` says which system pair a
// high-contrast theme gives it: the window's (text boxes) or the button
// face's (labels on a dialog-like window).
ColourPair resolvePair(const Colour &background, const Colour &foreground, const SystemColours &system, bool textBox);

// A window's own background on a theme.
Rgb resolveWindowBackground(const Colour &background, const SystemColours &system);

} // namespace varnel
