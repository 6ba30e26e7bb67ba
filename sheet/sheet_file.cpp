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

} // namespace

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
    if (suffix == "pdf")
        return SheetFormat::Pdf;
    if (suffix == "svg")
        return SheetFormat::Svg;
    if (suffix == "png")
        return SheetFormat::Png;
    return std::nullopt;
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

SheetFile sheetFile(SheetFormat format, const SheetData &data, long long created, const PngPainter &png, bool largePage)
{
    const std::string title = largePage ? templateTitle(data) : sheetTitle(data);
    if (format == SheetFormat::Png && largePage)
        return {{}, "a large page is written as PDF or SVG"};
    if (format == SheetFormat::Png && !png)
        return {{}, "PNG cannot be drawn here; write the sheet as PDF or SVG"};
    const SheetPages pages = largePage ? SheetPages::LargeTemplate
        : format == SheetFormat::Pdf   ? SheetPages::WithTemplate
                                       : SheetPages::SheetOnly;
    const SheetLayout layout = describeSheet(data, pages);
    if (!layout.refusal.empty())
        return {{}, layout.refusal};
    switch (format) {
    case SheetFormat::Pdf: {
        PdfResult pdf = writePdf(layout.pages, {title, "varnel-sheet " + data.version, created});
        return {std::move(pdf.bytes), std::move(pdf.error)};
    }
    case SheetFormat::Svg:
        return {writeSvg(layout.pages, title), {}};
    case SheetFormat::Png:
        return png(layout.pages);
    }
    return {};
}

std::string writeSheet(const std::string &path, const SheetData &data, long long created, const PngPainter &png,
                       bool largePage, bool *cannotDraw)
{
    const std::optional<SheetFormat> format = sheetFormatFor(path);
    if (!format)
        return path + ": the file's suffix must be .pdf, .svg or .png";
    const SheetFile file = sheetFile(*format, data, created, png, largePage);
    if (cannotDraw)
        *cannotDraw = !file.error.empty();
    if (!file.error.empty())
        return path + ": " + file.error;
    if (const std::string reason = writeWholeFile(path, file.bytes); !reason.empty())
        return path + ": " + reason;
    return {};
}

} // namespace varnel
