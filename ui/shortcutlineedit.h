#pragma once

#include <QWidget>

// The key field of a fixed action ("Hear myself" 1, "Apply voice changer"
// 2): shows its binding, and while it has the focus (the global shortcuts
// resting) takes the next combination, committed at the first key release.
class ShortcutLineEdit : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ShortcutLineEdit)

public:
    explicit ShortcutLineEdit(QWidget* parent = nullptr);

    void setActionId(int id);
    int actionId() const { return m_actionId; }
    QString pendingText() const { return m_pending; }
    // What the field shows: the keys being typed, the binding, or the placeholder.
    QString shownText() const;
    QRect clearRect() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
    QString bindingText() const;

    int m_actionId = 0;
    QString m_pending;
    bool m_clearHovered = false;
};
