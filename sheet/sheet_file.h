// The build sheet as a file: PDF or SVG by the project's own writers, PNG
// by a toolkit's painter where there is one, then written whole or not at
// all. With SOURCE_DATE_EPOCH the same frequency gives the same bytes on
// every run and system.
#pragma once

#include "sheet/page.h"
#include "sheet/sheet_content.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

enum class SheetFormat { Pdf, Svg, Png };

// By the file's suffix (.pdf, .svg, .png, in any case); nothing for others.
std::optional<SheetFormat> sheetFormatFor(const std::string &path);

// The sheet's date from SOURCE_DATE_EPOCH's value: whole seconds since
// 1970 up to the end of year 9999, digits only. Nothing for anything else.
std::optional<long long> sourceDateEpoch(const std::string &value);
std::string isoDate(long long secondsSinceEpoch); // "2026-12-09", in UTC

struct SheetFile
{
    std::string bytes;
    std::string error; // why there are none, in one line
};

// Paints pages, one below the other, into a PNG's bytes, or says in one
// line why it cannot. A system without one refuses PNG.
using PngPainter = std::function<SheetFile(const std::vector<Page> &pages)>;

// The file's bytes. `created` is the document's time, seconds since 1970;
// `largePage` asks for the template alone on one large page.
SheetFile sheetFile(SheetFormat format, const SheetData &data, long long created, const PngPainter &png,
                    bool largePage = false);

// Writes the sheet to `path` (its bytes as the user gave them) in the
// format its suffix names. Empty on success, otherwise one line naming the
// file and the reason; `cannotDraw` says which of the two failed.
std::string writeSheet(const std::string &path, const SheetData &data, long long created, const PngPainter &png,
                       bool largePage, bool *cannotDraw = nullptr);

} // namespace varnel
