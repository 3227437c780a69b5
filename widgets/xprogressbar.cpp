#include "xprogressbar.h"

#include "kit.h"

#include <QLinearGradient>
#include <QPainter>

XProgressBar::XProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
}

QSize XProgressBar::sizeHint() const
{
    return Kit::size(300, 6);
}

void XProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double radius = height() / 2.0;
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawRoundedRect(rect(), radius, radius);
    const int span = maximum() - minimum();
    if (span <= 0)
        return;
    const int filled = static_cast<int>(static_cast<qint64>(width()) * (value() - minimum()) / span);
    if (filled <= 0)
        return;
    QLinearGradient fill(0, 0, width(), 0);
    fill.setColorAt(0, QColor(205, 94, 240));
    fill.setColorAt(1, QColor(106, 50, 255));
    painter.setClipRect(QRect(0, 0, filled, height()));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect(), radius, radius);
}
