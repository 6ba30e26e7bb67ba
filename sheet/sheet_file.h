// The build sheet as a file: painted into memory as PDF, SVG or PNG, then
// written whole or not at all. With SOURCE_DATE_EPOCH the same frequency
// gives the same bytes on every run and machine.
#pragma once

#include "sheet/sheet_content.h"

#include <QImage>

#include <optional>
#include <string>

namespace varnel {

enum class SheetFormat { Pdf, Svg, Png };

// By the file's suffix (.pdf, .svg, .png, in any case); nothing for others.
std::optional<SheetFormat> sheetFormatFor(const std::string &path);

// The paper the locale names in LC_PAPER; failing that, Letter where the
// measurement system (LC_MEASUREMENT) is the US one, A4 elsewhere.
Paper paperForLocale();

// The sheet's date from SOURCE_DATE_EPOCH's value: whole seconds since
// 1970 up to the end of year 9999, digits only. Nothing for anything else.
std::optional<long long> sourceDateEpoch(const std::string &value);
std::string isoDate(long long secondsSinceEpoch); // "2026-12-09", in UTC

inline constexpr int kPngDotsPerInch = 150;

// The picture a PNG sheet is painted on: its pages one below the other.
QImage sheetCanvas(const SheetData &data, int pages);

// The file's bytes. `epoch`, when given, is the document's creation time
// as well as the footer's date.
std::string sheetBytes(SheetFormat format, const SheetData &data, std::optional<long long> epoch);

// Writes the sheet to `path` (its bytes as the user gave them) in the
// format its suffix names. Empty on success, otherwise one line naming the
// file and the reason.
std::string writeSheet(const std::string &path, const SheetData &data, std::optional<long long> epoch);

} // namespace varnel
