// A page as a list of things to draw, in millimetres from its top-left
// corner (y down): what the sheet's layout makes and what each writer
// (PDF, SVG) and each toolkit's painter turns into its own terms; and,
// beside it, what the layout promises of the page, which its tests measure
// and no writer sees. No toolkit here: the same description on every
// system.
#pragma once

#include "numbers/rgb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varnel {

struct Point
{
    double x = 0;
    double y = 0;
};
inline Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double k)
{
    return {a.x * k, a.y * k};
}

struct Rect
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool contains(const Rect &other, double slack = 0) const
    {
        return other.x >= x - slack && other.y >= y - slack && other.right() <= right() + slack
            && other.bottom() <= bottom() + slack;
    }
};

inline constexpr Rgb kBlack {0, 0, 0};
inline constexpr Rgb kWhite {255, 255, 255};

enum class Cap { Flat, Square, Round };
enum class Join { Miter, Bevel, Round };

struct Stroke
{
    double width = 0.18;
    Rgb colour = kBlack;
    Cap cap = Cap::Flat;
    Join join = Join::Miter;
};

// The two faces the sheet is set in: the standard PDF fonts Helvetica and
// Helvetica-Bold, whose published widths Liberation Sans and Arial share.
enum class Face { Regular, Bold };

struct Font
{
    Face face = Face::Regular;
    double points = 9;
};

// An open path of straight segments.
struct Polyline
{
    std::vector<Point> points;
    Stroke stroke;
};

// A closed shape: a polygon, a rectangle or an ellipse, filled, outlined
// or both.
struct Shape
{
    enum class Kind { Polygon, Rectangle, Ellipse } kind = Kind::Polygon;
    std::vector<Point> points; // a polygon's corners
    Rect bounds; // a rectangle, or the box an ellipse fills
    std::optional<Rgb> fill;
    std::optional<Stroke> stroke;
};

// One line of text, left-aligned on its baseline at `origin`.
struct TextRun
{
    Point origin;
    Font font;
    Rgb colour = kBlack;
    std::string text; // UTF-8
};

// What can be drawn: every painter draws each kind through std::visit, so
// a new kind does not compile until each of them can draw it.
using Drawn = std::variant<Polyline, Shape, TextRun>;

// Items of which only what lies inside `rect` shows: a tile's part of the
// loop. A scope, so that no painter can leave a clip set behind it.
struct Clipped
{
    Rect rect;
    std::vector<Drawn> items;
};

using Item = std::variant<Polyline, Shape, TextRun, Clipped>;

// A text as the layout placed it: the room it was given and what its lines
// took, for the checks that every text stays in its box and the page.
struct TextBlock
{
    Rect box;
    Rect used;
    std::string text;
};

// A length the page promises: drawn from `from` to `to`, and said by
// `label` (its last number, in mm) at the scale `scale` prints ("1:4",
// "1:1"). Recorded where the drawing is made, from the same points, so a
// test can measure what is drawn against what the page says of it.
struct DrawnLength
{
    Point from;
    Point to;
    std::string label; // "SIDE\n193", "This bar is 100 mm long"
    std::string scale; // "1:4"
};

// A tile of a template printed across several sheets: which part of the
// drawing it shows (`window`, in the drawing's own coordinates) and where
// that part lies on the page.
struct TileView
{
    std::string label; // "A1"
    Rect window;
    Rect onPage;
};

// One tile's cell as the assembly map draws it, on the map's page.
struct MapCell
{
    std::string label;
    Rect cell;
};

struct Page
{
    double width = 210;
    double height = 297;
    std::vector<Item> items;
};

// What the layout promises of a page, for the checks that read it.
struct PagePromises
{
    Rect textArea; // where every text must stay
    std::vector<TextBlock> texts;
    std::vector<DrawnLength> lengths;
    std::optional<TileView> tile;
    std::vector<Point> crosses; // registration crosses drawn, on the page
    std::vector<MapCell> map;
};

} // namespace varnel
