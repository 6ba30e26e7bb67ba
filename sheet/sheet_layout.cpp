#include "sheet/sheet_layout.h"

#include "numbers/number_text.h"
#include "sheet/page_drawing.h"
#include "sheet/page_kinds.h"
#include "sheet/template_plan.h"

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

// A full-size page laid out on the paper as the printer shrinks it, drawn
// larger (or, for one that enlarges, smaller) by `scale` so that the
// printer prints it true: every point and box, and the type and pens by
// the smaller of the two, so that each text stays inside its box and no
// two meet. What the page promises is drawn larger
// with it, each length at the scale it is now drawn to.
class DrawnLarger
{
public:
    explicit DrawnLarger(Point scale)
        : m_scale(scale)
        , m_type(std::min(scale.x, scale.y))
    {
    }

    void page(Page &page, PagePromises &promises) const
    {
        for (Item &item : page.items)
            std::visit([&](auto &drawn) { this->item(drawn); }, item);
        promises.textArea = rect(promises.textArea);
        for (TextBlock &text : promises.texts) {
            text.box = rect(text.box);
            // Where its lines now start, and what the type now takes.
            text.used = {text.used.x * m_scale.x, text.used.y * m_scale.y, text.used.width * m_type,
                         text.used.height * m_type};
        }
        for (DrawnLength &length : promises.lengths) {
            const bool across = std::abs(length.to.x - length.from.x) >= std::abs(length.to.y - length.from.y);
            length.from = point(length.from);
            length.to = point(length.to);
            length.scale = scaleText(across ? m_scale.x : m_scale.y);
        }
        if (promises.tile)
            promises.tile->onPage = rect(promises.tile->onPage);
        for (Point &cross : promises.crosses)
            cross = point(cross);
    }

    // "100:98.6": the scale a length is drawn to, as the bar measured it.
    static std::string scaleText(double scale) { return "100:" + formatDouble(100 / scale, "."); }

private:
    Point point(Point p) const { return {p.x * m_scale.x, p.y * m_scale.y}; }
    Rect rect(const Rect &r) const
    {
        return {r.x * m_scale.x, r.y * m_scale.y, r.width * m_scale.x, r.height * m_scale.y};
    }
    void stroke(Stroke &stroke) const { stroke.width *= m_type; }

    void item(Polyline &line) const
    {
        for (Point &p : line.points)
            p = point(p);
        stroke(line.stroke);
    }
    void item(Shape &shape) const
    {
        for (Point &p : shape.points)
            p = point(p);
        shape.bounds = rect(shape.bounds);
        if (shape.stroke)
            stroke(*shape.stroke);
    }
    void item(TextRun &text) const
    {
        text.origin = point(text.origin);
        text.font.points *= m_type;
    }
    void item(Clipped &clip) const
    {
        clip.rect = rect(clip.rect);
        for (Drawn &drawn : clip.items)
            std::visit([&](auto &inner) { this->item(inner); }, drawn);
    }

    Point m_scale;
    double m_type;
};

} // namespace

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
        const PageSize paperSize = kind == Kind::Tile ? tilePage(data, plan)
            : kind == Kind::LargeTemplate             ? largePage(data).size
                                                      : paper;
        // The full-size pages are laid out on the paper as the printer
        // shrinks it, then drawn larger by as much.
        const bool fullSize = !sheetOwn && kind != Kind::Map;
        const PageSize size = fullSize ? drawingPage(data, paperSize) : paperSize;
        Page &page = layout.pages.emplace_back();
        PagePromises &promises = layout.promises.emplace_back();
        page.width = paperSize.width;
        page.height = paperSize.height;
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
        if (fullSize && data.printedBar)
            DrawnLarger(printerScale(data, paperSize)).page(page, promises);
        if (layout.refusal.empty())
            layout.refusal = builder.refusal();
    }
    return layout;
}

} // namespace varnel
