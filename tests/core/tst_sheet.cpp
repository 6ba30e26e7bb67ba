#include "app/sheet_cli.h"
#include "calc/construction_notes.h"
#include "sheet/page_builder.h"
#include "sheet/pdf_writer.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_layout.h"
#include "sheet/standard_fonts.h"
#include "sheet/template_plan.h"
#include "sheet/vector_numbers.h"
#include "tests/shared/page_checks.h"
#include "tests/shared/test_environment.h"

#include <doctest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace varnel;

namespace {

SheetData sheetFor(const std::string &frequency, const std::string &separator, Paper paper)
{
    SheetData data = computeSheet(frequency, separator);
    data.page = paper;
    data.version = "1.0.0";
    data.date = "2026-12-09";
    return data;
}

std::string describe(std::size_t page, const TextBlock &text)
{
    const auto rect = [](const Rect &r) {
        std::ostringstream out;
        out.precision(4);
        out << "(" << r.x << "," << r.y << " " << r.width << "x" << r.height << ")";
        return out.str();
    };
    return "page " + std::to_string(page + 1) + " '" + text.text.substr(0, 40) + "' used " + rect(text.used) + " of "
        + rect(text.box);
}

std::vector<std::string> words(const std::string &text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        all.push_back(word);
    return all;
}

// The last number a label says, in either notation: "SIDE\n193" is 193,
// "HEIGHT\n237,99" 237.99.
double lastNumber(const std::string &label)
{
    double found = NAN;
    for (std::string word : words(label)) {
        for (char &c : word)
            c = c == ',' ? '.' : c;
        char *end = nullptr;
        const double value = std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0')
            found = value;
    }
    return found;
}

// "1:4" is 0.25, "2.5:1" 2.5.
double scaleOf(const std::string &text)
{
    const std::size_t colon = text.find(':');
    return std::strtod(text.substr(0, colon).c_str(), nullptr) / std::strtod(text.substr(colon + 1).c_str(), nullptr);
}

struct SheetRow
{
    const char *frequency;
    const char *separator;
    std::size_t pages; // on A4, then Letter: 2 without a template
    std::size_t letterPages;
    double cornerRadius = 0; // mm, 0 for square corners
    double across = 0; // what a printer made of the 100 mm bar, 0 for true
    double down = 0;
};

constexpr SheetRow kSheets[] = {
    {"0.1", ".", 2, 2}, // the lowest
    {"0.1234567", ".", 2, 2}, // seven digits
    {"0.2653", ".", 2, 2}, // SIDE just over 100000 mm, printed with one decimal
    {"1.8", ".", 2, 2}, // 160 m
    {"5.34", ".", 2, 2}, // a large page of the loop's own size just inside the limit
    {"14,2", ",", 2, 2}, // 20 m, with a comma
    {"28.5", ".", 2, 2}, // 10 m: the template would take 28 sheets
    {"39.59", ".", 2, 2}, // 15 sheets on A4, one more row than the most
    {"39.6", ".", 15, 2}, // the most: the map and 12 tiles on A4; 15 sheets on Letter
    {"50.1", ".", 11, 12}, // 6 m: the map and 8 or 9 tiles
    {"100", ".", 7, 7}, // the map and 4 tiles
    {"137,5", ",", 6, 6}, // the map, 2 tiles and the vertical
    {"140", ".", 6, 4}, // tiled on A4, one page on Letter
    {"144", ".", 4, 4}, // 2 m
    {"160", ".", 4, 4}, // the vertical on a page of its own
    {"250", ".", 3, 3}, // the design's last, the vertical beside the loop
    {"250.01", ".", 3, 3}, // with its warning
    {"435", ".", 3, 3}, // with its warning
    {"584", ".", 3, 3}, // the rest a tube wide
    {"585", ".", 2, 2}, // the rest shorter than the tube is wide
    {"800", ".", 2, 2}, // where the template's labels would overlap
    {"1296", ",", 2, 2}, // the gap too narrow
    {"10000", ",", 2, 2}, // the highest
    {"137.5", ".", 6, 6, 15}, // bent corners
    {"137.5", ".", 6, 6, 0, 98.6, 99.2}, // a printer that shrinks
    {"144", ".", 4, 4, 0, 104, 104}, // one that enlarges
    {"146", ".", 6, 4, 0, 97, 97}, // a loop that fits A4 no more once drawn larger
    {"50.1", ".", 15, 12, 15, 98.6, 99.2}, // both: 12 tiles on A4 (4 by 3), 9 on Letter
    {"50.1", ".", 11, 12, 0, 99, 100}, // on A4 still landscape: the page's across is the paper's down
    {"5.34", ".", 2, 2, 500}, // a radius a long way round
    {"250.01", ".", 3, 3, 5}, // bent, with its warning
};

} // namespace

// Laid out as the PDF lays it: every text inside its box and the page's
// margins, and none over another (the footer included); every line, shape
// and text on the page, the large page's too; and every length a drawing
// promises measures what its label says at the scale it states.
TEST_CASE("every page whole and true to its scale")
{
    constexpr double slack = 0.2; // mm: a glyph's side bearing
    for (const SheetRow &row : kSheets) {
        for (Paper paper : {Paper::A4, Paper::Letter}) {
            const std::string sheet = std::string(row.frequency) + (paper == Paper::A4 ? " on A4" : " on Letter");
            INFO(sheet);
            SheetData data = sheetFor(row.frequency, row.separator, paper);
            if (row.cornerRadius > 0)
                data.cornerRadius = row.cornerRadius;
            if (row.across > 0)
                data.printedBar = PrintedBar {row.across, row.down};
            INFO("R " << row.cornerRadius << ", printer " << row.across << "," << row.down);
            REQUIRE(data.texts.error == ErrorKind::None);
            REQUIRE(sheetRefusal(data).empty());
            REQUIRE(cornerRadiusRefusal(data).empty());
            const SheetLayout layout = describeSheet(data, SheetPages::WithTemplate);
            const std::vector<PagePromises> &pages = layout.promises;
            CHECK(pages.size() == (paper == Paper::A4 ? row.pages : row.letterPages));
            CHECK(layout.pages.size() == pages.size());
            CHECK(describeSheet(data, SheetPages::SheetOnly).pages.size() == 2);
            // Every text in the PDF's fonts: none refused, none dropped.
            CHECK(layout.refusal.empty());
            std::vector<Page> drawnPages = layout.pages;
            if (largePageRefusal(data, "a PDF").empty())
                drawnPages.push_back(describeSheet(data, SheetPages::LargeTemplate).pages.at(0));
            for (std::size_t n = 0; n < drawnPages.size(); ++n) {
                INFO("page " << n + 1);
                CHECK(testing::offPage(drawnPages[n]) == "");
            }
            for (std::size_t n = 0; n < pages.size(); ++n) {
                const PagePromises &page = pages[n];
                const PageSize size = pageMillimetres(paper);
                // The paper, upright or, for tiles, on its side.
                const Page &drawn = layout.pages[n];
                CHECK(((drawn.width == size.width && drawn.height == size.height)
                       || (drawn.width == size.height && drawn.height == size.width)));
                for (const TextBlock &text : page.texts) {
                    INFO(describe(n, text));
                    CHECK(text.box.contains(text.used, slack));
                    CHECK(page.textArea.contains(text.used));
                }
                for (std::size_t a = 0; a < page.texts.size(); ++a) {
                    for (std::size_t b = a + 1; b < page.texts.size(); ++b) {
                        const Rect &one = page.texts[a].used;
                        const Rect &other = page.texts[b].used;
                        const double across = std::min(one.right(), other.right()) - std::max(one.x, other.x);
                        const double down = std::min(one.bottom(), other.bottom()) - std::max(one.y, other.y);
                        INFO(describe(n, page.texts[a]) << " overlaps " << describe(n, page.texts[b]));
                        CHECK((across < slack || down < slack));
                    }
                }
                for (const DrawnLength &length : page.lengths) {
                    INFO("page " << n + 1 << ": '" << length.label << "' at " << length.scale);
                    const double said = lastNumber(length.label);
                    const double scale = scaleOf(length.scale);
                    const double drawn = std::hypot(length.to.x - length.from.x, length.to.y - length.from.y);
                    // A label is rounded to 0.01 mm, and the rest of the feed
                    // side is the difference of three such labels, so that
                    // they add up on paper; the drawing is not rounded.
                    CHECK(std::abs(drawn - said * scale) <= 0.015 * std::max(scale, 1.0) + 0.002);
                    bool stated = length.scale == "1:1";
                    for (const TextBlock &text : page.texts)
                        stated = stated || text.text.ends_with(", " + length.scale)
                            || (length.scale.starts_with("100:")
                                && text.text.find("drawn for a printer that printed 100 mm as") != std::string::npos);
                    CHECK(stated);
                }
            }
            // The drawings that promise lengths: the plan and side view on
            // the sheet, every page of the template but its map, and its bars.
            CHECK(pages[0].lengths.size() == 7);
            // The feed side's sum adds up as printed, in whole hundredths,
            // and says END, the gap and the rest as the cut list does.
            const std::vector<std::string> sum = words(feedSideSum(data));
            REQUIRE(sum.size() >= 18);
            const auto hundredths = [&](std::string number) {
                const std::size_t separator = number.find(row.separator);
                std::string decimals = separator == std::string::npos ? "" : number.substr(separator + 1);
                number = number.substr(0, separator);
                decimals.resize(2, '0');
                return std::stol(number + decimals);
            };
            INFO(feedSideSum(data));
            CHECK(hundredths(sum[8]) + hundredths(sum[10]) + hundredths(sum[12]) == hundredths(sum[14]));
            if (row.cornerRadius > 0) {
                // "... 4 arcs = a + 3 x b + c + 4 x d = e mm, as the square's 4 x S - G."
                const std::vector<std::string> centre = words(centreLineSum(data));
                INFO(centreLineSum(data));
                REQUIRE(centre.size() == 43);
                const long total = hundredths(centre[33]);
                CHECK(hundredths(centre[21]) + 3 * hundredths(centre[25]) + hundredths(centre[27])
                          + 4 * hundredths(centre[31])
                      == total);
                CHECK(4 * hundredths(centre[40]) - hundredths(centre[42].substr(0, centre[42].size() - 1)) == total);
                // And the cut list says the runs and arcs that sum adds.
                const std::vector<CutRow> cuts = cutList(data);
                CHECK(cuts[1].millimetres == centre[25]);
                CHECK(cuts[2].millimetres == centre[21]);
                CHECK(cuts[3].millimetres == centre[27]);
                CHECK(cuts[4].millimetres == centre[31]);
                continue;
            }
            const std::vector<CutRow> cuts = cutList(data);
            CHECK(cuts[1].millimetres == sum[14]);
            CHECK(cuts[2].millimetres == sum[8]);
            CHECK(cuts[3].millimetres == sum[12]);
            CHECK(cuts[4].millimetres == sum[10]);
            for (const std::string &shown : {sum[8], sum[10], sum[12], sum[14]})
                CHECK(antennaReading(data).find(" " + shown + " mm") != std::string::npos);
            for (std::size_t n = 2; n < pages.size(); ++n)
                CHECK((pages[n].lengths.size() >= 3 || !pages[n].map.empty()));
        }
    }
}

TEST_CASE("the template fits, or the sheet says why")
{
    struct Row
    {
        const char *frequency;
        Paper paper;
        const char *why; // empty: drawn
    };
    const Row rows[] = {
        {"137.5", Paper::A4, ""}, // on two sheets
        {"137.5", Paper::Letter, ""},
        {"144", Paper::A4, ""},
        // 931.1 + 25.4 + 2 x 2 mm: 4 by 7 landscape sheets of 266 by 137 mm past the band
        {"28.5", Paper::A4,
         "No full-size template: the loop with its tubing is 961 mm across and would take 28 A4 sheets; --large-page "
         "writes it on one large page for a copy shop."},
        {"1.8", Paper::Letter,
         "No full-size template: the loop with its tubing is 14798 mm across and would take 5760 Letter sheets; at "
         "this size the cut list and a tape serve."},
        {"1296", Paper::A4, "No full-size template: these lengths cannot be built."},
        // 687 mm: 3 by 4 portrait sheets of 194 by 239 mm hold it; at 39.59
        // MHz it takes a fourth row (179 mm a row past the band).
        {"39.6", Paper::A4, ""},
        {"39.59", Paper::A4,
         "No full-size template: the loop with its tubing is 687 mm across and would take 15 A4 sheets; --large-page "
         "writes it on one large page for a copy shop."},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency));
        const TemplatePlan plan = templatePlan(sheetFor(row.frequency, ".", row.paper));
        CHECK(plan.why == row.why);
        CHECK(plan.drawn() == plan.why.empty());
    }
}

// A template across sheets, checked as a builder would: the sheets cover
// the loop whole, each overlaps its neighbour by at least the 15 mm band,
// a cross on one sheet stands at the same point of the loop on every
// other sheet that shows that point, and the names on the sheets agree
// with the map and with where the sheets lie.
TEST_CASE("a template across sheets")
{
    struct Row
    {
        const char *frequency;
        Paper paper;
        std::size_t sheets;
        bool landscape;
    };
    const Row rows[] = {
        // 206.5 mm: two sheets side by side upright or one above the other
        // on their side; portrait on a tie.
        {"137.5", Paper::A4, 2, false},    {"137.5", Paper::Letter, 2, false}, {"100", Paper::A4, 4, false},
        {"50.1", Paper::A4, 8, true}, // 6 m: 2 by 4 on their side, not 3 by 3 upright
        {"50.1", Paper::Letter, 9, false}, {"39.6", Paper::A4, 12, false}, // the most sheets a template takes
    };
    for (const Row &row : rows) {
        const std::string sheet = std::string(row.frequency) + (row.paper == Paper::A4 ? " on A4" : " on Letter");
        INFO(sheet);
        const SheetData data = sheetFor(row.frequency, ".", row.paper);
        const SheetLayout layout = describeSheet(data, SheetPages::WithTemplate);
        const std::vector<PagePromises> &pages = layout.promises;
        REQUIRE(layout.pages.size() > 3); // the sheet, the notes, the map, then the tiles
        CHECK((layout.pages[3].width > layout.pages[3].height) == row.landscape);
        std::vector<const PagePromises *> tiles;
        const PagePromises *map = nullptr;
        for (const PagePromises &page : pages) {
            if (page.tile)
                tiles.push_back(&page);
            if (!page.map.empty())
                map = &page;
        }
        REQUIRE(tiles.size() == row.sheets);
        REQUIRE(map == &pages[2]); // the template's first page
        CHECK(tiles.front() == &pages[3]);

        // Whole: every point of the loop with its tubing, a millimetre apart.
        const double side = data.state.HorizontalSide;
        const double reach = data.state.ElementDiameter / 2;
        const auto shows = [](const TileView &tile, Point p) {
            return p.x >= tile.window.x && p.x <= tile.window.right() && p.y >= tile.window.y
                && p.y <= tile.window.bottom();
        };
        std::size_t unshown = 0;
        for (double x = -reach; x <= side + reach; x += 1) {
            for (double y = -reach; y <= side + reach; y += 1) {
                bool shown = false;
                for (const PagePromises *tile : tiles)
                    shown = shown || shows(*tile->tile, {x, y});
                unshown += !shown;
            }
        }
        CHECK(unshown == 0);
        // Neighbours: sheets side by side overlap by at least the band.
        for (const PagePromises *one : tiles) {
            for (const PagePromises *other : tiles) {
                const Rect &a = one->tile->window;
                const Rect &b = other->tile->window;
                const double across = std::min(a.right(), b.right()) - std::max(a.x, b.x);
                const double down = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
                if (one != other && across > 0 && down > 0)
                    CHECK(std::min(across, down) >= 15 - 1e-9);
            }
            // What the sheet shows lies on it, inside its margins.
            const Rect &onPage = one->tile->onPage;
            CHECK(one->textArea.contains(onPage));
            CHECK(onPage.width == doctest::Approx(one->tile->window.width));
        }
        // Crosses: each in an overlap, on every sheet that shows its point.
        std::size_t crosses = 0;
        for (const PagePromises *one : tiles) {
            const TileView &view = *one->tile;
            for (const Point &cross : one->crosses) {
                const Point loop {cross.x - view.onPage.x + view.window.x, cross.y - view.onPage.y + view.window.y};
                std::size_t holders = 0;
                for (const PagePromises *other : tiles) {
                    if (!shows(*other->tile, loop))
                        continue;
                    ++holders;
                    bool found = false;
                    for (const Point &mark : other->crosses) {
                        const Point there {mark.x - other->tile->onPage.x + other->tile->window.x,
                                           mark.y - other->tile->onPage.y + other->tile->window.y};
                        found = found || (std::abs(there.x - loop.x) < 1e-9 && std::abs(there.y - loop.y) < 1e-9);
                    }
                    INFO(view.label << " and " << other->tile->label << " at " << loop.x << ", " << loop.y);
                    CHECK(found);
                }
                CHECK(holders >= 2);
                ++crosses;
            }
        }
        CHECK(crosses >= 2 * (tiles.size() - 1));
        // Names: A, B, ... from the top, 1, 2, ... from the left; each
        // neighbour named on its side; the map's cells where the sheets lie.
        for (const PagePromises *one : tiles) {
            const TileView &view = *one->tile;
            REQUIRE(view.label.size() == 2);
            std::string neighbours;
            for (const TextBlock &text : one->texts) {
                if (text.text.starts_with("Sheet "))
                    neighbours = text.text;
            }
            for (const PagePromises *other : tiles) {
                const TileView &them = *other->tile;
                const double dx = them.window.x - view.window.x;
                const double dy = them.window.y - view.window.y;
                CHECK((them.label[0] < view.label[0]) == (dy < -1e-9));
                CHECK((them.label[1] < view.label[1]) == (dx < -1e-9));
                const char *side = dy < -1e-9 && dx == 0 ? "above"
                    : dy > 1e-9 && dx == 0               ? "below"
                    : dx < -1e-9 && dy == 0              ? "on the left"
                    : dx > 1e-9 && dy == 0               ? "on the right"
                                                         : nullptr;
                const bool touching = std::abs(dx) < view.window.width && std::abs(dy) < view.window.height;
                const bool named = neighbours.find(them.label + " joins " + (side ? side : "")) != std::string::npos;
                INFO(neighbours);
                CHECK(named == (side != nullptr && touching));
                const MapCell *mine = nullptr;
                const MapCell *theirs = nullptr;
                for (const MapCell &cell : map->map) {
                    mine = cell.label == view.label ? &cell : mine;
                    theirs = cell.label == them.label ? &cell : theirs;
                }
                REQUIRE((mine && theirs));
                CHECK((theirs->cell.x - mine->cell.x) * (dx) >= 0);
                CHECK((theirs->cell.y - mine->cell.y) * (dy) >= 0);
                CHECK(theirs->cell.width / them.window.width == doctest::Approx(mine->cell.width / view.window.width));
            }
        }
    }
}

// The notes' narrower feed gap below the design point: what the gap loses
// goes half to END and half to the rest (an odd hundredth to END), and
// the sheet shows what is built. Worked by hand from the 50.1 MHz design:
// SIDE 529.69, END 345.81, GAP 109.78, rest 74.1.
TEST_CASE("a narrowed feed gap")
{
    struct Row
    {
        const char *frequency;
        float gap;
        const char *refusal;
        const char *sum;
    };
    const Row rows[] = {
        {"50.1", 30, "", "Feed side: END + feed gap + rest = 385.7 + 30 + 113.99 = 529.69 mm, the side of the square."},
        {"50.1", 30.01f, "",
         "Feed side: END + feed gap + rest = 385.7 + 30.01 + 113.98 = 529.69 mm, the side of the square."},
        {"50.1", 109.78f, "",
         "Feed side: END + GAP + rest = 345.81 + 109.78 + 74.1 = 529.69 mm, the side of the square."}, // as designed
        {"50.1", 12.7f, "",
         "Feed side: END + feed gap + rest = 394.35 + 12.7 + 122.64 = 529.69 mm, the side of the square."},
        {"50.1", 12.6f, "--feed-gap 12.6 is narrower than the 12.7 mm tubing", ""},
        {"50.1", 109.79f, "--feed-gap 109.79 is wider than the design's 109.78 mm gap", ""},
        {"137.5", 30,
         "--feed-gap narrows the gap below 137.5 MHz only; at and above it the gap stays the design's 40 mm", ""},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency), " ", row.gap);
        SheetData data = sheetFor(row.frequency, ".", Paper::A4);
        CHECK(feedGapRefusal(data, row.gap) == row.refusal);
        if (*row.refusal)
            continue;
        data.feedGap = row.gap;
        CHECK(feedSideSum(data) == row.sum);
        const bool narrowed = row.gap < 109.78f;
        const std::vector<CutRow> cuts = cutList(data);
        REQUIRE(cuts.size() == (narrowed ? 6 : 5));
        if (narrowed) {
            CHECK(cuts[4].piece == "Feed gap, narrowed");
            CHECK(cuts[5].millimetres == "109.78"); // the verticals stay the design's gap apart
            CHECK(antennaReading(data).find("The feed gap is narrowed from 109.78 to ") != std::string::npos);
        }
        // Both drawings and the template show what is built, true to scale.
        for (const PagePromises &page : describeSheet(data, SheetPages::WithTemplate).promises) {
            for (const DrawnLength &length : page.lengths) {
                if (length.label.starts_with("FEED GAP") || length.label.starts_with("feed gap"))
                    CHECK(lastNumber(length.label) == doctest::Approx(row.gap).epsilon(1e-6));
                if (length.label.starts_with("GAP\n"))
                    CHECK(lastNumber(length.label) == doctest::Approx(109.78));
            }
        }
    }
}

// Bent at 137.5 MHz with R 15, worked by hand: arcs pi 15 / 2 = 23.56, each
// side 193 + 30 - 23.56 = 199.44, END and the rest 3.22 longer; runs
// 169.44, 114.22 and 15.22; one tube 732 = 4 x 193 - 40, its bends from
// 114.22, then every 169.44 + 23.56 = 193 mm.
TEST_CASE("corners bent on the sheet")
{
    SheetData data = sheetFor("137.5", ".", Paper::A4);
    data.cornerRadius = 15;
    CHECK(feedSideSum(data)
          == "Feed side: END + GAP + rest = 129.22 + 40 + 30.22 = 199.44 mm, the side of the square.");
    CHECK(
        centreLineSum(data)
        == "Centre line, gap end to gap end: END's run + 3 side runs + the rest's run + 4 arcs = 114.22 + 3 x 169.44 + "
           "15.22 + 4 x 23.56 = 732 mm, as the square's 4 x 193 - 40.");
    const std::vector<CutRow> cuts = cutList(data);
    REQUIRE(cuts.size() == 6);
    const char *expected[][3] = {
        {"Vertical element (one up, one down)", "2", "237.99"},
        {"Loop side: straight run between two bends", "3", "169.44"},
        {"Feed side: END's straight run, from the gap", "1", "114.22"},
        {"Feed side: the rest's straight run", "1", "15.22"},
        {"Corner: arc of 15 mm radius", "4", "23.56"},
        {"Feed gap, and the verticals' spacing", "-", "40"},
    };
    for (std::size_t n = 0; n < cuts.size(); ++n) {
        CHECK(cuts[n].piece == expected[n][0]);
        CHECK(cuts[n].count == expected[n][1]);
        CHECK(cuts[n].millimetres == expected[n][2]);
    }
    CHECK(antennaReading(data).find("each side 199.44 mm between the tangents' meeting points") != std::string::npos);
    // The template's runs, arc end to arc end, at full size; the plan's
    // SIDE between the tangents' meeting points.
    const SheetLayout layout = describeSheet(data, SheetPages::WithTemplate);
    bool planSide = false;
    std::size_t runs = 0;
    for (const PagePromises &page : layout.promises) {
        for (const DrawnLength &length : page.lengths) {
            planSide = planSide || length.label == "SIDE\n199.44";
            if (length.label == "side run 169.44 mm")
                ++runs;
        }
    }
    CHECK(planSide);
    CHECK(runs >= 3);
    // Refused where it cannot be bent so, the same words as varnel-calc's.
    data.cornerRadius = 40;
    CHECK(cornerRadiusRefusal(data)
          == "with corners of 40 mm radius a straight run would be -4.42 mm, shorter than the 9.5 mm tube is wide");
}

// A printer that prints 100 mm as 98.6 across and 99.2 down: every
// full-size page drawn 100 / 98.6 wider and 100 / 99.2 taller, the sheet's
// own pages and the map as they were.
TEST_CASE("a template drawn for a printer")
{
    SheetData data = sheetFor("137.5", ".", Paper::A4);
    data.printedBar = PrintedBar {98.6, 99.2};
    const SheetLayout plain = describeSheet(sheetFor("137.5", ".", Paper::A4), SheetPages::WithTemplate);
    const SheetLayout layout = describeSheet(data, SheetPages::WithTemplate);
    REQUIRE(layout.pages.size() == 6);
    for (std::size_t n = 0; n < 3; ++n) // the sheet, the notes, the map
        CHECK(layout.promises[n].texts.size() == plain.promises[n].texts.size());
    const PagePromises &tile = layout.promises[3];
    bool bar = false;
    bool side = false;
    for (const DrawnLength &length : tile.lengths) {
        const double drawn = std::hypot(length.to.x - length.from.x, length.to.y - length.from.y);
        if (length.label == "This bar is 100 mm long") {
            bar = true;
            CHECK(drawn == doctest::Approx(101.4199).epsilon(1e-5)); // 100 / 0.986
            CHECK(length.scale == "100:98.6");
        }
        if (length.label == "SIDE 193 mm" && length.from.x == length.to.x) {
            side = true;
            CHECK(drawn == doctest::Approx(194.5566).epsilon(1e-5)); // 193.000122 / 0.992
            CHECK(length.scale == "100:99.2");
        }
    }
    CHECK(bar);
    CHECK(side);
    bool said = false;
    for (const TextBlock &text : tile.texts)
        said = said
            || text.text.find("drawn for a printer that printed 100 mm as 98.6 mm across and 99.2 mm down")
                != std::string::npos;
    CHECK(said);
    CHECK(layout.pages[3].width == 210);

    const struct
    {
        const char *text;
        const char *separator;
        double across; // 0: refused
        double down;
    } bars[] = {
        {"98.6", ".", 98.6, 98.6}, {"98.6,99.2", ".", 98.6, 99.2}, {"98,6;99,2", ",", 98.6, 99.2},
        {"90", ".", 90, 90},       {"110", ".", 110, 110},         {"89.9", ".", 0, 0},
        {"98.6,110.1", ".", 0, 0}, {"98,6,99,2", ",", 0, 0},       {"", ".", 0, 0},
        {"98,6", ",", 98.6, 98.6}, // a comma locale's one value
    };
    for (const auto &row : bars) {
        INFO(row.text);
        const std::optional<PrintedBar> parsed = parsePrintedBar(row.text, row.separator);
        CHECK(parsed.has_value() == (row.across > 0));
        if (parsed) {
            CHECK(parsed->across == row.across);
            CHECK(parsed->down == row.down);
        }
    }
}

// For a copy shop: the template alone on the smallest large page that holds
// it, A3 to A0, or Tabloid to ANSI E where the paper is Letter; past A0 the
// drawing's own size, 8 mm margins round a 542 mm loop (529.69 + 12.7).
TEST_CASE("the large page")
{
    struct Row
    {
        const char *frequency;
        Paper paper;
        const char *name;
        double width;
        double height;
    };
    const Row rows[] = {
        {"146", Paper::A4, "A3", 297, 420},
        {"100", Paper::A4, "A3", 297, 420},
        {"100", Paper::Letter, "ANSI C", 431.8, 558.8}, // the loop with its tubing is wider than Tabloid holds
        {"50.1", Paper::A4, "A1", 594, 841},
        {"50.1", Paper::Letter, "ANSI D", 558.8, 863.6},
        {"14.2", Paper::A4, "", 1911, 1947},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency));
        const SheetData data = sheetFor(row.frequency, ".", row.paper);
        const LargePage large = largePage(data);
        CHECK(large.name == row.name);
        const SheetLayout layout = describeSheet(data, SheetPages::LargeTemplate);
        REQUIRE(layout.pages.size() == 1);
        CHECK(layout.pages[0].width == doctest::Approx(row.width));
        CHECK(layout.pages[0].height == doctest::Approx(row.height));
        const PagePromises &page = layout.promises[0];
        CHECK(page.lengths.size() >= 8); // the loop's pieces and both bars
        for (const TextBlock &text : page.texts)
            CHECK(page.textArea.contains(text.used));
    }
}

// Every word of both notes, in order, and the gap note a paragraph of its own.
TEST_CASE("the notes reflowed into paragraphs")
{
    const std::vector<std::string> paragraphs = noteParagraphs();
    REQUIRE(paragraphs.size() == 6);
    std::string joined;
    for (const std::string &paragraph : paragraphs) {
        CHECK(paragraph.find('\n') == std::string::npos);
        joined += paragraph + " ";
    }
    CHECK(words(joined) == words(std::string(kGeneralNotes) + std::string(kGapNote)));
    CHECK(words(paragraphs.back()) == words(std::string(kGapNote)));
    CHECK(paragraphs[3].starts_with("Having both polarizations"));
}

TEST_CASE("drawing scales")
{
    struct Row
    {
        double length;
        double room;
        const char *scale;
    };
    const Row rows[] = {
        {193.0, 59.0, "1:4"}, // 193 mm in 59
        {118.0, 59.0, "1:2"}, // exactly at the room
        {61.01, 58.0, "1:2"},     {58.0, 58.0, "1:1"}, // fits as it is
        {2.65, 58.0, "20:1"}, // enlarged
        {26537.6, 58.0, "1:500"}, {20.48, 58.0, "2.5:1"},
    };
    for (const Row &row : rows) {
        INFO(row.length, " in ", row.room);
        const DrawingScale scale = drawingScale(row.length, row.room);
        CHECK(scale.text == row.scale);
        CHECK(row.length * scale.factor <= row.room);
    }
}

TEST_CASE("SOURCE_DATE_EPOCH")
{
    struct Row
    {
        const char *value;
        const char *date; // empty: refused
    };
    const Row rows[] = {
        {"0", "1970-01-01"},
        {"1765324799", "2025-12-09"}, // a day's last second
        {"1765324800", "2025-12-10"},
        {"253402300799", "9999-12-31"},
        {"253402300800", ""}, // year 10000
        {"99999999999999", ""},
        {"-1", ""},
        {"1.5", ""},
        {" 1", ""},
        {"", ""},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.value));
        const std::optional<long long> epoch = sourceDateEpoch(row.value);
        CHECK((epoch ? isoDate(*epoch) : std::string()) == row.date);
    }
}

TEST_CASE("frequencies a sheet is refused for")
{
    struct Row
    {
        const char *frequency;
        const char *reason; // empty: drawn
    };
    const Row rows[] = {
        {"-137.5", "-137.5 MHz gives lengths that are not positive, so there is nothing to build"},
        {"1e-30", "1E-30 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"0.0999", "0.0999 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"10001", "10001 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"1e38", "1E+38 MHz is outside the 0.1 to 10000 MHz a build sheet is drawn for"},
        {"0.1", ""},
        {"10000", ""},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.frequency));
        const SheetData data = computeSheet(row.frequency, ".");
        REQUIRE(data.texts.error == ErrorKind::None);
        CHECK(sheetRefusal(data) == row.reason);
    }
}

TEST_CASE("the format by the file's suffix")
{
    struct Row
    {
        const char *path;
        int format; // -1: refused
    };
    const Row rows[] = {
        {"sheet.pdf", int(SheetFormat::Pdf)},
        {"/tmp/SHEET.PDF", int(SheetFormat::Pdf)},
        {"a.b.svg", int(SheetFormat::Svg)},
        {"sheet.png", int(SheetFormat::Png)},
        {"sheet", -1},
        {"sheet.doc", -1},
        {"pdf.sheet", -1},
        {"x.pdf/sheet", -1}, // a folder's suffix only
        {"out/.pdf", -1}, // a hidden file named .pdf
    };
    for (const Row &row : rows) {
        INFO(std::string(row.path));
        const std::optional<SheetFormat> format = sheetFormatFor(row.path);
        CHECK((format ? int(*format) : -1) == row.format);
    }
}

// Numbers as the PDF and SVG write them: rounded to 0.0001 from the binary
// value, worked out by hand. A4's 210 by 297 mm are 595.27559... by
// 841.88976... points.
TEST_CASE("numbers as the files write them")
{
    struct Row
    {
        double value;
        const char *text;
    };
    const Row rows[] = {
        {210 * 72 / 25.4, "595.2756"},
        {297 * 72 / 25.4, "841.8898"},
        {594 * 72 / 25.4, "1683.7795"}, // A1's width: 1683.77952...
        {612, "612"},
        {0.5, "0.5"},
        {-12.25, "-12.25"},
        {0.00004, "0"},
        {-0.00004, "0"}, // never "-0"
        {0.00006, "0.0001"},
        {-0.00006, "-0.0001"},
        {2.83464566929, "2.8346"}, // points in a mm
        {1e9, "1000000000"},
        {0.12344999, "0.1234"},
        {0.12345001, "0.1235"},
    };
    for (const Row &row : rows) {
        INFO(row.value);
        CHECK(vectorNumber(row.value) == row.text);
    }
}

// The PDF's cross-reference table read as a reader reads it, by this test
// rather than by the writer: startxref points at it, it has an entry for
// every object up to /Size, and each entry's offset is where that object
// begins.
TEST_CASE("the PDF's cross-reference table")
{
    for (const char *frequency : {"137.5", "50.1", "435"}) {
        INFO(frequency);
        SheetData data = sheetFor(frequency, ".", Paper::A4);
        SheetRequest request;
        const std::string pdf = sheetFile(request, data, {}).bytes;
        const std::size_t startxref = pdf.rfind("startxref\n");
        REQUIRE(startxref != std::string::npos);
        const std::size_t table = std::stoul(pdf.substr(startxref + 10));
        REQUIRE(pdf.compare(table, 7, "xref\n0 ") == 0);
        const std::size_t count = std::stoul(pdf.substr(table + 7));
        CHECK(pdf.find("/Size " + std::to_string(count) + " ") != std::string::npos);
        std::size_t entry = pdf.find('\n', table + 7) + 1;
        CHECK(pdf.compare(entry, 20, "0000000000 65535 f \n") == 0);
        std::size_t objects = 0;
        for (std::size_t n = 1; n < count; ++n) {
            entry += 20;
            const std::size_t offset = std::stoul(pdf.substr(entry, 10));
            CHECK(pdf.compare(entry + 10, 10, " 00000 n \n") == 0);
            const std::string header = std::to_string(n) + " 0 obj\n";
            CHECK(pdf.compare(offset, header.size(), header) == 0);
            ++objects;
        }
        // Five objects and two for each page: the page and its contents.
        const std::size_t pages = describeSheet(data, SheetPages::WithTemplate).pages.size();
        CHECK(objects == 5 + 2 * pages);
        CHECK(pdf.compare(entry + 20, 7, "trailer") == 0);
    }
}

// Widths as Adobe publishes them for Helvetica, summed by hand: ten digits
// of 556 are 5.56 em, at 10 pt 55.6 pt.
TEST_CASE("text measured by the standard fonts' widths")
{
    struct Row
    {
        const char *text;
        Face face;
        double points; // the width, in points at 10 pt
    };
    const Row rows[] = {
        {"0123456789", Face::Regular, 55.6},
        {"Cut list", Face::Bold, 33.89}, // C 722 u 611 t 333 blank 278 l 278 i 278 s 556 t 333
        {"MHz", Face::Regular, 20.55}, // M 833 H 722 z 500
        {"\xC2\xB5"
         "F",
         Face::Regular, 11.67}, // micro 556, F 611
        {"W", Face::Bold, 9.44},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.text));
        CHECK(textWidth({row.face, 10}, row.text) == doctest::Approx(row.points * kMillimetresPerPoint).epsilon(1e-9));
    }
}

// What the PDF's fonts can say, and a refusal in one line for what they
// cannot, never a character dropped.
TEST_CASE("text in the PDF's encoding")
{
    struct Row
    {
        const char *text;
        const char *bytes; // nullptr: refused
        const char *missing;
    };
    const Row rows[] = {
        {"137,5 MHz", "137,5 MHz", ""},
        {"22 \xC2\xB5"
         "F",
         "22 \xB5"
         "F",
         ""}, // micro
        {"\xE2\x80\x93", "\x96", ""}, // en dash, 0x96 in WinAnsi
        {"1\xD9\xAB"
         "5",
         nullptr, "U+066B"}, // the Arabic decimal separator
        {"f\xFCr", nullptr, "byte \\xFC"}, // not UTF-8
        {"\xF0\x9F\x98\x80", nullptr, "U+1F600"},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.text));
        const std::optional<std::string> bytes = winAnsi(row.text);
        CHECK(bytes.has_value() == (row.bytes != nullptr));
        if (bytes && row.bytes)
            CHECK(*bytes == row.bytes);
        CHECK(firstCharacterWithoutWinAnsi(row.text) == row.missing);
        // Refused where it is added to a page, so that no format draws it,
        // and by the PDF writer for a page made by hand.
        Page page;
        PagePromises promises;
        PageBuilder builder(page, promises);
        builder.text({10, 10, 100, 10}, AlignLeft, row.text);
        CHECK(page.items.empty() == !row.bytes);
        CHECK((builder.refusal().find(std::string(row.missing) + ") that the PDF's standard fonts cannot show")
               != std::string::npos)
              == !row.bytes);
        if (!row.bytes) {
            page.items.emplace_back(TextRun {{10, 10}, {}, kBlack, row.text});
            const PdfResult pdf = writePdf({page}, {"title", "varnel-sheet", 0});
            CHECK(pdf.bytes.empty());
            CHECK(pdf.error == builder.refusal());
        }
    }
}

// varnel-sheet's command line: what it writes, where it refuses, and the
// one line it says, on every system.
TEST_CASE("varnel-sheet's command line")
{
    testing::ScratchFolder folder("varnel-sheet-cli");
    const std::string pdf = (folder.path() / "sheet.pdf").string();
    const std::string svg = (folder.path() / "sheet.svg").string();
    const std::string png = (folder.path() / "sheet.png").string();
    struct Row
    {
        std::vector<std::string> args;
        const char *epoch; // SOURCE_DATE_EPOCH; nullptr: unset
        int status;
        std::string said; // the first line on standard error; empty: none
        std::string file; // written, and begins so; empty: none
        const char *separator = "."; // the locale's
    };
    const Row rows[] = {
        {{"137.5", "-o", pdf}, "1765238400", kExitOk, "", "%PDF-1.6"},
        {{"--page=LETTER", "137.5", "-o", pdf}, "0", kExitOk, "", "%PDF-1.6"},
        {{"435", "--output", svg},
         nullptr,
         kExitOk,
         "varnel-sheet: warning: 435 MHz is outside the 0 to 250 MHz the design is made for; computed as the window "
         "does",
         "<?xml"},
        {{}, nullptr, kExitUsage, "varnel-sheet: give one frequency in MHz", ""},
        {{"137.5"}, nullptr, kExitUsage, "varnel-sheet: give the file to write with -o FILE (.pdf, .svg or .png)", ""},
        {{"137.5", "-o", "sheet.doc"},
         nullptr,
         kExitUsage,
         "varnel-sheet: sheet.doc: the file's suffix must be .pdf, .svg or .png",
         ""},
        {{"--page", "a5", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --page takes a4 or letter, not 'a5'",
         ""},
        {{"--colour", "137.5", "-o", pdf}, nullptr, kExitUsage, "varnel-sheet: unknown option '--colour'", ""},
        // An echo is escaped: the usage error stays one line.
        {{"--out\nput", "137.5", "-o", pdf}, nullptr, kExitUsage, "varnel-sheet: unknown option '--out\\nput'", ""},
        {{"-v\x01", "137.5"}, nullptr, kExitUsage, "varnel-sheet: unknown option '-v\\x01'", ""},
        {{"137.5", "-o", pdf},
         "1.5",
         kExitUsage,
         "varnel-sheet: SOURCE_DATE_EPOCH must be whole seconds since 1970 up to the year 9999, not '1.5'",
         ""},
        {{"abc", "-o", pdf}, nullptr, kExitCannotCompute, "varnel-sheet: 'abc': Type mismatch", ""},
        {{"-137.5", "-o", pdf},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: -137.5 MHz gives lengths that are not positive, so there is nothing to build",
         ""},
        {{"137.5", "-o", png},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: " + png + ": PNG cannot be drawn here; write the sheet as PDF or SVG",
         ""},
        {{"--feed-gap", "30", "50.1", "-o", pdf}, nullptr, kExitOk, "", "%PDF-1.6"},
        {{"--corner-radius", "15", "--coax", "75:0.82", "--printed-bar", "98.6,99.2", "137.5", "-o", pdf},
         nullptr,
         kExitOk,
         "",
         "%PDF-1.6"},
        {{"--printed-bar", "98,6;99,2", "137,5", "-o", pdf}, nullptr, kExitOk, "", "%PDF-1.6", ","},
        {{"--corner-radius", "4", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --corner-radius: a corner radius of 4 mm is less than half the 9.5 mm tubing",
         ""},
        {{"--corner-radius", "-3", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --corner-radius takes a centre-line radius in mm, up to 10000, not '-3'",
         ""},
        {{"--printed-bar", "85", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --printed-bar takes what the 100 mm bar measured, 90 to 110 mm, not '85': a printer further "
         "off is scaling to fit the page; print at 100 % and measure again",
         ""},
        {{"--coax", "50", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --coax takes an impedance of 10 to 300 ohm and a velocity factor of 0.5 to 1, as 50:0.66, not "
         "'50'",
         ""},
        // In a comma locale, the gap as the frequency: with its comma.
        {{"--feed-gap", "30,5", "50,1", "-o", pdf}, nullptr, kExitOk, "", "%PDF-1.6", ","},
        // Not UTF-8: an overlong slash and an encoded surrogate, echoed as
        // their bytes.
        {{"\xC0\xAF", "-o", pdf}, nullptr, kExitCannotCompute, "varnel-sheet: '\\xC0\\xAF': Type mismatch", ""},
        {{"1\xED\xA0\xBD", "-o", pdf},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: '1\\xED\\xA0\\xBD': Type mismatch",
         ""},
        {{"--feed-gap", "30", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --feed-gap narrows the gap below 137.5 MHz only; at and above it the gap stays the design's 40 "
         "mm",
         ""},
        {{"--feed-gap", "wide", "50.1", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: --feed-gap takes a width in mm, not 'wide'",
         ""},
        {{"--large-page", "50.1", "-o", pdf}, nullptr, kExitOk, "", "%PDF-1.6"},
        {{"--from", "side=195", "-o", pdf}, "0", kExitOk, "", "%PDF-1.6"},
        {{"--from", "side=195", "137.5", "-o", pdf},
         nullptr,
         kExitUsage,
         "varnel-sheet: give one frequency in MHz, or --from, not both",
         ""},
        {{"--large-page", "50.1", "-o", png},
         nullptr,
         kExitUsage,
         "varnel-sheet: --large-page writes a .pdf or an .svg, not a .png",
         ""},
        {{"--large-page", "1.8", "-o", pdf},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: --large-page: the template needs a page of 14810 by 14846 mm, and a PDF page is at most 5080 "
         "by "
         "5080 mm",
         ""},
        // 5058 mm across fits the limit; with its title and bars, 5110 mm
        // down does not.
        {{"--large-page", "--page", "letter", "5.3", "-o", svg},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: --large-page: the template needs a page of 5074 by 5110 mm, and an SVG page is at most 5080 by "
         "5080 mm",
         ""},
        {{"--large-page", "800", "-o", pdf},
         nullptr,
         kExitCannotCompute,
         "varnel-sheet: --large-page: these lengths cannot be built, so there is no full-size template to draw",
         ""},
        {{"--help"}, nullptr, kExitOk, "", ""},
#ifdef _WIN32
        {{"/?"}, nullptr, kExitOk, "", ""},
#endif
    };
    for (const Row &row : rows) {
        std::string line;
        for (const std::string &arg : row.args)
            line += arg + " ";
        INFO(line);
        std::filesystem::remove(pdf);
        std::filesystem::remove(svg);
        SheetSystem system;
        system.decimalSeparator = row.separator;
        system.today = "2026-12-09";
        if (row.epoch)
            system.sourceDateEpoch = row.epoch;
        std::ostringstream out;
        std::ostringstream err;
        CHECK(runSheetCli(row.args, out, err, system) == row.status);
        const std::string said = err.str();
        CHECK(said.substr(0, said.find('\n')) == row.said);
        const bool help = !row.args.empty() && (row.args[0] == "--help" || row.args[0] == "/?");
        CHECK(out.str().starts_with("Usage: varnel-sheet ") == help);
        const std::string written = row.args.size() > 2 ? row.args.back() : std::string();
        const bool exists = !written.empty() && std::filesystem::exists(written);
        CHECK(exists == !row.file.empty());
        if (exists) {
            std::ifstream file(written, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            CHECK(bytes.starts_with(row.file));
            // Letter is 612 by 792 points, A4 595.2756 by 841.8898, A1
            // 1683.7795 by 2383.937.
            if (row.args[0] == "--page=LETTER")
                CHECK(bytes.find("/MediaBox [0 0 612 792]") != std::string::npos);
            else if (row.args[0] == "--large-page")
                CHECK(bytes.find("/MediaBox [0 0 1683.7795 2383.937]") != std::string::npos);
            else if (row.file == "%PDF-1.6")
                CHECK(bytes.find("/MediaBox [0 0 595.2756 841.8898]") != std::string::npos);
        }
    }
}

// The notes page's capacitors at 50.1 MHz: pairs worked by hand, stubs by
// Python's math.atan (560.71 and 223.81 mm), the first past an eighth of a
// wavelength in the cable.
TEST_CASE("the capacitors from parts or a piece of coax")
{
    const SheetData data = sheetFor("50.1", ".", Paper::A4);
    const std::vector<CapacitorChoice> choices = capacitorChoices(data);
    REQUIRE(choices.size() == 2);
    CHECK(choices[0].value == "78.77 pF");
    CHECK(choices[0].pair == "68 pF and 10 pF in parallel make 78 pF, 0.77 pF under, which may be 70.7 to 85.3 pF");
    CHECK(choices[0].stub == "560.7 mm *");
    CHECK(choices[1].pair == "22 pF and 1.5 pF in parallel make 23.5 pF, 0.13 pF under, which may be 20.8 to 26.2 pF");
    CHECK(choices[1].stub == "223.8 mm");
    CHECK(stubHeading(data) == "Open stub of 50 ohm coax, velocity factor 0.66");
    CHECK(stubNote(data).find("* longer than an eighth of a wavelength") != std::string::npos);
    // At the design point one part is as near as any pair.
    const std::vector<CapacitorChoice> design = capacitorChoices(sheetFor("137.5", ".", Paper::A4));
    CHECK(design[0].pair == "-");
    CHECK(design[0].stub == "220.3 mm *");
    CHECK(design[1].stub == "93.1 mm");
}
