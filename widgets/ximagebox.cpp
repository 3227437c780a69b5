#include "ximagebox.h"

#include <QPainter>
#include <QPainterPath>

XImageBox::XImageBox(QWidget* parent) : QWidget(parent) {}

void XImageBox::setImage(const QString& path)
{
    setPixmap(QPixmap(path));
}

void XImageBox::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    update();
}

QPixmap XImageBox::pixmap() const
{
    return m_pixmap;
}

void XImageBox::setRadius(int radius)
{
    m_radius = radius;
    update();
}

void XImageBox::paintEvent(QPaintEvent*)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QSizeF size = m_pixmap.size() / m_pixmap.devicePixelRatio();
    size.scale(this->size(), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    if (m_radius > 0) {
        QPainterPath clip;
        clip.addRoundedRect(target, m_radius, m_radius);
        painter.setClipPath(clip);
    }
    painter.drawPixmap(target, m_pixmap, QRectF(m_pixmap.rect()));
}
