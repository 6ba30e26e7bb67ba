#include "sheet/page_drawing.h"

#include "calc/antenna_build.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"

#include <algorithm>
#include <optional>

namespace varnel {

PlanGeometry::PlanGeometry(const SheetData &data, Point corner, double scale)
    : PlanGeometry(feedSide(data), data.state, corner, scale)
{
}

PlanGeometry::PlanGeometry(const FeedSide &built, const Module1 &state, Point corner, double scale)
    : topLeft(corner)
    , side(built.side * scale)
    , bottomLeft(corner + Point {0, side})
    , bottomRight(corner + Point {side, side})
    , topRight(corner + Point {side, 0})
    , gapLeft(bottomLeft + Point {built.end * scale, 0})
    , gapRight(gapLeft + Point {built.gap * scale, 0})
    , radius(built.bends ? built.bends->radius * scale : 0)
{
    // Where the notes window's diagram puts them, but on the straight run
    // past a bent corner.
    const double fromCorner = radius > 0 ? std::max(side * kVerticalsFromCorner, radius + state.ElementDiameter * scale)
                                         : side * kVerticalsFromCorner;
    upVertical = topRight - Point {fromCorner, 0};
    downVertical = upVertical - Point {state.CenterGap * scale, 0};
}

Point PlanGeometry::arcEnd(Point corner, Point towards) const
{
    return along(corner, towards, radius / distance(corner, towards));
}

std::vector<Point> PlanGeometry::loop() const
{
    if (radius == 0)
        return {gapLeft, bottomLeft, topLeft, topRight, bottomRight, gapRight};
    // A quarter circle through t = tan(angle / 2): (1 - t^2, 2t) / (1 + t^2)
    // lies on the circle exactly, by + - * / alone, so that every CPU
    // draws the same arc.
    constexpr int kSteps = 16;
    std::vector<Point> points {gapLeft};
    const Point corners[] = {bottomLeft, topLeft, topRight, bottomRight};
    const Point after[] = {topLeft, topRight, bottomRight, gapRight};
    Point before = gapLeft;
    for (int n = 0; n < 4; ++n) {
        const Point start = arcEnd(corners[n], before);
        const Point end = arcEnd(corners[n], after[n]);
        const Point centre = start + (end - corners[n]);
        const Point fromStart = start - centre;
        const Point fromEnd = end - centre;
        for (int step = 0; step <= kSteps; ++step) {
            const double t = static_cast<double>(step) / kSteps;
            const double c = (1 - t * t) / (1 + t * t);
            const double s = 2 * t / (1 + t * t);
            points.push_back(centre + fromStart * c + fromEnd * s);
        }
        before = corners[n];
    }
    points.push_back(gapRight);
    return points;
}

double PageDrawing::paragraph(double x, double y, double width, const std::string &text)
{
    const double height = p.measure({0, 0, width, 1000}, AlignLeft | Wrap, text).height + 0.3;
    p.text({x, y, width, height}, AlignLeft | AlignTop | Wrap, text);
    return height;
}

Rect PageDrawing::label(double x, double top, unsigned align, const std::string &text, double minX, double maxX)
{
    const Rect measure = p.measure({0, 0, 100, 100}, AlignLeft | AlignTop, text);
    const double width = measure.width + 0.6;
    const double height = measure.height + 0.2;
    double left = align & AlignHCenter ? x - width / 2 : align & AlignRight ? x - width : x;
    left = std::max(minX, std::min(left, maxX - width));
    return p.text({left, top, width, height}, align | AlignTop, text);
}

void PageDrawing::dimension(Point a, Point b, Point normal, double offset)
{
    p.line(a + normal * 1.2, a + normal * (offset + 1.5), thin());
    p.line(b + normal * 1.2, b + normal * (offset + 1.5), thin());
    dimensionLine(p, a + normal * offset, b + normal * offset, kArrow, thin());
}

void PageDrawing::tube(std::vector<Point> path, double width, Rgb colour)
{
    p.polyline(std::move(path), {width, colour, Cap::Flat, Join::Miter});
}

double PageDrawing::title(double width, const std::string &heading, const std::string &subtitle)
{
    p.setFont(bold(16));
    p.text({kSheetMargin, kSheetMargin, width, 9}, AlignLeft | AlignVCenter, heading);
    p.setFont(regular());
    return 10 + paragraph(kSheetMargin, kSheetMargin + 10, width, subtitle) + kSectionGap;
}

void PageDrawing::verticalMark(Point centre, double radius, bool up)
{
    p.ellipse(centre, radius, radius, kWhite, thin(0.25));
    if (up) {
        p.ellipse(centre, radius * 0.3, radius * 0.3, kBlack, thin(0.25));
    } else {
        const double r = radius * 0.7;
        p.line(centre + Point {-r, -r}, centre + Point {r, r}, thin(0.25));
        p.line(centre + Point {-r, r}, centre + Point {r, -r}, thin(0.25));
    }
}

} // namespace varnel
