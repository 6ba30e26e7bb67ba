#include "qt/drawing/page_painter.h"

#include "sheet/standard_fonts.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace varnel {

namespace {

QColor colour(Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

QPen pen(const Stroke &stroke, double dots)
{
    const Qt::PenCapStyle cap = stroke.cap == Cap::Round ? Qt::RoundCap
        : stroke.cap == Cap::Square                      ? Qt::SquareCap
                                                         : Qt::FlatCap;
    const Qt::PenJoinStyle join = stroke.join == Join::Round ? Qt::RoundJoin
        : stroke.join == Join::Bevel                         ? Qt::BevelJoin
                                                             : Qt::MiterJoin;
    return QPen(colour(stroke.colour), stroke.width * dots, Qt::SolidLine, cap, join);
}

QPolygonF polygon(const std::vector<Point> &points, double dots)
{
    QPolygonF polygon;
    for (const Point &point : points)
        polygon << QPointF(point.x * dots, point.y * dots);
    return polygon;
}

// Each kind of item in Qt's terms.
struct ItemPainter
{
    QPainter &p;
    double dots;

    QRectF rect(const Rect &r) const { return {r.x * dots, r.y * dots, r.width * dots, r.height * dots}; }

    void operator()(const Polyline &line)
    {
        p.setPen(pen(line.stroke, dots));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(polygon(line.points, dots));
    }

    void operator()(const Shape &shape)
    {
        // Neither filled nor outlined: nothing to draw.
        if (!shape.fill && !shape.stroke)
            return;
        p.setPen(shape.stroke ? pen(*shape.stroke, dots) : QPen(Qt::NoPen));
        p.setBrush(shape.fill ? QBrush(colour(*shape.fill)) : QBrush(Qt::NoBrush));
        const QRectF bounds = rect(shape.bounds);
        switch (shape.kind) {
        case Shape::Kind::Polygon:
            p.drawPolygon(polygon(shape.points, dots));
            break;
        case Shape::Kind::Rectangle:
            // A fill alone covers its pixels as a fill does, unsmoothed at
            // whole-pixel edges.
            if (!shape.stroke)
                p.fillRect(bounds, colour(*shape.fill));
            else
                p.drawRect(bounds);
            break;
        case Shape::Kind::Ellipse:
            p.drawEllipse(bounds);
            break;
        }
    }

    void operator()(const TextRun &run)
    {
        // Liberation Sans has the standard fonts' widths, so a line takes
        // the room the layout measured for it.
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        const double pixels = run.font.points * kMillimetresPerPoint * dots;
        font.setPointSizeF(pixels * 72 / p.device()->logicalDpiY());
        font.setBold(run.font.face == Face::Bold);
        p.setFont(font);
        p.setPen(colour(run.colour));
        p.drawText(QPointF(run.origin.x * dots, run.origin.y * dots), QString::fromStdString(run.text));
    }

    void operator()(const Clipped &clipped)
    {
        p.save();
        p.setClipRect(rect(clipped.rect));
        for (const Drawn &item : clipped.items)
            std::visit(*this, item);
        p.restore();
    }
};

} // namespace

void paintPage(QPainter &p, const Page &page, double dots)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    ItemPainter painter {p, dots};
    for (const Item &item : page.items)
        std::visit(painter, item);
    p.restore();
}

std::string pngOfPages(const std::vector<Page> &pages, int dotsPerInch)
{
    if (pages.empty())
        return {};
    const double dots = dotsPerInch / 25.4;
    const int width = static_cast<int>(std::lround(pages.front().width * dots));
    const int pageHeight = static_cast<int>(std::lround(pages.front().height * dots));
    QImage image(width, pageHeight * static_cast<int>(pages.size()), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    {
        QPainter p(&image);
        for (const Page &page : pages) {
            paintPage(p, page, dots);
            p.translate(0, pageHeight);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

} // namespace varnel
