// What the pages of the full-size template draw with: the title, the check
// bars to print them by, the loop at full size with its labels and the
// lengths it promises, a vertical, and the registration crosses.
#pragma once

#include "sheet/page_drawing.h"
#include "sheet/template_plan.h"

namespace varnel {

// The template's title with what the page shows; returns where the
// drawing may start.
double templateHeading(PageDrawing &d, double pageWidth, const std::string &what);

// A 100 mm bar in 10 mm cells, a 4 in bar in inches under it, and the
// words to print them by, `textWidth` mm wide.
void checkBars(PageDrawing &d, Point origin, double textWidth);

// The loop at full size: the tube's band, its centre line, the gap's ends
// and the two verticals; and the lengths it promises.
void fullSizeLoop(PageDrawing &d, const PlanGeometry &plan);
void promiseLoop(PageDrawing &d, const PlanGeometry &plan);
// The loop's labels where `shift` takes the loop's coordinates on the page.
void loopLabelsAt(PageDrawing &d, const std::vector<LoopLabel> &labels, Point shift);

// One vertical, upright, from `top` down, with its words to its right.
void verticalRod(PageDrawing &d, double x, double top);

// A cross in a circle, where two sheets are laid over each other.
void registrationCross(PageDrawing &d, Point centre);

} // namespace varnel
