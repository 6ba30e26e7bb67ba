// Where the designs' controls go and the fonts they are shown in: twips
// become pixels by the designs' one rule (designs/window_design.h) at 96
// dots per inch, and Qt's high-DPI scaling takes the pixels on to larger
// screens. win32/design/layout does the same at each window's DPI.
#pragma once

#include "designs/window_design.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

namespace varnel {

// The designs' font family, then its metric twins, in the order tried.
QStringList designFontFamilies();
// The first of them installed here: the face every design text is shown in.
QString shownDesignFamily();
QFont designFont(const FontDesign &font);
// A design rectangle in twips, in pixels at 96 dots per inch.
QRect pixelRect(int left, int top, int width, int height);

} // namespace varnel
