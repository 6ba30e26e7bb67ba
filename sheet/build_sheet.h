// The build sheet: one printable page for a frequency, with the dimension
// diagram and its lengths, the cut list, the tubing, the capacitors and the
// construction notes. Its numbers are the window's, through the same
// compute command.
#pragma once

#include "calc/compute_command.h"

#include <QDate>
#include <QString>

#include <optional>
#include <string>

class QPainter;

namespace varnel {

enum class PageSize { A4, Letter };
enum class SheetFormat { Pdf, Svg, Png };

// By the file's suffix (.pdf, .svg, .png, in any case); nothing for others.
std::optional<SheetFormat> sheetFormatFor(const QString &path);

// The paper of the locale's measurement system: Letter where it is the
// US one, A4 elsewhere.
PageSize pageSizeForLocale();

struct SheetData
{
    std::string input; // the frequency as typed
    std::string decimalSeparator;
    ComputeTexts texts; // computed, error None
    Module1 state; // as the compute left it
    PageSize page = PageSize::A4;
    QDate date;
    QString version;
};

// Computes `input`; the error, if any, is in `texts.error`.
SheetData computeSheet(const std::string &input, const std::string &decimalSeparator);

// The nearest E12 standard value, in pF, to a positive capacitance; 0 for
// anything else.
double nearestE12(double picofarads);

// Paints the whole page, whose size is `pageMillimetres`, on a painter whose
// device has `dotsPerMillimetre`.
void paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre);

// Writes the sheet to `path` in the format its suffix names. The file
// appears whole or not at all. Empty on success, otherwise one line.
QString writeSheet(const QString &path, const SheetData &data);

} // namespace varnel
