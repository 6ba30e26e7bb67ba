// The antenna photograph: the antenna against a cloudy sky.
#include "artwork/asset_painters.h"
#include "artwork/painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace varnel::assets {

namespace {

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

} // namespace varnel::assets
