#pragma once

#include <QProgressBar>

// A thin rounded progress bar filled with the accent gradient; its value and
// range are the standard progress bar's, and so is what assistive tools read.
class XProgressBar : public QProgressBar
{
    Q_OBJECT
    Q_DISABLE_COPY(XProgressBar)

public:
    explicit XProgressBar(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
