#include "tools/asset_painters.h"

#include "sheet/dimension_diagram.h"
#include "ui/design/bitmap_files.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace varnel::assets {

namespace {

// A fixed-seed generator: the same image on every machine and run.
class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_state(seed)
    {
    }
    double next() // in [0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / 16777216.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

QImage to24Bit(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

void paintSky(QPainter &p, const QSize &size, Random &random)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(38, 92, 190));
    sky.setColorAt(0.55, QColor(84, 145, 220));
    sky.setColorAt(1.0, QColor(150, 196, 238));
    p.fillRect(QRect(QPoint(0, 0), size), sky);

    // Soft cumulus: clusters of overlapping translucent puffs, brighter on top.
    const QPointF clusters[] = {{20, 28}, {84, 62}, {30, 132}, {92, 160}, {60, 8}};
    for (const QPointF &centre : clusters) {
        const int puffs = 7 + static_cast<int>(random.between(0, 5));
        for (int i = 0; i < puffs; ++i) {
            const QPointF at = centre + QPointF(random.between(-16, 16), random.between(-5, 5));
            const double radius = random.between(6, 13);
            QRadialGradient puff(at - QPointF(0, radius * 0.3), radius);
            puff.setColorAt(0.0, QColor(255, 255, 255, 200));
            puff.setColorAt(0.6, QColor(238, 242, 250, 120));
            puff.setColorAt(1.0, QColor(220, 230, 245, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(puff);
            p.drawEllipse(at, radius * 1.4, radius);
        }
    }
}

// A metal tube along `path`: dark rim, body and a thin highlight offset
// towards the light (upper left), which reads as a round, shiny section.
void paintTube(QPainter &p, const QPainterPath &path, double width, double shade)
{
    auto grey = [shade](int level) {
        const int v = std::clamp(static_cast<int>(level * shade), 0, 255);
        return QColor(v, v, std::min(255, v + 6));
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grey(70), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(grey(150), width * 0.62, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(grey(228), width * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.14, -width * 0.14));
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void addGrain(QImage &image, Random &random)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int n = static_cast<int>(random.between(-4, 4));
            image.setPixelColor(x, y,
                                QColor(std::clamp(c.red() + n, 0, 255), std::clamp(c.green() + n, 0, 255),
                                       std::clamp(c.blue() + n, 0, 255)));
        }
    }
}

} // namespace

QImage antennaPhoto()
{
    QImage image(103, 186, QImage::Format_RGB32);
    Random random(0x5eed1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, image.size(), random);

    // The loop, seen from slightly above: an ellipse across the middle.
    const QPointF loopCentre(53, 96);
    const double rx = 40;
    const double ry = 11;
    auto loopPoint = [&](double degrees) {
        const double a = degrees * M_PI / 180.0;
        return loopCentre + QPointF(rx * std::cos(a), -ry * std::sin(a));
    };
    auto arc = [&](double from, double to) {
        QPainterPath path(loopPoint(from));
        for (double d = from; d <= to + 0.01; d += 3)
            path.lineTo(loopPoint(d));
        return path;
    };

    // Far half first, thinner and darker; the near half is drawn last.
    paintTube(p, arc(0, 180), 3.2, 0.85);

    // The support boom enters from the upper right, behind the clamp.
    paintTube(p, line(QPointF(112, 34), QPointF(91, 91)), 6.5, 0.7);

    // Upper vertical rod at the left, rising from the loop's left side.
    const QPointF upperFoot = loopPoint(186);
    paintTube(p, line(QPointF(upperFoot.x() - 2, -4), upperFoot), 4.0, 1.0);

    // Lower rod, from the loop's left a little further round, going down.
    const QPointF lowerFoot = loopPoint(200);
    paintTube(p, line(lowerFoot, QPointF(lowerFoot.x() + 2, 192)), 4.0, 0.95);

    paintTube(p, arc(180, 360), 4.2, 1.0);

    // The clamp on the loop's right side: a block with two bolt heads.
    const QPointF clampAt = loopPoint(352);
    p.save();
    p.translate(clampAt);
    p.rotate(-20);
    QLinearGradient metal(0, -6, 0, 6);
    metal.setColorAt(0.0, QColor(200, 200, 205));
    metal.setColorAt(0.5, QColor(120, 120, 128));
    metal.setColorAt(1.0, QColor(60, 60, 66));
    p.setPen(QPen(QColor(40, 40, 44), 0.8));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(-6, -6, 12, 12), 1.5, 1.5);
    p.setBrush(QColor(215, 215, 220));
    p.drawEllipse(QPointF(-2.8, -2.5), 1.4, 1.4);
    p.drawEllipse(QPointF(2.8, 2.5), 1.4, 1.4);
    p.restore();
    p.end();

    addGrain(image, random);
    return to24Bit(image);
}

namespace {

QPointF along(QPointF from, QPointF to, double t)
{
    return from + (to - from) * t;
}

} // namespace

QImage dimensionDiagram()
{
    QImage image(kDiagramSize, QImage::Format_RGB32);
    QPainter p(&image);
    paintDimensionDiagram(p);
    p.end();
    return to24Bit(image);
}

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
        path.lineTo(along(a, b, double(i) / steps) + wobble);
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
    image.fill(kDrawingBackground);
    Random random(0xca9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The element: an orange bar along the top, broken at the feed gap.
    p.setPen(Qt::NoPen);
    p.setBrush(kElementOrange);
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

namespace {

// White with a black outline; '.' is transparent.
// clang-format off
const char *const kHand[32] = {
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        ".............##.................",
        "............#oo#................",
        "............#oo#................",
        "............#oo#................",
        "............#oo#................",
        "............#oo###..............",
        "............#oo#oo##............",
        "............#oo#oo#o##..........",
        "............#oo#oo#oo#o#........",
        "........###.#oo#oo#oo#oo#.......",
        "........#oo##oooooooooooo#......",
        "........#ooo#ooooooooooooo#.....",
        ".........#oo#ooooooooooooo#.....",
        ".........#oooooooooooooooo#.....",
        "..........#ooooooooooooooo#.....",
        "..........#oooooooooooooo#......",
        "...........#ooooooooooooo#......",
        "...........#oooooooooooo#.......",
        "............#ooooooooooo#.......",
        "............#############.......",
        "............#############.......",
        "............#############.......",
        "................................",
};
// clang-format on

enum class Ink { Transparent, Black, White, Cyan, Grey };

// The icon's geometry in a unit square: a window tilted a little, its title
// bar across the top, its shadow down and to the right.
constexpr double kTilt = -12.0;
const QRectF kIconWindow(0.12, 0.2, 0.7, 0.58);
constexpr double kTitleBar = 0.2;
const QPointF kShadowOffset(0.07, 0.07);

Ink iconInkAt(int x, int y, int size)
{
    const QPointF centre = kIconWindow.center();
    const double a = -kTilt * M_PI / 180.0;
    const QPointF p = QPointF((x + 0.5) / size, (y + 0.5) / size) - centre;
    // Undo the tilt, so the window is upright around its centre.
    const QPointF q
        = QPointF(p.x() * std::cos(a) - p.y() * std::sin(a), p.x() * std::sin(a) + p.y() * std::cos(a)) + centre;
    const double line = 1.0 / size;
    if (kIconWindow.contains(q)) {
        const bool edge = q.x() < kIconWindow.left() + line || q.x() >= kIconWindow.right() - line
            || q.y() < kIconWindow.top() + line || q.y() >= kIconWindow.bottom() - line;
        const double barBottom = kIconWindow.top() + kTitleBar;
        // Below 24 pixels a line under the title bar would leave it no cyan.
        const bool separator = size >= 24 && q.y() >= barBottom - line && q.y() < barBottom;
        if (edge || separator)
            return Ink::Black;
        return q.y() < barBottom ? Ink::Cyan : Ink::White;
    }
    if (kIconWindow.translated(kShadowOffset).contains(q))
        return Ink::Grey;
    return Ink::Transparent;
}

} // namespace

QByteArray handCursorFile()
{
    auto at = [](int x, int y) { return kHand[y][x]; };
    const QByteArray image = iconImageData(
        32, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, [&](int x, int y) { return at(x, y) == 'o' ? 1 : 0; },
        [&](int x, int y) { return at(x, y) == '.'; });
    return iconFile(2, {{32, 2, 1, kHandHotSpotX, kHandHotSpotY, image}});
}

QByteArray applicationIconFile()
{
    // The classic 16-colour palette: black, grey, cyan and white are used.
    const std::vector<QRgb> vga {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                 qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                                 qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                 qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    auto vgaIndex = [](Ink ink) {
        switch (ink) {
        case Ink::Black:
        case Ink::Transparent:
            return 0;
        case Ink::Grey:
            return 8;
        case Ink::Cyan:
            return 14;
        case Ink::White:
            return 15;
        }
        return 0;
    };
    auto colourImage = [&](int size) {
        return iconImageData(
            size, 4, vga, [&](int x, int y) { return vgaIndex(iconInkAt(x, y, size)); },
            [&](int x, int y) { return iconInkAt(x, y, size) == Ink::Transparent; });
    };
    // In two colours the title bar and the shadow are black, the client white.
    const QByteArray mono = iconImageData(
        32, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
        [&](int x, int y) { return iconInkAt(x, y, 32) == Ink::White ? 1 : 0; },
        [&](int x, int y) { return iconInkAt(x, y, 32) == Ink::Transparent; });
    return iconFile(1,
                    {{32, 2, 1, 0, 0, mono}, {32, 16, 4, 0, 0, colourImage(32)}, {16, 16, 4, 0, 0, colourImage(16)}});
}

QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    p.translate(kIconWindow.center());
    p.rotate(kTilt);
    p.translate(-kIconWindow.center());
    const double line = std::max(1.0 / size, 0.025);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128, 200));
    p.drawRect(kIconWindow.translated(kShadowOffset));
    p.setBrush(Qt::white);
    p.drawRect(kIconWindow);
    p.setBrush(QColor(0, 255, 255));
    p.drawRect(QRectF(kIconWindow.topLeft(), QSizeF(kIconWindow.width(), kTitleBar)));
    p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF outline = kIconWindow.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    p.drawRect(outline);
    p.drawLine(QPointF(outline.left(), kIconWindow.top() + kTitleBar),
               QPointF(outline.right(), kIconWindow.top() + kTitleBar));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace varnel::assets
