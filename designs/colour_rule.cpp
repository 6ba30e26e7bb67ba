#include "designs/colour_rule.h"

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr double kReadableContrast = 4.5;
constexpr Rgb kBlack {0, 0, 0};
constexpr Rgb kWhite {255, 255, 255};

double luminance(Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

bool isSystem(const Colour &colour)
{
    return colour.kind != Colour::Kind::Rgb && colour.kind != Colour::Kind::Unset;
}

// `colour` moved a fraction `t` of the way to `target`.
Rgb mixed(Rgb colour, Rgb target, double t)
{
    const auto channel = [t](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(colour.red, target.red), channel(colour.green, target.green), channel(colour.blue, target.blue)};
}

} // namespace

double contrastRatio(Rgb one, Rgb other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb resolveColour(const Colour &colour, const SystemColours &system)
{
    switch (colour.kind) {
    case Colour::Kind::Rgb:
        return rgbOf(colour.rgb);
    case Colour::Kind::Window:
        return system.window;
    case Colour::Kind::WindowText:
        return system.windowText;
    case Colour::Kind::MenuText:
        return system.menuText;
    case Colour::Kind::ButtonFace:
    case Colour::Kind::Unset:
        return system.buttonFace;
    case Colour::Kind::ButtonText:
        return system.buttonText;
    }
    return system.buttonFace;
}

double contrastFloor(const Colour &background, const Colour &foreground)
{
    return std::min(kReadableContrast,
                    contrastRatio(resolveColour(background, kLightTheme), resolveColour(foreground, kLightTheme)));
}

ColourPair resolvePair(const Colour &background, const Colour &foreground, const SystemColours &system, bool textBox)
{
    if (system.highContrast)
        return textBox ? ColourPair {system.window, system.windowText}
                       : ColourPair {system.buttonFace, system.buttonText};
    ColourPair pair {resolveColour(background, system), resolveColour(foreground, system)};
    const double floor = contrastFloor(background, foreground);
    if (contrastRatio(pair.background, pair.foreground) >= floor)
        return pair;
    if (isSystem(foreground) && !isSystem(background)) {
        // The theme's text on the design's fixed colour: the one of black
        // and white that reads there.
        pair.foreground
            = contrastRatio(pair.background, kBlack) >= contrastRatio(pair.background, kWhite) ? kBlack : kWhite;
    } else if (isSystem(background) && !isSystem(foreground)) {
        // The design's fixed colour on the theme's background: as little
        // lighter (on a dark background) or darker as it takes to read.
        const Rgb target
            = contrastRatio(pair.background, kWhite) >= contrastRatio(pair.background, kBlack) ? kWhite : kBlack;
        const Rgb design = pair.foreground;
        for (int step = 1; step <= 20 && contrastRatio(pair.background, pair.foreground) < floor; ++step)
            pair.foreground = mixed(design, target, step / 20.0);
    }
    return pair;
}

Rgb resolveWindowBackground(const Colour &background, const SystemColours &system)
{
    if (!system.highContrast)
        return resolveColour(background, system);
    // A window of text boxes takes the window colour they take; a dialog-like
    // one its face.
    return background.kind == Colour::Kind::ButtonFace ? system.buttonFace : system.window;
}

} // namespace varnel
