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
    const int span = maximum() - minimum();
    const int filled =
        span > 0 ? static_cast<int>(static_cast<qint64>(width()) * (value() - minimum()) / span) : 0;
    QLinearGradient fill(0, 0, width(), 0);
    fill.setColorAt(0, QColor(205, 94, 240));
    fill.setColorAt(1, QColor(106, 50, 255));
    QPainter painter(this);
    Kit::paintBar(painter, rect(), filled, QColor(255, 255, 255, 40), fill);
}
