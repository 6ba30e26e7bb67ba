#include "sheet/pdf_writer.h"

#include "numbers/unicode_text.h"
#include "sheet/standard_fonts.h"
#include "sheet/vector_numbers.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace varnel {

namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;

std::string point(Point p)
{
    return vectorNumber(p.x) + " " + vectorNumber(p.y);
}

std::string colour(Rgb rgb)
{
    return vectorNumber(rgb.red / 255.0) + " " + vectorNumber(rgb.green / 255.0) + " " + vectorNumber(rgb.blue / 255.0);
}

// A string's bytes in PDF's literal syntax; bytes outside printable ASCII
// as octal escapes, so the file stays readable text.
std::string literal(std::string_view bytes)
{
    std::string out = "(";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + ")";
}

// A text string of the information dictionary: ASCII as it is, anything
// else in UTF-16 with its byte-order mark, as PDF asks.
std::string textString(std::string_view utf8)
{
    bool ascii = true;
    for (const char c : utf8)
        ascii = ascii && static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    if (ascii)
        return literal(utf8);
    std::string hex = "<FEFF";
    const auto unit = [&](unsigned value) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04X", value);
        hex += digits;
    };
    while (!utf8.empty()) {
        const char32_t c = decodeUtf8(utf8).value_or(0xFFFD);
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return hex + ">";
}

const char *capOperator(Cap cap)
{
    switch (cap) {
    case Cap::Flat:
        return "0 J";
    case Cap::Round:
        return "1 J";
    case Cap::Square:
        return "2 J";
    }
    return "0 J";
}

const char *joinOperator(Join join)
{
    switch (join) {
    case Join::Miter:
        return "0 j";
    case Join::Round:
        return "1 j";
    case Join::Bevel:
        return "2 j";
    }
    return "0 j";
}

void setStroke(std::string &out, const Stroke &stroke)
{
    out += vectorNumber(stroke.width) + " w " + capOperator(stroke.cap) + " " + joinOperator(stroke.join) + " "
        + colour(stroke.colour) + " RG\n";
}

// An ellipse as four cubic Béziers, the usual 0.5523 of a radius out.
void ellipsePath(std::string &out, const Rect &box)
{
    constexpr double k = 0.5522847498;
    const double rx = box.width / 2;
    const double ry = box.height / 2;
    const Point c {box.x + rx, box.y + ry};
    out += point({c.x + rx, c.y}) + " m\n";
    out += point({c.x + rx, c.y + ry * k}) + " " + point({c.x + rx * k, c.y + ry}) + " " + point({c.x, c.y + ry})
        + " c\n";
    out += point({c.x - rx * k, c.y + ry}) + " " + point({c.x - rx, c.y + ry * k}) + " " + point({c.x - rx, c.y})
        + " c\n";
    out += point({c.x - rx, c.y - ry * k}) + " " + point({c.x - rx * k, c.y - ry}) + " " + point({c.x, c.y - ry})
        + " c\n";
    out += point({c.x + rx * k, c.y - ry}) + " " + point({c.x + rx, c.y - ry * k}) + " " + point({c.x + rx, c.y})
        + " c\n";
}

// The drawing operators of each kind of item, in mm with y down.
struct ContentWriter
{
    std::string &out;
    const std::string &millimetres; // the page's own state: points, y up, into mm, y down
    std::string &error;

    void operator()(const Polyline &line)
    {
        if (line.points.empty())
            return;
        setStroke(out, line.stroke);
        out += point(line.points.front()) + " m\n";
        for (std::size_t i = 1; i < line.points.size(); ++i)
            out += point(line.points[i]) + " l\n";
        out += "S\n";
    }

    void operator()(const Shape &shape)
    {
        // Neither filled nor outlined: nothing to draw.
        if (!shape.fill && !shape.stroke)
            return;
        if (shape.fill)
            out += colour(*shape.fill) + " rg\n";
        if (shape.stroke)
            setStroke(out, *shape.stroke);
        switch (shape.kind) {
        case Shape::Kind::Polygon:
            if (shape.points.empty())
                return;
            out += point(shape.points.front()) + " m\n";
            for (std::size_t i = 1; i < shape.points.size(); ++i)
                out += point(shape.points[i]) + " l\n";
            out += "h\n";
            break;
        case Shape::Kind::Rectangle:
            out += point({shape.bounds.x, shape.bounds.y}) + " " + vectorNumber(shape.bounds.width) + " "
                + vectorNumber(shape.bounds.height) + " re\n";
            break;
        case Shape::Kind::Ellipse:
            ellipsePath(out, shape.bounds);
            break;
        }
        out += shape.fill && shape.stroke ? "B\n" : shape.fill ? "f\n" : "S\n";
    }

    void operator()(const TextRun &run)
    {
        // The page builder refuses such a text; a page made by hand may
        // still hold one.
        const std::optional<std::string> bytes = winAnsi(run.text);
        if (!bytes) {
            if (error.empty())
                error = unshowableText(run.text);
            return;
        }
        out += colour(run.colour) + " rg\nBT /" + (run.font.face == Face::Bold ? "F2 " : "F1 ")
            + vectorNumber(run.font.points * kMillimetresPerPoint) + " Tf 1 0 0 -1 " + point(run.origin) + " Tm "
            + literal(*bytes) + " Tj ET\n";
    }

    // A clip lasts until the graphics state it was set in is restored, so
    // the scope is a state of its own, entered and left afresh.
    void operator()(const Clipped &clipped)
    {
        out += "Q\n" + millimetres + point({clipped.rect.x, clipped.rect.y}) + " " + vectorNumber(clipped.rect.width)
            + " " + vectorNumber(clipped.rect.height) + " re W n\n";
        for (const Drawn &item : clipped.items)
            std::visit(*this, item);
        out += "Q\n" + millimetres;
    }
};

// The page's drawing operators: the first turns PDF's points, y up, into
// mm, y down.
bool contentStream(const Page &page, std::string &out, std::string &error)
{
    const std::string millimetres = "q\n" + vectorNumber(kPointsPerMillimetre) + " 0 0 "
        + vectorNumber(-kPointsPerMillimetre) + " 0 " + vectorNumber(page.height * kPointsPerMillimetre) + " cm\n2 M\n";
    out = millimetres;
    ContentWriter writer {out, millimetres, error};
    for (const Item &item : page.items)
        std::visit(writer, item);
    out += "Q\n";
    return error.empty();
}

// Two 64-bit FNV-1a sums of the file so far, from two starting points: a
// document's id, made from its content.
std::string contentId(std::string_view bytes)
{
    std::string hex;
    for (std::uint64_t hash : {std::uint64_t {14695981039346656037ULL}, std::uint64_t {0x84222325CBF29CE4ULL}}) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ULL;
        }
        for (int shift = 60; shift >= 0; shift -= 4)
            hex += "0123456789ABCDEF"[(hash >> shift) & 0xF];
    }
    return hex;
}

} // namespace

std::string pdfDateDigits(long long secondsSinceEpoch)
{
    using namespace std::chrono;
    const sys_seconds instant {seconds(secondsSinceEpoch)};
    const sys_days day = floor<days>(instant);
    const year_month_day date {day};
    const hh_mm_ss time {instant - day};
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02u%02u%02lld%02lld%02lld", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), static_cast<long long>(time.hours().count()),
                  static_cast<long long>(time.minutes().count()), static_cast<long long>(time.seconds().count()));
    return digits;
}

PdfResult writePdf(const std::vector<Page> &pages, const PdfInfo &info)
{
    PdfResult result;
    std::string &pdf = result.bytes;
    // Objects: 1 catalogue, 2 page tree, 3 and 4 the fonts, 5 the
    // information, then a page and its contents for each page.
    std::vector<std::size_t> offsets;
    const auto object = [&](const std::string &body) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    // PDF 1.6 for PrintScaling; the second line's high bytes mark the file
    // as binary for tools that guess.
    pdf = "%PDF-1.6\n%\xE2\xE3\xCF\xD3\n";
    object("<< /Type /Catalog /Pages 2 0 R /ViewerPreferences << /PrintScaling /None >> >>");
    std::string kids;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n)
            kids += ' ';
        kids.append(std::to_string(6 + 2 * n)).append(" 0 R");
    }
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    const std::string date = literal("D:" + pdfDateDigits(info.created) + "Z");
    object("<< /Title " + textString(info.title) + " /Producer " + textString(info.producer) + " /Creator "
           + textString(info.producer) + " /CreationDate " + date + " /ModDate " + date + " >>");
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const Page &page = pages[n];
        std::string content;
        if (!contentStream(page, content, result.error)) {
            result.bytes.clear();
            return result;
        }
        object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + vectorNumber(page.width * kPointsPerMillimetre) + " "
               + vectorNumber(page.height * kPointsPerMillimetre)
               + "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " + std::to_string(7 + 2 * n)
               + " 0 R >>");
        object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }
    const std::size_t xref = pdf.size();
    const std::string id = "<" + contentId(pdf) + ">";
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        const std::string digits = std::to_string(offset);
        pdf += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R /Info 5 0 R /ID [" + id + " " + id
        + "] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return result;
}

} // namespace varnel
