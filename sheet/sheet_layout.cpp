#include "sheet/sheet_layout.h"

#include "sheet/page_drawing.h"
#include "sheet/page_kinds.h"
#include "sheet/template_plan.h"

namespace varnel {

SheetLayout describeSheet(const SheetData &data, SheetPages pages)
{
    enum class Kind { Sheet, Notes, LoopTemplate, VerticalTemplate, Map, Tile, LargeTemplate };
    struct Planned
    {
        Kind kind;
        std::size_t tile = 0;
    };
    const TemplatePlan plan = pages == SheetPages::WithTemplate ? templatePlan(data) : TemplatePlan {};
    std::vector<Planned> kinds;
    if (pages == SheetPages::LargeTemplate) {
        kinds.push_back({Kind::LargeTemplate});
    } else {
        kinds = {{Kind::Sheet}, {Kind::Notes}};
        if (plan.kind == TemplatePlan::Kind::OnePage)
            kinds.push_back({Kind::LoopTemplate});
        if (plan.kind == TemplatePlan::Kind::Tiled) {
            kinds.push_back({Kind::Map});
            for (std::size_t n = 0; n < plan.tiles.size(); ++n)
                kinds.push_back({Kind::Tile, n});
        }
        if (plan.drawn() && plan.verticalPage)
            kinds.push_back({Kind::VerticalTemplate});
    }

    const PageSize paper = pageMillimetres(data.page);
    SheetLayout layout;
    for (std::size_t n = 0; n < kinds.size(); ++n) {
        const Kind kind = kinds[n].kind;
        const bool sheetOwn = kind == Kind::Sheet || kind == Kind::Notes;
        const double margin = sheetOwn ? kSheetMargin : kTemplateMargin;
        const PageSize size = kind == Kind::Tile ? tilePage(data, plan)
            : kind == Kind::LargeTemplate        ? largePage(data).size
                                                 : paper;
        Page &page = layout.pages.emplace_back();
        PagePromises &promises = layout.promises.emplace_back();
        page.width = size.width;
        page.height = size.height;
        promises.textArea = {margin, margin, size.width - 2 * margin, size.height - 2 * margin};
        PageBuilder builder(page, promises);
        switch (kind) {
        case Kind::Sheet:
            describeSheetPage(builder, data, size);
            break;
        case Kind::Notes:
            describeNotesPage(builder, data, size,
                              pages == SheetPages::SheetOnly
                                  ? "The PDF sheet (-o FILE.pdf) carries a full-size template "
                                    "of the loop, on as many pages as it takes."
                                  : templateNote(data, plan));
            break;
        case Kind::LoopTemplate:
            describeLoopTemplate(builder, data, size, plan.verticalBeside, plan.verticalPage, {});
            break;
        case Kind::LargeTemplate: {
            const LargePage large = largePage(data);
            describeLoopTemplate(builder, data, size, large.verticalBeside, false,
                                 large.name.empty() ? "on one page of its own size" : "on one " + large.name + " page");
            break;
        }
        case Kind::VerticalTemplate:
            describeVerticalTemplate(builder, data, size);
            break;
        case Kind::Map:
            describeTemplateMap(builder, data, plan, size);
            break;
        case Kind::Tile:
            describeTile(builder, data, plan, kinds[n].tile, size);
            break;
        }
        if (sheetOwn)
            describeFooter(builder, data, size, n + 1, kinds.size());
        if (layout.refusal.empty())
            layout.refusal = builder.refusal();
    }
    return layout;
}

} // namespace varnel
