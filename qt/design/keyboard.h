// The designs' keyboard rules in Qt: Tab visits the controls in tab-index
// order (Qt chains focus in the order the builder makes them), Enter on a
// focused button presses it, Enter in a one-line text box does nothing.
#pragma once

#include "designs/window_design.h"

#include <Qt>

class QPushButton;

namespace varnel {

// Enter or Return on `button`, focused, presses it.
void pressOnEnter(QPushButton *button);
// Which way a control takes the focus: by Tab where the design says so.
Qt::FocusPolicy designFocusPolicy(const ControlDesign &control);

} // namespace varnel
