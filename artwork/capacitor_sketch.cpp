// The capacitor sketch: the two tuning capacitors at the feed point, drawn
// by hand.
#include "artwork/asset_painters.h"
#include "artwork/painting.h"
#include "sheet/dimension_diagram.h"

#include <QPainter>
#include <QPainterPath>

#include <initializer_list>

namespace varnel::assets {

namespace {

// Capital letters as pen strokes on a 4 x 6 grid, for lettering that looks
// drawn by hand and does not depend on the fonts of the machine.
struct Glyph
{
    char letter;
    std::initializer_list<std::initializer_list<QPointF>> strokes;
};

const Glyph kGlyphs[] = {
    {'A', {{{0, 6}, {2, 0}, {4, 6}}, {{1, 4}, {3, 4}}}},
    {'C', {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
    {'E', {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
    {'I', {{{2, 0}, {2, 6}}, {{1, 0}, {3, 0}}, {{1, 6}, {3, 6}}}},
    {'L', {{{0, 0}, {0, 6}, {4, 6}}}},
    {'O', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
    {'P', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}},
    {'R', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
    {'S', {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
    {'T', {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
};

void letter(QPainter &p, QString text, QPointF origin, double scale, Random &random)
{
    p.setPen(QPen(Qt::black, 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPointF at = origin;
    for (QChar c : text) {
        for (const Glyph &glyph : kGlyphs) {
            if (glyph.letter != c.toLatin1())
                continue;
            for (const auto &stroke : glyph.strokes) {
                QPolygonF line;
                for (const QPointF &point : stroke)
                    line << at + point * scale + QPointF(random.between(-0.3, 0.3), random.between(-0.3, 0.3));
                p.drawPolyline(line);
            }
        }
        at.rx() += 6 * scale;
    }
}

// A wobbly stroke from a to b, as a pen held by hand draws it.
QPainterPath handLine(QPointF a, QPointF b, Random &random)
{
    QPainterPath path(a);
    const int steps = 6;
    for (int i = 1; i <= steps; ++i) {
        const QPointF wobble = i == steps ? QPointF() : QPointF(random.between(-0.5, 0.5), random.between(-0.5, 0.5));
        path.lineTo(a + (b - a) * (double(i) / steps) + wobble);
    }
    return path;
}

// A capacitor across a lead: two plates, perpendicular to the lead.
void capacitor(QPainter &p, QPointF centre, bool vertical, Random &random)
{
    const QPointF half = vertical ? QPointF(0, 5.5) : QPointF(5.5, 0);
    const QPointF gap = vertical ? QPointF(2.2, 0) : QPointF(0, 2.2);
    p.drawPath(handLine(centre - gap - half, centre - gap + half, random));
    p.drawPath(handLine(centre + gap - half, centre + gap + half, random));
}

} // namespace

QImage capacitorSketch()
{
    QImage image(225, 60, QImage::Format_RGB32);
    image.fill(QColor(kDrawingBackground.red, kDrawingBackground.green, kDrawingBackground.blue));
    Random random(0xca9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The element: an orange bar along the top, broken at the feed gap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kElementOrange.red, kElementOrange.green, kElementOrange.blue));
    auto bar = [&](double from, double to) {
        QPolygonF shape;
        for (double x = from; x <= to; x += 6)
            shape << QPointF(x, random.between(-0.5, 0.5));
        shape << QPointF(to, 0) << QPointF(to, 12);
        for (double x = to; x >= from; x -= 6)
            shape << QPointF(x, 12 + random.between(-0.6, 0.6));
        shape << QPointF(from, 12);
        p.drawPolygon(shape);
    };
    bar(-2, 98);
    bar(120, 227);

    const QColor red(220, 20, 20);
    const QColor yellow(236, 206, 0);
    const QPointF breakLeft(98, 6);
    const QPointF breakRight(120, 6);

    // Parallel capacitor, bridging the break in the bar.
    p.setPen(QPen(red, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handLine(breakLeft, QPointF(106.8, 6), random));
    p.drawPath(handLine(QPointF(111.2, 6), breakRight, random));
    capacitor(p, QPointF(109, 6), true, random);

    // Connector at the bottom centre.
    const QRectF connector(103, 47, 16, 13);

    // Series capacitor, on the red lead from the break's left end down to
    // the connector.
    p.setPen(QPen(red, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handLine(QPointF(99, 12), QPointF(99, 25.8), random));
    capacitor(p, QPointF(99, 28), false, random);
    p.drawPath(handLine(QPointF(99, 30.2), QPointF(107, 47), random));

    // Yellow lead from the bar's right-hand end at the break into the connector.
    p.setPen(QPen(yellow, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handLine(QPointF(119, 12), QPointF(115, 47), random));

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(24, 24, 24));
    p.drawRoundedRect(connector, 2, 2);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(connector.left() + 4, connector.top() + 4, 8, 5));

    letter(p, QStringLiteral("SERIES"), QPointF(22, 18), 1.35, random);
    letter(p, QStringLiteral("CAPACITOR"), QPointF(10, 31), 1.35, random);
    letter(p, QStringLiteral("PARALLEL"), QPointF(150, 24), 1.35, random);
    letter(p, QStringLiteral("CAPACITOR"), QPointF(144, 37), 1.35, random);

    // Leader lines from the lettering to what it names.
    p.setPen(QPen(QColor(0, 0, 230), 0.8));
    p.drawPath(handLine(QPointF(82, 28), QPointF(92, 28), random));
    p.drawPath(handLine(QPointF(146, 27), QPointF(112, 13), random));
    p.end();
    return to24Bit(image);
}

} // namespace varnel::assets
