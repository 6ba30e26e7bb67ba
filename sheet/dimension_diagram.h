// The dimension diagram: the antenna in an oblique view with its four
// dimension marks. The notes window shows it as a committed bitmap (made by
// tools/make_assets from this painter); the build sheet draws it as vectors
// with the lengths written beside the marks.
#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>

class QPainter;

namespace varnel {

inline constexpr QSize kDiagramSize {200, 174}; // in the painter's units; one pixel in the bitmap

extern const QColor kDrawingBackground; // light cyan
extern const QColor kElementOrange;

// The top-left corners of the four labels (HEIGHT, GAP, END, SIDE), each
// about 33 x 19 units, where the notes window places them.
struct DiagramAnchors
{
    QPointF height;
    QPointF gap;
    QPointF end;
    QPointF side;
};

// Paints the whole diagram, background included, into the rectangle
// (0, 0) to kDiagramSize of the painter's current coordinates. Carries no
// lettering: the caller writes the labels at the anchors it returns.
DiagramAnchors paintDimensionDiagram(QPainter &p);

} // namespace varnel
