#include "sheet/dimension_diagram.h"

#include "sheet/drawing_geometry.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <initializer_list>

namespace varnel {

const QColor kDrawingBackground(127, 253, 255);
const QColor kElementOrange(232, 143, 0);

namespace {

// The centre of the pixel row or column that `coordinate` falls in.
double onPixelCentre(double coordinate)
{
    return std::floor(coordinate) + 0.5;
}

} // namespace

DiagramAnchors paintDimensionDiagram(QPainter &p)
{
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(kDiagramSize)), kDrawingBackground);
    p.setRenderHint(QPainter::Antialiasing);

    // The square loop in oblique view: a flat parallelogram. Its corners,
    // named by where they lie: left, far (top), right and near (bottom).
    const QPointF top(96, 82);
    const QPointF right(188, 104);
    const QPointF bottom(124, 118);
    const QPointF left = top + (bottom - right);
    // The feed gap breaks the upper-right side.
    const QPointF gapStart = along(top, right, 0.52);
    const QPointF gapEnd = along(top, right, 0.62);
    // The verticals leave the lower-left side close to the left corner.
    const QPointF foot = along(left, bottom, kVerticalsFromCorner);

    QPen element(kElementOrange, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(element);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF {gapEnd, right, bottom, left, top, gapStart});
    // The lower element descends; the upper one rises in front of the
    // upper-left side, so it is drawn last with a thin gap around it.
    p.drawLine(foot, foot + QPointF(0, 50));
    p.setPen(QPen(kDrawingBackground, 6.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(foot + QPointF(0, -8), foot + QPointF(0, -30));
    p.setPen(element);
    p.drawLine(foot, foot + QPointF(0, -76));

    p.setPen(QPen(Qt::black, 1.0));
    const double arrow = 5;
    // HEIGHT: extension lines at the top of the upper element and at the
    // loop, a vertical double arrow between them at the left. Level and
    // upright marks one pixel wide lie on pixel centres, so they are black,
    // not half black over two pixels.
    const double topOfElement = onPixelCentre(foot.y() - 76);
    const double atLoop = onPixelCentre(foot.y());
    p.drawLine(QPointF(6, topOfElement), QPointF(foot.x() - 4, topOfElement));
    p.drawLine(QPointF(6, atLoop), QPointF(foot.x() - 4, atLoop));
    dimensionLine(p, QPointF(12.5, topOfElement + 1), QPointF(12.5, atLoop - 1), arrow);

    // GAP: two parallel slanted lines up from the gap's ends, with arrows
    // pointing at them from either side.
    const QPointF rise(10, -36);
    p.drawLine(gapStart + QPointF(1, -4), gapStart + rise);
    p.drawLine(gapEnd + QPointF(1, -4), gapEnd + rise);
    const double arrowY = onPixelCentre(gapStart.y() - 24);
    const double firstX = gapStart.x() + 10 * (24.0 / 36.0) - 0.5;
    const double secondX = gapEnd.x() + 10 * (20.0 / 36.0) + 0.5;
    p.drawLine(QPointF(firstX - 16, arrowY), QPointF(firstX, arrowY));
    arrowHead(p, QPointF(firstX, arrowY), QPointF(firstX - 16, arrowY), arrow);
    p.drawLine(QPointF(secondX + 16, arrowY + 4), QPointF(secondX, arrowY + 4));
    arrowHead(p, QPointF(secondX, arrowY + 4), QPointF(secondX + 16, arrowY + 4), arrow);

    // END: a slanted dimension from the gap to the right-hand corner, just
    // outside the side.
    const QPointF out = unitNormal(gapEnd, right) * 6.0;
    dimensionLine(p, gapEnd + out, right + out, arrow);
    p.drawLine(gapEnd + out * 0.3, gapEnd + out * 1.3);
    p.drawLine(right + out * 0.3, right + out * 1.3);

    // SIDE: tick marks along the lower-right side, at its ends and between.
    const QPointF tick = unitNormal(right, bottom) * 4.0;
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const QPointF at = along(right, bottom, t);
        const double length = (t == 0.0 || t == 1.0) ? 1.6 : 1.0;
        p.drawLine(at - tick * length, at + tick * length);
    }
    p.restore();
    // Where the window lays its four labels over the diagram.
    return {QPointF(0, 48), QPointF(168, 32), QPointF(168, 72), QPointF(128, 120)};
}

} // namespace varnel
