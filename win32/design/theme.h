// The designs' colours on the user's theme, by their one rule
// (designs/colour_rule.h): as designed on a light theme, readable on a dark
// one, the user's own colours in high contrast. GetSysColor's colours are
// the theme; qt/design/theme is the same for the Qt front end.
#pragma once

#include "designs/colour_rule.h"

#include <windows.h>

namespace varnel::win32 {

// The user's theme in the designs' terms: GetSysColor's colours, and
// whether high contrast is on.
SystemColours systemColours();
// For tests: the theme the windows resolve their colours on instead of the
// system's; null for the system's again.
void useThemeForTesting(const SystemColours *theme);

COLORREF colourRef(Rgb colour);

} // namespace varnel::win32
