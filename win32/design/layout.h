// Where the designs' controls go at a window's DPI: twips become pixels by
// the designs' one rule (designs/window_design.h), and the fonts are made
// at that DPI. qt/design/layout is the same for the Qt front end, at 96
// DPI, which Qt scales.
#pragma once

#include "designs/window_design.h"

#include <windows.h>

namespace varnel::win32 {

inline int twipsToPixels(int twips, UINT dpi)
{
    return varnel::twipsToPixels(twips, static_cast<int>(dpi));
}

// A control's rectangle in its parent's client area, as the design places
// it (before a picture box sizes itself to its image).
RECT designRect(const ControlDesign &control, UINT dpi);

} // namespace varnel::win32
