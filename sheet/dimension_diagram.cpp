#include "sheet/dimension_diagram.h"

#include "sheet/drawing_geometry.h"

#include <cmath>
#include <initializer_list>

namespace varnel {

namespace {

// The centre of the pixel row or column that `coordinate` falls in.
double onPixelCentre(double coordinate)
{
    return std::floor(coordinate) + 0.5;
}

} // namespace

Page describeDimensionDiagram()
{
    Page diagram;
    diagram.width = kDiagramWidth;
    diagram.height = kDiagramHeight;
    PagePromises promises; // no text, no length: it carries no lettering
    PageBuilder p(diagram, promises);
    p.rectangle({0, 0, diagram.width, diagram.height}, kDrawingBackground);

    // The square loop in oblique view: a flat parallelogram. Its corners,
    // named by where they lie: left, far (top), right and near (bottom).
    const Point top {96, 82};
    const Point right {188, 104};
    const Point bottom {124, 118};
    const Point left = top + (bottom - right);
    // The feed gap breaks the upper-right side.
    const Point gapStart = along(top, right, 0.52);
    const Point gapEnd = along(top, right, 0.62);
    // The verticals leave the lower-left side close to the left corner.
    const Point foot = along(left, bottom, kVerticalsFromCorner);

    const Stroke element {3.2, kElementOrange, Cap::Round, Join::Round};
    p.polyline({gapEnd, right, bottom, left, top, gapStart}, element);
    // The lower element descends; the upper one rises in front of the
    // upper-left side, so it is drawn last with a thin gap around it.
    p.line(foot, foot + Point {0, 50}, element);
    p.line(foot + Point {0, -8}, foot + Point {0, -30}, Stroke {6.5, kDrawingBackground, Cap::Flat});
    p.line(foot, foot + Point {0, -76}, element);

    const Stroke mark {1.0, kBlack, Cap::Square, Join::Bevel};
    const double arrow = 5;
    // HEIGHT: extension lines at the top of the upper element and at the
    // loop, a vertical double arrow between them at the left. Level and
    // upright marks one pixel wide lie on pixel centres, so they are black,
    // not half black over two pixels.
    const double topOfElement = onPixelCentre(foot.y - 76);
    const double atLoop = onPixelCentre(foot.y);
    p.line({6, topOfElement}, {foot.x - 4, topOfElement}, mark);
    p.line({6, atLoop}, {foot.x - 4, atLoop}, mark);
    dimensionLine(p, {12.5, topOfElement + 1}, {12.5, atLoop - 1}, arrow, mark);

    // GAP: two parallel slanted lines up from the gap's ends, with arrows
    // pointing at them from either side.
    const Point rise {10, -36};
    p.line(gapStart + Point {1, -4}, gapStart + rise, mark);
    p.line(gapEnd + Point {1, -4}, gapEnd + rise, mark);
    const double arrowY = onPixelCentre(gapStart.y - 24);
    const double firstX = gapStart.x + 10 * (24.0 / 36.0) - 0.5;
    const double secondX = gapEnd.x + 10 * (20.0 / 36.0) + 0.5;
    p.line({firstX - 16, arrowY}, {firstX, arrowY}, mark);
    arrowHead(p, {firstX, arrowY}, {firstX - 16, arrowY}, arrow, mark);
    p.line({secondX + 16, arrowY + 4}, {secondX, arrowY + 4}, mark);
    arrowHead(p, {secondX, arrowY + 4}, {secondX + 16, arrowY + 4}, arrow, mark);

    // END: a slanted dimension from the gap to the right-hand corner, just
    // outside the side.
    const Point out = unitNormal(gapEnd, right) * 6.0;
    dimensionLine(p, gapEnd + out, right + out, arrow, mark);
    p.line(gapEnd + out * 0.3, gapEnd + out * 1.3, mark);
    p.line(right + out * 0.3, right + out * 1.3, mark);

    // SIDE: tick marks along the lower-right side, at its ends and between.
    const Point tick = unitNormal(right, bottom) * 4.0;
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const Point at = along(right, bottom, t);
        const double length = (t == 0.0 || t == 1.0) ? 1.6 : 1.0;
        p.line(at - tick * length, at + tick * length, mark);
    }
    return diagram;
}

DiagramAnchors dimensionDiagramAnchors()
{
    return {{0, 48}, {168, 32}, {168, 72}, {128, 120}};
}

} // namespace varnel
