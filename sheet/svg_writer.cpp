#include "sheet/svg_writer.h"

#include "sheet/standard_fonts.h"
#include "sheet/vector_numbers.h"

#include <algorithm>

namespace varnel {

namespace {

std::string colour(Rgb rgb)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t c : {rgb.red, rgb.green, rgb.blue}) {
        text += digits[c >> 4];
        text += digits[c & 0xF];
    }
    return text;
}

std::string escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string strokeAttributes(const Stroke &stroke)
{
    const char *cap = stroke.cap == Cap::Round ? "round" : stroke.cap == Cap::Square ? "square" : "butt";
    const char *join = stroke.join == Join::Round ? "round" : stroke.join == Join::Bevel ? "bevel" : "miter";
    return " stroke=\"" + colour(stroke.colour) + "\" stroke-width=\"" + vectorNumber(stroke.width)
        + "\" stroke-linecap=\"" + cap + "\" stroke-linejoin=\"" + join + "\" stroke-miterlimit=\"2\"";
}

std::string points(const std::vector<Point> &points)
{
    std::string text;
    for (const Point &p : points) {
        if (!text.empty())
            text += ' ';
        text.append(vectorNumber(p.x)).append(",").append(vectorNumber(p.y));
    }
    return text;
}

// The elements of each kind of item.
struct ElementWriter
{
    std::string &svg;
    int &clips; // clip paths so far: each needs an id of its own

    void operator()(const Polyline &line)
    {
        svg += "<polyline points=\"" + points(line.points) + "\" fill=\"none\"" + strokeAttributes(line.stroke)
            + "/>\n";
    }

    void operator()(const Shape &shape)
    {
        // Neither filled nor outlined: nothing to draw.
        if (!shape.fill && !shape.stroke)
            return;
        const std::string paint = " fill=\"" + (shape.fill ? colour(*shape.fill) : std::string("none")) + "\""
            + (shape.stroke ? strokeAttributes(*shape.stroke) : std::string());
        const Rect &b = shape.bounds;
        switch (shape.kind) {
        case Shape::Kind::Polygon:
            svg += "<polygon points=\"" + points(shape.points) + "\"" + paint + "/>\n";
            break;
        case Shape::Kind::Rectangle:
            svg += "<rect x=\"" + vectorNumber(b.x) + "\" y=\"" + vectorNumber(b.y) + "\" width=\""
                + vectorNumber(b.width) + "\" height=\"" + vectorNumber(b.height) + "\"" + paint + "/>\n";
            break;
        case Shape::Kind::Ellipse:
            svg += "<ellipse cx=\"" + vectorNumber(b.x + b.width / 2) + "\" cy=\"" + vectorNumber(b.y + b.height / 2)
                + "\" rx=\"" + vectorNumber(b.width / 2) + "\" ry=\"" + vectorNumber(b.height / 2) + "\"" + paint
                + "/>\n";
            break;
        }
    }

    void operator()(const TextRun &run)
    {
        svg += "<text x=\"" + vectorNumber(run.origin.x) + "\" y=\"" + vectorNumber(run.origin.y)
            + "\" font-family=\"Helvetica, Arial, 'Liberation Sans', sans-serif\" font-size=\""
            + vectorNumber(run.font.points * kMillimetresPerPoint) + "\""
            + (run.font.face == Face::Bold ? " font-weight=\"bold\"" : "") + " fill=\"" + colour(run.colour) + "\">"
            + escaped(run.text) + "</text>\n";
    }

    void operator()(const Clipped &clipped)
    {
        const std::string id = "clip" + std::to_string(++clips);
        const Rect &r = clipped.rect;
        svg += "<clipPath id=\"" + id + "\"><rect x=\"" + vectorNumber(r.x) + "\" y=\"" + vectorNumber(r.y)
            + "\" width=\"" + vectorNumber(r.width) + "\" height=\"" + vectorNumber(r.height)
            + "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
        for (const Drawn &item : clipped.items)
            std::visit(*this, item);
        svg += "</g>\n";
    }
};

} // namespace

std::string writeSvg(const std::vector<Page> &pages, const std::string &title)
{
    double width = 0;
    double height = 0;
    for (const Page &page : pages) {
        width = std::max(width, page.width);
        height += page.height;
    }
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\""
        + vectorNumber(width) + "mm\" height=\"" + vectorNumber(height) + "mm\" viewBox=\"0 0 " + vectorNumber(width)
        + " " + vectorNumber(height) + "\" xml:space=\"preserve\">\n<title>" + escaped(title) + "</title>\n";
    double top = 0;
    int clips = 0;
    ElementWriter writer {svg, clips};
    for (const Page &page : pages) {
        svg += "<g transform=\"translate(0," + vectorNumber(top) + ")\">\n<rect x=\"0\" y=\"0\" width=\""
            + vectorNumber(page.width) + "\" height=\"" + vectorNumber(page.height) + "\" fill=\"#ffffff\"/>\n";
        for (const Item &item : page.items)
            std::visit(writer, item);
        svg += "</g>\n";
        top += page.height;
    }
    return svg + "</svg>\n";
}

} // namespace varnel
