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

// The notes window's bitmap keeps the marks its labels were laid over; the
// build sheet, whose labels carry lengths, gives each dimension a full mark
// of its own: extension lines, a dimension line with arrows at both ends,
// and its label beside it or joined to it by a leader.
enum class DiagramMarks { Notes, Sheet };

// The top-left corners of the four labels (HEIGHT, GAP, END, SIDE): where
// the notes window places them, about 33 x 19 units each; on the sheet,
// where each label begins beside its mark.
struct DiagramAnchors
{
    QPointF height;
    QPointF gap;
    QPointF end;
    QPointF side;
    // Sheet only: the leader runs from the GAP label's lower right corner
    // to this point on the gap's dimension line.
    QPointF gapLeader;
};

// Paints the whole diagram, background included, into the rectangle
// (0, 0) to kDiagramSize of the painter's current coordinates. Carries no
// lettering: the caller writes the labels at the anchors it returns.
DiagramAnchors paintDimensionDiagram(QPainter &p, DiagramMarks marks = DiagramMarks::Notes);

} // namespace varnel
