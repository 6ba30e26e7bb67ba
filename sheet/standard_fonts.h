// The standard PDF fonts Helvetica and Helvetica-Bold: their published
// advance widths, and text in their WinAnsi encoding. A text is measured
// and wrapped by these numbers alone, so the sheet's layout is the same on
// every system and CPU, whatever fonts it has.
#pragma once

#include "sheet/page.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// A font's height above and below its baseline and its line spacing, in
// ems: those of Liberation Sans, which a picture of the sheet is painted
// in, so that a line takes the room on paper that it takes there.
inline constexpr double kFontAscent = 0.905;
inline constexpr double kFontDescent = 0.212;
inline constexpr double kLineSpacing = 1.15; // with the line gap

inline constexpr double kMillimetresPerPoint = 25.4 / 72;

// The text's bytes in WinAnsi (Windows-1252), or nothing when it holds a
// character that encoding lacks, or is not UTF-8.
std::optional<std::string> winAnsi(std::string_view utf8);

// The first character of `utf8` that WinAnsi lacks, as "U+066B"; empty
// when there is none.
std::string firstCharacterWithoutWinAnsi(std::string_view utf8);
// Why `utf8` cannot be set in the standard fonts, in one line.
std::string unshowableText(std::string_view utf8);

// The width of `utf8` set in `font`, in mm. A character the fonts lack
// counts as wide as a question mark, which is what a viewer would show.
double textWidth(const Font &font, std::string_view utf8);
// The same in thousandths of an em, which add up exactly.
long textUnits(Face face, std::string_view utf8);
inline double unitsToMillimetres(long units, double points)
{
    return static_cast<double>(units) / 1000 * points * kMillimetresPerPoint;
}

// The line's height, in mm.
inline double lineHeight(const Font &font)
{
    return font.points * kMillimetresPerPoint * kLineSpacing;
}

} // namespace varnel
