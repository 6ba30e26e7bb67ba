#include "qt/design/picture_box.h"

#include <QEvent>
#include <QPainter>

namespace varnel {

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
    , m_canvas(new QWidget(this))
{
    // The classic 2-pixel sunken border, whatever the style.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->installEventFilter(this);
    m_canvas->setGeometry(contentsRect());
}

void PictureBox::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    m_canvas->update();
}

void PictureBox::sizeToPixmap()
{
    const int border = 2 * frameWidth();
    resize(m_pixmap.deviceIndependentSize().toSize() + QSize(border, border));
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_canvas->setGeometry(contentsRect());
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && event->type() == QEvent::Paint) {
        QPainter painter(m_canvas);
        // On a scaled screen Qt draws the 96-DPI picture larger; smoothly,
        // as Windows does, rather than by doubling every other pixel. At
        // scale 1 the pixels are copied as they are.
        if (m_canvas->devicePixelRatioF() != 1.0)
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(0, 0, m_pixmap);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace varnel
