// The dimension diagram: the antenna in an oblique view with its four
// dimension marks, as the notes window shows it in a committed bitmap made
// by tools/make_assets from this painter.
#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>

class QPainter;

namespace varnel {

inline constexpr QSize kDiagramSize {200, 174}; // in the painter's units; one pixel in the bitmap

extern const QColor kDrawingBackground; // light cyan
extern const QColor kElementOrange;

// Where the verticals leave their side of the loop: this fraction of the
// side from the corner they stand near. The design gives no number; the
// build sheet draws them where this diagram does.
inline constexpr double kVerticalsFromCorner = 0.16;

// The top-left corners of the four labels (HEIGHT, GAP, END, SIDE): where
// the notes window places them, about 33 x 19 units each.
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
