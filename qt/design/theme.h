// The designs' colours on the user's theme, by their one rule
// (designs/colour_rule.h): as designed on a light theme, readable on a dark
// one. Qt's palette is the theme; win32/design/theme is the same for the
// Windows front end.
#pragma once

#include "designs/colour_rule.h"
#include "designs/window_design.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace varnel {

QColor toQColor(Rgb colour);
// The user's theme in the designs' terms.
SystemColours systemColours(const QPalette &palette);
QColor resolveColour(const Colour &colour, const QPalette &systemPalette);
// A control's colours by the rule, into the widget's palette at these
// roles. `textBox` tells a text box from a label.
void applyColours(QWidget *widget, const ControlDesign &control, QPalette::ColorRole backgroundRole,
                  QPalette::ColorRole foregroundRole, bool textBox);

} // namespace varnel
