#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// An on/off switch drawn as a track with a sliding knob. state() is 0 when on
// and 1 when off. Clicks and the Space key toggle it.
class XSwitchButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY(XSwitchButton)

public:
    explicit XSwitchButton(QWidget* parent = nullptr);

    int state() const;
    void setState(int state);
    bool isOn() const;
    void setOn(bool on);
    QSize sizeHint() const override;

signals:
    void stateChanged(int state);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVariantAnimation* m_knob = nullptr;
    double m_position = 0.0; // 0 off .. 1 on
};
