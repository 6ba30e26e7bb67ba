// The full-size template on one page: the paper's where the loop fits it,
// or one large page for a copy shop; the vertical beside the loop where it
// fits too.
#include "sheet/page_kinds.h"

#include "sheet/template_drawing.h"

namespace varnel {

void describeLoopTemplate(PageBuilder &builder, const SheetData &data, PageSize size, bool verticalBeside,
                          bool verticalPage, const std::string &where)
{
    PageDrawing d(builder, data);
    std::string what = verticalBeside ? "the loop and one vertical" : "the loop";
    if (!where.empty())
        what += ", " + where;
    const double top = templateHeading(d, size.width, what);
    const double tubeWidth = data.state.ElementDiameter;
    const Point corner {kTemplateMargin + tubeWidth / 2, top + tubeWidth / 2};
    const PlanGeometry plan(data, corner, 1);
    fullSizeLoop(d, plan);
    loopLabelsAt(d, loopLabels(data), corner);
    promiseLoop(d, plan);
    const double footTop = size.height - kTemplateMargin - kTemplateFootHeight;
    if (verticalBeside)
        verticalRod(d, plan.topRight.x + tubeWidth + kRodGap, top + tubeWidth / 2);
    else if (!verticalPage)
        d.paragraph(kTemplateMargin, plan.bottomLeft.y + tubeWidth / 2 + kGapMarks + 3,
                    size.width - 2 * kTemplateMargin,
                    "The verticals are longer than this page holds: cut them by the cut list and a tape.");
    checkBars(d, {kTemplateMargin, footTop + 1}, size.width - 2 * kTemplateMargin);
}

} // namespace varnel
