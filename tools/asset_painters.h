// Painters for the program's images. make_assets writes their output to
// assets/, where it is committed; a test repaints them and compares, so the
// committed files never drift from their source.
#pragma once

#include <QImage>

namespace varnel::assets {

// 103 x 186, 24-bit: the antenna against a cloudy sky.
QImage antennaPhoto();

} // namespace varnel::assets
