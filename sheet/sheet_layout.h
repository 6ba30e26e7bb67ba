// The build sheet's pages as descriptions: the sheet itself (the antenna's
// reading, a plan and a side view to scale, the capacitors' wiring, the cut
// list), the construction notes, and the full-size template where it fits.
// Beside each page, what it promises: every text in the box it was given,
// and every length a drawing shows with its label, so that a test can
// check the page without painting it.
#pragma once

#include "sheet/page.h"
#include "sheet/sheet_content.h"

#include <string>
#include <vector>

namespace varnel {

// What goes out: a PDF carries the template; a picture is the sheet's own
// pages only; for a copy shop, the template alone on one large page.
enum class SheetPages { WithTemplate, SheetOnly, LargeTemplate };

struct SheetLayout
{
    std::vector<Page> pages;
    std::vector<PagePromises> promises; // one for each page
    // A text that the standard fonts cannot show, in one line; the pages
    // are then not to be written.
    std::string refusal;
};

SheetLayout describeSheet(const SheetData &data, SheetPages pages);

} // namespace varnel
