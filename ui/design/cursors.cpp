#include "ui/design/cursors.h"

#include <QPixmap>

namespace varnel {

namespace {
constexpr int kHandHotSpotX = 13;
constexpr int kHandHotSpotY = 9;
} // namespace

QCursor handCursor()
{
    const QPixmap hand(QStringLiteral(":/assets/hand.cur"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, kHandHotSpotX, kHandHotSpotY);
}

} // namespace varnel
