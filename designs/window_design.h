// A window's design as data: the window and its controls, with positions and
// sizes in twips as the designer stored them. One builder turns a design into
// widgets (window_builder.h); the tests walk the same tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnel {

// 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDesignDpi = 96;

// Pixels of a length in twips at `dpi` dots per inch, to the nearest pixel,
// halves away from zero (as Windows' MulDiv rounds): the one rule by which
// both front ends place every control. Qt works at 96 and scales itself.
constexpr int twipsToPixels(int twips, int dpi = kDesignDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}
static_assert(twipsToPixels(7) == 0 && twipsToPixels(8) == 1 && twipsToPixels(-8) == -1);
static_assert(twipsToPixels(8430, 144) == 843 && twipsToPixels(10, 144) == 1);

struct Colour
{
    enum class Kind : std::uint8_t {
        Unset, // the toolkit's own choice (buttons, picture boxes)
        Rgb,
        Window, // the system's window background, as behind editable text
        WindowText,
        MenuText,
        ButtonFace,
        ButtonText,
    };
    Kind kind = Kind::Unset;
    std::uint32_t rgb = 0; // 0xRRGGBB when kind is Rgb

    static constexpr Colour fromRgb(int r, int g, int b)
    {
        return {Kind::Rgb, static_cast<std::uint32_t>((r << 16) | (g << 8) | b)};
    }
    friend constexpr bool operator==(const Colour &, const Colour &) = default;
};

namespace colours {
inline constexpr Colour unset {};
inline constexpr Colour peach = Colour::fromRgb(255, 224, 192);
inline constexpr Colour blue = Colour::fromRgb(0, 0, 255);
inline constexpr Colour red = Colour::fromRgb(255, 0, 0);
inline constexpr Colour orange = Colour::fromRgb(255, 128, 0);
inline constexpr Colour cyan = Colour::fromRgb(0, 255, 255);
inline constexpr Colour lightCyan = Colour::fromRgb(128, 255, 255);
inline constexpr Colour window {Colour::Kind::Window};
inline constexpr Colour windowText {Colour::Kind::WindowText};
inline constexpr Colour menuText {Colour::Kind::MenuText};
inline constexpr Colour buttonFace {Colour::Kind::ButtonFace};
inline constexpr Colour buttonText {Colour::Kind::ButtonText};
} // namespace colours

// Every font of the program is of this family, in the ANSI character set.
inline constexpr std::string_view kDesignFontFamily = "MS Sans Serif";

struct FontDesign
{
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend constexpr bool operator==(const FontDesign &, const FontDesign &) = default;
};

namespace fonts {
inline constexpr FontDesign standard {};
inline constexpr FontDesign bold825 {8.25, true};
inline constexpr FontDesign bold975 {9.75, true};
inline constexpr FontDesign bold12 {12, true};
inline constexpr FontDesign boldItalic12 {12, true, true};
inline constexpr FontDesign boldItalic18 {18, true, true};
inline constexpr FontDesign underlined {8.25, false, false, true};
} // namespace fonts

enum class ControlKind : std::uint8_t { TextBox, PictureBox, Button, Label };
enum class Align : std::uint8_t { Left, Centre, Right };
enum class Pointer : std::uint8_t { Standard, Hand };

struct ControlDesign
{
    std::string_view name;
    ControlKind kind = ControlKind::TextBox;
    std::string_view text; // exact, CR LF line breaks included; for a picture box, its image
    int left = 0; // twips, relative to the parent's client (or inner) area
    int top = 0;
    int width = 0;
    int height = 0;
    Colour background;
    Colour foreground;
    FontDesign font;
    Align align = Align::Left;
    bool multiLine = false;
    bool tabStop = false;
    std::string_view parent = {}; // empty: the window itself
    bool autoSize = false; // picture box: size to the image and its border
    Pointer pointer = Pointer::Standard;
    // What a screen reader says of a picture or a link; nothing on screen.
    std::string_view description = {};
};

// Makers by role, so that a design row reads like the designer's table.
// Positions and sizes are in twips.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// clang-format off
namespace controls {

// A caption, heading, unit or note: a text box with a coloured background
// that the Tab key skips; still editable, like every text box.
constexpr ControlDesign caption(std::string_view name, std::string_view text, TwipsRect at, Colour background,
                                Colour foreground, FontDesign font, Align align, bool multiLine = false)
{
    return {.name = name, .kind = ControlKind::TextBox, .text = text,
            .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .background = background, .foreground = foreground, .font = font, .align = align,
            .multiLine = multiLine, .tabStop = false};
}

// A text box on the window colour that the Tab key visits: the input, a
// result, the notes.
constexpr ControlDesign field(std::string_view name, std::string_view text, TwipsRect at, Colour foreground,
                              FontDesign font, Align align = Align::Centre, bool multiLine = false)
{
    return {.name = name, .kind = ControlKind::TextBox, .text = text,
            .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .background = colours::window, .foreground = foreground, .font = font, .align = align,
            .multiLine = multiLine, .tabStop = true};
}

constexpr ControlDesign button(std::string_view name, std::string_view text, TwipsRect at)
{
    return {.name = name, .kind = ControlKind::Button, .text = text,
            .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .background = colours::unset, .foreground = colours::unset, .font = fonts::standard,
            .align = Align::Centre, .multiLine = false, .tabStop = true};
}

// `image` is a resource path; `sizedToImage` makes the box its image plus
// its border; `description` is for screen readers.
constexpr ControlDesign picture(std::string_view name, std::string_view image, TwipsRect at,
                                std::string_view description, bool sizedToImage = false)
{
    return {.name = name, .kind = ControlKind::PictureBox, .text = image,
            .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .background = colours::unset, .foreground = colours::unset, .font = fonts::standard,
            .align = Align::Left, .multiLine = false, .tabStop = true, .parent = {}, .autoSize = sizedToImage,
            .pointer = Pointer::Standard, .description = description};
}

// Static text that takes no focus.
constexpr ControlDesign label(std::string_view name, std::string_view text, TwipsRect at, Colour background,
                              Colour foreground, FontDesign font, Align align, Pointer pointer = Pointer::Standard)
{
    return {.name = name, .kind = ControlKind::Label, .text = text,
            .left = at.left, .top = at.top, .width = at.width, .height = at.height,
            .background = background, .foreground = foreground, .font = font, .align = align,
            .multiLine = false, .tabStop = false, .parent = {}, .autoSize = false, .pointer = pointer,
            .description = {}};
}

// The control with a description for screen readers.
constexpr ControlDesign described(std::string_view description, ControlDesign control)
{
    control.description = description;
    return control;
}

// The control as a child of the picture box `parent`, positioned in its
// inner area.
constexpr ControlDesign inside(std::string_view parent, ControlDesign control)
{
    control.parent = parent;
    return control;
}

} // namespace controls
// clang-format on

enum class Frame : std::uint8_t { Sizable, FixedSingle };

struct WindowDesign
{
    std::string_view name;
    std::string_view title;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Colour background;
    Frame frame = Frame::Sizable;
    bool defaultPosition = true;
    int left = 0; // twips, the client area's top-left on the screen, if not default
    int top = 0;
    // In tab order: the index is the tab index, which is also the stacking
    // order (a higher index lies on top where controls overlap).
    std::span<const ControlDesign> controls;
};

} // namespace varnel
