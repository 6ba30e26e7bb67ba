#include "sheet/drawing_geometry.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace varnel {

QPointF unitNormal(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return {d.y() / length, -d.x() / length};
}

void arrowHead(QPainter &p, QPointF tip, QPointF from, double size)
{
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * size;
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF {tip, base + n * (size * 0.4), base - n * (size * 0.4)});
}

void dimensionLine(QPainter &p, QPointF a, QPointF b, double arrowSize)
{
    p.drawLine(a, b);
    arrowHead(p, a, b, arrowSize);
    arrowHead(p, b, a, arrowSize);
}

} // namespace varnel
