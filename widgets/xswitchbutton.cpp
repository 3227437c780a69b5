#include "xswitchbutton.h"

#include "kit.h"
#include "kitaccessible.h"

#include <QPainter>
#include <QVariantAnimation>

namespace {
constexpr int kKnobMs = 120;
}

XSwitchButton::XSwitchButton(QWidget* parent) : QAbstractButton(parent)
{
    KitAccessible::install();
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_knob = new QVariantAnimation(this);
    m_knob->setDuration(kKnobMs);
    m_knob->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_knob, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_position = value.toDouble();
        update();
    });
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        m_knob->stop();
        if (isVisible()) {
            m_knob->setStartValue(m_position);
            m_knob->setEndValue(on ? 1.0 : 0.0);
            m_knob->start();
        } else {
            m_position = on ? 1.0 : 0.0;
        }
        KitAccessible::stateChanged(this);
        emit stateChanged(on ? 0 : 1);
    });
}

int XSwitchButton::state() const
{
    return isChecked() ? 0 : 1;
}

void XSwitchButton::setState(int state)
{
    setChecked(state == 0);
}

bool XSwitchButton::isOn() const
{
    return isChecked();
}

void XSwitchButton::setOn(bool on)
{
    setChecked(on);
}

QSize XSwitchButton::sizeHint() const
{
    return Kit::size(32, 18);
}

void XSwitchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    const double opacity = isEnabled() ? 1.0 : 0.4;
    painter.setOpacity(opacity);
    painter.setPen(Qt::NoPen);

    // The track fades from grey to the accent as the knob travels.
    QColor off = Kit::trackColor();
    QColor on = Kit::accentColor();
    const double t = m_position;
    painter.setBrush(QColor::fromRgbF(off.redF() + (on.redF() - off.redF()) * t,
                                      off.greenF() + (on.greenF() - off.greenF()) * t,
                                      off.blueF() + (on.blueF() - off.blueF()) * t));
    painter.drawRoundedRect(track, radius, radius);

    const double knob = track.height() - 4;
    const double x = track.left() + 2 + (track.width() - 4 - knob) * t;
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));

    if (hasFocus()) {
        painter.setOpacity(1.0);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius + 1, radius + 1);
    }
}
