#include "qt/companion/notes_window.h"

#include "designs/notes_window_design.h"
#include "qt/design/window_builder.h"

namespace varnel {

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    buildWindow(kForm2Design, this);
}

} // namespace varnel
