// The dimension diagram's bitmap for the notes window, painted from its
// description as the build sheet's pictures are.
#include "artwork/asset_painters.h"
#include "artwork/painting.h"
#include "qt/drawing/page_painter.h"
#include "sheet/dimension_diagram.h"

#include <QPainter>

namespace varnel::assets {

QImage dimensionDiagram()
{
    QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
    QPainter p(&image);
    paintPage(p, describeDimensionDiagram(), 1);
    p.end();
    return to24Bit(image);
}

} // namespace varnel::assets
