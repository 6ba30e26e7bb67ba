// Adds to a page: shapes, and texts laid into boxes by the standard fonts'
// widths, each text recorded with the room it was given and what it took.
#pragma once

#include "sheet/page.h"

#include <string>
#include <vector>

namespace varnel {

// How a text sits in its box; one horizontal and one vertical flag, and
// Wrap to break its lines at blanks to the box's width. A line break in
// the text always breaks.
enum TextFlag : unsigned {
    AlignLeft = 0x1,
    AlignRight = 0x2,
    AlignHCenter = 0x4,
    AlignTop = 0x20,
    AlignBottom = 0x40,
    AlignVCenter = 0x80,
    Wrap = 0x100,
};

class PageBuilder
{
public:
    explicit PageBuilder(Page &page)
        : m_page(page)
    {
    }

    Page &page() { return m_page; }

    void setFont(Font font) { m_font = font; }
    void setTextColour(Rgb colour) { m_textColour = colour; }

    void line(Point a, Point b, const Stroke &stroke) { polyline({a, b}, stroke); }
    void polyline(std::vector<Point> points, const Stroke &stroke);
    void polygon(std::vector<Point> points, std::optional<Rgb> fill, std::optional<Stroke> stroke = {});
    void rectangle(const Rect &rect, std::optional<Rgb> fill, std::optional<Stroke> stroke = {});
    void ellipse(Point centre, double radiusX, double radiusY, std::optional<Rgb> fill,
                 std::optional<Stroke> stroke = {});

    // The lines `text` breaks into in `width` mm (Wrap) or at its line
    // breaks only.
    std::vector<std::string> lines(double width, unsigned flags, const std::string &text) const;
    // What `text` takes when laid into `area`: its lines' extent.
    Rect measure(const Rect &area, unsigned flags, const std::string &text) const;
    // Lays `text` into `area` in the current font and colour, records it,
    // and returns what it took.
    Rect text(const Rect &area, unsigned flags, const std::string &text);

    void promise(DrawnLength length) { m_page.lengths.push_back(std::move(length)); }
    void clip(std::optional<Rect> rect) { m_page.items.emplace_back(Clip {rect}); }

private:
    struct Laid
    {
        std::vector<std::string> lines;
        std::vector<Point> origins;
        Rect used;
    };
    Laid layOut(const Rect &area, unsigned flags, const std::string &text) const;

    Page &m_page;
    Font m_font;
    Rgb m_textColour = kBlack;
};

} // namespace varnel
