#include "sheet/build_sheet.h"

#include "calc/construction_notes.h"
#include "calc/design_range.h"
#include "calc/inch_fraction.h"
#include "calc/standard_parts.h"
#include "numbers/number_text.h"
#include "sheet/dimension_diagram.h"

#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace varnel {

namespace {

constexpr double kMargin = 15; // mm
constexpr int kFractionDenominator = 16;
constexpr double kDiagramWidth = 120; // mm
constexpr double kSectionGap = 6; // mm

QSizeF pageMillimetres(Paper page)
{
    return page == Paper::Letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297);
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

QString text(const SheetData &data, Quantity quantity, Unit unit)
{
    const ResultFieldInfo *field = findResultField(quantity, unit);
    return field ? fromStd(data.texts.texts[static_cast<std::size_t>(field->field)]) : QString();
}

QString lengthText(const SheetData &data, Quantity quantity)
{
    return text(data, quantity, Unit::Millimetre) + QLatin1String(" mm / ") + text(data, quantity, Unit::Inch)
        + QLatin1String(" in");
}

QString capacitorLine(const SheetData &data, const char *name, Quantity quantity)
{
    const QString shown = text(data, quantity, Unit::Picofarad);
    const std::string part = partText(nearestE12(storedValue(data.state, quantity)), data.decimalSeparator);
    if (part.empty())
        return QStringLiteral("%1 capacitor: %2 pF (no standard part)").arg(QLatin1String(name), shown);
    return QStringLiteral("%1 capacitor: %2 pF. Nearest E12 part: %3").arg(QLatin1String(name), shown, fromStd(part));
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays the page out top to bottom: each section paints itself below `y`
// (in mm) and returns the height it used, so a section can be added or
// grown without moving the others by hand.
class SheetPainter
{
public:
    SheetPainter(QPainter &p, const SheetData &data, double dotsPerMillimetre)
        : m_p(p)
        , m_data(data)
        , m_dots(dotsPerMillimetre)
        , m_page(pageMillimetres(data.page))
        , m_width(m_page.width() - 2 * kMargin)
    {
    }

    QStringList paint()
    {
        m_p.fillRect(QRectF(0, 0, mm(m_page.width()), mm(m_page.height())), Qt::white);
        m_p.setPen(Qt::black);
        const double footerTop = m_page.height() - kMargin - 5;
        double y = kMargin;
        y += title(y);
        y += warning(y);
        y += diagramAndParts(y) + kSectionGap;
        y += cutList(y) + kSectionGap;
        notes(y, footerTop - 2);
        footer(footerTop);
        return m_overflows;
    }

private:
    double mm(double millimetres) const { return millimetres * m_dots; }
    QRectF box(double x, double y, double width, double height) const
    {
        return QRectF(mm(x), mm(y), mm(width), mm(height));
    }

    // Draws `text` in `area` and notes it when it needs more room than that.
    QRectF write(const QRectF &area, int flags, const QString &text)
    {
        const QRectF used = m_p.boundingRect(area, flags, text);
        const double slack = mm(0.2);
        if (used.left() < area.left() - slack || used.right() > area.right() + slack || used.top() < area.top() - slack
            || used.bottom() > area.bottom() + slack)
            m_overflows << text;
        m_p.drawText(area, flags, text);
        return used;
    }

    double title(double y)
    {
        m_p.setFont(sheetFont(16, true));
        write(box(kMargin, y, m_width, 9), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Build sheet for %1 MHz").arg(shownFrequency(m_data)));
        m_p.setFont(sheetFont(9));
        write(box(kMargin, y + 9, m_width, 5), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Omnidirectional circularly polarised antenna. All lengths between the centre lines "
                             "of the elements."));
        return 17;
    }

    double warning(double y)
    {
        const QString warning = sheetWarning(m_data);
        if (warning.isEmpty())
            return 0;
        const QRectF area = box(kMargin, y, m_width, 7);
        m_p.fillRect(area, QColor(255, 236, 160));
        m_p.setFont(sheetFont(9, true));
        write(area.adjusted(mm(2), 0, -mm(2), 0), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Warning: ") + warning + QLatin1Char('.'));
        return 7 + 3;
    }

    // The diagram as vectors with this frequency's lengths beside their
    // marks; to its right the tubing and the capacitors.
    double diagramAndParts(double y)
    {
        const double scale = mm(kDiagramWidth) / kDiagramSize.width();
        m_p.save();
        m_p.translate(mm(kMargin), mm(y));
        m_p.scale(scale, scale);
        const DiagramAnchors anchors = paintDimensionDiagram(m_p, DiagramMarks::Sheet);
        m_p.restore();
        // Lettered on the page, not in the diagram's units, so the type
        // keeps its size in every format.
        const auto onPage = [&](QPointF anchor) { return QPointF(mm(kMargin), mm(y)) + anchor * scale; };
        const QRectF diagram(onPage(QPointF(0, 0)), onPage(QPointF(kDiagramSize.width(), kDiagramSize.height())));
        m_p.setFont(sheetFont(6));
        m_p.setPen(Qt::black);
        const struct
        {
            QPointF anchor;
            const char *name;
            Quantity quantity;
        } labels[] = {
            {anchors.height, "HEIGHT", Quantity::VerticalHeight},
            {anchors.gap, "GAP", Quantity::CenterGap},
            {anchors.end, "END", Quantity::HorizontalEnd},
            {anchors.side, "SIDE", Quantity::HorizontalSide},
        };
        for (const auto &label : labels) {
            const QString lines = QLatin1String(label.name) + QLatin1Char('\n')
                + text(m_data, label.quantity, Unit::Millimetre) + QLatin1String(" mm\n")
                + text(m_data, label.quantity, Unit::Inch) + QLatin1String(" in");
            // Each label's box ends at the diagram's edge; the label keeps
            // the lines behind it from its text.
            const QPointF at = onPage(label.anchor);
            const QRectF area(at, QPointF(std::min(at.x() + mm(20), diagram.right()), at.y() + mm(8)));
            const QRectF used = m_p.boundingRect(area, Qt::AlignLeft | Qt::AlignTop, lines);
            m_p.fillRect(used.adjusted(-mm(0.5), 0, mm(0.5), 0), kDrawingBackground);
            write(area, Qt::AlignLeft | Qt::AlignTop, lines);
            if (label.quantity == Quantity::CenterGap) {
                m_p.setPen(QPen(Qt::black, mm(0.15)));
                m_p.drawLine(QPointF(used.right() + mm(0.5), used.bottom() - mm(1)), onPage(anchors.gapLeader));
            }
        }

        const double sideX = kMargin + kDiagramWidth + 6;
        const double sideWidth = m_width - kDiagramWidth - 6;
        m_p.setFont(sheetFont(9, true));
        write(box(sideX, y, sideWidth, 5), Qt::AlignLeft, QStringLiteral("Tubing"));
        m_p.setFont(sheetFont(8.5));
        write(box(sideX, y + 5, sideWidth, 12), Qt::AlignLeft | Qt::TextWordWrap,
              QStringLiteral("Element diameter %1").arg(lengthText(m_data, Quantity::ElementDiameter)));
        m_p.setFont(sheetFont(9, true));
        write(box(sideX, y + 20, sideWidth, 5), Qt::AlignLeft, QStringLiteral("Capacitors"));
        m_p.setFont(sheetFont(8.5));
        write(box(sideX, y + 25, sideWidth, 70), Qt::AlignLeft | Qt::TextWordWrap,
              capacitorLine(m_data, "Parallel", Quantity::ParallelCap) + QLatin1String(".\n\n")
                  + capacitorLine(m_data, "Series", Quantity::SeriesCap)
                  + QLatin1String(".\n\nOr use trimmer capacitors set by SWR measurement, as for a transceiver."));
        return kDiagramWidth * kDiagramSize.height() / kDiagramSize.width();
    }

    double cutList(double y)
    {
        m_p.setFont(sheetFont(11, true));
        write(box(kMargin, y, m_width, 6), Qt::AlignLeft, QStringLiteral("Cut list"));
        const double columns[] = {0, 62, 76, 98, 118, m_width};
        const QString headings[] = {
            QStringLiteral("Element"),
            QStringLiteral("Cut"),
            QStringLiteral("mm"),
            QStringLiteral("inch"),
            QStringLiteral("tape, nearest 1/16 in (mark minus length)"),
        };
        const auto row = [&](double top, const QString(&cells)[5]) {
            for (int c = 0; c < 5; ++c)
                write(box(kMargin + columns[c], top, columns[c + 1] - columns[c] - 1, 5),
                      Qt::AlignLeft | Qt::AlignBottom, cells[c]);
        };
        m_p.setFont(sheetFont(8.5, true));
        row(y + 7, headings);
        m_p.drawLine(QPointF(mm(kMargin), mm(y + 12.5)), QPointF(mm(kMargin + m_width), mm(y + 12.5)));
        const struct
        {
            const char *element;
            int count;
            Quantity quantity;
        } cuts[] = {
            {"Vertical element (one up, one down)", 2, Quantity::VerticalHeight},
            {"Horizontal side", 3, Quantity::HorizontalSide},
            {"Horizontal end section (feed side)", 2, Quantity::HorizontalEnd},
            {"Feed gap, also between the verticals", 0, Quantity::CenterGap},
        };
        m_p.setFont(sheetFont(8.5));
        double top = y + 13;
        for (const auto &cut : cuts) {
            const std::string tape = tapeText(
                tapeReading(storedValue(m_data.state, cut.quantity), kFractionDenominator), m_data.decimalSeparator);
            const QString cells[5] = {
                QLatin1String(cut.element),
                cut.count ? QString::number(cut.count) : QStringLiteral("gap"),
                text(m_data, cut.quantity, Unit::Millimetre),
                text(m_data, cut.quantity, Unit::Inch),
                tape.empty() ? QStringLiteral("-") : fromStd(tape),
            };
            row(top, cells);
            top += 5;
        }
        return top - y;
    }

    // The construction notes, as the notes window shows them.
    void notes(double y, double bottom)
    {
        m_p.setFont(sheetFont(11, true));
        write(box(kMargin, y, m_width, 6), Qt::AlignLeft, QStringLiteral("Construction notes"));
        QString notes = QString::fromLatin1(kGeneralNotes.data(), qsizetype(kGeneralNotes.size())) + QLatin1Char('\n')
            + QString::fromLatin1(kGapNote.data(), qsizetype(kGapNote.size()));
        notes.remove(QLatin1Char('\r'));
        m_p.setFont(sheetFont(7));
        write(box(kMargin, y + 7, m_width, bottom - y - 7), Qt::AlignLeft | Qt::TextWordWrap, notes);
    }

    void footer(double top)
    {
        m_p.setFont(sheetFont(7.5));
        m_p.setPen(QPen(Qt::black, 0));
        m_p.drawLine(QPointF(mm(kMargin), mm(top + 0.5)), QPointF(mm(kMargin + m_width), mm(top + 0.5)));
        write(box(kMargin, top + 1, m_width, 4), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("varnel %1, %2. The numbers are the varnel window's for this frequency.")
                  .arg(m_data.version, m_data.date.toString(Qt::ISODate)));
    }

    QPainter &m_p;
    const SheetData &m_data;
    double m_dots;
    QSizeF m_page;
    double m_width;
    QStringList m_overflows;
};

QString sheetTitle(const SheetData &data)
{
    return QStringLiteral("Build sheet for %1 MHz").arg(shownFrequency(data));
}

} // namespace

std::optional<SheetFormat> sheetFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return SheetFormat::Pdf;
    if (suffix == QLatin1String("svg"))
        return SheetFormat::Svg;
    if (suffix == QLatin1String("png"))
        return SheetFormat::Png;
    return std::nullopt;
}

Paper paperForLocale()
{
    if (const std::optional<Paper> paper = localePaper())
        return *paper;
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

SheetData computeSheet(const std::string &input, const std::string &decimalSeparator)
{
    SheetData data;
    data.decimalSeparator = decimalSeparator;
    data.texts = computeTexts(data.state, input, decimalSeparator);
    return data;
}

QString shownFrequency(const SheetData &data)
{
    return fromStd(varnel::shownFrequency(data.state.Frequency, data.decimalSeparator));
}

QString sheetRefusal(const SheetData &data)
{
    const float frequency = data.state.Frequency;
    if (!(data.state.VerticalHeight > 0) || !(data.state.HorizontalSide > 0) || !(data.state.HorizontalEnd > 0)
        || !(data.state.CenterGap > 0))
        return QStringLiteral("%1 MHz gives lengths that are not positive, so there is nothing to build")
            .arg(shownFrequency(data));
    if (frequency < kSheetLowestMHz || frequency > kSheetHighestMHz)
        return QStringLiteral("%1 MHz is outside the %2 to %3 MHz a build sheet is drawn for")
            .arg(shownFrequency(data), fromStd(formatDouble(kSheetLowestMHz, data.decimalSeparator)),
                 fromStd(formatDouble(kSheetHighestMHz, data.decimalSeparator)));
    return {};
}

QString sheetWarning(const SheetData &data)
{
    OutsideDesignTally tally;
    tally.add(data.state.Frequency, data.decimalSeparator);
    return fromStd(tally.warning());
}

QStringList paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre)
{
    return SheetPainter(p, data, dotsPerMillimetre).paint();
}

QString writeSheet(const QString &path, const SheetData &data)
{
    const std::optional<SheetFormat> format = sheetFormatFor(path);
    if (!format)
        return QStringLiteral("%1: the file's suffix must be .pdf, .svg or .png").arg(path);
    // Written beside the target and renamed over it at the end.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    const QSizeF page = pageMillimetres(data.page);
    switch (*format) {
    case SheetFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("varnel-sheet ") + data.version);
        pdf.setTitle(sheetTitle(data));
        pdf.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF()));
        QPainter p;
        if (!p.begin(&pdf))
            return QStringLiteral("%1: cannot start the PDF").arg(path);
        paintSheet(p, data, pdf.resolution() / 25.4);
        p.end();
        break;
    }
    case SheetFormat::Svg: {
        constexpr int kDpi = 96;
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(kDpi);
        const QSize pixels(qRound(page.width() / 25.4 * kDpi), qRound(page.height() / 25.4 * kDpi));
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setTitle(sheetTitle(data));
        QPainter p;
        if (!p.begin(&svg))
            return QStringLiteral("%1: cannot start the SVG").arg(path);
        paintSheet(p, data, kDpi / 25.4);
        p.end();
        break;
    }
    case SheetFormat::Png: {
        constexpr int kDpi = 150;
        QImage image(qRound(page.width() / 25.4 * kDpi), qRound(page.height() / 25.4 * kDpi), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kDpi / 0.0254));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintSheet(p, data, kDpi / 25.4);
        p.end();
        if (!image.save(&file, "PNG"))
            return QStringLiteral("%1: cannot write the PNG").arg(path);
        break;
    }
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

} // namespace varnel
