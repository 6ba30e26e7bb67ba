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
        painter.drawPixmap(0, 0, m_pixmap);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace varnel
