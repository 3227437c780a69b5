#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A navigation entry: an image above its text. It shows the second image
// when selected or hovered, the first otherwise; a selected entry is also
// drawn with the accent bar and a lighter background.
class NavigationButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY(NavigationButton)

public:
    NavigationButton(const QString& plainImage, const QString& activeImage, QWidget* parent = nullptr);

    bool isSelected() const;
    void setSelected(bool selected);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_plain;
    QPixmap m_active;
    bool m_hovered = false;
};
