// The dimension diagram's bitmap for the notes window, from the painter the
// build sheet draws with.
#include "sheet/dimension_diagram.h"
#include "tools/asset_painters.h"
#include "tools/painting.h"

#include <QPainter>

namespace varnel::assets {

QImage dimensionDiagram()
{
    QImage image(kDiagramSize, QImage::Format_RGB32);
    QPainter p(&image);
    paintDimensionDiagram(p);
    p.end();
    return to24Bit(image);
}

} // namespace varnel::assets
