// The build sheet: one printable page for a frequency, with the dimension
// diagram and its lengths, the cut list, the tubing, the capacitors and the
// construction notes. Its numbers and words are varnel-calc's, made by the
// same code in calc/, through the same compute command.
#pragma once

#include "calc/compute_command.h"
#include "platform/locale_paper.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QPainter;

namespace varnel {

enum class SheetFormat { Pdf, Svg, Png };

// The frequencies a sheet is drawn for: below them the lengths no longer
// fit its boxes, and nobody builds this antenna there.
inline constexpr double kSheetLowestMHz = 0.1;
inline constexpr double kSheetHighestMHz = 10000;

// By the file's suffix (.pdf, .svg, .png, in any case); nothing for others.
std::optional<SheetFormat> sheetFormatFor(const QString &path);

// The paper the locale names in LC_PAPER; failing that, Letter where the
// measurement system (LC_MEASUREMENT) is the US one, A4 elsewhere.
Paper paperForLocale();

struct SheetData
{
    std::string decimalSeparator;
    ComputeTexts texts; // computed, error None
    Module1 state; // as the compute left it
    Paper page = Paper::A4;
    QDate date;
    QString version;
};

// Computes `input`; the error, if any, is in `texts.error`.
SheetData computeSheet(const std::string &input, const std::string &decimalSeparator);

// The frequency as the window shows it, in the sheet's notation: "137.5".
QString shownFrequency(const SheetData &data);

// Why no sheet can be drawn for a computed frequency, in one line without
// the program's name; empty when one can.
QString sheetRefusal(const SheetData &data);

// The out-of-design warning the sheet prints, or empty.
QString sheetWarning(const SheetData &data);

// Paints the whole page on a painter whose device has `dotsPerMillimetre`.
// Returns each text that did not fit the box laid out for it (none, for
// every frequency a sheet is drawn for).
QStringList paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre);

// Writes the sheet to `path` in the format its suffix names. The file
// appears whole or not at all. Empty on success, otherwise one line.
QString writeSheet(const QString &path, const SheetData &data);

} // namespace varnel
