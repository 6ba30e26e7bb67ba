#include "ui/main/main_window_design.h"

namespace varnel {

namespace {

using namespace colours;
using namespace fonts;
constexpr auto Text = ControlKind::TextBox;
constexpr auto Picture = ControlKind::PictureBox;
constexpr auto Button = ControlKind::Button;
constexpr auto L = Align::Left;
constexpr auto C = Align::Centre;
constexpr auto R = Align::Right;

// Captions, headings and units are ordinary text boxes that the Tab key
// skips; the results are editable text boxes too. Three captions end in
// CR LF, which starts an empty last line.
// clang-format off
constexpr ControlDesign kControls[] = {
    // name, kind, stored text, left, top, width, height, background, text colour, font, align, multi-line, tab stop
    {"Text1", Text, "OMNI CIRCULAR POLARIZED ANTENNA        by   ZOTHEK", 0, 0, 7575, 375, peach, blue, boldItalic12, C, false, false},
    {"Picture1", Picture, ":/assets/antenna_photo.bmp", 5520, 1800, 1575, 2775, unset, unset, standard, L, false, true},
    {"Text2", Text, "INPUT FREQUENCY IN MHZ ", 240, 600, 3615, 255, peach, orange, bold825, C, false, false},
    {"Text3", Text, "137.500", 3960, 600, 1335, 375, window, red, bold12, C, false, true},
    {"Text4", Text, "Element Diameter is ", 120, 1920, 2295, 285, peach, blue, bold975, R, false, false},
    {"Text5", Text, "9.5", 2520, 1920, 975, 375, window, red, bold975, C, false, true},
    {"Text6", Text, "MM", 2760, 1440, 495, 405, peach, windowText, bold975, L, false, false},
    {"Text7", Text, ".375", 3960, 1920, 1095, 375, window, red, bold975, C, false, true},
    {"Text8", Text, "INCH", 4200, 1440, 735, 375, peach, windowText, bold975, L, false, false},
    {"Command1", Button, "COMPUTE", 5640, 600, 1695, 375, unset, unset, standard, C, false, true},
    {"Text9", Text, "The vertical element height is\r\n", 120, 2400, 2175, 495, peach, blue, bold975, R, true, false},
    {"Text10", Text, "00.00", 2520, 2520, 975, 375, window, red, bold975, C, false, true},
    {"Text12", Text, "00.000", 3960, 2520, 1095, 375, window, red, bold975, C, false, true},
    {"Text14", Text, "The dipole center gap and vertical gap is\r\n", 0, 3120, 2295, 615, peach, blue, bold975, R, true, false},
    {"Text15", Text, "00.00", 2520, 3120, 975, 375, window, red, bold975, C, false, true},
    {"Text17", Text, "00.000", 3960, 3120, 1095, 375, window, red, bold975, C, false, true},
    {"Text19", Text, "The horizontal end sections are\r\n", 0, 3720, 2295, 495, peach, blue, bold975, R, true, false},
    {"Text20", Text, "00.00", 2520, 3720, 975, 375, window, red, bold975, C, false, true},
    {"Text11", Text, "00.000", 3960, 3720, 1095, 375, window, red, bold975, C, false, true},
    {"Text13", Text, "The horizontal sides are", 120, 4320, 2175, 495, peach, blue, bold975, R, true, false},
    {"Text16", Text, "00.00", 2520, 4320, 975, 375, window, red, bold975, C, false, true},
    {"Text18", Text, "00.000", 3960, 4320, 1095, 375, window, red, bold975, C, false, true},
    {"Text21", Text, "The parallel tuning capacitor is", 120, 4920, 3495, 375, peach, blue, bold975, L, false, false},
    {"Text22", Text, "00.0", 3600, 4920, 975, 375, window, orange, bold975, C, false, true},
    {"Text23", Text, "PF", 4800, 4920, 495, 375, peach, windowText, bold975, L, false, false},
    {"Text24", Text, "The series tuning capacitor is", 120, 5400, 3375, 285, peach, blue, bold975, L, false, false},
    {"Text25", Text, "00.0", 3600, 5400, 975, 375, window, orange, bold975, C, false, true},
    {"Text26", Text, "PF", 4800, 5400, 615, 375, peach, windowText, bold975, L, false, false},
    {"Command2", Button, "NOTES", 5760, 4800, 1095, 375, unset, unset, standard, C, false, true},
    {"Command3", Button, "WEBSITE", 5760, 5400, 1095, 375, unset, unset, standard, C, false, true},
    {"Text27", Text, "(Maximum 250 mhz  See NOTES)", 240, 840, 3495, 375, peach, menuText, standard, C, false, false},
};
// clang-format on

} // namespace

const WindowDesign kForm1Design {
    .name = "Form1",
    .title = "VAR-NEL",
    .clientWidth = 7590,
    .clientHeight = 6210,
    .background = peach,
    .frame = Frame::Sizable,
    .defaultPosition = true,
    .controls = kControls,
};

} // namespace varnel
