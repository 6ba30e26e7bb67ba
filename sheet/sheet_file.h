// The build sheet as a file: PDF or SVG by the project's own writers, PNG
// by a toolkit's painter where there is one, then written whole or not at
// all. With SOURCE_DATE_EPOCH the same frequency gives the same bytes on
// every run and system.
#pragma once

#include "sheet/page.h"
#include "sheet/sheet_content.h"
#include "sheet/sheet_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

enum class SheetFormat { Pdf, Svg, Png };

// A file's bytes, or why there are none, in one line.
struct SheetFile
{
    std::string bytes;
    std::string error;
};

// Paints pages, one below the other, into a PNG's bytes, or says in one
// line why it cannot. A system without one refuses PNG.
using PngPainter = std::function<SheetFile(const std::vector<Page> &pages)>;

// What a user asks for, read once from the command line; the rest reads it
// from here.
struct SheetRequest
{
    std::string frequency; // as given: "137.5"
    std::string output; // the file's name, its bytes as given
    SheetFormat format = SheetFormat::Pdf;
    SheetPages pages = SheetPages::WithTemplate;
    Paper paper = Paper::A4;
    std::optional<float> feedGap; // mm, as given
    std::optional<double> cornerRadius; // mm
    Coax coax = kSolidPolyethylene;
    std::optional<PrintedBar> printedBar;
    long long created = 0; // the document's time, seconds since 1970
    std::string date; // "2026-12-09"
};

// One row for each format: adding one is a row, its writer and its
// enumerator, and formatFacts's switch does not compile without the row.
struct SheetFormatFacts
{
    SheetFormat format;
    std::string_view suffix; // "pdf": the file's name ends ".pdf", in any case
    std::string_view withArticle; // "a PDF"
    std::string_view suffixWithArticle; // "a .pdf", "an .svg", as it is said
    SheetPages pages; // what it carries: a PDF the template too
    bool largePage; // whether it may carry the template alone on one large page
    // The file's bytes from the pages and their title; a toolkit's painter
    // for the formats that need one.
    SheetFile (*write)(const std::vector<Page> &pages, const std::string &title, const SheetRequest &request,
                       const std::string &version, const PngPainter &png);
};
const SheetFormatFacts &formatFacts(SheetFormat format);

// By the file's suffix, in any case; nothing for others.
std::optional<SheetFormat> sheetFormatFor(const std::string &path);
// The suffixes as a user is told them: ".pdf, .svg or .png".
std::string suffixWords();
// Those that may carry a large page: "a .pdf or an .svg".
std::string largePageSuffixWords();

// The sheet's date from SOURCE_DATE_EPOCH's value: whole seconds since
// 1970 up to the end of year 9999, digits only. Nothing for anything else.
std::optional<long long> sourceDateEpoch(const std::string &value);
std::string isoDate(long long secondsSinceEpoch); // "2026-12-09", in UTC

// The sheet's data for a request: the frequency computed (the error, if
// any, is in `texts.error`), with its paper, feed gap and date.
SheetData computeSheet(const SheetRequest &request, const std::string &decimalSeparator);

// The file's bytes for the request.
SheetFile sheetFile(const SheetRequest &request, const SheetData &data, const PngPainter &png);

// Writes the sheet to the request's file, whole. Empty on success,
// otherwise one line naming the file and the reason; `cannotDraw` says
// which of the two failed.
std::string writeSheet(const SheetRequest &request, const SheetData &data, const PngPainter &png,
                       bool *cannotDraw = nullptr);

} // namespace varnel
