// The dimension diagram: the antenna in an oblique view with its four
// dimension marks, as the notes window shows it in a committed bitmap that
// artwork/make_assets paints from this description.
#pragma once

#include "sheet/page.h"

namespace varnel {

// In the description's units, one pixel of the bitmap each.
inline constexpr int kDiagramWidth = 200;
inline constexpr int kDiagramHeight = 174;

inline constexpr Rgb kDrawingBackground {127, 253, 255}; // light cyan
inline constexpr Rgb kElementOrange {232, 143, 0};

// Where the verticals leave their side of the loop: this fraction of the
// side from the corner they stand near. The design gives no number; the
// build sheet draws them where this diagram does.
inline constexpr double kVerticalsFromCorner = 0.16;

// The top-left corners of the four labels (HEIGHT, GAP, END, SIDE): where
// the notes window places them, about 33 x 19 units each.
struct DiagramAnchors
{
    Point height;
    Point gap;
    Point end;
    Point side;
};

// The whole diagram, background included, as a page of kDiagramWidth by
// kDiagramHeight units. It carries no lettering: the window writes the
// labels at the anchors.
Page describeDimensionDiagram();
DiagramAnchors dimensionDiagramAnchors();

} // namespace varnel
