// Checks of a page description that the sheet's tests and its fuzz target
// share: whether everything drawn lies on its page.
#pragma once

#include "sheet/page.h"
#include "sheet/standard_fonts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace varnel::testing {

// What an item covers on its page, its pen's reach included: half the pen
// across each segment, past an end by its cap, and out to a mitred
// corner's tip where the miter limit, 2, lets it stand. A clipped group
// covers no more than its clip.
struct Extent
{
    double left = INFINITY;
    double top = INFINITY;
    double right = -INFINITY;
    double bottom = -INFINITY;

    void add(Point p)
    {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    void add(const Rect &r, double reach)
    {
        add(Point {r.x - reach, r.y - reach});
        add(Point {r.right() + reach, r.bottom() + reach});
    }
    void path(std::vector<Point> points, const Stroke &stroke, bool closed)
    {
        const double half = stroke.width / 2;
        if (closed)
            points.push_back(points.front());
        const auto unit = [](Point from, Point to) {
            const double length = std::hypot(to.x - from.x, to.y - from.y);
            return length > 0 ? Point {(to.x - from.x) / length, (to.y - from.y) / length} : Point {};
        };
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const Point u = unit(points[i], points[i + 1]);
            const Point n {-u.y * half, u.x * half};
            for (const Point &p : {points[i], points[i + 1]}) {
                add(p + n);
                add(p - n);
            }
            if (i + 2 < points.size() || closed) {
                // The corner at points[i + 1] with the next segment.
                const Point v = closed && i + 2 == points.size() ? unit(points[0], points[1])
                                                                 : unit(points[i + 1], points[i + 2]);
                const double cosine = -(u.x * v.x + u.y * v.y);
                const double sinHalf = std::sqrt((1 - cosine) / 2);
                const Point bisector = unit(Point {}, Point {v.x - u.x, v.y - u.y});
                if (stroke.join == Join::Miter && sinHalf > 0 && 1 / sinHalf <= 2)
                    add(points[i + 1] - bisector * (half / sinHalf));
                if (stroke.join == Join::Round)
                    add(Rect {points[i + 1].x, points[i + 1].y, 0, 0}, half);
            }
        }
        if (!closed && stroke.cap != Cap::Flat) {
            for (const Point &p : {points.front(), points.back()})
                add(Rect {p.x, p.y, 0, 0}, half * (stroke.cap == Cap::Square ? std::sqrt(2.0) : 1));
        }
    }
    void operator()(const Polyline &line)
    {
        if (line.points.size() >= 2)
            path(line.points, line.stroke, false);
    }
    void operator()(const Shape &shape)
    {
        if (shape.kind == Shape::Kind::Polygon) {
            for (const Point &p : shape.points)
                add(p);
            if (shape.stroke && shape.points.size() >= 2)
                path(shape.points, *shape.stroke, true);
        } else {
            add(shape.bounds, shape.stroke ? shape.stroke->width / 2 : 0);
        }
    }
    void operator()(const TextRun &run)
    {
        const double em = run.font.points * kMillimetresPerPoint;
        add(Rect {run.origin.x, run.origin.y - em * kFontAscent, textWidth(run.font, run.text),
                  em * (kFontAscent + kFontDescent)},
            0);
    }
    void operator()(const Clipped &clipped) { add(clipped.rect, 0); }
};

// The first item that reaches off its page, said in one line; empty when
// every item lies on it.
inline std::string offPage(const Page &page)
{
    for (std::size_t n = 0; n < page.items.size(); ++n) {
        Extent extent;
        std::visit(extent, page.items[n]);
        if (!(extent.left >= 0 && extent.top >= 0 && extent.right <= page.width && extent.bottom <= page.height))
            return "item " + std::to_string(n) + " reaches from " + std::to_string(extent.left) + ", "
                + std::to_string(extent.top) + " to " + std::to_string(extent.right) + ", "
                + std::to_string(extent.bottom) + " on a page of " + std::to_string(page.width) + " by "
                + std::to_string(page.height) + " mm";
    }
    return {};
}

} // namespace varnel::testing
