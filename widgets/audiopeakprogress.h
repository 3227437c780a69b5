#pragma once

#include <QWidget>

// A level bar: a rounded grey bar whose filled part is value / 100 of its
// width. A new value repaints only when the value and the filled width in
// whole pixels both changed, so a meter updated 100 times a second costs little.
class AudioPeakProgress : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioPeakProgress)

public:
    explicit AudioPeakProgress(QWidget* parent = nullptr);

    int value() const;
    void setValue(int value);
    // Width of the filled part at `value` for a bar `width` pixels wide.
    static int filledWidth(int value, int width);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
};
