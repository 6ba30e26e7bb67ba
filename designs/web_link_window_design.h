// The web link window's stored design.
#pragma once

#include "designs/window_design.h"
#include "varnel/build_info.h"

#include <string_view>

namespace varnel {

// The author's web page, without a trailing "/". Packagers set it with the
// CMake cache variable VARNEL_WEB_PAGE_ADDRESS.
inline constexpr std::string_view WebPageAddress = VARNEL_WEB_PAGE_ADDRESS;

extern const WindowDesign kWebDesign;

} // namespace varnel
