// Paints the build sheet's pages: the sheet itself (the antenna's reading,
// a plan and a side view to scale, the capacitors' wiring, the cut list),
// the construction notes, and the full-size template where it fits. Every
// text is laid into a box of its own and recorded, so that a test can see
// that none leaves its box or the page, or lies over another.
#pragma once

#include "sheet/sheet_content.h"

#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace varnel {

// What goes out: a PDF has pages, and carries the template; a picture is
// the sheet's own pages one below the other.
enum class SheetPages { WithTemplate, SheetOnly };

// A text as it was laid out, in mm from its page's top-left corner.
struct PlacedText
{
    int page = 0; // from 0
    QRectF box; // the room it was given
    QRectF used; // what it took
    QString text;
};

struct SheetLayout
{
    int pages = 0;
    std::vector<PlacedText> texts;
};

inline constexpr double kSheetMargin = 15; // mm, on the sheet's own pages

int sheetPageCount(const SheetData &data, SheetPages pages);

// Where a page's texts must stay: inside its margins.
QRectF textArea(const SheetData &data, int page);

// Paints every page, each from the painter's origin; `nextPage` is called
// between two pages and must bring the painter to the next one's top-left.
SheetLayout paintSheet(QPainter &p, const SheetData &data, double dotsPerMillimetre, SheetPages pages,
                       const std::function<void()> &nextPage);

} // namespace varnel
