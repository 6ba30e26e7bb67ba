#include "qt/companion/notes_window.h"

#include "designs/notes_window_design.h"

namespace varnel {

Form2::Form2(QWidget *parent)
    : DesignWindow(kForm2Design, parent)
{
}

} // namespace varnel
