// Pages as a PDF of the project's own making: the standard fonts Helvetica
// and Helvetica-Bold by name (WinAnsi, not embedded), exact page sizes, a
// request to print at actual size, and every object in a fixed order, so
// that the same pages and dates give the same bytes on every system.
#pragma once

#include "sheet/page.h"

#include <string>
#include <vector>

namespace varnel {

struct PdfInfo
{
    std::string title; // UTF-8
    std::string producer; // "varnel-sheet 1.0.0"
    long long created = 0; // seconds since 1970, UTC
};

struct PdfResult
{
    std::string bytes;
    std::string error; // a text the fonts cannot show; the bytes are then empty
};

PdfResult writePdf(const std::vector<Page> &pages, const PdfInfo &info);

// "20261209154723": the UTC time in a PDF date's digits.
std::string pdfDateDigits(long long secondsSinceEpoch);

} // namespace varnel
