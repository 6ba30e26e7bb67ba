// One tile of a template across several sheets: its part of the loop at
// full size, the bands it shares with its neighbours, the registration
// crosses, the labels the plan gives it, and both bars.
#include "sheet/page_kinds.h"

#include "sheet/template_drawing.h"

#include <cmath>

namespace varnel {

namespace {

// Which neighbour lies on which side.
std::string neighbours(const TemplatePlan &plan, const Tile &tile)
{
    std::string said;
    const auto add = [&](int row, int column, const char *side) {
        for (const Tile &other : plan.tiles) {
            if (other.row == row && other.column == column)
                said += std::string(said.empty() ? "" : "; ") + other.label + " joins " + side;
        }
    };
    add(tile.row - 1, tile.column, "above");
    add(tile.row, tile.column - 1, "on the left");
    add(tile.row, tile.column + 1, "on the right");
    add(tile.row + 1, tile.column, "below");
    return said;
}

} // namespace

void describeTile(PageBuilder &builder, const SheetData &data, const TemplatePlan &plan, std::size_t index,
                  PageSize size)
{
    PageDrawing d(builder, data);
    const Tile &tile = plan.tiles[index];
    templateHeading(d, size.width, "tile " + tile.label);
    builder.setFont(regular());
    d.paragraph(kTemplateMargin, kTemplateMargin + 9, size.width - 2 * kTemplateMargin,
                "Sheet " + std::to_string(index + 1) + " of " + std::to_string(plan.tiles.size()) + ". "
                    + neighbours(plan, tile) + ": lay it over the shaded band so that the crosses meet.");
    const Rect window = tileWindowOnPage(data, plan);
    builder.promises().tile = TileView {tile.label, tile.window, window};
    // From the loop's coordinates to the page's.
    const Point shift {window.x - tile.window.x, window.y - tile.window.y};
    const PlanGeometry loop(data, shift, 1);
    builder.clipped(window, [&] {
        // The bands it shares with its neighbours.
        for (const Tile &other : plan.tiles) {
            if (&other == &tile || std::abs(other.row - tile.row) + std::abs(other.column - tile.column) != 1)
                continue;
            const double left = std::max(tile.window.x, other.window.x);
            const double top = std::max(tile.window.y, other.window.y);
            builder.rectangle({left + shift.x, top + shift.y,
                               std::min(tile.window.right(), other.window.right()) - left,
                               std::min(tile.window.bottom(), other.window.bottom()) - top},
                              kSharedBand);
        }
        fullSizeLoop(d, loop);
        for (const Point &cross : plan.crosses) {
            if (cross.x >= tile.window.x && cross.x <= tile.window.right() && cross.y >= tile.window.y
                && cross.y <= tile.window.bottom())
                registrationCross(d, cross + shift);
        }
    });
    loopLabelsAt(d, tile.labels, shift);
    promiseLoop(d, loop);
    checkBars(d, {kTemplateMargin, size.height - kTemplateMargin - kTemplateFootHeight + 1},
              size.width - 2 * kTemplateMargin);
}

} // namespace varnel
