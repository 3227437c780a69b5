#include "audiopeakprogress.h"

#include "kit.h"
#include "kitaccessible.h"

#include <QPainter>

AudioPeakProgress::AudioPeakProgress(QWidget* parent) : QWidget(parent)
{
    KitAccessible::install();
}

int AudioPeakProgress::value() const
{
    return m_value;
}

int AudioPeakProgress::filledWidth(int value, int width)
{
    return width * qBound(0, value, 100) / 100;
}

void AudioPeakProgress::setValue(int value)
{
    value = qBound(0, value, 100);
    if (value == m_value)
        return;
    const bool widthChanged = filledWidth(value, width()) != filledWidth(m_value, width());
    m_value = value;
    if (widthChanged) {
        update();
        KitAccessible::valueChanged(this, value);
    }
}

QSize AudioPeakProgress::sizeHint() const
{
    return Kit::size(200, 10);
}

void AudioPeakProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Kit::paintBar(painter, rect(), filledWidth(m_value, width()), Kit::trackColor(), Kit::accentColor());
}
