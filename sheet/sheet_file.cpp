#include "sheet/sheet_file.h"

#include "platform/whole_file.h"
#include "sheet/pdf_writer.h"
#include "sheet/sheet_layout.h"
#include "sheet/svg_writer.h"

#include <algorithm>
#include <cctype>

namespace varnel {

namespace {

constexpr long long kLastSecondOf9999 = 253402300799; // a PDF date has four digits for the year

SheetFile pdfFile(const std::vector<Page> &pages, const std::string &title, const SheetRequest &request,
                  const std::string &version, const PngPainter &)
{
    PdfResult pdf = writePdf(pages, {title, "varnel-sheet " + version, request.created});
    return {std::move(pdf.bytes), std::move(pdf.error)};
}

SheetFile svgFile(const std::vector<Page> &pages, const std::string &title, const SheetRequest &, const std::string &,
                  const PngPainter &)
{
    return {writeSvg(pages, title), {}};
}

SheetFile pngFile(const std::vector<Page> &pages, const std::string &, const SheetRequest &, const std::string &,
                  const PngPainter &png)
{
    if (!png)
        return {{}, "PNG cannot be drawn here; write the sheet as PDF or SVG"};
    return png(pages);
}

constexpr SheetFormatFacts kSheetFormats[] = {
    {SheetFormat::Pdf, "pdf", "a PDF", "a .pdf", SheetPages::WithTemplate, true, pdfFile},
    {SheetFormat::Svg, "svg", "an SVG", "an .svg", SheetPages::SheetOnly, true, svgFile},
    {SheetFormat::Png, "png", "a PNG", "a .png", SheetPages::SheetOnly, false, pngFile},
};

} // namespace

const SheetFormatFacts &formatFacts(SheetFormat format)
{
    std::size_t row = 0;
    switch (format) {
    case SheetFormat::Pdf:
        row = 0;
        break;
    case SheetFormat::Svg:
        row = 1;
        break;
    case SheetFormat::Png:
        row = 2;
        break;
    }
    return kSheetFormats[row];
}

std::optional<SheetFormat> sheetFormatFor(const std::string &path)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\:");
#else
    const std::size_t slash = path.rfind('/');
#endif
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    std::string suffix = name.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const SheetFormatFacts &facts : kSheetFormats) {
        if (facts.suffix == suffix)
            return facts.format;
    }
    return std::nullopt;
}

namespace {

// "x, y or z".
std::string listed(const std::vector<std::string> &words)
{
    std::string text;
    for (std::size_t n = 0; n < words.size(); ++n)
        text += (n == 0 ? "" : n + 1 == words.size() ? " or " : ", ") + words[n];
    return text;
}

} // namespace

std::string suffixWords()
{
    std::vector<std::string> suffixes;
    for (const SheetFormatFacts &facts : kSheetFormats)
        suffixes.push_back("." + std::string(facts.suffix));
    return listed(suffixes);
}

std::string largePageSuffixWords()
{
    std::vector<std::string> suffixes;
    for (const SheetFormatFacts &facts : kSheetFormats) {
        if (facts.largePage)
            suffixes.emplace_back(facts.suffixWithArticle);
    }
    return listed(suffixes);
}

std::optional<long long> sourceDateEpoch(const std::string &value)
{
    if (value.empty() || value.size() > 12)
        return std::nullopt;
    long long seconds = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds > kLastSecondOf9999)
        return std::nullopt;
    return seconds;
}

std::string isoDate(long long secondsSinceEpoch)
{
    const std::string digits = pdfDateDigits(secondsSinceEpoch);
    return digits.substr(0, 4) + "-" + digits.substr(4, 2) + "-" + digits.substr(6, 2);
}

SheetData computeSheet(const SheetRequest &request, const std::string &decimalSeparator)
{
    SheetData data = computeSheet(request.frequency, decimalSeparator);
    data.page = request.paper;
    data.feedGap = request.feedGap;
    data.cornerRadius = request.cornerRadius;
    data.coax = request.coax;
    data.printedBar = request.printedBar;
    data.date = request.date;
    return data;
}

SheetFile sheetFile(const SheetRequest &request, const SheetData &data, const PngPainter &png)
{
    const SheetFormatFacts &format = formatFacts(request.format);
    const bool large = request.pages == SheetPages::LargeTemplate;
    const SheetLayout layout = describeSheet(data, large ? SheetPages::LargeTemplate : format.pages);
    if (!layout.refusal.empty())
        return {{}, layout.refusal};
    return format.write(layout.pages, large ? templateTitle(data) : sheetTitle(data), request, data.version, png);
}

std::string writeSheet(const SheetRequest &request, const SheetData &data, const PngPainter &png, bool *cannotDraw)
{
    const SheetFile file = sheetFile(request, data, png);
    if (cannotDraw)
        *cannotDraw = !file.error.empty();
    if (!file.error.empty())
        return request.output + ": " + file.error;
    if (const std::string reason = writeWholeFile(request.output, file.bytes); !reason.empty())
        return request.output + ": " + reason;
    return {};
}

} // namespace varnel
