#include "ui/companion/form2.h"

#include "ui/companion/form2_design.h"
#include "ui/design/window_builder.h"

namespace varnel {

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    buildWindow(kForm2Design, this);
}

} // namespace varnel
