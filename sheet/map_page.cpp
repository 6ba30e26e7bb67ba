// The first page of a template across several sheets: the tiles as a
// labelled grid over a small drawing of the loop, and how to put them
// together.
#include "sheet/page_kinds.h"

#include "sheet/dimension_diagram.h"
#include "sheet/template_drawing.h"

#include <algorithm>

namespace varnel {

void describeTemplateMap(PageBuilder &builder, const SheetData &data, const TemplatePlan &plan, PageSize size)
{
    PageDrawing d(builder, data);
    const std::size_t count = plan.tiles.size();
    const double width = size.width - 2 * kTemplateMargin;
    double y = templateHeading(d, size.width, "how its " + std::to_string(count) + " sheets go together");
    const Rect first = plan.tiles.front().window;
    const Rect last = plan.tiles.back().window;
    const Rect covered {first.x, first.y, last.right() - first.x, last.bottom() - first.y};
    const double room = std::min(width - 20, 150.0);
    const DrawingScale scale = drawingScale(std::max(covered.width, covered.height), room);
    builder.setFont(bold());
    builder.text({kTemplateMargin, y, width, 5}, AlignLeft | AlignVCenter, "The sheets over the loop, " + scale.text);
    y += 8;
    const double s = scale.factor;
    const Point origin {kTemplateMargin + 10 - covered.x * s, y - covered.y * s};
    const auto onMap = [&](const Rect &loop) {
        return Rect {origin.x + loop.x * s, origin.y + loop.y * s, loop.width * s, loop.height * s};
    };
    const PlanGeometry loop(data, origin, s);
    d.tube(loop.loop(), std::max(0.35, data.state.ElementDiameter * s), kElementOrange);
    for (const Tile &tile : plan.tiles) {
        const Rect cell = onMap(tile.window);
        builder.rectangle(cell, std::nullopt, thin(0.3));
        builder.promises().map.push_back({tile.label, cell});
    }
    builder.setFont(bold(14));
    for (const Tile &tile : plan.tiles) {
        // In the middle of the part of its cell that no neighbour shares,
        // on white, over the loop as it may be.
        const Rect own = onMap(tile.own);
        const Rect measure = builder.measure({0, 0, 100, 100}, AlignLeft | AlignTop, tile.label);
        const Rect box {own.x + (own.width - measure.width) / 2 - 0.3, own.y + (own.height - measure.height) / 2,
                        measure.width + 0.6, measure.height};
        builder.rectangle({box.x - 1, box.y - 0.5, box.width + 2, box.height + 1}, kWhite, thin(0.3));
        builder.text(box, AlignHCenter | AlignTop, tile.label);
    }
    y += covered.height * s + 6;
    builder.setFont(regular());
    std::string words = "Print every sheet at 100 % (actual size, no fit to page) and check both bars on each. "
                        "Each sheet shows its part of the loop, and the band along an edge that it shares with its "
                        "neighbour is shaded. Lay the sheets out as the map shows, each neighbour over the shaded "
                        "band, so that the registration crosses meet; tape them. The rows are lettered from the "
                        "top, the columns numbered from the left.";
    if (!plan.verticalPage)
        words += " The verticals are longer than a page holds: cut them by the cut list and a tape.";
    d.paragraph(kTemplateMargin, y, width, words);
}

} // namespace varnel
