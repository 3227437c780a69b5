#include "navigationbutton.h"

#include "kit.h"
#include "kitaccessible.h"

#include <QPainter>

NavigationButton::NavigationButton(const QString& plainImage, const QString& activeImage, QWidget* parent)
    : QAbstractButton(parent), m_plain(plainImage), m_active(activeImage)
{
    KitAccessible::install();
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

bool NavigationButton::isSelected() const
{
    return isChecked();
}

void NavigationButton::setSelected(bool selected)
{
    setChecked(selected);
}

QSize NavigationButton::sizeHint() const
{
    // The image, then the text wrapped to the bar's width: long translations
    // take a second line instead of being cut.
    const int width = qMax(Kit::px(108), minimumWidth());
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, width - Kit::px(8), 1000),
                                                  Qt::AlignHCenter | Qt::TextWordWrap, this->text());
    return {width, qMax(Kit::py(72), Kit::py(10 + 28 + 4 + 8) + text.height())};
}

void NavigationButton::enterEvent(QEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void NavigationButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void NavigationButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const bool active = isChecked() || m_hovered;
    if (isChecked()) {
        painter.fillRect(rect(), QColor(255, 255, 255, 14));
        painter.fillRect(QRect(0, 0, Kit::px(3), height()), Kit::accentColor());
    }
    const QSize icon = Kit::size(28, 28);
    const QRect iconRect((width() - icon.width()) / 2, Kit::py(10), icon.width(), icon.height());
    const QPixmap& image = active ? m_active : m_plain;
    if (!image.isNull())
        painter.drawPixmap(iconRect, image);
    painter.setPen(active ? Kit::textColor() : Kit::dimTextColor());
    const QRect textRect(Kit::px(4), iconRect.bottom() + Kit::py(4), width() - Kit::px(8),
                         height() - iconRect.bottom() - Kit::py(6));
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}
