#include "designs/main_window_design.h"

#include "calc/compute_command.h"

namespace varnel {

namespace {

using namespace colours;
using namespace controls;
using namespace fonts;
constexpr auto L = Align::Left;
constexpr auto C = Align::Centre;
constexpr auto R = Align::Right;
constexpr bool multiLine = true;

constexpr std::string_view kPhotoDescription
    = "Photograph of the antenna against a cloudy sky: an upper vertical rod at the left, a horizontal loop of "
      "tubing across the middle with a clamp and a support boom at its right, and a lower vertical rod going down";

// A result field: red, bold, centred, editable, visited by Tab.
constexpr ControlDesign result(std::string_view name, std::string_view text, TwipsRect at, Colour colour = red)
{
    return field(name, text, at, colour, bold975);
}

// Captions, headings and units are ordinary text boxes that the Tab key
// skips; the results are editable text boxes too. Three captions end in
// CR LF, which starts an empty last line.
// clang-format off
constexpr ControlDesign kControls[] = {
    //       name        stored text                                                 left  top   width height background colour font align
    caption("Text1",    "OMNI CIRCULAR POLARIZED ANTENNA        by   ZOTHEK",         {0,    0,    7575, 375}, peach, blue, boldItalic12, C),
    picture("Picture1", ":/assets/antenna_photo.bmp",                                {5520, 1800, 1575, 2775}, kPhotoDescription),
    caption("Text2",    "INPUT FREQUENCY IN MHZ ",                                   {240,  600,  3615, 255}, peach, orange, bold825, C),
    field("Text3",      "137.500",                                                   {3960, 600,  1335, 375}, red, bold12),
    caption("Text4",    storedCaption(Quantity::ElementDiameter),                    {120,  1920, 2295, 285}, peach, blue, bold975, R),
    result("Text5",     "9.5",                                                       {2520, 1920, 975,  375}),
    caption("Text6",    "MM",                                                        {2760, 1440, 495,  405}, peach, windowText, bold975, L),
    result("Text7",     ".375",                                                      {3960, 1920, 1095, 375}),
    caption("Text8",    "INCH",                                                      {4200, 1440, 735,  375}, peach, windowText, bold975, L),
    button("Command1",  "COMPUTE",                                                   {5640, 600,  1695, 375}),
    caption("Text9",    storedCaption(Quantity::VerticalHeight),                     {120,  2400, 2175, 495}, peach, blue, bold975, R, multiLine),
    result("Text10",    "00.00",                                                     {2520, 2520, 975,  375}),
    result("Text12",    "00.000",                                                    {3960, 2520, 1095, 375}),
    caption("Text14",   storedCaption(Quantity::CenterGap),                          {0,    3120, 2295, 615}, peach, blue, bold975, R, multiLine),
    result("Text15",    "00.00",                                                     {2520, 3120, 975,  375}),
    result("Text17",    "00.000",                                                    {3960, 3120, 1095, 375}),
    caption("Text19",   storedCaption(Quantity::HorizontalEnd),                      {0,    3720, 2295, 495}, peach, blue, bold975, R, multiLine),
    result("Text20",    "00.00",                                                     {2520, 3720, 975,  375}),
    result("Text11",    "00.000",                                                    {3960, 3720, 1095, 375}),
    caption("Text13",   storedCaption(Quantity::HorizontalSide),                     {120,  4320, 2175, 495}, peach, blue, bold975, R, multiLine),
    result("Text16",    "00.00",                                                     {2520, 4320, 975,  375}),
    result("Text18",    "00.000",                                                    {3960, 4320, 1095, 375}),
    caption("Text21",   storedCaption(Quantity::ParallelCap),                        {120,  4920, 3495, 375}, peach, blue, bold975, L),
    result("Text22",    "00.0",                                                      {3600, 4920, 975,  375}, orange),
    caption("Text23",   "PF",                                                        {4800, 4920, 495,  375}, peach, windowText, bold975, L),
    caption("Text24",   storedCaption(Quantity::SeriesCap),                          {120,  5400, 3375, 285}, peach, blue, bold975, L),
    result("Text25",    "00.0",                                                      {3600, 5400, 975,  375}, orange),
    caption("Text26",   "PF",                                                        {4800, 5400, 615,  375}, peach, windowText, bold975, L),
    button("Command2",  "NOTES",                                                     {5760, 4800, 1095, 375}),
    button("Command3",  "WEBSITE",                                                   {5760, 5400, 1095, 375}),
    caption("Text27",   "(Maximum 250 mhz  See NOTES)",                              {240,  840,  3495, 375}, peach, menuText, standard, C),
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

std::vector<ScreenReaderName> form1ScreenReaderNames()
{
    std::vector<ScreenReaderName> names {{"Text3", "Input frequency in MHz"}};
    for (const ResultFieldInfo &field : kResultFields) {
        for (const QuantityInfo &quantity : kQuantities) {
            if (quantity.quantity == field.quantity)
                names.push_back(
                    {field.name, std::string(quantity.caption()) + ", " + std::string(unitName(field.unit))});
        }
    }
    return names;
}

} // namespace varnel
