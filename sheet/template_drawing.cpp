#include "sheet/template_drawing.h"

namespace varnel {

double templateHeading(PageDrawing &d, double pageWidth, const std::string &what)
{
    d.p.setFont(bold(14));
    d.p.text({kTemplateMargin, kTemplateMargin, pageWidth - 2 * kTemplateMargin, 8}, AlignLeft | AlignVCenter,
             templateTitle(d.data) + ": " + what);
    return kTemplateMargin + kTemplateTitleHeight;
}

namespace {

// A bar of `cells` cells of `cell` mm; the length it promises is that of
// the cells as drawn.
void bar(PageDrawing &d, Point origin, int cells, double cell, const std::string &says)
{
    Rect drawn {origin.x, origin.y, 0, 3};
    for (int n = 0; n < cells; ++n) {
        const Rect one {origin.x + n * cell, origin.y, cell, 3};
        d.p.rectangle(one, n % 2 ? kWhite : kBlack, thin(0.2));
        drawn.width = one.right() - drawn.x;
    }
    d.p.promise({{drawn.x, drawn.y}, {drawn.right(), drawn.y}, says, "1:1"});
}

} // namespace

void checkBars(PageDrawing &d, Point origin, double textWidth)
{
    bar(d, origin, 10, 10, "This bar is 100 mm long");
    bar(d, origin + Point {0, 4.5}, 4, 25.4, "the lower 101.6 mm");
    d.p.setFont(regular());
    const std::string printer = printerNote(d.data);
    d.paragraph(origin.x, origin.y + 8.5, textWidth,
                (printer.empty()
                     ? std::string("Print at 100 % (actual size, no fit to page).")
                     : "This page is " + printer + ": print it there at 100 % (actual size, no fit to page).")
                    + " This bar is 100 mm long, the lower 4 in (101.6 mm): "
                      "measure them before you cut. Black lines are centre lines; the band is the "
                    + d.field(Quantity::ElementDiameter) + " mm tubing.");
}

void fullSizeLoop(PageDrawing &d, const PlanGeometry &plan)
{
    const double tubeWidth = d.data.state.ElementDiameter;
    d.tube(plan.loop(), tubeWidth, kTubeBand);
    d.tube(plan.loop(), 0.25, kBlack);
    for (const Point &end : {plan.gapLeft, plan.gapRight})
        d.p.line(end - Point {0, tubeWidth / 2 + kGapMarks}, end + Point {0, tubeWidth / 2 + kGapMarks}, thin(0.25));
    d.verticalMark(plan.upVertical, tubeWidth / 2, true);
    d.verticalMark(plan.downVertical, tubeWidth / 2, false);
}

void promiseLoop(PageDrawing &d, const PlanGeometry &plan)
{
    const FeedSide built = feedSide(d.data);
    if (const std::optional<BentLoop> &bends = built.bends) {
        // What each piece is cut to: its straight run, from arc to arc.
        d.p.promise({plan.gapLeft, plan.arcEnd(plan.bottomLeft, plan.gapLeft),
                     "END run " + lengthText(d.data, bends->endRun) + " mm", "1:1"});
        d.p.promise({plan.gapLeft, plan.gapRight, "FEED GAP " + lengthText(d.data, built.gap) + " mm", "1:1"});
        d.p.promise({plan.gapRight, plan.arcEnd(plan.bottomRight, plan.gapRight),
                     "rest run " + lengthText(d.data, bends->restRun) + " mm", "1:1"});
        for (const auto &[from, to] :
             {std::pair {plan.bottomLeft, plan.topLeft}, std::pair {plan.topLeft, plan.topRight},
              std::pair {plan.topRight, plan.bottomRight}})
            d.p.promise({plan.arcEnd(from, to), plan.arcEnd(to, from),
                         "side run " + lengthText(d.data, bends->wholeRun) + " mm", "1:1"});
        return;
    }
    d.p.promise({plan.bottomLeft, plan.gapLeft, "END " + lengthText(d.data, built.end) + " mm", "1:1"});
    d.p.promise({plan.gapLeft, plan.gapRight, "FEED GAP " + lengthText(d.data, built.gap) + " mm", "1:1"});
    d.p.promise({plan.gapRight, plan.bottomRight, "rest " + lengthText(d.data, built.rest) + " mm", "1:1"});
    for (const auto &[from, to] : {std::pair {plan.bottomLeft, plan.topLeft}, std::pair {plan.topLeft, plan.topRight},
                                   std::pair {plan.topRight, plan.bottomRight}})
        d.p.promise({from, to, "SIDE " + sideText(d.data) + " mm", "1:1"});
}

void loopLabelsAt(PageDrawing &d, const std::vector<LoopLabel> &labels, Point shift)
{
    d.p.setFont(regular());
    for (const LoopLabel &label : labels) {
        const Rect box {label.box.x + shift.x, label.box.y + shift.y, label.box.width, label.box.height};
        d.p.text(box, label.align | AlignTop, label.text);
    }
}

void verticalRod(PageDrawing &d, double x, double top)
{
    const double tubeWidth = d.data.state.ElementDiameter;
    const double height = d.data.state.VerticalHeight;
    const std::vector<Point> rod {{x, top}, {x, top + height}};
    d.tube(rod, tubeWidth, kTubeBand);
    d.tube(rod, 0.25, kBlack);
    for (double y : {top, top + height})
        d.p.line({x - tubeWidth / 2 - 2, y}, {x + tubeWidth / 2 + 2, y}, thin(0.25));
    d.p.setFont(regular());
    const std::string words = "one vertical:\nHEIGHT " + d.field(Quantity::VerticalHeight) + " mm,\ncut two";
    d.label(x + tubeWidth / 2 + 3, top + height / 2 - 6, AlignLeft, words);
    d.p.promise({rod[0], rod[1], "HEIGHT " + d.field(Quantity::VerticalHeight) + " mm", "1:1"});
}

void registrationCross(PageDrawing &d, Point centre)
{
    d.p.ellipse(centre, 2.5, 2.5, std::nullopt, thin(0.2));
    d.p.line(centre - Point {4, 0}, centre + Point {4, 0}, thin(0.2));
    d.p.line(centre - Point {0, 4}, centre + Point {0, 4}, thin(0.2));
    d.p.promises().crosses.push_back(centre);
}

} // namespace varnel
