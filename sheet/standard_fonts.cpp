#include "sheet/standard_fonts.h"

#include "numbers/unicode_text.h"

#include <array>
#include <cstdio>

namespace varnel {

namespace {

// Advance widths in thousandths of an em for the WinAnsi codes 32 to 255,
// as Adobe publishes them for the two fonts; 0 where the code has no
// character.
constexpr std::array<unsigned short, 224> kRegular {{
    278,  278, 355, 556,  556, 889, 667, 191, 333, 333, 389, 584,  278, 333, 278,  278, 556,  556,  556, 556,  556,
    556,  556, 556, 556,  556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722,  722, 667,  611,  778, 722,  278,
    500,  667, 556, 833,  722, 778, 667, 778, 722, 667, 611, 722,  667, 944, 667,  667, 611,  278,  278, 278,  469,
    556,  333, 556, 556,  500, 556, 556, 278, 556, 556, 222, 222,  500, 222, 833,  556, 556,  556,  556, 333,  500,
    278,  556, 500, 722,  500, 500, 500, 334, 260, 334, 584, 0,    556, 0,   222,  556, 333,  1000, 556, 556,  333,
    1000, 667, 333, 1000, 0,   611, 0,   0,   222, 222, 333, 333,  350, 556, 1000, 333, 1000, 500,  333, 944,  0,
    500,  667, 278, 333,  556, 556, 556, 556, 260, 556, 333, 737,  370, 556, 584,  333, 737,  333,  400, 584,  333,
    333,  333, 556, 537,  278, 333, 333, 365, 556, 834, 834, 834,  611, 667, 667,  667, 667,  667,  667, 1000, 722,
    667,  667, 667, 667,  278, 278, 278, 278, 722, 722, 778, 778,  778, 778, 778,  584, 778,  722,  722, 722,  722,
    667,  667, 611, 556,  556, 556, 556, 556, 556, 889, 500, 556,  556, 556, 556,  278, 278,  278,  278, 556,  556,
    556,  556, 556, 556,  556, 584, 611, 556, 556, 556, 556, 500,  556, 500,
}};
constexpr std::array<unsigned short, 224> kBold {{
    278,  333, 474, 556,  556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278,  278, 556,  556,  556, 556,  556,
    556,  556, 556, 556,  556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722,  722, 667,  611,  778, 722,  278,
    556,  722, 611, 833,  722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,  667, 611,  333,  278, 333,  584,
    556,  333, 556, 611,  556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889,  611, 611,  611,  611, 389,  556,
    333,  611, 556, 778,  556, 556, 500, 389, 280, 389, 584, 0,   556, 0,   278,  556, 500,  1000, 556, 556,  333,
    1000, 667, 333, 1000, 0,   611, 0,   0,   278, 278, 500, 500, 350, 556, 1000, 333, 1000, 556,  333, 944,  0,
    500,  667, 278, 333,  556, 556, 556, 556, 280, 556, 333, 737, 370, 556, 584,  333, 737,  333,  400, 584,  333,
    333,  333, 611, 556,  278, 333, 333, 365, 556, 834, 834, 834, 611, 722, 722,  722, 722,  722,  722, 1000, 722,
    667,  667, 667, 667,  278, 278, 278, 278, 722, 722, 778, 778, 778, 778, 778,  584, 778,  722,  722, 722,  722,
    667,  667, 611, 556,  556, 556, 556, 556, 556, 889, 556, 556, 556, 556, 556,  278, 278,  278,  278, 611,  611,
    611,  611, 611, 611,  611, 584, 611, 611, 611, 611, 611, 556, 611, 556,
}};

// The characters of Windows-1252's codes 128 to 159; 0 where it has none.
constexpr std::array<char32_t, 32> kHighCodes {{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
}};

// The WinAnsi code of a character, or 0.
unsigned char codeOf(char32_t character)
{
    if ((character >= 0x20 && character < 0x7F) || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < kHighCodes.size(); ++i) {
        if (kHighCodes[i] == character && character != 0)
            return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

unsigned short widthOf(Face face, unsigned char code)
{
    const auto &widths = face == Face::Bold ? kBold : kRegular;
    return code >= 32 ? widths[code - 32] : 0;
}

} // namespace

std::optional<std::string> winAnsi(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<char32_t> character = decodeUtf8(utf8);
        if (!character)
            return std::nullopt;
        const unsigned char code = codeOf(*character);
        if (code == 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(code));
    }
    return bytes;
}

std::string unshowableText(std::string_view utf8)
{
    return "the text '" + std::string(utf8) + "' holds a character (" + firstCharacterWithoutWinAnsi(utf8)
        + ") that the PDF's standard fonts cannot show";
}

std::string firstCharacterWithoutWinAnsi(std::string_view utf8)
{
    while (!utf8.empty()) {
        const std::string_view before = utf8;
        const std::optional<char32_t> character = decodeUtf8(utf8);
        char name[16];
        if (!character) {
            std::snprintf(name, sizeof name, "byte \\x%02X", static_cast<unsigned char>(before.front()));
            return name;
        }
        if (codeOf(*character) == 0) {
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(*character));
            return name;
        }
    }
    return {};
}

long textUnits(Face face, std::string_view utf8)
{
    long thousandths = 0;
    while (!utf8.empty()) {
        // ASCII, nearly every character, without the decoder.
        const auto first = static_cast<unsigned char>(utf8.front());
        if (first >= 0x20 && first < 0x7F) {
            thousandths += widthOf(face, first);
            utf8.remove_prefix(1);
            continue;
        }
        const std::optional<char32_t> character = decodeUtf8(utf8);
        const unsigned short width = widthOf(face, character ? codeOf(*character) : 0);
        thousandths += width ? width : widthOf(face, '?');
    }
    return thousandths;
}

double textWidth(const Font &font, std::string_view utf8)
{
    return unitsToMillimetres(textUnits(font.face, utf8), font.points);
}

} // namespace varnel
