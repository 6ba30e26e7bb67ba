// Geometry that the drawings share.
#pragma once

#include <QPointF>

namespace varnel {

// The point a fraction `t` of the way from `from` to `to`.
inline QPointF along(QPointF from, QPointF to, double t)
{
    return from + (to - from) * t;
}

} // namespace varnel
