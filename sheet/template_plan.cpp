#include "sheet/template_plan.h"

#include "numbers/number_text.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"
#include "sheet/page_drawing.h"
#include "sheet/standard_fonts.h"

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr double kRodRoom = kRodGap + kRodWordsWidth;
constexpr double kCrossSpacing = 30; // mm between two crosses along a band
constexpr double kGrid = 10; // mm: the crosses stand on this grid

double loopWidth(const SheetData &data)
{
    return feedSide(data).side + data.state.ElementDiameter;
}

double verticalLength(const SheetData &data)
{
    return static_cast<double>(data.state.VerticalHeight) + data.state.ElementDiameter;
}

std::string paperName(Paper page)
{
    return std::string(paperFacts(page).name);
}

PageSize turned(PageSize size, bool landscape)
{
    return landscape ? PageSize {size.height, size.width} : size;
}

// The room a tile shows of the loop on a page of this size.
PageSize tileRoom(PageSize page)
{
    return {page.width - 2 * kTemplateMargin,
            page.height - 2 * kTemplateMargin - kTileTitleHeight - kTemplateFootHeight};
}

int tilesAcross(double length, double room)
{
    if (length <= room)
        return 1;
    if (room <= kTileOverlap)
        return 1000;
    return static_cast<int>(std::ceil((length - kTileOverlap) / (room - kTileOverlap)));
}

// The nearest line of the crosses' grid to `x`.
double onGrid(double x)
{
    return std::round(x / kGrid) * kGrid;
}

// Crosses along a band that two neighbours share: on the grid's line
// nearest its middle, every kCrossSpacing along it, none within 5 mm of
// its ends.
void crossesAlong(const Rect &band, bool upright, std::vector<Point> &crosses)
{
    if (upright) {
        const double x = onGrid(band.x + band.width / 2);
        for (double y = std::ceil((band.y + 5) / kCrossSpacing) * kCrossSpacing; y <= band.bottom() - 5;
             y += kCrossSpacing)
            crosses.push_back({x, y});
    } else {
        const double y = onGrid(band.y + band.height / 2);
        for (double x = std::ceil((band.x + 5) / kCrossSpacing) * kCrossSpacing; x <= band.right() - 5;
             x += kCrossSpacing)
            crosses.push_back({x, y});
    }
}

Rect common(const Rect &a, const Rect &b)
{
    const double left = std::max(a.x, b.x);
    const double top = std::max(a.y, b.y);
    return {left, top, std::min(a.right(), b.right()) - left, std::min(a.bottom(), b.bottom()) - top};
}

const Tile *tileAt(const std::vector<Tile> &tiles, int row, int column)
{
    for (const Tile &tile : tiles) {
        if (tile.row == row && tile.column == column)
            return &tile;
    }
    return nullptr;
}

// Which labels each tile shows, and where.
void placeLabels(const SheetData &data, std::vector<Tile> &tiles)
{
    for (const LoopLabel &label : loopLabels(data)) {
        const Rect &box = label.box;
        const Point middle {box.x + box.width / 2, box.y + box.height / 2};
        const Tile *owner = nullptr;
        for (const Tile &tile : tiles) {
            if (tile.window.contains(box))
                owner = &tile;
        }
        for (const Tile &tile : tiles) {
            if (!owner && middle.x >= tile.window.x && middle.x < tile.window.right() && middle.y >= tile.window.y
                && middle.y < tile.window.bottom())
                owner = &tile;
        }
        for (Tile &tile : tiles) {
            if (tile.window.contains(box)) {
                tile.labels.push_back(label);
            } else if (owner == &tile) {
                // Into the part no neighbour shares, clear of the crosses.
                const Rect room = tile.own.width >= box.width && tile.own.height >= box.height ? tile.own : tile.window;
                LoopLabel moved = label;
                moved.box.x = std::clamp(box.x, room.x, room.right() - box.width);
                moved.box.y = std::clamp(box.y, room.y, room.bottom() - box.height);
                tile.labels.push_back(moved);
            }
        }
    }
}

} // namespace

std::vector<LoopLabel> loopLabels(const SheetData &data)
{
    const PlanGeometry plan(data, {0, 0}, 1);
    const double inner = data.state.ElementDiameter / 2 + 1;
    const double bottom = plan.bottomLeft.y - inner;
    const FeedSide built = feedSide(data);
    struct Place
    {
        double x;
        double top;
        unsigned align;
        std::string text;
        bool inside; // kept inside the square
    };
    // Bent, a piece is cut to its straight run, and that is what it says.
    const std::optional<BentLoop> &bends = built.bends;
    const std::string end = bends ? "END run " + lengthText(data, bends->endRun) : "END " + lengthText(data, built.end);
    const std::string rest
        = bends ? "rest run " + lengthText(data, bends->restRun) : "rest " + lengthText(data, built.rest);
    const std::string side = bends ? "side runs " + lengthText(data, bends->wholeRun) + " mm, arcs "
            + lengthText(data, bends->arc) + " mm at R " + lengthText(data, bends->radius) + " mm"
                                   : "SIDE " + sideText(data) + " mm, every side";
    const Place places[] = {
        {plan.upVertical.x, plan.topLeft.y + inner + 1, AlignHCenter, "UP", true},
        {plan.downVertical.x, plan.topLeft.y + inner + 5.5, AlignHCenter, "DOWN", true},
        {along(plan.bottomLeft, plan.gapLeft, 0.5).x, bottom - 4.4, AlignHCenter, end + " mm", true},
        {plan.topRight.x - inner, bottom - 8.8, AlignRight, rest + " mm", true},
        {along(plan.gapLeft, plan.gapRight, 0.5).x, bottom - 13.2, AlignHCenter,
         "FEED GAP " + lengthText(data, built.gap) + " mm", true},
        {plan.topLeft.x + plan.side / 2, plan.topLeft.y + plan.side / 2 - 2, AlignHCenter, side, false},
    };
    const Font font {Face::Regular, 9};
    std::vector<LoopLabel> labels;
    for (const Place &place : places) {
        const double width = textWidth(font, place.text) + 0.6;
        double left = place.align & AlignHCenter ? place.x - width / 2
            : place.align & AlignRight           ? place.x - width
                                                 : place.x;
        if (place.inside)
            left = std::max(plan.topLeft.x + inner, std::min(left, plan.topRight.x - inner - width));
        labels.push_back({place.text, place.align, {left, place.top, width, lineHeight(font) + 0.2}});
    }
    return labels;
}

TemplatePlan templatePlan(const SheetData &data)
{
    TemplatePlan plan;
    if (!buildable(data)) {
        plan.why = "No full-size template: these lengths cannot be built.";
        return plan;
    }
    const PageSize page = drawingPage(data, pageMillimetres(data.page));
    const double width = page.width - 2 * kTemplateMargin;
    const double drawingHeight = page.height - 2 * kTemplateMargin - kTemplateTitleHeight - kTemplateFootHeight;
    const double loop = loopWidth(data);
    const double vertical = verticalLength(data);
    const double reach = data.state.ElementDiameter / 2 + kGapMarks;
    const double side = feedSide(data).side;
    plan.extent = {-reach, -reach, side + 2 * reach, side + 2 * reach};
    plan.verticalPage = vertical <= page.height - 2 * kTemplateMargin - kTemplateTitleHeight;
    if (loop <= width && loop <= drawingHeight) {
        plan.kind = TemplatePlan::Kind::OnePage;
        plan.verticalBeside = loop + kRodRoom + data.state.ElementDiameter <= width && vertical <= drawingHeight;
        plan.verticalPage = !plan.verticalBeside && plan.verticalPage;
        return plan;
    }

    // Portrait or landscape, whichever needs fewer sheets; portrait on a tie.
    const double extent = plan.extent.width;
    int best = 0;
    const PageSize paper = pageMillimetres(data.page);
    for (const bool landscape : {false, true}) {
        const PageSize room = tileRoom(drawingPage(data, turned(paper, landscape)));
        const int columns = tilesAcross(extent, room.width);
        const int rows = tilesAcross(extent, room.height);
        if (best == 0 || columns * rows < best) {
            best = columns * rows;
            plan.landscape = landscape;
            plan.columns = columns;
            plan.rows = rows;
        }
    }
    if (best > kMostTiles) {
        plan.why = "No full-size template: the loop with its tubing is " + numberText(data, std::round(extent))
            + " mm across and would take " + std::to_string(best) + " " + paperName(data.page) + " sheets; "
            + (largePageRefusal(data, "a PDF").empty() ? "--large-page writes it on one large page for a copy shop."
                                                       : "at this size the cut list and a tape serve.");
        return plan;
    }
    plan.kind = TemplatePlan::Kind::Tiled;
    const PageSize room = tileRoom(drawingPage(data, turned(paper, plan.landscape)));
    // The tiles cover a little more than the loop; it lies in their middle.
    const double coveredX = (plan.columns - 1) * (room.width - kTileOverlap) + room.width;
    const double coveredY = (plan.rows - 1) * (room.height - kTileOverlap) + room.height;
    const double left = plan.extent.x - (coveredX - extent) / 2;
    const double top = plan.extent.y - (coveredY - extent) / 2;
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            Tile tile;
            tile.row = row;
            tile.column = column;
            tile.label = std::string(1, static_cast<char>('A' + row)) + std::to_string(column + 1);
            tile.window = {left + column * (room.width - kTileOverlap), top + row * (room.height - kTileOverlap),
                           room.width, room.height};
            plan.tiles.push_back(tile);
        }
    }
    for (Tile &tile : plan.tiles) {
        const auto inset = [&](int row, int column) { return tileAt(plan.tiles, row, column) ? kTileOverlap : 0.0; };
        const Rect &w = tile.window;
        tile.own = {w.x + inset(tile.row, tile.column - 1), w.y + inset(tile.row - 1, tile.column),
                    w.width - inset(tile.row, tile.column - 1) - inset(tile.row, tile.column + 1),
                    w.height - inset(tile.row - 1, tile.column) - inset(tile.row + 1, tile.column)};
    }
    placeLabels(data, plan.tiles);
    for (const Tile &one : plan.tiles) {
        for (const Tile &other : plan.tiles) {
            if (other.row == one.row && other.column == one.column + 1)
                crossesAlong(common(one.window, other.window), true, plan.crosses);
            if (other.column == one.column && other.row == one.row + 1)
                crossesAlong(common(one.window, other.window), false, plan.crosses);
        }
    }
    return plan;
}

PageSize tilePage(const SheetData &data, const TemplatePlan &plan)
{
    return turned(pageMillimetres(data.page), plan.landscape);
}

Point printerScale(const SheetData &data, PageSize page)
{
    if (!data.printedBar)
        return {1, 1};
    const Point upright {100 / data.printedBar->across, 100 / data.printedBar->down};
    return page.width > page.height ? Point {upright.y, upright.x} : upright;
}

PageSize drawingPage(const SheetData &data, PageSize page)
{
    const Point scale = printerScale(data, page);
    return {page.width / scale.x, page.height / scale.y};
}

Rect tileWindowOnPage(const SheetData &data, const TemplatePlan &plan)
{
    const PageSize room = tileRoom(drawingPage(data, tilePage(data, plan)));
    return {kTemplateMargin, kTemplateMargin + kTileTitleHeight, room.width, room.height};
}

LargePage largePage(const SheetData &data)
{
    const double loop = loopWidth(data);
    const double vertical = verticalLength(data);
    const auto holds = [&](PageSize size) {
        const PageSize drawn = drawingPage(data, size);
        return loop <= drawn.width - 2 * kTemplateMargin
            && loop <= drawn.height - 2 * kTemplateMargin - kTemplateTitleHeight - kTemplateFootHeight;
    };
    LargePage large;
    for (const SheetSize &sheet : paperFacts(data.page).largeSheets) {
        if (holds({sheet.width, sheet.height})) {
            large.name = sheet.name;
            large.size = {sheet.width, sheet.height};
            break;
        }
    }
    if (large.name.empty()) {
        // Upright, as its drawing is taller than wide, and drawn larger.
        const double side = std::ceil(loop + 2 * kTemplateMargin);
        const PageSize drawn {side, side + kTemplateTitleHeight + kTemplateFootHeight};
        const Point scale = printerScale(data, drawn);
        large.size = {std::ceil(drawn.width * scale.x), std::ceil(drawn.height * scale.y)};
    }
    const PageSize drawn = drawingPage(data, large.size);
    const double width = drawn.width - 2 * kTemplateMargin;
    const double drawingHeight = drawn.height - 2 * kTemplateMargin - kTemplateTitleHeight - kTemplateFootHeight;
    large.verticalBeside = loop + kRodRoom + data.state.ElementDiameter <= width && vertical <= drawingHeight;
    return large;
}

std::string largePageRefusal(const SheetData &data, std::string_view aFormat)
{
    if (!buildable(data))
        return "--large-page: these lengths cannot be built, so there is no full-size template to draw";
    const PageSize size = largePage(data).size;
    if (size.width <= kLargestPage && size.height <= kLargestPage)
        return {};
    return "--large-page: the template needs a page of " + numberText(data, size.width) + " by "
        + numberText(data, size.height) + " mm, and " + std::string(aFormat) + " page is at most "
        + numberText(data, kLargestPage) + " by " + numberText(data, kLargestPage) + " mm";
}

std::string templateNote(const SheetData &data, const TemplatePlan &plan)
{
    const std::string printIt = "Print it at 100 % (actual size, no fit to page) and check both bars.";
    const std::string printThem = "Print them at 100 % (actual size, no fit to page) and check both bars";
    const std::string tape = "the verticals are longer than " + std::string(paperFacts(data.page).withArticle)
        + " page holds, so the cut list and a tape serve for them";
    switch (plan.kind) {
    case TemplatePlan::Kind::None:
        return plan.why;
    case TemplatePlan::Kind::OnePage:
        if (plan.verticalBeside)
            return "Page 3 is a full-size template of the loop and one vertical. " + printIt;
        if (plan.verticalPage)
            return "Pages 3 and 4 are a full-size template of the loop and of one vertical. " + printThem + " on each.";
        return "Page 3 is a full-size template of the loop; " + tape + ". " + printIt;
    case TemplatePlan::Kind::Tiled:
        break;
    }
    const std::size_t tiles = plan.tiles.size();
    std::string names;
    for (std::size_t n = 0; n < tiles; ++n)
        names += (n == 0 ? "" : n + 1 == tiles ? " and " : ", ") + plan.tiles[n].label;
    std::string note = "The full-size template starts on page 3 with a map of how its " + std::to_string(tiles) + " "
        + paperName(data.page) + " sheets go together; the tiles " + names + " follow on pages 4 to "
        + std::to_string(3 + tiles) + ".";
    if (plan.verticalPage)
        note += " One vertical follows on page " + std::to_string(4 + tiles) + ".";
    else
        note += " The " + tape.substr(4) + ".";
    return note + " " + printThem + " on every sheet.";
}

} // namespace varnel
