// Paints a page description with QPainter: the build sheet's PNG and the
// dimension diagram's bitmap. The description says where everything goes;
// this only says it in Qt's terms.
#pragma once

#include "sheet/page.h"

#include <string>
#include <vector>

class QPainter;

namespace varnel {

// Paints `page` from the painter's origin, `dots` device pixels to one of
// the page's units.
void paintPage(QPainter &p, const Page &page, double dots);

// The pages, one below the other on white, as a PNG's bytes at
// `dotsPerInch` (the pages in mm); empty when it cannot be made.
std::string pngOfPages(const std::vector<Page> &pages, int dotsPerInch);

} // namespace varnel
