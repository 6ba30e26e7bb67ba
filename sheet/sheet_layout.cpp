#include "sheet/sheet_layout.h"

#include "calc/antenna_build.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"
#include "sheet/page_builder.h"
#include "sheet/standard_fonts.h"
#include "sheet/template_plan.h"

#include <algorithm>

namespace varnel {

namespace {

constexpr double kSectionGap = 3; // mm between the sections of a page
constexpr double kFooterHeight = 5; // mm
constexpr double kTextPoints = 9; // the smallest type on the sheet
constexpr double kDrawingPen = 0.18; // mm: dimension and extension lines
constexpr double kArrow = 1.6; // mm

constexpr Rgb kTubeBand {255, 214, 160}; // the tubing's width on the template
constexpr Rgb kWarningBand {255, 236, 160};
constexpr Rgb kGapNoteRed {170, 0, 0}; // the notes window's red, dark enough to read in print
constexpr Rgb kSharedBand {228, 228, 228}; // on a tile, what its neighbour shows too

Font regular(double points = kTextPoints)
{
    return {Face::Regular, points};
}

Font bold(double points = kTextPoints)
{
    return {Face::Bold, points};
}

Stroke thin(double width = kDrawingPen)
{
    return {width, kBlack, Cap::Flat, Join::Miter};
}

// Where the loop's pieces lie in a plan view seen from above, with the feed
// side nearest the reader: the square from `corner` (its top-left, far
// corner on the left) and `side` drawn mm long. Seen from the feed point,
// END runs left from the gap and the verticals stand near the far right
// corner, the downward one on the left for RHCP: the notes window's diagram
// turned so that its feed side faces the reader.
struct PlanGeometry
{
    PlanGeometry(const SheetData &data, Point corner, double scale)
        : topLeft(corner)
        , side(data.state.HorizontalSide * scale)
        , bottomLeft(corner + Point {0, side})
        , bottomRight(corner + Point {side, side})
        , topRight(corner + Point {side, 0})
        , gapLeft(bottomLeft + Point {feedSide(data).end * scale, 0})
        , gapRight(gapLeft + Point {feedSide(data).gap * scale, 0})
        , upVertical(topRight - Point {side * kVerticalsFromCorner, 0})
        , downVertical(upVertical - Point {data.state.CenterGap * scale, 0})
    {
    }
    Point topLeft;
    double side;
    Point bottomLeft;
    Point bottomRight;
    Point topRight;
    Point gapLeft;
    Point gapRight;
    Point upVertical;
    Point downVertical;

    // The loop from one end of the gap round to the other.
    std::vector<Point> loop() const { return {gapLeft, bottomLeft, topLeft, topRight, bottomRight, gapRight}; }
};

// The kinds of page, in the order they come.
enum class PageKind { Sheet, Notes, LoopTemplate, VerticalTemplate, Map, Tile, LargeTemplate };

class SheetDescriber
{
public:
    SheetDescriber(const SheetData &data, SheetPages pages)
        : m_data(data)
        , m_size(pageMillimetres(data.page))
        , m_width(m_size.width - 2 * kSheetMargin)
        , m_pages(pages)
        , m_template(pages == SheetPages::WithTemplate ? templatePlan(data) : TemplatePlan {})
    {
    }

    std::vector<Page> describe()
    {
        struct Kind
        {
            PageKind kind;
            std::size_t tile = 0;
        };
        std::vector<Kind> kinds;
        if (m_pages == SheetPages::LargeTemplate) {
            kinds.push_back({PageKind::LargeTemplate});
        } else {
            kinds = {{PageKind::Sheet}, {PageKind::Notes}};
            if (m_template.kind == TemplatePlan::Kind::OnePage)
                kinds.push_back({PageKind::LoopTemplate});
            if (m_template.kind == TemplatePlan::Kind::Tiled) {
                kinds.push_back({PageKind::Map});
                for (std::size_t n = 0; n < m_template.tiles.size(); ++n)
                    kinds.push_back({PageKind::Tile, n});
            }
            if (m_template.drawn() && m_template.verticalPage)
                kinds.push_back({PageKind::VerticalTemplate});
        }
        std::vector<Page> pages;
        for (std::size_t n = 0; n < kinds.size(); ++n) {
            const PageKind kind = kinds[n].kind;
            const bool sheetOwn = kind == PageKind::Sheet || kind == PageKind::Notes;
            const double margin = sheetOwn ? kSheetMargin : kTemplateMargin;
            const PageSize size = kind == PageKind::Tile ? varnel::tilePage(m_data, m_template)
                : kind == PageKind::LargeTemplate        ? largePage(m_data).size
                                                         : m_size;
            Page page;
            page.width = size.width;
            page.height = size.height;
            page.textArea = {margin, margin, size.width - 2 * margin, size.height - 2 * margin};
            PageBuilder builder(page);
            m_p = &builder;
            switch (kind) {
            case PageKind::Sheet:
                sheetPage();
                break;
            case PageKind::Notes:
                notesPage();
                break;
            case PageKind::LoopTemplate:
                loopTemplatePage(size, m_template.verticalBeside, {});
                break;
            case PageKind::LargeTemplate: {
                const LargePage large = largePage(m_data);
                loopTemplatePage(size, large.verticalBeside,
                                 large.name.empty() ? "on one page of its own size" : "on one " + large.name + " page");
                break;
            }
            case PageKind::VerticalTemplate:
                verticalTemplatePage();
                break;
            case PageKind::Map:
                mapPage();
                break;
            case PageKind::Tile:
                tileSheet(kinds[n].tile, size);
                break;
            }
            if (sheetOwn)
                footer(n + 1, kinds.size());
            pages.push_back(std::move(page));
        }
        m_p = nullptr;
        return pages;
    }

private:
    std::string field(Quantity quantity) const { return fieldText(m_data, quantity, Unit::Millimetre); }

    // A wrapped paragraph across `width` mm at `y`; returns its height.
    double paragraph(double x, double y, double width, const std::string &text)
    {
        const double height = m_p->measure({0, 0, width, 1000}, AlignLeft | Wrap, text).height + 0.3;
        m_p->text({x, y, width, height}, AlignLeft | AlignTop | Wrap, text);
        return height;
    }

    // A label of one or more lines centred on `x` (or ending at it, or
    // starting from it), its top at `top`, kept between `minX` and `maxX`.
    Rect label(double x, double top, unsigned align, const std::string &text, double minX = -1e9, double maxX = 1e9)
    {
        const Rect measure = m_p->measure({0, 0, 100, 100}, AlignLeft | AlignTop, text);
        const double width = measure.width + 0.6;
        const double height = measure.height + 0.2;
        double left = align & AlignHCenter ? x - width / 2 : align & AlignRight ? x - width : x;
        left = std::max(minX, std::min(left, maxX - width));
        return m_p->text({left, top, width, height}, align | AlignTop, text);
    }

    // The tubing to scale, but never thinner than a line can be printed,
    // nor, where the lengths cannot be built from it, wider than the loop
    // leaves room for.
    double drawnTube(double scale) const
    {
        const double side = m_data.state.HorizontalSide * scale;
        return std::clamp(m_data.state.ElementDiameter * scale, 0.35, std::max(0.35, side * 0.15));
    }

    // A dimension between a and b (mm), `offset` mm out along `normal`, with
    // extension lines from just off the ends to a little beyond the line.
    void dimension(Point a, Point b, Point normal, double offset)
    {
        m_p->line(a + normal * 1.2, a + normal * (offset + 1.5), thin());
        m_p->line(b + normal * 1.2, b + normal * (offset + 1.5), thin());
        dimensionLine(*m_p, a + normal * offset, b + normal * offset, kArrow, thin());
    }

    void tube(std::vector<Point> path, double width, Rgb colour)
    {
        m_p->polyline(std::move(path), {width, colour, Cap::Flat, Join::Miter});
    }

    // An upright vertical seen from above: a circle, with a dot for the one
    // that rises towards the viewer and a cross for the one that falls.
    void verticalMark(Point centre, double radius, bool up)
    {
        m_p->ellipse(centre, radius, radius, kWhite, thin(0.25));
        if (up) {
            m_p->ellipse(centre, radius * 0.3, radius * 0.3, kBlack, thin(0.25));
        } else {
            const double r = radius * 0.7;
            m_p->line(centre + Point {-r, -r}, centre + Point {r, r}, thin(0.25));
            m_p->line(centre + Point {-r, r}, centre + Point {r, -r}, thin(0.25));
        }
    }

    double title(double y, const std::string &heading, const std::string &subtitle)
    {
        m_p->setFont(bold(16));
        m_p->text({kSheetMargin, y, m_width, 9}, AlignLeft | AlignVCenter, heading);
        m_p->setFont(regular());
        return 10 + paragraph(kSheetMargin, y + 10, m_width, subtitle) + kSectionGap;
    }

    // ---- The sheet ----

    void sheetPage()
    {
        double y = kSheetMargin
            + title(kSheetMargin, sheetTitle(m_data),
                    "Omnidirectional circularly polarised antenna. Lengths in mm between the centre lines of the "
                    "elements.");
        for (const std::string &warning : sheetWarnings(m_data)) {
            m_p->setFont(bold());
            const std::string text = "Warning: " + warning + ".";
            const double height = m_p->measure({0, 0, m_width - 4, 1000}, AlignLeft | Wrap, text).height + 2;
            m_p->rectangle({kSheetMargin, y, m_width, height}, kWarningBand);
            m_p->text({kSheetMargin + 2, y + 1, m_width - 4, height - 2}, AlignLeft | AlignVCenter | Wrap, text);
            y += height + 2;
        }
        m_p->setFont(regular());
        y += paragraph(kSheetMargin, y, m_width, antennaReading(m_data)) + kSectionGap;

        constexpr double rowHeight = 92;
        constexpr double planWidth = 98;
        planView({kSheetMargin, y, planWidth, rowHeight});
        sideView({kSheetMargin + planWidth + 2, y, m_width - planWidth - 2, rowHeight});
        y += rowHeight + kSectionGap;

        constexpr double sketchWidth = 74;
        const double textWidth = m_width - sketchWidth - 4;
        std::string parts;
        for (const std::string &line : partLines(m_data))
            parts += line + "\n";
        parts += polarisationRule();
        m_p->setFont(regular());
        const double textHeight = m_p->measure({0, 0, textWidth, 1000}, AlignLeft | Wrap, parts).height + 0.3;
        const double sketchHeight = 36;
        capacitorSketch({kSheetMargin, y, sketchWidth, sketchHeight});
        m_p->setFont(regular());
        m_p->text({kSheetMargin + sketchWidth + 4, y, textWidth, textHeight}, AlignLeft | AlignTop | Wrap, parts);
        y += std::max(sketchHeight, textHeight) + kSectionGap;
        cutListSection(y);
    }

    // The loop seen from above, true to scale, dimensioned.
    void planView(const Rect &area)
    {
        constexpr double roomLeft = 24; // for SIDE's label
        constexpr double roomBelow = 24; // for the feed side's chain of dimensions
        const double room = std::min(area.width - roomLeft - 16, area.height - 6 - 3 - roomBelow);
        const DrawingScale scale = drawingScale(m_data.state.HorizontalSide, room);
        m_p->setFont(bold());
        m_p->text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter, "Plan, from above, " + scale.text);
        const PlanGeometry plan(m_data, {area.x + roomLeft, area.y + 9}, scale.factor);
        const double tubeWidth = drawnTube(scale.factor);
        tube(plan.loop(), tubeWidth, kElementOrange);
        const double markRadius = std::max(tubeWidth * 0.75, 0.9);
        verticalMark(plan.upVertical, markRadius, true);
        verticalMark(plan.downVertical, markRadius, false);

        m_p->setFont(regular());
        // Inside the square: which vertical rises, which falls, the feed.
        const double inside = tubeWidth / 2 + markRadius + 0.6;
        label(plan.upVertical.x, plan.topLeft.y + inside, AlignHCenter, "UP");
        label(plan.downVertical.x, plan.topLeft.y + inside + 4.2, AlignHCenter, "DOWN");
        label(along(plan.gapLeft, plan.gapRight, 0.5).x, plan.bottomLeft.y - tubeWidth / 2 - 4.6, AlignHCenter, "FEED");

        // SIDE, along the left side, its label to the left.
        const std::string sideLabel = "SIDE\n" + field(Quantity::HorizontalSide);
        dimension(plan.topLeft, plan.bottomLeft, {-1, 0}, 5);
        m_p->promise({plan.topLeft, plan.bottomLeft, sideLabel, scale.text});
        label(plan.topLeft.x - 7, plan.topLeft.y + plan.side / 2 - 4, AlignRight, sideLabel);
        // The feed side as a chain: END, the gap, the rest.
        const Point down {0, 1};
        constexpr double chain = 5;
        const FeedSide built = feedSide(m_data);
        const std::string endLabel = "END\n" + lengthText(m_data, built.end);
        const std::string restLabel = "rest\n" + lengthText(m_data, built.rest);
        const std::string gapLabel = (built.narrowed ? "feed gap " : "GAP ") + lengthText(m_data, built.gap);
        dimension(plan.bottomLeft, plan.gapLeft, down, chain);
        dimension(plan.gapLeft, plan.gapRight, down, chain);
        dimension(plan.gapRight, plan.bottomRight, down, chain);
        m_p->promise({plan.bottomLeft, plan.gapLeft, endLabel, scale.text});
        m_p->promise({plan.gapLeft, plan.gapRight, gapLabel, scale.text});
        m_p->promise({plan.gapRight, plan.bottomRight, restLabel, scale.text});
        const double row1 = plan.bottomLeft.y + chain + 1.4;
        label(along(plan.bottomLeft, plan.gapLeft, 0.5).x, row1, AlignHCenter, endLabel);
        label(plan.bottomRight.x + 2, plan.bottomLeft.y + chain - 2, AlignLeft, restLabel);
        label(along(plan.gapLeft, plan.gapRight, 0.5).x, row1 + 8.6, AlignHCenter, gapLabel);
    }

    // The verticals seen from the feed point: the far side edge-on, the
    // upward vertical on the right, the downward one on the left.
    void sideView(const Rect &area)
    {
        constexpr double roomSide = 22;
        const double height = m_data.state.VerticalHeight;
        const double room = area.height - 6 - 10;
        // Both verticals one above the other, and the side no wider than the
        // room between the two labels.
        const double widthRoom = (area.width - 2 * roomSide) * 2 * height / m_data.state.HorizontalSide;
        const DrawingScale scale = drawingScale(2 * height, std::min(room, widthRoom));
        m_p->setFont(bold());
        m_p->text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter,
                  "Side, from the feed point, " + scale.text);
        const double s = scale.factor;
        const double side = m_data.state.HorizontalSide * s;
        const double left = area.x + roomSide;
        const double level = area.y + 8 + height * s;
        const double upX = left + side * (1 - kVerticalsFromCorner);
        const double downX = upX - m_data.state.CenterGap * s;
        const double tubeWidth = drawnTube(s);
        tube({{left, level}, {left + side, level}}, tubeWidth, kElementOrange);
        tube({{upX, level}, {upX, level - height * s}}, tubeWidth, kElementOrange);
        tube({{downX, level}, {downX, level + height * s}}, tubeWidth, kElementOrange);

        m_p->setFont(regular());
        const std::string heightText = "HEIGHT\n" + field(Quantity::VerticalHeight);
        // The upward one's height at the right, beyond the loop's end.
        const double right = left + side;
        m_p->line({upX + 1, level - height * s}, {right + 5.5, level - height * s}, thin());
        m_p->line({right + 1, level}, {right + 5.5, level}, thin());
        dimensionLine(*m_p, {right + 4, level - height * s}, {right + 4, level}, kArrow, thin());
        m_p->promise({{right + 4, level - height * s}, {right + 4, level}, heightText, scale.text});
        label(right + 6.5, level - height * s / 2 - 4, AlignLeft, heightText);
        // The downward one's at the left.
        m_p->line({downX - 1, level + height * s}, {left - 5.5, level + height * s}, thin());
        m_p->line({left - 1, level}, {left - 5.5, level}, thin());
        dimensionLine(*m_p, {left - 4, level}, {left - 4, level + height * s}, kArrow, thin());
        m_p->promise({{left - 4, level}, {left - 4, level + height * s}, heightText, scale.text});
        label(left - 6.5, level + height * s / 2 - 4, AlignRight, heightText);
        // The gap between them, above the loop, where only the upward one is.
        const std::string gapText = "GAP\n" + field(Quantity::CenterGap);
        m_p->line({downX, level - 1.2}, {downX, level - 6}, thin());
        dimensionLine(*m_p, {downX, level - 4.5}, {upX, level - 4.5}, kArrow, thin());
        m_p->promise({{downX, level - 4.5}, {upX, level - 4.5}, gapText, scale.text});
        label(downX - 1.5, level - 13, AlignRight, gapText);
    }

    // How the two capacitors are wired at the feed point, after the notes
    // window's sketch: the parallel one across the gap, the series one in
    // the lead from the left-hand end to the coax.
    void capacitorSketch(const Rect &area)
    {
        m_p->setFont(bold());
        m_p->text({area.x, area.y, area.width, 5}, AlignLeft | AlignVCenter, "Capacitors at the feed point");
        const double barY = area.y + 10;
        const double gapLeft = area.x + area.width / 2 - 5;
        const double gapRight = gapLeft + 10;
        tube({{area.x + 2, barY}, {gapLeft, barY}}, 2.2, kElementOrange);
        tube({{gapRight, barY}, {area.right() - 2, barY}}, 2.2, kElementOrange);
        const Stroke plate {0.35, kBlack, Cap::Square, Join::Bevel};
        const auto capacitor = [&](Point centre, bool acrossVertical) {
            const Point half = acrossVertical ? Point {0, 1.8} : Point {1.8, 0};
            const Point gap = acrossVertical ? Point {0.6, 0} : Point {0, 0.6};
            m_p->line(centre - gap - half, centre - gap + half, plate);
            m_p->line(centre + gap - half, centre + gap + half, plate);
        };
        const Stroke wire {0.25, kBlack, Cap::Square, Join::Bevel};
        // Parallel: across the gap, just below the bar.
        const double bridge = barY + 3;
        const Point parallel {(gapLeft + gapRight) / 2, bridge};
        m_p->line({gapLeft - 1, barY}, {gapLeft - 1, bridge}, wire);
        m_p->line({gapRight + 1, barY}, {gapRight + 1, bridge}, wire);
        m_p->line({gapLeft - 1, bridge}, parallel - Point {0.6, 0}, wire);
        m_p->line(parallel + Point {0.6, 0}, {gapRight + 1, bridge}, wire);
        capacitor(parallel, true);
        // Series: in the lead from the left end down to the coax.
        const Rect coax {gapLeft + 1, area.bottom() - 6, 8, 5};
        const Point series {gapLeft - 1, bridge + 7};
        m_p->line({gapLeft - 1, bridge}, series - Point {0, 0.6}, wire);
        m_p->line(series + Point {0, 0.6}, {gapLeft - 1, coax.y}, wire);
        capacitor(series, false);
        m_p->line({gapRight + 1, bridge}, {gapRight - 1, coax.y}, wire);
        m_p->rectangle(coax, Rgb {40, 40, 40}, wire);
        m_p->setFont(regular());
        label(gapLeft - 3.5, series.y - 2.2, AlignRight,
              "series\n" + fieldText(m_data, Quantity::SeriesCap, Unit::Picofarad) + " pF");
        label(gapRight + 3.5, bridge + 1.5, AlignLeft,
              "parallel\n" + fieldText(m_data, Quantity::ParallelCap, Unit::Picofarad) + " pF");
        label(coax.right() + 2, coax.y - 0.5, AlignLeft, "coax");
    }

    void cutListSection(double y)
    {
        m_p->setFont(bold(11));
        m_p->text({kSheetMargin, y, m_width, 6}, AlignLeft | AlignVCenter, "Cut list");
        y += 6.5;
        const double columns[] = {0, 76, 88, 107, 124, m_width};
        const auto row = [&](double top, double height, const std::string(&cells)[5]) {
            for (int c = 0; c < 5; ++c)
                m_p->text({kSheetMargin + columns[c], top, columns[c + 1] - columns[c] - 1.5, height},
                          AlignLeft | AlignBottom | Wrap, cells[c]);
        };
        m_p->setFont(bold());
        const std::string headings[5] = {"Piece", "Count", "mm", "inch", "tape, nearest 1/16 in (mark minus length)"};
        row(y, 8.5, headings);
        y += 8.8;
        m_p->line({kSheetMargin, y}, {kSheetMargin + m_width, y}, thin(0.25));
        m_p->setFont(regular());
        for (const CutRow &cut : cutList(m_data)) {
            const std::string cells[5] = {cut.piece, cut.count, cut.millimetres, cut.inches, cut.tape};
            row(y + 0.3, 4.8, cells);
            y += 5.1;
        }
        y += 1.5;
        paragraph(kSheetMargin, y, m_width, feedSideSum(m_data));
    }

    // ---- The notes ----

    void notesPage()
    {
        double y = kSheetMargin
            + title(kSheetMargin, notesTitle(m_data),
                    "As the notes window gives them. The last paragraph is the note on the feed gap.");
        const std::vector<std::string> paragraphs = noteParagraphs();
        m_p->setFont(regular(kTextPoints + 1));
        for (std::size_t n = 0; n < paragraphs.size(); ++n) {
            if (n + 1 == paragraphs.size())
                m_p->setTextColour(kGapNoteRed);
            y += paragraph(kSheetMargin, y, m_width, paragraphs[n]) + 2.2;
        }
        m_p->setTextColour(kBlack);
        y += kSectionGap;
        const std::string note = m_pages == SheetPages::SheetOnly
            ? "The PDF sheet (-o FILE.pdf) carries a full-size template of the loop, on as many pages as it takes."
            : templateNote(m_data, m_template);
        m_p->setFont(bold());
        paragraph(kSheetMargin, y, m_width, note);
    }

    void footer(std::size_t page, std::size_t pages)
    {
        const double top = m_size.height - kSheetMargin - kFooterHeight;
        m_p->setFont(regular(8));
        m_p->line({kSheetMargin, top + 0.3}, {kSheetMargin + m_width, top + 0.3}, thin(0.2));
        m_p->text({kSheetMargin, top + 0.8, m_width, kFooterHeight - 0.8}, AlignLeft | AlignVCenter,
                  "varnel " + m_data.version + ", " + m_data.date + ". Page " + std::to_string(page) + " of "
                      + std::to_string(pages) + ". The numbers are the varnel window's for this frequency.");
    }

    // ---- The full-size template ----

    double templateTitle(double pageWidth, const std::string &what)
    {
        m_p->setFont(bold(14));
        m_p->text({kTemplateMargin, kTemplateMargin, pageWidth - 2 * kTemplateMargin, 8}, AlignLeft | AlignVCenter,
                  varnel::templateTitle(m_data) + ": " + what);
        return kTemplateMargin + kTemplateTitleHeight;
    }

    // A bar of `cells` cells of `cell` mm; the length it promises is that
    // of the cells as drawn.
    void bar(Point origin, int cells, double cell, const std::string &says)
    {
        Rect drawn {origin.x, origin.y, 0, 3};
        for (int n = 0; n < cells; ++n) {
            const Rect one {origin.x + n * cell, origin.y, cell, 3};
            m_p->rectangle(one, n % 2 ? kWhite : kBlack, thin(0.2));
            drawn.width = one.right() - drawn.x;
        }
        m_p->promise({{drawn.x, drawn.y}, {drawn.right(), drawn.y}, says, "1:1"});
    }

    // A 100 mm bar in 10 mm cells, a 4 in bar in inches under it, and the
    // words to print them by.
    void checkBars(Point origin, double textWidth)
    {
        bar(origin, 10, 10, "This bar is 100 mm long");
        bar(origin + Point {0, 4.5}, 4, 25.4, "the lower 101.6 mm");
        m_p->setFont(regular());
        paragraph(origin.x, origin.y + 8.5, textWidth,
                  "Print at 100 % (actual size, no fit to page). This bar is 100 mm long, the lower 4 in (101.6 mm): "
                  "measure them before you cut. Black lines are centre lines; the band is the "
                      + field(Quantity::ElementDiameter) + " mm tubing.");
    }

    struct LoopLabel
    {
        double x;
        double top;
        unsigned align;
        std::string text;
        bool inside; // kept inside the square
    };

    // The template's labels, in the loop's coordinates: inside the tube's
    // band, on the paper the template leaves bare.
    std::vector<LoopLabel> loopLabels(const PlanGeometry &plan) const
    {
        const double inner = m_data.state.ElementDiameter / 2 + 1;
        const double bottom = plan.bottomLeft.y - inner;
        const FeedSide built = feedSide(m_data);
        return {
            {plan.upVertical.x, plan.topLeft.y + inner + 1, AlignHCenter, "UP", true},
            {plan.downVertical.x, plan.topLeft.y + inner + 5.5, AlignHCenter, "DOWN", true},
            {along(plan.bottomLeft, plan.gapLeft, 0.5).x, bottom - 4.4, AlignHCenter,
             "END " + lengthText(m_data, built.end) + " mm", true},
            {plan.topRight.x - inner, bottom - 8.8, AlignRight, "rest " + lengthText(m_data, built.rest) + " mm", true},
            {along(plan.gapLeft, plan.gapRight, 0.5).x, bottom - 13.2, AlignHCenter,
             "FEED GAP " + lengthText(m_data, built.gap) + " mm", true},
            {plan.topLeft.x + plan.side / 2, plan.topLeft.y + plan.side / 2 - 2, AlignHCenter,
             "SIDE " + field(Quantity::HorizontalSide) + " mm, every side", false},
        };
    }

    // Where a label's box lies, kept inside the square where it should be.
    Rect labelBox(const PlanGeometry &plan, const LoopLabel &label) const
    {
        const Rect measure = m_p->measure({0, 0, 100, 100}, AlignLeft | AlignTop, label.text);
        const double width = measure.width + 0.6;
        double left = label.align & AlignHCenter ? label.x - width / 2
            : label.align & AlignRight           ? label.x - width
                                                 : label.x;
        if (label.inside) {
            const double inner = m_data.state.ElementDiameter / 2 + 1;
            left = std::max(plan.topLeft.x + inner, std::min(left, plan.topRight.x - inner - width));
        }
        return {left, label.top, width, measure.height + 0.2};
    }

    // The loop at full size: the tube's band, its centre line, the gap's
    // ends and the two verticals; and the lengths it promises.
    void fullSizeLoop(const PlanGeometry &plan)
    {
        const double tubeWidth = m_data.state.ElementDiameter;
        tube(plan.loop(), tubeWidth, kTubeBand);
        tube(plan.loop(), 0.25, kBlack);
        for (const Point &end : {plan.gapLeft, plan.gapRight})
            m_p->line(end - Point {0, tubeWidth / 2 + kGapMarks}, end + Point {0, tubeWidth / 2 + kGapMarks},
                      thin(0.25));
        verticalMark(plan.upVertical, tubeWidth / 2, true);
        verticalMark(plan.downVertical, tubeWidth / 2, false);
    }

    void promiseLoop(const PlanGeometry &plan)
    {
        const FeedSide built = feedSide(m_data);
        m_p->promise({plan.bottomLeft, plan.gapLeft, "END " + lengthText(m_data, built.end) + " mm", "1:1"});
        m_p->promise({plan.gapLeft, plan.gapRight, "FEED GAP " + lengthText(m_data, built.gap) + " mm", "1:1"});
        m_p->promise({plan.gapRight, plan.bottomRight, "rest " + lengthText(m_data, built.rest) + " mm", "1:1"});
        for (const auto &[from, to] :
             {std::pair {plan.bottomLeft, plan.topLeft}, std::pair {plan.topLeft, plan.topRight},
              std::pair {plan.topRight, plan.bottomRight}})
            m_p->promise({from, to, "SIDE " + field(Quantity::HorizontalSide) + " mm", "1:1"});
    }

    // The loop on one page, the paper's or a large one, with the vertical
    // beside it where it fits.
    void loopTemplatePage(PageSize size, bool verticalBeside, const std::string &where)
    {
        std::string what = verticalBeside ? "the loop and one vertical" : "the loop";
        if (!where.empty())
            what += ", " + where;
        const double top = templateTitle(size.width, what);
        const double tubeWidth = m_data.state.ElementDiameter;
        const PlanGeometry plan(m_data, {kTemplateMargin + tubeWidth / 2, top + tubeWidth / 2}, 1);
        fullSizeLoop(plan);
        m_p->setFont(regular());
        for (const LoopLabel &label : loopLabels(plan))
            m_p->text(labelBox(plan, label), label.align | AlignTop, label.text);
        promiseLoop(plan);
        const double footTop = size.height - kTemplateMargin - kTemplateFootHeight;
        if (verticalBeside)
            verticalRod(plan.topRight.x + tubeWidth + 12, top + tubeWidth / 2);
        else if (!m_template.verticalPage)
            paragraph(kTemplateMargin, plan.bottomLeft.y + tubeWidth / 2 + kGapMarks + 3,
                      size.width - 2 * kTemplateMargin,
                      "The verticals are longer than this page holds: cut them by the cut list and a tape.");
        checkBars({kTemplateMargin, footTop + 1}, size.width - 2 * kTemplateMargin);
    }

    void verticalTemplatePage()
    {
        const double top = templateTitle(m_size.width, "one vertical");
        const double tubeWidth = m_data.state.ElementDiameter;
        const double rodX = kTemplateMargin + tubeWidth / 2;
        verticalRod(rodX, top + tubeWidth / 2);
        const double textLeft = rodX + tubeWidth / 2 + 32;
        checkBars({textLeft, top + 30}, m_size.width - kTemplateMargin - textLeft);
    }

    // One vertical, upright, from `top` down, with its words to its right.
    void verticalRod(double x, double top)
    {
        const double tubeWidth = m_data.state.ElementDiameter;
        const double height = m_data.state.VerticalHeight;
        const std::vector<Point> rod {{x, top}, {x, top + height}};
        tube(rod, tubeWidth, kTubeBand);
        tube(rod, 0.25, kBlack);
        for (double y : {top, top + height})
            m_p->line({x - tubeWidth / 2 - 2, y}, {x + tubeWidth / 2 + 2, y}, thin(0.25));
        m_p->setFont(regular());
        const std::string words = "one vertical:\nHEIGHT " + field(Quantity::VerticalHeight) + " mm,\ncut two";
        label(x + tubeWidth / 2 + 3, top + height / 2 - 6, AlignLeft, words);
        m_p->promise({rod[0], rod[1], "HEIGHT " + field(Quantity::VerticalHeight) + " mm", "1:1"});
    }

    // ---- A template across several sheets ----

    const Tile *tileAt(int row, int column) const
    {
        for (const Tile &tile : m_template.tiles) {
            if (tile.row == row && tile.column == column)
                return &tile;
        }
        return nullptr;
    }

    // The tiles as a labelled grid over a small drawing of the loop, and
    // how to put them together.
    void mapPage()
    {
        const std::size_t count = m_template.tiles.size();
        double y = templateTitle(m_size.width, "how its " + std::to_string(count) + " sheets go together");
        const Rect first = m_template.tiles.front().window;
        const Rect last = m_template.tiles.back().window;
        const Rect covered {first.x, first.y, last.right() - first.x, last.bottom() - first.y};
        const double room = std::min(m_size.width - 2 * kTemplateMargin - 20, 150.0);
        const DrawingScale scale = drawingScale(std::max(covered.width, covered.height), room);
        m_p->setFont(bold());
        m_p->text({kTemplateMargin, y, m_size.width - 2 * kTemplateMargin, 5}, AlignLeft | AlignVCenter,
                  "The sheets over the loop, " + scale.text);
        y += 8;
        const double s = scale.factor;
        const Point origin {kTemplateMargin + 10 - covered.x * s, y - covered.y * s};
        const auto onMap = [&](Point loop) { return origin + loop * s; };
        const PlanGeometry plan(m_data, onMap({0, 0}), s);
        tube(plan.loop(), std::max(0.35, m_data.state.ElementDiameter * s), kElementOrange);
        for (const Tile &tile : m_template.tiles) {
            const Point corner = onMap({tile.window.x, tile.window.y});
            const Rect cell {corner.x, corner.y, tile.window.width * s, tile.window.height * s};
            m_p->rectangle(cell, std::nullopt, thin(0.3));
            m_p->page().map.push_back({tile.label, cell});
        }
        m_p->setFont(bold(14));
        for (const Tile &tile : m_template.tiles) {
            // In the middle of the part of its cell that no neighbour shares,
            // on white, over the loop as it may be.
            const Point corner = onMap({tile.window.x, tile.window.y});
            const double inset = kTileOverlap * s;
            const Rect own {
                corner.x + (tile.column > 0 ? inset : 0), corner.y + (tile.row > 0 ? inset : 0),
                tile.window.width * s - (tile.column > 0 ? inset : 0) - (tileAt(tile.row, tile.column + 1) ? inset : 0),
                tile.window.height * s - (tile.row > 0 ? inset : 0) - (tileAt(tile.row + 1, tile.column) ? inset : 0)};
            const Rect measure = m_p->measure({0, 0, 100, 100}, AlignLeft | AlignTop, tile.label);
            const Rect box {own.x + (own.width - measure.width) / 2 - 0.3, own.y + (own.height - measure.height) / 2,
                            measure.width + 0.6, measure.height};
            m_p->rectangle({box.x - 1, box.y - 0.5, box.width + 2, box.height + 1}, kWhite, thin(0.3));
            m_p->text(box, AlignHCenter | AlignTop, tile.label);
        }
        y += covered.height * s + 6;
        m_p->setFont(regular());
        std::string words = "Print every sheet at 100 % (actual size, no fit to page) and check both bars on each. "
                            "Each sheet shows its part of the loop, and the band along an edge that it shares with its "
                            "neighbour is shaded. Lay the sheets out as the map shows, each neighbour over the shaded "
                            "band, so that the registration crosses meet; tape them. The rows are lettered from the "
                            "top, the columns numbered from the left.";
        if (!m_template.verticalPage)
            words += " The verticals are longer than a page holds: cut them by the cut list and a tape.";
        paragraph(kTemplateMargin, y, m_size.width - 2 * kTemplateMargin, words);
    }

    // Which neighbour lies on which side.
    std::string neighbours(const Tile &tile) const
    {
        std::string said;
        const auto add = [&](const Tile *other, const char *side) {
            if (other)
                said += std::string(said.empty() ? "" : "; ") + other->label + " joins " + side;
        };
        add(tileAt(tile.row - 1, tile.column), "above");
        add(tileAt(tile.row, tile.column - 1), "on the left");
        add(tileAt(tile.row, tile.column + 1), "on the right");
        add(tileAt(tile.row + 1, tile.column), "below");
        return said;
    }

    void tileSheet(std::size_t index, PageSize size)
    {
        const Tile &tile = m_template.tiles[index];
        templateTitle(size.width, "tile " + tile.label);
        m_p->setFont(regular());
        paragraph(kTemplateMargin, kTemplateMargin + 9, size.width - 2 * kTemplateMargin,
                  "Sheet " + std::to_string(index + 1) + " of " + std::to_string(m_template.tiles.size()) + ". "
                      + neighbours(tile) + ": lay it over the shaded band so that the crosses meet.");
        const Rect window = tileWindowOnPage(m_data, m_template);
        m_p->page().tile = TileView {tile.label, tile.window, window};
        // From the loop's coordinates to the page's.
        const Point shift {window.x - tile.window.x, window.y - tile.window.y};
        const auto onPage = [&](Point loop) { return loop + shift; };
        m_p->clip(window);
        // The bands it shares with its neighbours.
        for (const Tile &other : m_template.tiles) {
            if (&other == &tile || std::abs(other.row - tile.row) + std::abs(other.column - tile.column) != 1)
                continue;
            const double left = std::max(tile.window.x, other.window.x);
            const double top = std::max(tile.window.y, other.window.y);
            const Point corner = onPage({left, top});
            m_p->rectangle({corner.x, corner.y, std::min(tile.window.right(), other.window.right()) - left,
                            std::min(tile.window.bottom(), other.window.bottom()) - top},
                           kSharedBand);
        }
        const PlanGeometry plan(m_data, onPage({0, 0}), 1);
        fullSizeLoop(plan);
        for (const Point &cross : m_template.crosses) {
            if (cross.x >= tile.window.x && cross.x <= tile.window.right() && cross.y >= tile.window.y
                && cross.y <= tile.window.bottom())
                registrationCross(onPage(cross));
        }
        m_p->clip(std::nullopt);
        // A label shows on every tile that holds it whole; one that no tile
        // holds whole, on the first tile that holds its middle, moved inside.
        m_p->setFont(regular());
        for (const LoopLabel &label : loopLabels(plan)) {
            Rect box = labelBox(plan, label);
            if (!window.contains(box)) {
                const Point middle {box.x + box.width / 2 - window.x + tile.window.x,
                                    box.y + box.height / 2 - window.y + tile.window.y};
                const Tile *owner = nullptr;
                for (const Tile &other : m_template.tiles) {
                    const Rect otherBox {box.x - window.x + tile.window.x, box.y - window.y + tile.window.y, box.width,
                                         box.height};
                    if (other.window.contains(otherBox))
                        owner = &other;
                }
                for (const Tile &other : m_template.tiles) {
                    if (!owner && middle.x >= other.window.x && middle.x < other.window.right()
                        && middle.y >= other.window.y && middle.y < other.window.bottom())
                        owner = &other;
                }
                if (owner != &tile)
                    continue;
                // Into the part no neighbour shares, clear of the crosses.
                const auto inset = [&](int row, int column) { return tileAt(row, column) ? kTileOverlap : 0.0; };
                const Rect own {window.x + inset(tile.row, tile.column - 1),
                                window.y + inset(tile.row - 1, tile.column),
                                window.width - inset(tile.row, tile.column - 1) - inset(tile.row, tile.column + 1),
                                window.height - inset(tile.row - 1, tile.column) - inset(tile.row + 1, tile.column)};
                const Rect room = own.width >= box.width && own.height >= box.height ? own : window;
                box.x = std::clamp(box.x, room.x, room.right() - box.width);
                box.y = std::clamp(box.y, room.y, room.bottom() - box.height);
            }
            m_p->text(box, label.align | AlignTop, label.text);
        }
        promiseLoop(plan);
        checkBars({kTemplateMargin, size.height - kTemplateMargin - kTemplateFootHeight + 1},
                  size.width - 2 * kTemplateMargin);
    }

    // A cross in a circle, where two sheets are laid over each other.
    void registrationCross(Point centre)
    {
        m_p->ellipse(centre, 2.5, 2.5, std::nullopt, thin(0.2));
        m_p->line(centre - Point {4, 0}, centre + Point {4, 0}, thin(0.2));
        m_p->line(centre - Point {0, 4}, centre + Point {0, 4}, thin(0.2));
        m_p->page().crosses.push_back(centre);
    }

    const SheetData &m_data;
    PageSize m_size;
    double m_width;
    SheetPages m_pages;
    TemplatePlan m_template;
    PageBuilder *m_p = nullptr;
};

} // namespace

std::vector<Page> describeSheet(const SheetData &data, SheetPages pages)
{
    return SheetDescriber(data, pages).describe();
}

} // namespace varnel
