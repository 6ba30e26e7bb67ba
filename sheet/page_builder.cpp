#include "sheet/page_builder.h"

#include "sheet/standard_fonts.h"

#include <algorithm>

namespace varnel {

void PageBuilder::add(Drawn item)
{
    if (m_clip)
        m_clip->items.push_back(std::move(item));
    else
        std::visit([&](auto &&drawn) { m_page.items.emplace_back(std::move(drawn)); }, std::move(item));
}

void PageBuilder::polyline(std::vector<Point> points, const Stroke &stroke)
{
    add(Polyline {std::move(points), stroke});
}

void PageBuilder::polygon(std::vector<Point> points, std::optional<Rgb> fill, std::optional<Stroke> stroke)
{
    add(Shape {Shape::Kind::Polygon, std::move(points), {}, fill, stroke});
}

void PageBuilder::rectangle(const Rect &rect, std::optional<Rgb> fill, std::optional<Stroke> stroke)
{
    add(Shape {Shape::Kind::Rectangle, {}, rect, fill, stroke});
}

void PageBuilder::ellipse(Point centre, double radiusX, double radiusY, std::optional<Rgb> fill,
                          std::optional<Stroke> stroke)
{
    const Rect bounds {centre.x - radiusX, centre.y - radiusY, 2 * radiusX, 2 * radiusY};
    add(Shape {Shape::Kind::Ellipse, {}, bounds, fill, stroke});
}

std::vector<std::string> PageBuilder::lines(double width, unsigned flags, const std::string &text) const
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!(flags & Wrap)) {
            lines.push_back(paragraph);
        } else {
            // Greedy, word by word, each word measured once: the fonts have
            // no kerning, so widths add. A word wider than the box stands on
            // a line of its own and overflows it, which the checks see.
            const long blankWidth = textUnits(m_font.face, " ");
            std::string line;
            long lineWidth = 0;
            std::size_t at = 0;
            bool any = false;
            while (at <= paragraph.size()) {
                std::size_t blank = paragraph.find(' ', at);
                if (blank == std::string::npos)
                    blank = paragraph.size();
                const std::string_view word = std::string_view(paragraph).substr(at, blank - at);
                const long wordWidth = textUnits(m_font.face, word);
                if (any && unitsToMillimetres(lineWidth + blankWidth + wordWidth, m_font.points) > width) {
                    lines.push_back(line);
                    line = word;
                    lineWidth = wordWidth;
                } else {
                    if (any) {
                        line += ' ';
                        lineWidth += blankWidth;
                    }
                    line += word;
                    lineWidth += wordWidth;
                }
                any = true;
                at = blank + 1;
            }
            if (any)
                lines.push_back(line);
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

PageBuilder::Laid PageBuilder::layOut(const Rect &area, unsigned flags, const std::string &text) const
{
    Laid laid;
    laid.lines = lines(area.width, flags, text);
    const double height = lineHeight(m_font);
    const double total = height * static_cast<double>(laid.lines.size());
    double top = area.y;
    if (flags & AlignBottom)
        top = area.bottom() - total;
    else if (flags & AlignVCenter)
        top = area.y + (area.height - total) / 2;
    const double ascent = m_font.points * kMillimetresPerPoint * kFontAscent;
    double left = area.right();
    double right = area.x;
    for (std::size_t i = 0; i < laid.lines.size(); ++i) {
        const double width = textWidth(m_font, laid.lines[i]);
        double x = area.x;
        if (flags & AlignRight)
            x = area.right() - width;
        else if (flags & AlignHCenter)
            x = area.x + (area.width - width) / 2;
        laid.origins.push_back({x, top + height * static_cast<double>(i) + ascent});
        left = std::min(left, x);
        right = std::max(right, x + width);
    }
    if (laid.lines.empty())
        left = right = area.x;
    laid.used = {left, top, right - left, total};
    return laid;
}

Rect PageBuilder::measure(const Rect &area, unsigned flags, const std::string &text) const
{
    return layOut(area, flags, text).used;
}

Rect PageBuilder::text(const Rect &area, unsigned flags, const std::string &text)
{
    Laid laid = layOut(area, flags, text);
    // Printable ASCII is all in the fonts; only other text is looked up.
    const auto printableAscii = [](std::string_view line) {
        return std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    };
    for (const std::string &line : laid.lines) {
        if (!printableAscii(line) && !winAnsi(line)) {
            if (m_refusal.empty())
                m_refusal = unshowableText(line);
            return laid.used;
        }
    }
    for (std::size_t i = 0; i < laid.lines.size(); ++i) {
        if (!laid.lines[i].empty())
            add(TextRun {laid.origins[i], m_font, m_textColour, std::move(laid.lines[i])});
    }
    m_promises.texts.push_back({area, laid.used, text});
    return laid.used;
}

} // namespace varnel
