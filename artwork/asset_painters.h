// Painters for the program's images. make_assets writes their output to
// assets/, where it is committed; a test repaints them and compares, so the
// committed files never drift from their source.
#pragma once

#include <QByteArray>
#include <QImage>

namespace varnel::assets {

// 103 x 186, 24-bit: the antenna against a cloudy sky.
QImage antennaPhoto();
// 200 x 174, 24-bit: the antenna in an oblique view with its dimension marks;
// the labels are separate controls over it, so it carries no lettering.
QImage dimensionDiagram();
// 225 x 60, 24-bit: the two tuning capacitors at the feed point, hand drawn.
QImage capacitorSketch();

// The link's pointing hand: a 32 x 32 cursor file, 1 bit per pixel with its
// transparency mask, hot spot at the tip of the index finger.
inline constexpr int kHandHotSpotX = 13;
inline constexpr int kHandHotSpotY = 9;
QByteArray handCursorFile();

// The application icon, a small tilted window: an .ico file with 32 x 32 in
// 2 colours, 32 x 32 and 16 x 16 in 16 colours, and a smooth rendering at
// any size for icon themes.
QByteArray applicationIconFile();
QImage applicationIcon(int size);
inline constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace varnel::assets
