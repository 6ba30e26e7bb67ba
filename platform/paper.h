// The papers a build sheet is printed on, one row each: what it is called
// on the page and on the command line, its size, the large sheets a copy
// shop prints in its series, and how the system names it (glibc's LC_PAPER
// by its size in whole mm, Windows's region settings by a DMPAPER code).
// A new paper is a new enumerator and a new row: paperFacts's switch does
// not compile until it has one.
#pragma once

#include <array>
#include <string_view>

namespace varnel {

enum class Paper { A4, Letter };

struct SheetSize
{
    std::string_view name; // "A1", "ANSI D"
    double width = 0; // mm, upright
    double height = 0;
};

struct PaperFacts
{
    Paper paper;
    std::string_view name; // "A4", as the sheet names it
    std::string_view withArticle; // "an A4"
    double width; // mm, upright
    double height;
    std::string_view word; // on the command line: "a4"
    // The large sheets of its series, smallest first, for --large-page.
    std::array<SheetSize, 4> largeSheets;
    // The Windows region settings' paper codes (DMPAPER_) that choose it;
    // 0 for none.
    std::array<unsigned, 2> windowsCodes;
};

// clang-format off
inline constexpr PaperFacts kPapers[] = {
    {Paper::A4, "A4", "an A4", 210, 297, "a4",
     {{{"A3", 297, 420}, {"A2", 420, 594}, {"A1", 594, 841}, {"A0", 841, 1189}}}, {9, 0}},
    // Legal (5) is as wide as Letter; the sheet has no row of its own for it.
    {Paper::Letter, "Letter", "a Letter", 215.9, 279.4, "letter",
     {{{"Tabloid", 279.4, 431.8}, {"ANSI C", 431.8, 558.8}, {"ANSI D", 558.8, 863.6}, {"ANSI E", 863.6, 1117.6}}},
     {1, 5}},
};
// clang-format on

constexpr const PaperFacts &paperFacts(Paper paper)
{
    std::size_t row = 0;
    switch (paper) {
    case Paper::A4:
        row = 0;
        break;
    case Paper::Letter:
        row = 1;
        break;
    }
    return kPapers[row];
}

static_assert(paperFacts(Paper::A4).paper == Paper::A4 && paperFacts(Paper::Letter).paper == Paper::Letter,
              "each paper's row in kPapers is its own");

} // namespace varnel
