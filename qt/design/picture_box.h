// A picture box: an image shown unscaled at the top-left of a sunken 3-D
// frame, and a container whose children are clipped by the inner area.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace varnel {

class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const { return m_pixmap; }
    // Children placed here lie over the image and are clipped by the frame.
    QWidget *canvas() const { return m_canvas; }
    // Resizes the box to its image plus the border on every side.
    void sizeToPixmap();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap m_pixmap;
    QWidget *m_canvas = nullptr;
};

} // namespace varnel
