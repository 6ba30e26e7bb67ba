// The main window's stored design.
#pragma once

#include "designs/window_design.h"

#include <string>
#include <string_view>

namespace varnel {

extern const WindowDesign kForm1Design;

// What a screen reader calls a field of the main window, which meets the
// fields one by one, away from their captions: its row and its column
// ("The vertical element height is, MM"), or "Input frequency in MHz".
// Empty for the other controls, which their own text names.
std::string form1AccessibleName(std::string_view control);

} // namespace varnel
