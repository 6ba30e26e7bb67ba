// A window's design as data: the window and its controls, with positions and
// sizes in twips as the designer stored them. One builder turns a design into
// widgets (window_builder.h); the tests walk the same tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnel {

// 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

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
};

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
