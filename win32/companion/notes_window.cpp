#include "win32/companion/notes_window.h"

#include "designs/notes_window_design.h"

namespace varnel::win32 {

Form2::Form2(UINT dpi)
    : DesignWindow(kForm2Design, dpi)
{
}

} // namespace varnel::win32
