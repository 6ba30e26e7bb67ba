// The application icon: a small tilted window, as an .ico file of pixel
// drawings and as smooth renderings for icon themes.
#include "artwork/asset_painters.h"
#include "qt/drawing/bitmap_files.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace varnel::assets {

namespace {

enum class Ink { Transparent, Black, White, Cyan, Grey };

// The icon's geometry in a unit square: a window tilted a little, its title
// bar across the top, its shadow down and to the right.
constexpr double kTilt = -12.0;
const QRectF kIconWindow(0.12, 0.2, 0.7, 0.58);
constexpr double kTitleBar = 0.2;
const QPointF kShadowOffset(0.07, 0.07);

Ink iconInkAt(int x, int y, int size)
{
    const QPointF centre = kIconWindow.center();
    const double a = -kTilt * M_PI / 180.0;
    const QPointF p = QPointF((x + 0.5) / size, (y + 0.5) / size) - centre;
    // Undo the tilt, so the window is upright around its centre.
    const QPointF q
        = QPointF(p.x() * std::cos(a) - p.y() * std::sin(a), p.x() * std::sin(a) + p.y() * std::cos(a)) + centre;
    const double line = 1.0 / size;
    if (kIconWindow.contains(q)) {
        const bool edge = q.x() < kIconWindow.left() + line || q.x() >= kIconWindow.right() - line
            || q.y() < kIconWindow.top() + line || q.y() >= kIconWindow.bottom() - line;
        const double barBottom = kIconWindow.top() + kTitleBar;
        // Below 24 pixels a line under the title bar would leave it no cyan.
        const bool separator = size >= 24 && q.y() >= barBottom - line && q.y() < barBottom;
        if (edge || separator)
            return Ink::Black;
        return q.y() < barBottom ? Ink::Cyan : Ink::White;
    }
    if (kIconWindow.translated(kShadowOffset).contains(q))
        return Ink::Grey;
    return Ink::Transparent;
}

} // namespace

QByteArray applicationIconFile()
{
    // The classic 16-colour palette: black, grey, cyan and white are used.
    const std::vector<QRgb> vga {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                 qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                                 qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                 qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    auto vgaIndex = [](Ink ink) {
        switch (ink) {
        case Ink::Black:
        case Ink::Transparent:
            return 0;
        case Ink::Grey:
            return 8;
        case Ink::Cyan:
            return 14;
        case Ink::White:
            return 15;
        }
        return 0;
    };
    auto colourImage = [&](int size) {
        return iconImageData(
            size, 4, vga, [&](int x, int y) { return vgaIndex(iconInkAt(x, y, size)); },
            [&](int x, int y) { return iconInkAt(x, y, size) == Ink::Transparent; });
    };
    // In two colours the title bar and the shadow are black, the client white.
    const QByteArray mono = iconImageData(
        32, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
        [&](int x, int y) { return iconInkAt(x, y, 32) == Ink::White ? 1 : 0; },
        [&](int x, int y) { return iconInkAt(x, y, 32) == Ink::Transparent; });
    return iconFile(1,
                    {{32, 2, 1, 0, 0, mono}, {32, 16, 4, 0, 0, colourImage(32)}, {16, 16, 4, 0, 0, colourImage(16)}});
}

QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    p.translate(kIconWindow.center());
    p.rotate(kTilt);
    p.translate(-kIconWindow.center());
    const double line = std::max(1.0 / size, 0.025);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128, 200));
    p.drawRect(kIconWindow.translated(kShadowOffset));
    p.setBrush(Qt::white);
    p.drawRect(kIconWindow);
    p.setBrush(QColor(0, 255, 255));
    p.drawRect(QRectF(kIconWindow.topLeft(), QSizeF(kIconWindow.width(), kTitleBar)));
    p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF outline = kIconWindow.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    p.drawRect(outline);
    p.drawLine(QPointF(outline.left(), kIconWindow.top() + kTitleBar),
               QPointF(outline.right(), kIconWindow.top() + kTitleBar));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace varnel::assets
