// What the build sheet says, apart from how it is painted: its titles, the
// reading of the lengths as one antenna, the cut list, the parts, the
// warnings, the notes as paragraphs, the drawings' scales and whether a
// full-size template fits the paper. Standard library and the core only;
// the numbers and words are varnel-calc's, made by the same code in calc/.
#pragma once

#include "calc/compute_command.h"
#include "platform/locale_paper.h"

#include <string>
#include <vector>

namespace varnel {

// The frequencies a sheet is drawn for: below them the lengths no longer
// fit its boxes, and nobody builds this antenna there.
inline constexpr double kSheetLowestMHz = 0.1;
inline constexpr double kSheetHighestMHz = 10000;

struct SheetData
{
    std::string decimalSeparator;
    ComputeTexts texts; // computed, error None
    Module1 state; // as the compute left it
    Paper page = Paper::A4;
    std::string date; // "2026-12-09"
    std::string version;
};

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
// The rest of the feed side in mm and inch, in the window's notation.
std::string restText(const SheetData &data);
std::string restInchText(const SheetData &data);

// The lengths read as one antenna, in a few sentences, with this
// frequency's numbers.
std::string antennaReading(const SheetData &data);
// Which way the polarisation turns, from the notes.
std::string polarisationRule();
// The sum a builder checks the feed side by: "126 + 40 + 27 = 193 mm".
std::string feedSideSum(const SheetData &data);

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

// The full-size template: the loop on a page of its own, with one vertical
// beside it or on the next page, when the loop fits the printable area.
inline constexpr double kTemplateMargin = 8; // mm a printer is asked to leave
inline constexpr double kTemplateTitleHeight = 12; // mm above the drawing
inline constexpr double kTemplateFootHeight = 24; // mm below it: the check bar and its words
struct TemplatePlan
{
    bool drawn = false;
    bool verticalBeside = false; // else on a page of its own
    std::string why; // why there is none, when there is none
};
TemplatePlan templatePlan(const SheetData &data);

} // namespace varnel
