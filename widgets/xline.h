#pragma once

#include <QWidget>

// A one-pixel separator line, horizontal or vertical.
class XLine : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(XLine)

public:
    explicit XLine(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};
