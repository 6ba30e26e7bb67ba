// Adds to a page: shapes, and texts laid into boxes by the standard fonts'
// widths, each text recorded among the page's promises with the room it
// was given and what it took. A text the standard fonts cannot show is
// refused here, where it is added, so that no format draws it.
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
    PageBuilder(Page &page, PagePromises &promises)
        : m_page(page)
        , m_promises(promises)
    {
    }

    Page &page() { return m_page; }
    PagePromises &promises() { return m_promises; }
    // Why a text could not be added, in one line; empty while none was
    // refused. The first refusal is kept.
    const std::string &refusal() const { return m_refusal; }

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

    void promise(DrawnLength length) { m_promises.lengths.push_back(std::move(length)); }

    // What `draw` adds shows only inside `rect`.
    template<typename Draw> void clipped(const Rect &rect, Draw draw)
    {
        m_clip = &std::get<Clipped>(m_page.items.emplace_back(Clipped {rect, {}}));
        draw();
        m_clip = nullptr;
    }

private:
    void add(Drawn item);

    struct Laid
    {
        std::vector<std::string> lines;
        std::vector<Point> origins;
        Rect used;
    };
    Laid layOut(const Rect &area, unsigned flags, const std::string &text) const;

    Page &m_page;
    PagePromises &m_promises;
    Clipped *m_clip = nullptr;
    std::string m_refusal;
    Font m_font;
    Rgb m_textColour = kBlack;
};

} // namespace varnel
