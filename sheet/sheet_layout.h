// The build sheet's pages as descriptions: the sheet itself (the antenna's
// reading, a plan and a side view to scale, the capacitors' wiring, the cut
// list), the construction notes, and the full-size template where it fits.
// Every text is laid into a box of its own and recorded, and every length
// a drawing promises is recorded with its label, so that a test can check
// the page without painting it.
#pragma once

#include "sheet/page.h"
#include "sheet/sheet_content.h"

#include <vector>

namespace varnel {

// What goes out: a PDF carries the template; a picture is the sheet's own
// pages only; for a copy shop, the template alone on one large page.
enum class SheetPages { WithTemplate, SheetOnly, LargeTemplate };

inline constexpr double kSheetMargin = 15; // mm, on the sheet's own pages

std::vector<Page> describeSheet(const SheetData &data, SheetPages pages);

} // namespace varnel
