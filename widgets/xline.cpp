#include "xline.h"

#include "kit.h"

#include <QPainter>

XLine::XLine(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), m_color(Kit::frameColor())
{
    if (orientation == Qt::Horizontal) {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setFixedWidth(1);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
}

void XLine::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void XLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_color);
}
