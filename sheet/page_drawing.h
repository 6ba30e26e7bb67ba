// What every page of the build sheet draws with: its type and pens, its
// colours, the loop's plan at any scale, and a page builder bound to the
// frequency's numbers with the marks a drawing is made of (labels,
// dimensions, tubes, the verticals seen from above).
#pragma once

#include "sheet/page_builder.h"
#include "sheet/sheet_content.h"

#include <string>
#include <vector>

namespace varnel {

inline constexpr double kSheetMargin = 15; // mm, on the sheet's own pages
inline constexpr double kSectionGap = 3; // mm between the sections of a page
inline constexpr double kFooterHeight = 5; // mm
inline constexpr double kTextPoints = 9; // the smallest type on the sheet
inline constexpr double kDrawingPen = 0.18; // mm: dimension and extension lines
inline constexpr double kArrow = 1.6; // mm

inline constexpr Rgb kTubeBand {255, 214, 160}; // the tubing's width on the template
inline constexpr Rgb kWarningBand {255, 236, 160};
inline constexpr Rgb kGapNoteRed {170, 0, 0}; // the notes window's red, dark enough to read in print
inline constexpr Rgb kSharedBand {228, 228, 228}; // on a tile, what its neighbour shows too

inline Font regular(double points = kTextPoints)
{
    return {Face::Regular, points};
}

inline Font bold(double points = kTextPoints)
{
    return {Face::Bold, points};
}

inline Stroke thin(double width = kDrawingPen)
{
    return {width, kBlack, Cap::Flat, Join::Miter};
}

// Where the loop's pieces lie in a plan view seen from above, with the feed
// side nearest the reader: the square from `corner` (its top-left, far
// corner on the left) and `side` drawn mm long. Seen from the feed point,
// END runs left from the gap and the verticals stand near the far right
// corner, the downward one on the left for RHCP: the notes window's diagram
// turned so that its feed side faces the reader.
struct PlanGeometry
{
    PlanGeometry(const SheetData &data, Point corner, double scale);
    PlanGeometry(const FeedSide &built, const Module1 &state, Point corner, double scale);
    Point topLeft;
    double side;
    Point bottomLeft;
    Point bottomRight;
    Point topRight;
    Point gapLeft;
    Point gapRight;
    Point upVertical;
    Point downVertical;
    double radius = 0; // the corners' centre-line radius as drawn; 0 for square ones

    // The loop from one end of the gap round to the other, its corners
    // arcs where they are bent.
    std::vector<Point> loop() const;
    // Where the arc at `corner` meets the straight run towards `towards`.
    Point arcEnd(Point corner, Point towards) const;
};

// A page builder with the frequency's numbers, and the marks its drawings
// are made of.
class PageDrawing
{
public:
    PageDrawing(PageBuilder &builder, const SheetData &data)
        : p(builder)
        , data(data)
    {
    }

    PageBuilder &p;
    const SheetData &data;

    // A field's text in mm, as the window shows it.
    std::string field(Quantity quantity) const { return fieldText(data, quantity, Unit::Millimetre); }

    // A wrapped paragraph across `width` mm at `y`; returns its height.
    double paragraph(double x, double y, double width, const std::string &text);

    // A label of one or more lines centred on `x` (or ending at it, or
    // starting from it), its top at `top`, kept between `minX` and `maxX`.
    Rect label(double x, double top, unsigned align, const std::string &text, double minX = -1e9, double maxX = 1e9);

    // A dimension between a and b (mm), `offset` mm out along `normal`,
    // with extension lines from just off the ends to a little beyond the
    // line.
    void dimension(Point a, Point b, Point normal, double offset);

    void tube(std::vector<Point> path, double width, Rgb colour);

    // The title of one of the sheet's own pages and the line under it,
    // `width` mm wide inside the margin; returns the height they take.
    double title(double width, const std::string &heading, const std::string &subtitle);

    // An upright vertical seen from above: a circle, with a dot for the one
    // that rises towards the viewer and a cross for the one that falls.
    void verticalMark(Point centre, double radius, bool up);
};

} // namespace varnel
