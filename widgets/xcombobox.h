#pragma once

#include <QComboBox>

// A combo box whose items, in the list and in the box itself, are elided at
// the right; an elided item shows its full text as a tooltip.
class XComboBox : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY(XComboBox)

public:
    explicit XComboBox(QWidget* parent = nullptr);

    // The text shown for `text` in `width` pixels of this box's font.
    QString elided(const QString& text, int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect textRect() const;
};
