#include "qt/design/cursors.h"

#include "qt/drawing/bitmap_files.h"

#include <QPixmap>

namespace varnel {

QCursor handCursor()
{
    const QList<IconImage> images = readIconFile(readWholeFile(QStringLiteral(":/assets/hand.cur")));
    if (images.isEmpty())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(images.first().image), images.first().hotSpot.x(), images.first().hotSpot.y());
}

} // namespace varnel
