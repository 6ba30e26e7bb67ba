// Pages as one SVG picture, in millimetres, one page below the other.
#pragma once

#include "sheet/page.h"

#include <string>
#include <vector>

namespace varnel {

std::string writeSvg(const std::vector<Page> &pages, const std::string &title);

} // namespace varnel
