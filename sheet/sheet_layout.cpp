#include "sheet/sheet_layout.h"

#include "calc/antenna_build.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"
#include "sheet/page_builder.h"
#include "sheet/standard_fonts.h"

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
    PlanGeometry(const Module1 &state, Point corner, double scale)
        : topLeft(corner)
        , side(state.HorizontalSide * scale)
        , bottomLeft(corner + Point {0, side})
        , bottomRight(corner + Point {side, side})
        , topRight(corner + Point {side, 0})
        , gapLeft(bottomLeft + Point {state.HorizontalEnd * scale, 0})
        , gapRight(gapLeft + Point {state.CenterGap * scale, 0})
        , upVertical(topRight - Point {side * kVerticalsFromCorner, 0})
        , downVertical(upVertical - Point {state.CenterGap * scale, 0})
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

// The kinds of page, in the order they come, and where their texts must stay.
enum class PageKind { Sheet, Notes, LoopTemplate, VerticalTemplate };

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
        std::vector<PageKind> kinds {PageKind::Sheet, PageKind::Notes};
        if (m_template.drawn) {
            kinds.push_back(PageKind::LoopTemplate);
            if (!m_template.verticalBeside)
                kinds.push_back(PageKind::VerticalTemplate);
        }
        std::vector<Page> pages;
        for (std::size_t n = 0; n < kinds.size(); ++n) {
            const bool sheetOwn = kinds[n] == PageKind::Sheet || kinds[n] == PageKind::Notes;
            const double margin = sheetOwn ? kSheetMargin : kTemplateMargin;
            Page page;
            page.width = m_size.width;
            page.height = m_size.height;
            page.textArea = {margin, margin, m_size.width - 2 * margin, m_size.height - 2 * margin};
            PageBuilder builder(page);
            m_p = &builder;
            switch (kinds[n]) {
            case PageKind::Sheet:
                sheetPage();
                break;
            case PageKind::Notes:
                notesPage();
                break;
            case PageKind::LoopTemplate:
                loopTemplatePage();
                break;
            case PageKind::VerticalTemplate:
                verticalTemplatePage();
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
        const PlanGeometry plan(m_data.state, {area.x + roomLeft, area.y + 9}, scale.factor);
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
        const std::string endLabel = "END\n" + field(Quantity::HorizontalEnd);
        const std::string restLabel = "rest\n" + restText(m_data);
        const std::string gapLabel = "GAP " + field(Quantity::CenterGap);
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
        std::string templateNote;
        if (m_pages == SheetPages::SheetOnly)
            templateNote = "Where the loop fits the paper, the PDF sheet (-o FILE.pdf) carries a full-size template "
                           "of it.";
        else if (m_template.drawn)
            templateNote = "The pages that follow are a full-size template of the loop and one vertical. Print them "
                           "at 100 % (actual size) and check the 100 mm bar.";
        else
            templateNote = m_template.why;
        m_p->setFont(bold());
        paragraph(kSheetMargin, y, m_width, templateNote);
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

    double templateTitle(const std::string &what)
    {
        m_p->setFont(bold(14));
        m_p->text({kTemplateMargin, kTemplateMargin, m_size.width - 2 * kTemplateMargin, 8}, AlignLeft | AlignVCenter,
                  varnel::templateTitle(m_data) + ": " + what);
        return kTemplateMargin + kTemplateTitleHeight;
    }

    // A 100 mm bar in 10 mm cells and the words to print it by; the length
    // it promises is that of the cells as drawn.
    void checkBar(Point origin, double textWidth)
    {
        constexpr double cell = 10;
        Rect drawn {origin.x, origin.y, 0, 3};
        for (int n = 0; n < 10; ++n) {
            const Rect one {origin.x + n * cell, origin.y, cell, 3};
            m_p->rectangle(one, n % 2 ? kWhite : kBlack, thin(0.2));
            drawn.width = one.right() - drawn.x;
        }
        m_p->promise({{drawn.x, drawn.y}, {drawn.right(), drawn.y}, "This bar is 100 mm long", "1:1"});
        m_p->setFont(regular());
        paragraph(origin.x, origin.y + 4, textWidth,
                  "Print at 100 % (actual size, no fit to page). This bar is 100 mm long: measure it before you cut. "
                  "Black lines are centre lines; the band is the "
                      + field(Quantity::ElementDiameter) + " mm tubing.");
    }

    void loopTemplatePage()
    {
        const double top = templateTitle(m_template.verticalBeside ? "the loop and one vertical" : "the loop");
        const double tubeWidth = m_data.state.ElementDiameter;
        const PlanGeometry plan(m_data.state, {kTemplateMargin + tubeWidth / 2, top + tubeWidth / 2}, 1);
        tube(plan.loop(), tubeWidth, kTubeBand);
        tube(plan.loop(), 0.25, kBlack);
        for (const Point &end : {plan.gapLeft, plan.gapRight})
            m_p->line(end - Point {0, tubeWidth / 2 + 2}, end + Point {0, tubeWidth / 2 + 2}, thin(0.25));
        verticalMark(plan.upVertical, tubeWidth / 2, true);
        verticalMark(plan.downVertical, tubeWidth / 2, false);

        m_p->setFont(regular());
        // Inside the tube's band, on the paper the template leaves bare.
        const double inner = tubeWidth / 2 + 1;
        const double minX = plan.topLeft.x + inner;
        const double maxX = plan.topRight.x - inner;
        label(plan.upVertical.x, plan.topLeft.y + inner + 1, AlignHCenter, "UP", minX, maxX);
        label(plan.downVertical.x, plan.topLeft.y + inner + 5.5, AlignHCenter, "DOWN", minX, maxX);
        const double bottom = plan.bottomLeft.y - inner;
        const std::string endLabel = "END " + field(Quantity::HorizontalEnd) + " mm";
        const std::string restLabel = "rest " + restText(m_data) + " mm";
        const std::string gapLabel = "FEED GAP " + field(Quantity::CenterGap) + " mm";
        const std::string sideLabel = "SIDE " + field(Quantity::HorizontalSide) + " mm, every side";
        label(along(plan.bottomLeft, plan.gapLeft, 0.5).x, bottom - 4.4, AlignHCenter, endLabel, minX, maxX);
        label(maxX, bottom - 8.8, AlignRight, restLabel, minX, maxX);
        label(along(plan.gapLeft, plan.gapRight, 0.5).x, bottom - 13.2, AlignHCenter, gapLabel, minX, maxX);
        label(plan.topLeft.x + plan.side / 2, plan.topLeft.y + plan.side / 2 - 2, AlignHCenter, sideLabel);
        m_p->promise({plan.bottomLeft, plan.gapLeft, endLabel, "1:1"});
        m_p->promise({plan.gapLeft, plan.gapRight, gapLabel, "1:1"});
        m_p->promise({plan.gapRight, plan.bottomRight, restLabel, "1:1"});
        for (const auto &[from, to] :
             {std::pair {plan.bottomLeft, plan.topLeft}, std::pair {plan.topLeft, plan.topRight},
              std::pair {plan.topRight, plan.bottomRight}})
            m_p->promise({from, to, sideLabel.substr(0, sideLabel.find(" mm") + 3), "1:1"});

        const double footTop = m_size.height - kTemplateMargin - kTemplateFootHeight;
        if (m_template.verticalBeside)
            verticalRod(plan.topRight.x + tubeWidth + 12, top + tubeWidth / 2);
        checkBar({kTemplateMargin, footTop + 2}, m_size.width - 2 * kTemplateMargin);
    }

    void verticalTemplatePage()
    {
        const double top = templateTitle("one vertical");
        const double tubeWidth = m_data.state.ElementDiameter;
        const double rodX = kTemplateMargin + tubeWidth / 2;
        verticalRod(rodX, top + tubeWidth / 2);
        const double textLeft = rodX + tubeWidth / 2 + 32;
        checkBar({textLeft, top + 30}, m_size.width - kTemplateMargin - textLeft);
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
