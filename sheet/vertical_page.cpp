// One vertical at full size on a page of its own, where it is too long to
// stand beside the loop.
#include "sheet/page_kinds.h"

#include "sheet/template_drawing.h"

namespace varnel {

void describeVerticalTemplate(PageBuilder &builder, const SheetData &data, PageSize size)
{
    PageDrawing d(builder, data);
    const double top = templateHeading(d, size.width, "one vertical");
    const double tubeWidth = data.state.ElementDiameter;
    const double rodX = kTemplateMargin + tubeWidth / 2;
    verticalRod(d, rodX, top + tubeWidth / 2);
    const double textLeft = rodX + tubeWidth / 2 + kRodWordsWidth + 2;
    checkBars(d, {textLeft, top + 30}, size.width - kTemplateMargin - textLeft);
}

} // namespace varnel
