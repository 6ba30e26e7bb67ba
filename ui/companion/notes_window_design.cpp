#include "ui/companion/notes_window_design.h"

namespace varnel {

namespace {

using namespace colours;
using namespace fonts;
constexpr auto Text = ControlKind::TextBox;
constexpr auto Picture = ControlKind::PictureBox;
constexpr auto L = Align::Left;

// The four dimension labels are children of Picture1: their positions are in
// its inner area, which clips them (the last pixel of "END" and "GAP").
// clang-format off
constexpr ControlDesign kControls[] = {
    // name, kind, stored text, left, top, width, height, background, text colour, font, align, multi-line, tab stop, inside, sized to image
    {"Text1", Text, kGeneralNotes, 120, 120, 8175, 3735, window, windowText, standard, L, true, true},
    {"Picture1", Picture, ":/assets/dimension_diagram.bmp", 240, 3960, 3060, 2670, unset, unset, standard, L, false, true, {}, true},
    {"Text2", Text, "GAP", 2520, 480, 495, 285, lightCyan, windowText, standard, L, false, false, "Picture1"},
    {"Text3", Text, "END", 2520, 1080, 495, 285, lightCyan, windowText, standard, L, false, false, "Picture1"},
    {"Text4", Text, "SIDE", 1920, 1800, 615, 285, cyan, windowText, standard, L, false, false, "Picture1"},
    {"Text5", Text, "HEIGHT", 0, 720, 735, 285, lightCyan, windowText, standard, L, false, false, "Picture1"},
    {"Text6", Text, kGapNote, 3480, 4080, 4815, 1455, peach, red, standard, L, true, false},
    {"Text7", Text, "RHCP", 3240, 5760, 1335, 495, peach, blue, boldItalic18, L, false, false},
    {"Picture2", Picture, ":/assets/capacitor_sketch.bmp", 4800, 5520, 3435, 960, unset, unset, standard, L, false, true, {}, true},
};
// clang-format on

} // namespace

const WindowDesign kForm2Design {
    .name = "Form2",
    .title = "notes",
    .clientWidth = 8430,
    .clientHeight = 6630,
    .background = peach,
    .frame = Frame::Sizable,
    .defaultPosition = true,
    .controls = kControls,
};

} // namespace varnel
