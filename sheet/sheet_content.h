// What the build sheet says, apart from how it is painted: its titles, the
// reading of the lengths as one antenna, the cut list, the parts, the
// warnings, the notes as paragraphs, the drawings' scales and whether a
// full-size template fits the paper. Standard library and the core only;
// the numbers and words are varnel-calc's, made by the same code in calc/.
#pragma once

#include "calc/capacitor_build.h"
#include "calc/compute_command.h"
#include "calc/corner_bends.h"
#include "platform/locale_paper.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The frequencies a sheet is drawn for: below them the lengths no longer
// fit its boxes, and nobody builds this antenna there.
inline constexpr double kSheetLowestMHz = 0.1;
inline constexpr double kSheetHighestMHz = 10000;

// What a printer made of the 100 mm bar, across and down the page, in mm.
struct PrintedBar
{
    double across = 100;
    double down = 100;
};
// "98.6" or "98.6,99.2" (in a comma locale "98,6;99,2"), each from
// 90 to 110 mm; nothing for anything else.
std::optional<PrintedBar> parsePrintedBar(std::string_view text, std::string_view decimalSeparator);

struct SheetData
{
    std::string decimalSeparator;
    ComputeTexts texts; // computed, error None
    Module1 state; // as the compute left it
    Paper page = Paper::A4;
    std::string date; // "2026-12-09"
    std::string version;
    // The feed gap as the builder narrows it below the design point, in
    // mm; none for the design's own.
    std::optional<float> feedGap;
    Coax coax = kSolidPolyethylene; // for the capacitors cut from coax
    // The loop's corners bent, or made with elbows, to this centre-line
    // radius in mm; none for square corners.
    std::optional<double> cornerRadius;
    // What the 100 mm bar measured when a template was printed at 100 %;
    // none for a printer that prints true.
    std::optional<PrintedBar> printedBar;
};

// "drawn for a printer that printed 100 mm as 98.6 mm across and 99.2 mm
// down"; empty for none.
std::string printerNote(const SheetData &data);

// Computes `input`; the error, if any, is in `texts.error`.
SheetData computeSheet(const std::string &input, const std::string &decimalSeparator);

struct PageSize
{
    double width = 0; // mm
    double height = 0;
};
PageSize pageMillimetres(Paper page);

// The frequency as the window shows it, in the sheet's notation: "137.5".
std::string shownFrequency(const SheetData &data);

// Why no sheet can be drawn for a computed frequency, in one line without
// the program's name; empty when one can.
std::string sheetRefusal(const SheetData &data);

// The warnings the sheet prints on its first page and on standard error,
// in varnel-calc's words: outside the design's range, lengths that cannot
// be built.
std::vector<std::string> sheetWarnings(const SheetData &data);
bool buildable(const SheetData &data);

std::string sheetTitle(const SheetData &data); // "Build sheet for 137.5 MHz"
std::string notesTitle(const SheetData &data); // "Construction notes for 137.5 MHz"
std::string templateTitle(const SheetData &data);

// A field's text as the window shows it.
std::string fieldText(const SheetData &data, Quantity quantity, Unit unit);

// The feed side as it is built, in mm as printed: END, the feed gap and the
// rest, whole hundredths that add up to SIDE exactly. A narrowed gap gives
// half of what it loses to END and half to the rest (the odd hundredth to
// END), so the gap's centre stays where it was; the verticals stay the
// design's GAP apart. With bent corners, SIDE, END and the rest are the
// bent loop's, between the tangents' meeting points.
struct FeedSide
{
    double side = 0;
    double end = 0;
    double gap = 0;
    double rest = 0;
    double verticalsApart = 0;
    bool narrowed = false;
    StraightLoop square; // the same feed side with square corners
    std::optional<BentLoop> bends; // with --corner-radius
    std::string bendRefusal; // why it cannot be bent so, in one line
};
FeedSide feedSide(const SheetData &data);
// SIDE as built, as printed: the window's, or the bent loop's.
std::string sideText(const SheetData &data);
// Why the corners cannot be bent to the radius asked, in one line; empty
// when they can, or when none was asked.
std::string cornerRadiusRefusal(const SheetData &data);
// A number in the sheet's notation: up to 15 digits, the locale's
// separator.
std::string numberText(const SheetData &data, double value);
// A length in mm and inch, in the window's notation.
std::string lengthText(const SheetData &data, double millimetres);
std::string inchLengthText(const SheetData &data, double millimetres);

// The frequency below which the notes let the builder narrow the gap.
inline constexpr float kDesignPointMHz = 137.5f;
// Why the feed gap cannot be narrowed to `millimetres` at this frequency,
// in one line; empty when it can.
std::string feedGapRefusal(const SheetData &data, float millimetres);
// What a narrowed gap moved where, in one sentence; empty for the design's.
std::string feedGapNote(const SheetData &data);

// The lengths read as one antenna, in a few sentences, with this
// frequency's numbers.
std::string antennaReading(const SheetData &data);
// Which way the polarisation turns, from the notes.
std::string polarisationRule();
// The sum a builder checks the feed side by: "126 + 40 + 27 = 193 mm".
std::string feedSideSum(const SheetData &data);
// With bent corners, the sum a builder checks the tube by: "Centre line, gap
// end to gap end: ... = 732 mm, as the square's 4 x 193 - 40."; empty
// without.
std::string centreLineSum(const SheetData &data);

struct CutRow
{
    std::string piece;
    std::string count; // "2", or "-" for the gap, which is no piece
    std::string millimetres;
    std::string inches;
    std::string tape; // "9 3/8 in (+0.14 mm)", or "-"
};
std::vector<CutRow> cutList(const SheetData &data);
inline constexpr int kTapeDenominator = 16;

// The tubing and both capacitors, a line each.
std::vector<std::string> partLines(const SheetData &data);

// Each capacitor as a builder can make it up: a pair of E12 parts in
// parallel where it comes nearer than one ("-" where not), and an open coax
// stub ("220.3 mm", marked "*" past an eighth of a wavelength).
struct CapacitorChoice
{
    std::string name; // "Parallel"
    std::string value; // "33.21 pF"
    std::string pair;
    std::string stub;
};
std::vector<CapacitorChoice> capacitorChoices(const SheetData &data);
// The cable the stubs are for: "Open stub of 50 ohm coax, velocity factor 0.66".
std::string stubHeading(const SheetData &data);
// How to cut a stub, and what the mark means where a stub has it.
std::string stubNote(const SheetData &data);

// The general notes and the gap note as paragraphs: a line the notes
// window wraps by its width ends in a blank and runs on; one that does not
// ends its paragraph.
std::vector<std::string> noteParagraphs();

// A drawing scale from the series 1, 2, 2.5, 4 and 5 times a power of ten:
// the largest at which `length` mm is drawn no longer than `room` mm.
struct DrawingScale
{
    double factor = 1; // drawn mm per real mm
    std::string text; // "1:4", "1:1", "2.5:1"
};
DrawingScale drawingScale(double length, double room);

} // namespace varnel
