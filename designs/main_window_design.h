// The main window's stored design.
#pragma once

#include "designs/window_design.h"

namespace varnel {

extern const WindowDesign kForm1Design;

} // namespace varnel
