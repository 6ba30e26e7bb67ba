// Geometry and marks that the drawings share: the notes window's diagram
// and the build sheet's plan, side view and template. Square roots only,
// which every CPU rounds alike, so a drawing is the same everywhere.
#pragma once

#include "sheet/page_builder.h"

#include <cmath>

namespace varnel {

inline double distance(Point a, Point b)
{
    const Point d = b - a;
    return std::sqrt(d.x * d.x + d.y * d.y);
}

// The point a fraction `t` of the way from `from` to `to`.
inline Point along(Point from, Point to, double t)
{
    return from + (to - from) * t;
}

// The unit vector at a right angle to the line from `from` to `to`, turned
// counter-clockwise on a y-down page.
inline Point unitNormal(Point from, Point to)
{
    const Point d = to - from;
    const double length = distance(from, to);
    return {d.y / length, -d.x / length};
}

// A filled arrow head in the stroke's colour, pointing at `tip` from `from`.
inline void arrowHead(PageBuilder &page, Point tip, Point from, double size, const Stroke &stroke)
{
    const Point d = tip - from;
    const Point u = d * (1 / distance(tip, from));
    const Point n {-u.y, u.x};
    const Point base = tip - u * size;
    page.polygon({tip, base + n * (size * 0.4), base - n * (size * 0.4)}, stroke.colour, stroke);
}

// A dimension line between a and b with arrows at both ends.
inline void dimensionLine(PageBuilder &page, Point a, Point b, double arrowSize, const Stroke &stroke)
{
    page.line(a, b, stroke);
    arrowHead(page, a, b, arrowSize, stroke);
    arrowHead(page, b, a, arrowSize, stroke);
}

} // namespace varnel
