#include "designs/notes_window_design.h"

namespace varnel {

namespace {

using namespace colours;
using namespace controls;
using namespace fonts;
constexpr auto L = Align::Left;
constexpr bool multiLine = true;
constexpr bool sizedToImage = true;

constexpr std::string_view kDiagramDescription
    = "Dimension diagram: the square loop in an oblique view with the feed gap in its far right side, one vertical "
      "element rising and one falling near its left corner. Marks show the HEIGHT of the vertical element, the GAP, "
      "the END section from the gap to the right corner and the SIDE";
constexpr std::string_view kSketchDescription
    = "Capacitor sketch: at the feed gap a series capacitor bridges the break in the element, and a parallel "
      "capacitor runs down with the leads to the coax connector";

// The four dimension labels are children of Picture1: their positions are in
// its inner area, which clips them (the last pixel of "END" and "GAP").
// clang-format off
constexpr ControlDesign kControls[] = {
    //                 name        stored text                        left  top   width height background colour font align
    field("Text1",                 kGeneralNotes,                     {120,  120,  8175, 3735}, windowText, standard, L, multiLine),
    picture("Picture1",            ":/assets/dimension_diagram.bmp",  {240,  3960, 3060, 2670}, kDiagramDescription, sizedToImage),
    inside("Picture1", caption("Text2", "GAP",                        {2520, 480,  495,  285}, lightCyan, windowText, standard, L)),
    inside("Picture1", caption("Text3", "END",                        {2520, 1080, 495,  285}, lightCyan, windowText, standard, L)),
    inside("Picture1", caption("Text4", "SIDE",                       {1920, 1800, 615,  285}, cyan, windowText, standard, L)),
    inside("Picture1", caption("Text5", "HEIGHT",                     {0,    720,  735,  285}, lightCyan, windowText, standard, L)),
    caption("Text6",               kGapNote,                          {3480, 4080, 4815, 1455}, peach, red, standard, L, multiLine),
    caption("Text7",               "RHCP",                            {3240, 5760, 1335, 495}, peach, blue, boldItalic18, L),
    picture("Picture2",            ":/assets/capacitor_sketch.bmp",   {4800, 5520, 3435, 960}, kSketchDescription, sizedToImage),
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
