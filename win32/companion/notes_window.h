// The notes window, Form2: the construction notes, the dimension diagram
// with its labels, the capacitor sketch. It has no behaviour of its own.
#pragma once

#include "win32/design/window_builder.h"

namespace varnel::win32 {

class Form2 final : public DesignWindow
{
public:
    explicit Form2(UINT dpi);
};

} // namespace varnel::win32
