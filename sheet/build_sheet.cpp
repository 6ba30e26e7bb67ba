#include "sheet/build_sheet.h"

#include "calc/construction_notes.h"
#include "calc/inch_fraction.h"
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

#include <array>
#include <cmath>

namespace varnel {

namespace {

constexpr double kMargin = 15; // mm
constexpr int kFractionDenominator = 16;

QSizeF pageMillimetres(PageSize page)
{
    return page == PageSize::Letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297);
}

QString text(const SheetData &data, Quantity quantity, Unit unit)
{
    const ResultFieldInfo *field = findResultField(quantity, unit);
    return field ? QString::fromStdString(data.texts.texts[static_cast<std::size_t>(field->field)]) : QString();
}

QString lengthText(const SheetData &data, Quantity quantity)
{
    return text(data, quantity, Unit::Millimetre) + QLatin1String(" mm / ") + text(data, quantity, Unit::Inch)
        + QLatin1String(" in");
}

QString fractionText(const SheetData &data, Quantity quantity)
{
    const InchFraction tape
        = nearestFraction(static_cast<double>(storedValue(data.state, quantity)) / 25.4, kFractionDenominator);
    if (tape.text.empty())
        return QStringLiteral("-");
    return QString::fromStdString(tape.text) + QStringLiteral(" in (%1 mm)").arg(tape.errorMillimetres, 0, 'f', 2);
}

QString capacitorLine(const SheetData &data, const char *name, Quantity quantity)
{
    const double value = storedValue(data.state, quantity);
    const QString shown = text(data, quantity, Unit::Picofarad);
    const double standard = nearestE12(value);
    if (standard <= 0)
        return QStringLiteral("%1 capacitor: %2 pF (no standard part)").arg(QLatin1String(name), shown);
    // The construction notes: parts of 10 pF and less may be off by 0.5 pF,
    // larger ones by 10 %.
    const double low = standard <= 10 ? standard - 0.5 : standard * 0.9;
    const double high = standard <= 10 ? standard + 0.5 : standard * 1.1;
    QLocale numbers(QLocale::c());
    if (data.decimalSeparator == ",")
        numbers = QLocale(QLocale::German);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1 capacitor: %2 pF. Nearest E12 part: %3 pF, which may be %4 to %5 pF")
        .arg(QLatin1String(name), shown, numbers.toString(standard, 'g', 3), numbers.toString(low, 'g', 3),
             numbers.toString(high, 'g', 3));
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
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

PageSize pageSizeForLocale()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? PageSize::Letter : PageSize::A4;
}

SheetData computeSheet(const std::string &input, const std::string &decimalSeparator)
{
    SheetData data;
    data.input = input;
    data.decimalSeparator = decimalSeparator;
    data.texts = computeTexts(data.state, input, decimalSeparator);
    return data;
}

double nearestE12(double picofarads)
{
    if (!(picofarads > 0) || !std::isfinite(picofarads))
        return 0;
    static constexpr std::array<double, 13> kE12 {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10.0};
    const double decade = std::pow(10.0, std::floor(std::log10(picofarads)));
    double best = 0;
    for (double step : kE12) {
        const double candidate = step * decade;
        if (best == 0 || std::fabs(candidate - picofarads) < std::fabs(best - picofarads))
            best = candidate;
    }
    // 3.3 x 10, say, held as 33.000000000000004: name the part as printed.
    return std::round(best * 1e6) / 1e6;
}

void paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre)
{
    const QSizeF page = pageMillimetres(data.page);
    const auto mm = [&](double millimetres) { return millimetres * dotsPerMillimetre; };
    const auto at = [&](double x, double y) { return QPointF(mm(x), mm(y)); };
    const double width = page.width() - 2 * kMargin;

    p.fillRect(QRectF(0, 0, mm(page.width()), mm(page.height())), Qt::white);
    p.setPen(Qt::black);
    double y = kMargin;

    // Title.
    p.setFont(sheetFont(16, true));
    p.drawText(QRectF(at(kMargin, y), QSizeF(mm(width), mm(9))), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Build sheet for %1 MHz").arg(QString::fromStdString(data.input)));
    y += 9;
    p.setFont(sheetFont(9));
    p.drawText(QRectF(at(kMargin, y), QSizeF(mm(width), mm(5))), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Omnidirectional circularly polarised antenna. All lengths between the centre lines "
                              "of the elements."));
    y += 8;

    // The diagram, as vectors, with this frequency's lengths at its marks.
    const double diagramWidth = 120;
    const double scale = mm(diagramWidth) / kDiagramSize.width();
    p.save();
    p.translate(at(kMargin, y));
    p.scale(scale, scale);
    const DiagramAnchors anchors = paintDimensionDiagram(p);
    p.restore();
    // Lettered on the page, not in the diagram's units, so the type keeps
    // its size in every format.
    const auto onPage = [&](QPointF anchor) { return at(kMargin, y) + anchor * scale; };
    p.setFont(sheetFont(6));
    p.setPen(Qt::black);
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
            + text(data, label.quantity, Unit::Millimetre) + QLatin1String(" mm\n")
            + text(data, label.quantity, Unit::Inch) + QLatin1String(" in");
        // HEIGHT sits right of its arrow here, where the window lays its
        // label over it; each label keeps the lines behind it from its text.
        const QPointF shift = label.quantity == Quantity::VerticalHeight ? QPointF(16, 0) : QPointF();
        const QRectF box(onPage(label.anchor + shift), QSizeF(mm(22), mm(12)));
        const QRectF used = p.boundingRect(box, Qt::AlignLeft | Qt::AlignTop, lines);
        p.fillRect(used.adjusted(-mm(0.5), 0, mm(0.5), 0), kDrawingBackground);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, lines);
    }

    // Beside it: the tubing and the capacitors.
    const double sideX = kMargin + diagramWidth + 6;
    const double sideWidth = width - diagramWidth - 6;
    p.setFont(sheetFont(9, true));
    p.drawText(QRectF(at(sideX, y), QSizeF(mm(sideWidth), mm(5))), Qt::AlignLeft, QStringLiteral("Tubing"));
    p.setFont(sheetFont(8.5));
    p.drawText(QRectF(at(sideX, y + 5), QSizeF(mm(sideWidth), mm(12))), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Element diameter %1").arg(lengthText(data, Quantity::ElementDiameter)));
    p.setFont(sheetFont(9, true));
    p.drawText(QRectF(at(sideX, y + 20), QSizeF(mm(sideWidth), mm(5))), Qt::AlignLeft, QStringLiteral("Capacitors"));
    p.setFont(sheetFont(8.5));
    p.drawText(QRectF(at(sideX, y + 25), QSizeF(mm(sideWidth), mm(70))), Qt::AlignLeft | Qt::TextWordWrap,
               capacitorLine(data, "Parallel", Quantity::ParallelCap) + QLatin1String(".\n\n")
                   + capacitorLine(data, "Series", Quantity::SeriesCap)
                   + QLatin1String(".\n\nOr use trimmer capacitors set by SWR measurement, as for a transceiver."));
    y += diagramWidth * kDiagramSize.height() / kDiagramSize.width() + 6;

    // The cut list.
    p.setFont(sheetFont(11, true));
    p.drawText(QRectF(at(kMargin, y), QSizeF(mm(width), mm(6))), Qt::AlignLeft, QStringLiteral("Cut list"));
    y += 7;
    const double columns[] = {0, 62, 80, 108, 134};
    const char *headings[] = {"Element", "Cut", "mm", "inch", "tape (1/16 in)"};
    p.setFont(sheetFont(8.5, true));
    for (int c = 0; c < 5; ++c)
        p.drawText(at(kMargin + columns[c], y + 4), QLatin1String(headings[c]));
    p.drawLine(at(kMargin, y + 5.5), at(kMargin + width, y + 5.5));
    y += 6;
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
    p.setFont(sheetFont(8.5));
    for (const auto &cut : cuts) {
        y += 5;
        p.drawText(at(kMargin + columns[0], y), QLatin1String(cut.element));
        p.drawText(at(kMargin + columns[1], y), cut.count ? QString::number(cut.count) : QStringLiteral("gap"));
        p.drawText(at(kMargin + columns[2], y), text(data, cut.quantity, Unit::Millimetre));
        p.drawText(at(kMargin + columns[3], y), text(data, cut.quantity, Unit::Inch));
        p.drawText(at(kMargin + columns[4], y), fractionText(data, cut.quantity));
    }
    y += 9;

    // The construction notes, as the notes window shows them.
    p.setFont(sheetFont(11, true));
    p.drawText(QRectF(at(kMargin, y), QSizeF(mm(width), mm(6))), Qt::AlignLeft, QStringLiteral("Construction notes"));
    y += 7;
    QString notes = QString::fromLatin1(kGeneralNotes.data(), qsizetype(kGeneralNotes.size())) + QLatin1Char('\n')
        + QString::fromLatin1(kGapNote.data(), qsizetype(kGapNote.size()));
    notes.remove(QLatin1Char('\r'));
    p.setFont(sheetFont(7));
    const double footer = page.height() - kMargin;
    p.drawText(QRectF(at(kMargin, y), QSizeF(mm(width), mm(footer - y - 6))), Qt::AlignLeft | Qt::TextWordWrap, notes);

    p.setFont(sheetFont(7.5));
    p.drawLine(at(kMargin, footer - 4.5), at(kMargin + width, footer - 4.5));
    p.drawText(QRectF(at(kMargin, footer - 4), QSizeF(mm(width), mm(4))), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("varnel %1, %2. The numbers are the varnel window's for this frequency.")
                   .arg(data.version, data.date.toString(Qt::ISODate)));
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
        pdf.setTitle(QStringLiteral("Build sheet for %1 MHz").arg(QString::fromStdString(data.input)));
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
        svg.setTitle(QStringLiteral("Build sheet for %1 MHz").arg(QString::fromStdString(data.input)));
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
