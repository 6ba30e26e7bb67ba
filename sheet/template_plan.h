// Where the full-size template goes: on one page of the paper where the
// loop fits it; otherwise tiled across as few pages as cover it, portrait
// or landscape, each overlapping its neighbours by a band with
// registration crosses; or, for a copy shop, alone on one large page.
// Lengths in mm; a tile's window is in the loop's own coordinates, whose
// origin is the far left corner of the loop's centre lines.
#pragma once

#include "sheet/page_builder.h"
#include "sheet/sheet_content.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

inline constexpr double kTemplateMargin = 8; // mm a printer is asked to leave
inline constexpr double kTemplateTitleHeight = 12; // mm above the drawing
inline constexpr double kTileTitleHeight = 18; // the title and the tile's own line
inline constexpr double kTemplateFootHeight = 24; // mm below it: the check bars and their words
inline constexpr double kTileOverlap = 15; // mm each tile shares with its neighbour
inline constexpr int kMostTiles = 12;
inline constexpr double kGapMarks = 2; // mm the gap's end marks reach past the tubing
// Beside the loop on one page: a space from the tube to the vertical, and
// room for the vertical's words.
inline constexpr double kRodGap = 12;
inline constexpr double kRodWordsWidth = 30;

// A label of the full-size loop, in the regular 9 pt type, its box in the
// loop's coordinates.
struct LoopLabel
{
    std::string text;
    unsigned align = AlignLeft;
    Rect box;
};
// The loop's labels, inside the tube's band on the paper the template
// leaves bare.
std::vector<LoopLabel> loopLabels(const SheetData &data);

struct Tile
{
    int row = 0; // from the top
    int column = 0; // from the left
    std::string label; // "A1": the row's letter, the column's number
    Rect window; // the part of the loop it shows
    Rect own; // the part of its window that no neighbour shows
    // The labels it shows: each on every tile that holds it whole; one that
    // no tile holds whole, on the first tile that holds its middle, moved
    // into its own part where it fits.
    std::vector<LoopLabel> labels;
};

struct TemplatePlan
{
    enum class Kind { None, OnePage, Tiled };
    Kind kind = Kind::None;
    bool verticalBeside = false; // one page: the vertical beside the loop
    bool verticalPage = false; // the vertical on a page of its own
    bool landscape = false; // the tiles' pages
    int rows = 0;
    int columns = 0;
    std::vector<Tile> tiles;
    std::vector<Point> crosses; // the registration crosses, in the loop's coordinates
    Rect extent; // the loop with its tubing and marks
    std::string why; // why there is none, when there is none
    bool drawn() const { return kind != Kind::None; }
};

TemplatePlan templatePlan(const SheetData &data);

// How much a full-size page is drawn larger (or smaller), across and down the page, so
// that a printer that shrinks it by --printed-bar prints it true. Across
// and down are the paper's held upright, so a page on its side swaps them.
// 1 and 1 for a printer that prints true.
Point printerScale(const SheetData &data, PageSize page);
// The page a full-size drawing is laid out on: the paper as the printer
// will shrink it, so that drawn larger it fills the paper.
PageSize drawingPage(const SheetData &data, PageSize page);

// The page a tile is printed on.
PageSize tilePage(const SheetData &data, const TemplatePlan &plan);
// Where a tile's window lies on its page.
Rect tileWindowOnPage(const SheetData &data, const TemplatePlan &plan);

// The one large page for a copy shop: the smallest of A3 to A0 (with Letter
// paper, Tabloid to ANSI E) that holds the loop with its margins, or the
// drawing's own size.
struct LargePage
{
    std::string name; // "A1", or empty for the drawing's own size
    PageSize size;
    bool verticalBeside = false;
};
LargePage largePage(const SheetData &data);
// A PDF page is at most 200 inches on a side; an SVG page is held to the
// same, which is more than any copy shop prints.
inline constexpr double kLargestPage = 5080;
// Why there can be no large page, in one line, naming the format as "a
// PDF" or "an SVG"; empty when there can be one.
std::string largePageRefusal(const SheetData &data, std::string_view aFormat);

// What the notes page says of the template, naming its pages.
std::string templateNote(const SheetData &data, const TemplatePlan &plan);

} // namespace varnel
