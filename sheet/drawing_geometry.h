// Geometry and dimension marks that the drawings share: the notes window's
// diagram and the build sheet's plan, side view and template.
#pragma once

#include <QPointF>

class QPainter;

namespace varnel {

// The point a fraction `t` of the way from `from` to `to`.
inline QPointF along(QPointF from, QPointF to, double t)
{
    return from + (to - from) * t;
}

// The unit vector at a right angle to the line from `from` to `to`, turned
// counter-clockwise on a y-down page.
QPointF unitNormal(QPointF from, QPointF to);

// A filled arrow head in the pen's colour, pointing at `tip` from `from`.
void arrowHead(QPainter &p, QPointF tip, QPointF from, double size);

// A dimension line between a and b with arrows at both ends.
void dimensionLine(QPainter &p, QPointF a, QPointF b, double arrowSize);

} // namespace varnel
