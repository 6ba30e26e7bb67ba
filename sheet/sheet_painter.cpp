#include "sheet/sheet_painter.h"

#include "calc/antenna_build.h"
#include "sheet/dimension_diagram.h"
#include "sheet/drawing_geometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr double kSectionGap = 3; // mm between the sections of a page
constexpr double kFooterHeight = 5; // mm
constexpr double kTextPoints = 9; // the smallest type on the sheet
constexpr double kDrawingPen = 0.18; // mm: dimension and extension lines
constexpr double kArrow = 1.6; // mm

const QColor kTubeBand(255, 214, 160); // the tubing's width on the template
const QColor kWarningBand(255, 236, 160);
const QColor kGapNoteRed(170, 0, 0); // the notes window's red, dark enough to read in print

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Where the loop's pieces lie in a plan view seen from above, with the feed
// side nearest the reader: the square from `corner` (its top-left, far
// corner on the left) and `side` drawn mm long. Seen from the feed point,
// END runs left from the gap and the verticals stand near the far right
// corner, the downward one on the left for RHCP: the notes window's diagram
// turned so that its feed side faces the reader.
struct PlanGeometry
{
    PlanGeometry(const Module1 &state, QPointF corner, double scale)
        : topLeft(corner)
        , side(state.HorizontalSide * scale)
        , bottomLeft(corner + QPointF(0, side))
        , bottomRight(corner + QPointF(side, side))
        , topRight(corner + QPointF(side, 0))
        , gapLeft(bottomLeft + QPointF(state.HorizontalEnd * scale, 0))
        , gapRight(gapLeft + QPointF(state.CenterGap * scale, 0))
        , upVertical(topRight - QPointF(side * kVerticalsFromCorner, 0))
        , downVertical(upVertical - QPointF(state.CenterGap * scale, 0))
    {
    }
    QPointF topLeft;
    double side;
    QPointF bottomLeft;
    QPointF bottomRight;
    QPointF topRight;
    QPointF gapLeft;
    QPointF gapRight;
    QPointF upVertical;
    QPointF downVertical;

    // The loop from one end of the gap round to the other.
    QPolygonF loop() const { return {gapLeft, bottomLeft, topLeft, topRight, bottomRight, gapRight}; }
};

class SheetPainter
{
public:
    SheetPainter(QPainter &p, const SheetData &data, double dotsPerMillimetre, SheetPages pages)
        : m_p(p)
        , m_data(data)
        , m_dots(dotsPerMillimetre)
        , m_pageSize(pageMillimetres(data.page))
        , m_width(m_pageSize.width - 2 * kSheetMargin)
        , m_pages(pages)
        , m_template(pages == SheetPages::WithTemplate ? templatePlan(data) : TemplatePlan {})
    {
    }

    int pageCount() const { return 2 + (m_template.drawn ? (m_template.verticalBeside ? 1 : 2) : 0); }

    SheetLayout paint(const std::function<void()> &nextPage)
    {
        m_layout.pages = pageCount();
        for (m_page = 0; m_page < m_layout.pages; ++m_page) {
            if (m_page > 0)
                nextPage();
            m_p.save();
            m_p.fillRect(QRectF(0, 0, mm(m_pageSize.width), mm(m_pageSize.height)), Qt::white);
            m_p.setPen(Qt::black);
            if (m_page == 0)
                sheetPage();
            else if (m_page == 1)
                notesPage();
            else if (m_page == 2)
                loopTemplatePage();
            else
                verticalTemplatePage();
            if (m_page < 2)
                footer();
            m_p.restore();
        }
        return m_layout;
    }

private:
    double mm(double millimetres) const { return millimetres * m_dots; }
    QPointF at(QPointF millimetres) const { return millimetres * m_dots; }
    QRectF box(const QRectF &millimetres) const
    {
        return {mm(millimetres.x()), mm(millimetres.y()), mm(millimetres.width()), mm(millimetres.height())};
    }
    QString field(Quantity quantity) const { return q(fieldText(m_data, quantity, Unit::Millimetre)); }

    // Draws `text` in `area` (mm) and records the room it took.
    QRectF write(const QRectF &area, int flags, const QString &text)
    {
        const QRectF used = m_p.boundingRect(box(area), flags, text);
        m_p.drawText(box(area), flags, text);
        const QRectF usedMillimetres(used.x() / m_dots, used.y() / m_dots, used.width() / m_dots,
                                     used.height() / m_dots);
        m_layout.texts.push_back({m_page, area, usedMillimetres, text});
        return usedMillimetres;
    }

    // The height a wrapped text takes in `width` mm, in the current font.
    double heightOf(double width, const QString &text) const
    {
        return m_p.boundingRect(QRectF(0, 0, mm(width), mm(1000)), Qt::AlignLeft | Qt::TextWordWrap, text).height()
            / m_dots;
    }

    // A wrapped paragraph across `width` mm at `y`; returns its height.
    double paragraph(double x, double y, double width, const QString &text)
    {
        const double height = heightOf(width, text) + 0.3;
        write(QRectF(x, y, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        return height;
    }

    // A label of one or more lines centred on `x` (or ending at it, or
    // starting from it), its top at `top`.
    // Kept between `minX` and `maxX` where those are given.
    QRectF label(double x, double top, Qt::Alignment align, const QString &text, double minX = -1e9, double maxX = 1e9)
    {
        const QRectF measure = m_p.boundingRect(QRectF(0, 0, mm(100), mm(100)), Qt::AlignLeft | Qt::AlignTop, text);
        const double width = measure.width() / m_dots + 0.6;
        const double height = measure.height() / m_dots + 0.2;
        double left = align & Qt::AlignHCenter ? x - width / 2 : align & Qt::AlignRight ? x - width : x;
        left = std::max(minX, std::min(left, maxX - width));
        return write(QRectF(left, top, width, height), int(align & Qt::AlignHorizontal_Mask) | Qt::AlignTop, text);
    }

    // The tubing to scale, but never thinner than a line can be printed,
    // nor, where the lengths cannot be built from it, wider than the loop
    // leaves room for.
    double drawnTube(double scale) const
    {
        const double side = m_data.state.HorizontalSide * scale;
        return std::clamp(m_data.state.ElementDiameter * scale, 0.35, std::max(0.35, side * 0.15));
    }

    void thinPen(double width = kDrawingPen) { m_p.setPen(QPen(Qt::black, mm(width), Qt::SolidLine, Qt::FlatCap)); }

    // A dimension between a and b (mm), `offset` mm out along `normal`, with
    // extension lines from just off the ends to a little beyond the line.
    void dimension(QPointF a, QPointF b, QPointF normal, double offset)
    {
        thinPen();
        m_p.drawLine(at(a + normal * 1.2), at(a + normal * (offset + 1.5)));
        m_p.drawLine(at(b + normal * 1.2), at(b + normal * (offset + 1.5)));
        dimensionLine(m_p, at(a + normal * offset), at(b + normal * offset), mm(kArrow));
    }

    void tube(const QPolygonF &path, double width, const QColor &colour, Qt::PenCapStyle cap = Qt::FlatCap)
    {
        QPolygonF onPage;
        for (const QPointF &point : path)
            onPage << at(point);
        m_p.setPen(QPen(colour, mm(width), Qt::SolidLine, cap, Qt::MiterJoin));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPolyline(onPage);
    }

    // An upright vertical seen from above: a circle, with a dot for the one
    // that rises towards the viewer and a cross for the one that falls.
    void verticalMark(QPointF centre, double radius, bool up)
    {
        thinPen(0.25);
        m_p.setBrush(Qt::white);
        m_p.drawEllipse(at(centre), mm(radius), mm(radius));
        if (up) {
            m_p.setBrush(Qt::black);
            m_p.drawEllipse(at(centre), mm(radius * 0.3), mm(radius * 0.3));
        } else {
            const double r = radius * 0.7;
            m_p.drawLine(at(centre + QPointF(-r, -r)), at(centre + QPointF(r, r)));
            m_p.drawLine(at(centre + QPointF(-r, r)), at(centre + QPointF(r, -r)));
        }
    }

    double title(double y, const QString &heading, const QString &subtitle)
    {
        m_p.setFont(sheetFont(16, true));
        write(QRectF(kSheetMargin, y, m_width, 9), Qt::AlignLeft | Qt::AlignVCenter, heading);
        m_p.setFont(sheetFont(kTextPoints));
        return 10 + paragraph(kSheetMargin, y + 10, m_width, subtitle) + kSectionGap;
    }

    // ---- Page 1: the sheet ----

    void sheetPage()
    {
        double y = kSheetMargin
            + title(kSheetMargin, q(sheetTitle(m_data)),
                    QStringLiteral("Omnidirectional circularly polarised antenna. Lengths in mm between the "
                                   "centre lines of the elements."));
        for (const std::string &warning : sheetWarnings(m_data)) {
            m_p.setFont(sheetFont(kTextPoints, true));
            const QString text = QStringLiteral("Warning: ") + q(warning) + QLatin1Char('.');
            const double height = heightOf(m_width - 4, text) + 2;
            m_p.fillRect(box(QRectF(kSheetMargin, y, m_width, height)), kWarningBand);
            write(QRectF(kSheetMargin + 2, y + 1, m_width - 4, height - 2),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
            y += height + 2;
        }
        m_p.setFont(sheetFont(kTextPoints));
        y += paragraph(kSheetMargin, y, m_width, q(antennaReading(m_data))) + kSectionGap;

        constexpr double rowHeight = 92;
        constexpr double planWidth = 98;
        planView(QRectF(kSheetMargin, y, planWidth, rowHeight));
        sideView(QRectF(kSheetMargin + planWidth + 2, y, m_width - planWidth - 2, rowHeight));
        y += rowHeight + kSectionGap;

        constexpr double sketchWidth = 74;
        const double textWidth = m_width - sketchWidth - 4;
        QString parts;
        for (const std::string &line : partLines(m_data))
            parts += q(line) + QLatin1Char('\n');
        parts += q(polarisationRule());
        m_p.setFont(sheetFont(kTextPoints));
        const double textHeight = heightOf(textWidth, parts) + 0.3;
        const double sketchHeight = 36;
        capacitorSketch(QRectF(kSheetMargin, y, sketchWidth, sketchHeight));
        m_p.setFont(sheetFont(kTextPoints));
        write(QRectF(kSheetMargin + sketchWidth + 4, y, textWidth, textHeight),
              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, parts);
        y += std::max(sketchHeight, textHeight) + kSectionGap;
        cutListSection(y);
    }

    // The loop seen from above, true to scale, dimensioned.
    void planView(const QRectF &area)
    {
        constexpr double roomLeft = 24; // for SIDE's label
        constexpr double roomBelow = 24; // for the feed side's chain of dimensions
        const double room = std::min(area.width() - roomLeft - 16, area.height() - 6 - 3 - roomBelow);
        const DrawingScale scale = drawingScale(m_data.state.HorizontalSide, room);
        m_p.setFont(sheetFont(kTextPoints, true));
        write(QRectF(area.left(), area.top(), area.width(), 5), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Plan, from above, %1").arg(q(scale.text)));
        const PlanGeometry plan(m_data.state, QPointF(area.left() + roomLeft, area.top() + 9), scale.factor);
        const double tubeWidth = drawnTube(scale.factor);
        tube(plan.loop(), tubeWidth, kElementOrange);
        const double markRadius = std::max(tubeWidth * 0.75, 0.9);
        verticalMark(plan.upVertical, markRadius, true);
        verticalMark(plan.downVertical, markRadius, false);

        m_p.setFont(sheetFont(kTextPoints));
        // Inside the square: which vertical rises, which falls, the feed.
        const double inside = tubeWidth / 2 + markRadius + 0.6;
        label(plan.upVertical.x(), plan.topLeft.y() + inside, Qt::AlignHCenter, QStringLiteral("UP"));
        label(plan.downVertical.x(), plan.topLeft.y() + inside + 4.2, Qt::AlignHCenter, QStringLiteral("DOWN"));
        label(along(plan.gapLeft, plan.gapRight, 0.5).x(), plan.bottomLeft.y() - tubeWidth / 2 - 4.6, Qt::AlignHCenter,
              QStringLiteral("FEED"));

        // SIDE, along the left side, its label to the left.
        dimension(plan.topLeft, plan.bottomLeft, QPointF(-1, 0), 5);
        label(plan.topLeft.x() - 7, plan.topLeft.y() + plan.side / 2 - 4, Qt::AlignRight,
              QStringLiteral("SIDE\n%1").arg(field(Quantity::HorizontalSide)));
        // The feed side as a chain: END, the gap, the rest.
        const QPointF down(0, 1);
        constexpr double chain = 5;
        dimension(plan.bottomLeft, plan.gapLeft, down, chain);
        dimension(plan.gapLeft, plan.gapRight, down, chain);
        dimension(plan.gapRight, plan.bottomRight, down, chain);
        const double row1 = plan.bottomLeft.y() + chain + 1.4;
        label(along(plan.bottomLeft, plan.gapLeft, 0.5).x(), row1, Qt::AlignHCenter,
              QStringLiteral("END\n%1").arg(field(Quantity::HorizontalEnd)));
        label(plan.bottomRight.x() + 2, plan.bottomLeft.y() + chain - 2, Qt::AlignLeft,
              QStringLiteral("rest\n%1").arg(q(restText(m_data))));
        label(along(plan.gapLeft, plan.gapRight, 0.5).x(), row1 + 8.6, Qt::AlignHCenter,
              QStringLiteral("GAP %1").arg(field(Quantity::CenterGap)));
    }

    // The verticals seen from the feed point: the far side edge-on, the
    // upward vertical on the right, the downward one on the left.
    void sideView(const QRectF &area)
    {
        constexpr double roomSide = 22;
        const double height = m_data.state.VerticalHeight;
        const double room = area.height() - 6 - 10;
        // Both verticals one above the other, and the side no wider than the
        // room between the two labels.
        const double widthRoom = (area.width() - 2 * roomSide) * 2 * height / m_data.state.HorizontalSide;
        const DrawingScale scale = drawingScale(2 * height, std::min(room, widthRoom));
        m_p.setFont(sheetFont(kTextPoints, true));
        write(QRectF(area.left(), area.top(), area.width(), 5), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Side, from the feed point, %1").arg(q(scale.text)));
        const double s = scale.factor;
        const double side = m_data.state.HorizontalSide * s;
        const double left = area.left() + roomSide;
        const double level = area.top() + 8 + height * s;
        const double upX = left + side * (1 - kVerticalsFromCorner);
        const double downX = upX - m_data.state.CenterGap * s;
        const double tubeWidth = drawnTube(s);
        tube({QPointF(left, level), QPointF(left + side, level)}, tubeWidth, kElementOrange);
        tube({QPointF(upX, level), QPointF(upX, level - height * s)}, tubeWidth, kElementOrange);
        tube({QPointF(downX, level), QPointF(downX, level + height * s)}, tubeWidth, kElementOrange);

        m_p.setFont(sheetFont(kTextPoints));
        const QString heightText = QStringLiteral("HEIGHT\n%1").arg(field(Quantity::VerticalHeight));
        // The upward one's height at the right, beyond the loop's end.
        const double right = left + side;
        thinPen();
        m_p.drawLine(at(QPointF(upX + 1, level - height * s)), at(QPointF(right + 5.5, level - height * s)));
        m_p.drawLine(at(QPointF(right + 1, level)), at(QPointF(right + 5.5, level)));
        dimensionLine(m_p, at(QPointF(right + 4, level - height * s)), at(QPointF(right + 4, level)), mm(kArrow));
        label(right + 6.5, level - height * s / 2 - 4, Qt::AlignLeft, heightText);
        // The downward one's at the left.
        m_p.drawLine(at(QPointF(downX - 1, level + height * s)), at(QPointF(left - 5.5, level + height * s)));
        m_p.drawLine(at(QPointF(left - 1, level)), at(QPointF(left - 5.5, level)));
        dimensionLine(m_p, at(QPointF(left - 4, level)), at(QPointF(left - 4, level + height * s)), mm(kArrow));
        label(left - 6.5, level + height * s / 2 - 4, Qt::AlignRight, heightText);
        // The gap between them, above the loop, where only the upward one is.
        m_p.drawLine(at(QPointF(downX, level - 1.2)), at(QPointF(downX, level - 6)));
        dimensionLine(m_p, at(QPointF(downX, level - 4.5)), at(QPointF(upX, level - 4.5)), mm(kArrow));
        label(downX - 1.5, level - 13, Qt::AlignRight, QStringLiteral("GAP\n%1").arg(field(Quantity::CenterGap)));
    }

    // How the two capacitors are wired at the feed point, after the notes
    // window's sketch: the parallel one across the gap, the series one in
    // the lead from the left-hand end to the coax.
    void capacitorSketch(const QRectF &area)
    {
        m_p.setFont(sheetFont(kTextPoints, true));
        write(QRectF(area.left(), area.top(), area.width(), 5), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Capacitors at the feed point"));
        const double barY = area.top() + 10;
        const double gapLeft = area.left() + area.width() / 2 - 5;
        const double gapRight = gapLeft + 10;
        tube({QPointF(area.left() + 2, barY), QPointF(gapLeft, barY)}, 2.2, kElementOrange);
        tube({QPointF(gapRight, barY), QPointF(area.right() - 2, barY)}, 2.2, kElementOrange);
        const auto capacitor = [&](QPointF centre, bool acrossVertical) {
            const QPointF half = acrossVertical ? QPointF(0, 1.8) : QPointF(1.8, 0);
            const QPointF gap = acrossVertical ? QPointF(0.6, 0) : QPointF(0, 0.6);
            m_p.setPen(QPen(Qt::black, mm(0.35)));
            m_p.drawLine(at(centre - gap - half), at(centre - gap + half));
            m_p.drawLine(at(centre + gap - half), at(centre + gap + half));
        };
        m_p.setPen(QPen(Qt::black, mm(0.25)));
        // Parallel: across the gap, just below the bar.
        const double bridge = barY + 3;
        const QPointF parallel((gapLeft + gapRight) / 2, bridge);
        m_p.drawLine(at(QPointF(gapLeft - 1, barY)), at(QPointF(gapLeft - 1, bridge)));
        m_p.drawLine(at(QPointF(gapRight + 1, barY)), at(QPointF(gapRight + 1, bridge)));
        m_p.drawLine(at(QPointF(gapLeft - 1, bridge)), at(parallel - QPointF(0.6, 0)));
        m_p.drawLine(at(parallel + QPointF(0.6, 0)), at(QPointF(gapRight + 1, bridge)));
        capacitor(parallel, true);
        // Series: in the lead from the left end down to the coax.
        const QRectF coax(gapLeft + 1, area.bottom() - 6, 8, 5);
        const QPointF series(gapLeft - 1, bridge + 7);
        m_p.setPen(QPen(Qt::black, mm(0.25)));
        m_p.drawLine(at(QPointF(gapLeft - 1, bridge)), at(series - QPointF(0, 0.6)));
        m_p.drawLine(at(series + QPointF(0, 0.6)), at(QPointF(gapLeft - 1, coax.top())));
        capacitor(series, false);
        m_p.drawLine(at(QPointF(gapRight + 1, bridge)), at(QPointF(gapRight - 1, coax.top())));
        m_p.setBrush(QColor(40, 40, 40));
        m_p.drawRect(box(coax));
        m_p.setFont(sheetFont(kTextPoints));
        label(gapLeft - 3.5, series.y() - 2.2, Qt::AlignRight,
              QStringLiteral("series\n%1 pF").arg(q(fieldText(m_data, Quantity::SeriesCap, Unit::Picofarad))));
        label(gapRight + 3.5, bridge + 1.5, Qt::AlignLeft,
              QStringLiteral("parallel\n%1 pF").arg(q(fieldText(m_data, Quantity::ParallelCap, Unit::Picofarad))));
        label(coax.right() + 2, coax.top() - 0.5, Qt::AlignLeft, QStringLiteral("coax"));
    }

    void cutListSection(double y)
    {
        m_p.setFont(sheetFont(11, true));
        write(QRectF(kSheetMargin, y, m_width, 6), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Cut list"));
        y += 6.5;
        const double columns[] = {0, 76, 88, 107, 124, m_width};
        const auto row = [&](double top, double height, const QString(&cells)[5]) {
            for (int c = 0; c < 5; ++c)
                write(QRectF(kSheetMargin + columns[c], top, columns[c + 1] - columns[c] - 1.5, height),
                      Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, cells[c]);
        };
        m_p.setFont(sheetFont(kTextPoints, true));
        const QString headings[5]
            = {QStringLiteral("Piece"), QStringLiteral("Count"), QStringLiteral("mm"), QStringLiteral("inch"),
               QStringLiteral("tape, nearest 1/16 in (mark minus length)")};
        row(y, 8.5, headings);
        y += 8.8;
        thinPen(0.25);
        m_p.drawLine(at(QPointF(kSheetMargin, y)), at(QPointF(kSheetMargin + m_width, y)));
        m_p.setFont(sheetFont(kTextPoints));
        for (const CutRow &cut : cutList(m_data)) {
            const QString cells[5] = {q(cut.piece), q(cut.count), q(cut.millimetres), q(cut.inches), q(cut.tape)};
            row(y + 0.3, 4.8, cells);
            y += 5.1;
        }
        y += 1.5;
        paragraph(kSheetMargin, y, m_width, q(feedSideSum(m_data)));
    }

    // ---- Page 2: the notes ----

    void notesPage()
    {
        double y = kSheetMargin
            + title(kSheetMargin, q(notesTitle(m_data)),
                    QStringLiteral("As the notes window gives them. The last paragraph is the note on the "
                                   "feed gap."));
        const std::vector<std::string> paragraphs = noteParagraphs();
        m_p.setFont(sheetFont(kTextPoints + 1));
        for (std::size_t n = 0; n < paragraphs.size(); ++n) {
            if (n + 1 == paragraphs.size())
                m_p.setPen(kGapNoteRed);
            y += paragraph(kSheetMargin, y, m_width, q(paragraphs[n])) + 2.2;
        }
        m_p.setPen(Qt::black);
        y += kSectionGap;
        QString templateNote;
        if (m_pages == SheetPages::SheetOnly)
            templateNote = QStringLiteral("Where the loop fits the paper, the PDF sheet (-o FILE.pdf) carries a "
                                          "full-size template of it.");
        else if (m_template.drawn)
            templateNote = QStringLiteral("The pages that follow are a full-size template of the loop and one "
                                          "vertical. Print them at 100 % (actual size) and check the 100 mm bar.");
        else
            templateNote = q(m_template.why);
        m_p.setFont(sheetFont(kTextPoints, true));
        paragraph(kSheetMargin, y, m_width, templateNote);
    }

    void footer()
    {
        const double top = m_pageSize.height - kSheetMargin - kFooterHeight;
        m_p.setFont(sheetFont(8));
        thinPen(0.2);
        m_p.drawLine(at(QPointF(kSheetMargin, top + 0.3)), at(QPointF(kSheetMargin + m_width, top + 0.3)));
        write(QRectF(kSheetMargin, top + 0.8, m_width, kFooterHeight - 0.8), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("varnel %1, %2. Page %3 of %4. The numbers are the varnel window's for this frequency.")
                  .arg(q(m_data.version), q(m_data.date))
                  .arg(m_page + 1)
                  .arg(m_layout.pages));
    }

    // ---- Pages 3 and on: the full-size template ----

    double templateTitle(const QString &what)
    {
        m_p.setFont(sheetFont(14, true));
        write(QRectF(kTemplateMargin, kTemplateMargin, m_pageSize.width - 2 * kTemplateMargin, 8),
              Qt::AlignLeft | Qt::AlignVCenter, q(varnel::templateTitle(m_data)) + QStringLiteral(": ") + what);
        return kTemplateMargin + kTemplateTitleHeight;
    }

    // A 100 mm bar in 10 mm cells and the words to print it by.
    void checkBar(QPointF origin, double textWidth)
    {
        thinPen(0.2);
        for (int cell = 0; cell < 10; ++cell) {
            m_p.setBrush(cell % 2 ? Qt::white : Qt::black);
            m_p.drawRect(box(QRectF(origin.x() + cell * 10, origin.y(), 10, 3)));
        }
        m_p.setFont(sheetFont(kTextPoints));
        paragraph(origin.x(), origin.y() + 4, textWidth,
                  QStringLiteral("Print at 100 % (actual size, no fit to page). This bar is 100 mm long: measure "
                                 "it before you cut. Black lines are centre lines; the band is the %1 mm tubing.")
                      .arg(field(Quantity::ElementDiameter)));
    }

    void loopTemplatePage()
    {
        const double top = templateTitle(m_template.verticalBeside ? QStringLiteral("the loop and one vertical")
                                                                   : QStringLiteral("the loop"));
        const double tubeWidth = m_data.state.ElementDiameter;
        const PlanGeometry plan(m_data.state, QPointF(kTemplateMargin + tubeWidth / 2, top + tubeWidth / 2), 1);
        tube(plan.loop(), tubeWidth, kTubeBand);
        tube(plan.loop(), 0.25, Qt::black);
        thinPen(0.25);
        for (const QPointF &end : {plan.gapLeft, plan.gapRight})
            m_p.drawLine(at(end - QPointF(0, tubeWidth / 2 + 2)), at(end + QPointF(0, tubeWidth / 2 + 2)));
        verticalMark(plan.upVertical, tubeWidth / 2, true);
        verticalMark(plan.downVertical, tubeWidth / 2, false);

        m_p.setFont(sheetFont(kTextPoints));
        // Inside the tube's band, on the paper the template leaves bare.
        const double inner = tubeWidth / 2 + 1;
        const double minX = plan.topLeft.x() + inner;
        const double maxX = plan.topRight.x() - inner;
        label(plan.upVertical.x(), plan.topLeft.y() + inner + 1, Qt::AlignHCenter, QStringLiteral("UP"), minX, maxX);
        label(plan.downVertical.x(), plan.topLeft.y() + inner + 5.5, Qt::AlignHCenter, QStringLiteral("DOWN"), minX,
              maxX);
        const double bottom = plan.bottomLeft.y() - inner;
        label(along(plan.bottomLeft, plan.gapLeft, 0.5).x(), bottom - 4.4, Qt::AlignHCenter,
              QStringLiteral("END %1 mm").arg(field(Quantity::HorizontalEnd)), minX, maxX);
        label(maxX, bottom - 8.8, Qt::AlignRight, QStringLiteral("rest %1 mm").arg(q(restText(m_data))), minX, maxX);
        label(along(plan.gapLeft, plan.gapRight, 0.5).x(), bottom - 13.2, Qt::AlignHCenter,
              QStringLiteral("FEED GAP %1 mm").arg(field(Quantity::CenterGap)), minX, maxX);
        label(plan.topLeft.x() + plan.side / 2, plan.topLeft.y() + plan.side / 2 - 2, Qt::AlignHCenter,
              QStringLiteral("SIDE %1 mm, every side").arg(field(Quantity::HorizontalSide)));

        const double footTop = m_pageSize.height - kTemplateMargin - kTemplateFootHeight;
        if (m_template.verticalBeside)
            verticalRod(plan.topRight.x() + tubeWidth + 12, top + tubeWidth / 2);
        checkBar(QPointF(kTemplateMargin, footTop + 2), m_pageSize.width - 2 * kTemplateMargin);
    }

    void verticalTemplatePage()
    {
        const double top = templateTitle(QStringLiteral("one vertical"));
        const double tubeWidth = m_data.state.ElementDiameter;
        const double rodX = kTemplateMargin + tubeWidth / 2;
        verticalRod(rodX, top + tubeWidth / 2);
        const double textLeft = rodX + tubeWidth / 2 + 32;
        checkBar(QPointF(textLeft, top + 30), m_pageSize.width - kTemplateMargin - textLeft);
    }

    // One vertical, upright, from `top` down, with its words to its right.
    void verticalRod(double x, double top)
    {
        const double tubeWidth = m_data.state.ElementDiameter;
        const double height = m_data.state.VerticalHeight;
        const QPolygonF rod {QPointF(x, top), QPointF(x, top + height)};
        tube(rod, tubeWidth, kTubeBand);
        tube(rod, 0.25, Qt::black);
        thinPen(0.25);
        for (double y : {top, top + height})
            m_p.drawLine(at(QPointF(x - tubeWidth / 2 - 2, y)), at(QPointF(x + tubeWidth / 2 + 2, y)));
        m_p.setFont(sheetFont(kTextPoints));
        label(x + tubeWidth / 2 + 3, top + height / 2 - 6, Qt::AlignLeft,
              QStringLiteral("one vertical:\nHEIGHT %1 mm,\ncut two").arg(field(Quantity::VerticalHeight)));
    }

    QPainter &m_p;
    const SheetData &m_data;
    double m_dots;
    PageSize m_pageSize;
    double m_width;
    SheetPages m_pages;
    TemplatePlan m_template;
    int m_page = 0;
    SheetLayout m_layout;
};

} // namespace

int sheetPageCount(const SheetData &data, SheetPages pages)
{
    if (pages == SheetPages::SheetOnly)
        return 2;
    const TemplatePlan plan = templatePlan(data);
    return 2 + (plan.drawn ? (plan.verticalBeside ? 1 : 2) : 0);
}

QRectF textArea(const SheetData &data, int page)
{
    const PageSize size = pageMillimetres(data.page);
    const double margin = page < 2 ? kSheetMargin : kTemplateMargin;
    return {margin, margin, size.width - 2 * margin, size.height - 2 * margin};
}

SheetLayout paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre, SheetPages pages,
                       const std::function<void()> &nextPage)
{
    return SheetPainter(p, data, dotsPerMillimetre, pages).paint(nextPage);
}

} // namespace varnel
