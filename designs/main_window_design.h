// The main window's stored design.
#pragma once

#include "designs/window_design.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

extern const WindowDesign kForm1Design;

// The names a screen reader gives the main window's fields, which it meets
// one by one, away from their captions: each field's row and column ("The
// vertical element height is, MM"), and "Input frequency in MHz". The
// other controls are named by their own text.
struct ScreenReaderName
{
    std::string_view control;
    std::string name;
};
std::vector<ScreenReaderName> form1ScreenReaderNames();

} // namespace varnel
