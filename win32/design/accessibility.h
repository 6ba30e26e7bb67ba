// Names and descriptions for screen readers, through Microsoft Active
// Accessibility's property service: the control keeps its own text, the
// reader says the name given here.
#pragma once

#include <windows.h>

#include <string_view>

namespace varnel::win32 {

// Either may be empty, and is then left as the control's own.
void describeForScreenReaders(HWND control, std::string_view name, std::string_view description);

} // namespace varnel::win32
