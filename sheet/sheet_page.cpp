// The sheet itself: the frequency's numbers read as one antenna, the loop
// in plan and the verticals from the side, each to a scale it states and
// dimensioned, how the capacitors are wired, the parts, and the cut list.
#include "sheet/page_kinds.h"

#include "calc/length_frequency.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"
#include "sheet/page_drawing.h"

#include <algorithm>

namespace varnel {

namespace {

// The tubing to scale, but never thinner than a line can be printed, nor,
// where the lengths cannot be built from it, wider than the loop leaves
// room for.
double drawnTube(const SheetData &data, double scale)
{
    const double side = feedSide(data).side * scale;
    return std::clamp(data.state.ElementDiameter * scale, 0.35, std::max(0.35, side * 0.15));
}

void planView(PageDrawing &d, const Rect &area)
{
    constexpr double roomLeft = 24; // for SIDE's label
    constexpr double roomBelow = 24; // for the feed side's chain of dimensions
    const double room = std::min(area.width - roomLeft - 16, area.height - 6 - 3 - roomBelow);
    const DrawingScale scale = drawingScale(feedSide(d.data).side, room);
    d.p.setFont(bold());
    d.p.text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter, "Plan, from above, " + scale.text);
    const PlanGeometry plan(d.data, {area.x + roomLeft, area.y + 9}, scale.factor);
    const double tubeWidth = drawnTube(d.data, scale.factor);
    d.tube(plan.loop(), tubeWidth, kElementOrange);
    const double markRadius = std::max(tubeWidth * 0.75, 0.9);
    d.verticalMark(plan.upVertical, markRadius, true);
    d.verticalMark(plan.downVertical, markRadius, false);

    d.p.setFont(regular());
    // Inside the square: which vertical rises, which falls, the feed.
    const double inside = tubeWidth / 2 + markRadius + 0.6;
    d.label(plan.upVertical.x, plan.topLeft.y + inside, AlignHCenter, "UP");
    d.label(plan.downVertical.x, plan.topLeft.y + inside + 4.2, AlignHCenter, "DOWN");
    d.label(along(plan.gapLeft, plan.gapRight, 0.5).x, plan.bottomLeft.y - tubeWidth / 2 - 4.6, AlignHCenter, "FEED");

    // SIDE, along the left side, its label to the left.
    const FeedSide built = feedSide(d.data);
    const std::string sideLabel = "SIDE\n" + sideText(d.data);
    d.dimension(plan.topLeft, plan.bottomLeft, {-1, 0}, 5);
    d.p.promise({plan.topLeft, plan.bottomLeft, sideLabel, scale.text});
    d.label(plan.topLeft.x - 7, plan.topLeft.y + plan.side / 2 - 4, AlignRight, sideLabel);
    // The feed side as a chain: END, the gap, the rest.
    const Point down {0, 1};
    constexpr double chain = 5;
    const std::string endLabel = "END\n" + lengthText(d.data, built.end);
    const std::string restLabel = "rest\n" + lengthText(d.data, built.rest);
    const std::string gapLabel = (built.narrowed ? "feed gap " : "GAP ") + lengthText(d.data, built.gap);
    d.dimension(plan.bottomLeft, plan.gapLeft, down, chain);
    d.dimension(plan.gapLeft, plan.gapRight, down, chain);
    d.dimension(plan.gapRight, plan.bottomRight, down, chain);
    d.p.promise({plan.bottomLeft, plan.gapLeft, endLabel, scale.text});
    d.p.promise({plan.gapLeft, plan.gapRight, gapLabel, scale.text});
    d.p.promise({plan.gapRight, plan.bottomRight, restLabel, scale.text});
    const double row1 = plan.bottomLeft.y + chain + 1.4;
    d.label(along(plan.bottomLeft, plan.gapLeft, 0.5).x, row1, AlignHCenter, endLabel);
    d.label(plan.bottomRight.x + 2, plan.bottomLeft.y + chain - 2, AlignLeft, restLabel);
    d.label(along(plan.gapLeft, plan.gapRight, 0.5).x, row1 + 8.6, AlignHCenter, gapLabel);
}

// The verticals seen from the feed point: the far side edge-on, the
// upward vertical on the right, the downward one on the left.
void sideView(PageDrawing &d, const Rect &area)
{
    constexpr double roomSide = 22;
    const double height = d.data.state.VerticalHeight;
    const double room = area.height - 6 - 10;
    // Both verticals one above the other, and the side no wider than the
    // room between the two labels.
    const double widthRoom = (area.width - 2 * roomSide) * 2 * height / feedSide(d.data).side;
    const DrawingScale scale = drawingScale(2 * height, std::min(room, widthRoom));
    d.p.setFont(bold());
    d.p.text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter, "Side, from the feed point, " + scale.text);
    const double s = scale.factor;
    const double left = area.x + roomSide;
    const double level = area.y + 8 + height * s;
    // Seen from the feed point, the far side runs as the plan's does.
    const PlanGeometry plan(d.data, {left, level}, s);
    const double side = plan.side;
    const double upX = plan.upVertical.x;
    const double downX = plan.downVertical.x;
    const double tubeWidth = drawnTube(d.data, s);
    d.tube({{left, level}, {left + side, level}}, tubeWidth, kElementOrange);
    d.tube({{upX, level}, {upX, level - height * s}}, tubeWidth, kElementOrange);
    d.tube({{downX, level}, {downX, level + height * s}}, tubeWidth, kElementOrange);

    d.p.setFont(regular());
    const std::string heightText = "HEIGHT\n" + d.field(Quantity::VerticalHeight);
    // The upward one's height at the right, beyond the loop's end.
    const double right = left + side;
    d.p.line({upX + 1, level - height * s}, {right + 5.5, level - height * s}, thin());
    d.p.line({right + 1, level}, {right + 5.5, level}, thin());
    dimensionLine(d.p, {right + 4, level - height * s}, {right + 4, level}, kArrow, thin());
    d.p.promise({{right + 4, level - height * s}, {right + 4, level}, heightText, scale.text});
    d.label(right + 6.5, level - height * s / 2 - 4, AlignLeft, heightText);
    // The downward one's at the left.
    d.p.line({downX - 1, level + height * s}, {left - 5.5, level + height * s}, thin());
    d.p.line({left - 1, level}, {left - 5.5, level}, thin());
    dimensionLine(d.p, {left - 4, level}, {left - 4, level + height * s}, kArrow, thin());
    d.p.promise({{left - 4, level}, {left - 4, level + height * s}, heightText, scale.text});
    d.label(left - 6.5, level + height * s / 2 - 4, AlignRight, heightText);
    // The gap between them, above the loop, where only the upward one is.
    const std::string gapText = "GAP\n" + d.field(Quantity::CenterGap);
    d.p.line({downX, level - 1.2}, {downX, level - 6}, thin());
    dimensionLine(d.p, {downX, level - 4.5}, {upX, level - 4.5}, kArrow, thin());
    d.p.promise({{downX, level - 4.5}, {upX, level - 4.5}, gapText, scale.text});
    d.label(downX - 1.5, level - 13, AlignRight, gapText);
}

// How the two capacitors are wired at the feed point, after the notes
// window's sketch: the parallel one across the gap, the series one in
// the lead from the left-hand end to the coax.
void capacitorSketch(PageDrawing &d, const Rect &area)
{
    d.p.setFont(bold());
    d.p.text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter, "Capacitors at the feed point");
    const double barY = area.y + 10;
    const double gapLeft = area.x + area.width / 2 - 5;
    const double gapRight = gapLeft + 10;
    d.tube({{area.x + 2, barY}, {gapLeft, barY}}, 2.2, kElementOrange);
    d.tube({{gapRight, barY}, {area.right() - 2, barY}}, 2.2, kElementOrange);
    const Stroke plate {0.35, kBlack, Cap::Square, Join::Bevel};
    const auto capacitor = [&](Point centre, bool acrossVertical) {
        const Point half = acrossVertical ? Point {0, 1.8} : Point {1.8, 0};
        const Point gap = acrossVertical ? Point {0.6, 0} : Point {0, 0.6};
        d.p.line(centre - gap - half, centre - gap + half, plate);
        d.p.line(centre + gap - half, centre + gap + half, plate);
    };
    const Stroke wire {0.25, kBlack, Cap::Square, Join::Bevel};
    // Parallel: across the gap, just below the bar.
    const double bridge = barY + 3;
    const Point parallel {(gapLeft + gapRight) / 2, bridge};
    d.p.line({gapLeft - 1, barY}, {gapLeft - 1, bridge}, wire);
    d.p.line({gapRight + 1, barY}, {gapRight + 1, bridge}, wire);
    d.p.line({gapLeft - 1, bridge}, parallel - Point {0.6, 0}, wire);
    d.p.line(parallel + Point {0.6, 0}, {gapRight + 1, bridge}, wire);
    capacitor(parallel, true);
    // Series: in the lead from the left end down to the coax.
    const Rect coax {gapLeft + 1, area.bottom() - 6, 8, 5};
    const Point series {gapLeft - 1, bridge + 7};
    d.p.line({gapLeft - 1, bridge}, series - Point {0, 0.6}, wire);
    d.p.line(series + Point {0, 0.6}, {gapLeft - 1, coax.y}, wire);
    capacitor(series, false);
    d.p.line({gapRight + 1, bridge}, {gapRight - 1, coax.y}, wire);
    d.p.rectangle(coax, Rgb {40, 40, 40}, wire);
    d.p.setFont(regular());
    d.label(gapLeft - 3.5, series.y - 2.2, AlignRight,
            "series\n" + fieldText(d.data, Quantity::SeriesCap, Unit::Picofarad) + " pF");
    d.label(gapRight + 3.5, bridge + 1.5, AlignLeft,
            "parallel\n" + fieldText(d.data, Quantity::ParallelCap, Unit::Picofarad) + " pF");
    d.label(coax.right() + 2, coax.y - 0.5, AlignLeft, "coax");
}

void cutListSection(PageDrawing &d, double width, double y)
{
    d.p.setFont(bold(11));
    d.p.text({kSheetMargin, y, width, 6}, AlignLeft | AlignVCenter, "Cut list");
    y += 6.5;
    const double columns[] = {0, 76, 88, 107, 124, width};
    const auto row = [&](double top, double height, const std::string(&cells)[5]) {
        for (int c = 0; c < 5; ++c)
            d.p.text({kSheetMargin + columns[c], top, columns[c + 1] - columns[c] - 1.5, height},
                     AlignLeft | AlignBottom | Wrap, cells[c]);
    };
    d.p.setFont(bold());
    const std::string headings[5] = {"Piece", "Count", "mm", "inch", "tape, nearest 1/16 in (mark minus length)"};
    row(y, 8.5, headings);
    y += 8.8;
    d.p.line({kSheetMargin, y}, {kSheetMargin + width, y}, thin(0.25));
    d.p.setFont(regular());
    // A bent loop has a row more, on a page that has no more room.
    const double pitch = feedSide(d.data).bends ? 4.2 : 5.1;
    for (const CutRow &cut : cutList(d.data)) {
        const std::string cells[5] = {cut.piece, cut.count, cut.millimetres, cut.inches, cut.tape};
        row(y + 0.3, pitch - 0.3, cells);
        y += pitch;
    }
    y += 1.5;
    y += d.paragraph(kSheetMargin, y, width, feedSideSum(d.data));
    // What a cut too long costs: every length is a fixed share of the
    // wavelength.
    d.paragraph(kSheetMargin, y, width, millimetreCostText(d.data.state, d.data.decimalSeparator));
}

} // namespace

void describeSheetPage(PageBuilder &builder, const SheetData &data, PageSize size)
{
    PageDrawing d(builder, data);
    const double width = size.width - 2 * kSheetMargin;
    double y = kSheetMargin
        + d.title(width, sheetTitle(d.data),
                  "Omnidirectional circularly polarised antenna. Lengths in mm between the centre lines of the "
                  "elements.");
    for (const std::string &warning : sheetWarnings(d.data)) {
        d.p.setFont(bold());
        const std::string text = "Warning: " + warning + ".";
        const double height = d.p.measure({0, 0, width - 4, 1000}, AlignLeft | Wrap, text).height + 2;
        d.p.rectangle({kSheetMargin, y, width, height}, kWarningBand);
        d.p.text({kSheetMargin + 2, y + 1, width - 4, height - 2}, AlignLeft | AlignVCenter | Wrap, text);
        y += height + 2;
    }
    d.p.setFont(regular());
    y += d.paragraph(kSheetMargin, y, width, antennaReading(d.data)) + kSectionGap;

    constexpr double rowHeight = 92;
    constexpr double planWidth = 98;
    planView(d, {kSheetMargin, y, planWidth, rowHeight});
    sideView(d, {kSheetMargin + planWidth + 2, y, width - planWidth - 2, rowHeight});
    y += rowHeight + kSectionGap;

    constexpr double sketchWidth = 74;
    const double textWidth = width - sketchWidth - 4;
    std::string parts;
    for (const std::string &line : partLines(d.data))
        parts += line + "\n";
    parts += polarisationRule();
    d.p.setFont(regular());
    const double textHeight = d.p.measure({0, 0, textWidth, 1000}, AlignLeft | Wrap, parts).height + 0.3;
    const double sketchHeight = 36;
    capacitorSketch(d, {kSheetMargin, y, sketchWidth, sketchHeight});
    d.p.setFont(regular());
    d.p.text({kSheetMargin + sketchWidth + 4, y, textWidth, textHeight}, AlignLeft | AlignTop | Wrap, parts);
    y += std::max(sketchHeight, textHeight) + kSectionGap;
    cutListSection(d, width, y);
}

// The loop seen from above, true to scale, dimensioned.

} // namespace varnel
