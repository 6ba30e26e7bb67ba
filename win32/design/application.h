// What the Windows front end's windows share as a program, as
// qt/design/application is Qt's: the program ends with its last window, and
// new windows take the screen's DPI.
#pragma once

#include "win32/design/window_builder.h"

namespace varnel::win32 {

// Each window counts itself in when made and out when gone, and the last
// out ends the message loop.
void countWindow(DesignWindow &window);

// The DPI of the screen, for windows not yet on one.
UINT systemDpi();

} // namespace varnel::win32
