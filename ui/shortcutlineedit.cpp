#include "shortcutlineedit.h"

#include "appmanager.h"
#include "hotkeyhook.h"
#include "keycapture.h"
#include "kit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Assistive tools read the field as an editable text whose value is what it shows.
class ShortcutAccessible : public QAccessibleWidget
{
public:
    explicit ShortcutAccessible(ShortcutLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return static_cast<ShortcutLineEdit*>(widget())->shownText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* shortcutFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ShortcutLineEdit"))
        return new ShortcutAccessible(static_cast<ShortcutLineEdit*>(object));
    return nullptr;
}

} // namespace

ShortcutLineEdit::ShortcutLineEdit(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(shortcutFactory);
        return true;
    }();
    Q_UNUSED(installed)
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ShortcutLineEdit::setActionId(int id)
{
    m_actionId = id;
    update();
}

QRect ShortcutLineEdit::textRect() const
{
    return {Kit::px(10), 0, width() - Kit::px(16) - Kit::px(8) - Kit::px(10), height()};
}

QRect ShortcutLineEdit::clearRect() const
{
    return {textRect().right() + 1, (height() - Kit::py(16)) / 2, Kit::px(16), Kit::px(16)};
}

QString ShortcutLineEdit::bindingText() const
{
    return HotKeyHook::instance()->bindingText({m_actionId, m_actionId}, HotKey::ActionKind);
}

QString ShortcutLineEdit::shownText() const
{
    if (!m_pending.isEmpty())
        return m_pending;
    const QString bound = bindingText();
    if (hasFocus() || !bound.isEmpty())
        return bound;
    return tr("Add keybind");
}

void ShortcutLineEdit::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    HotKeyHook::instance()->setSuspended(true);
    update();
}

void ShortcutLineEdit::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    HotKeyHook::instance()->setSuspended(false);
    m_pending.clear();
    update();
}

void ShortcutLineEdit::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    m_pending = KeyCapture::press(m_pending, event->key());
    update();
    QAccessibleValueChangeEvent changed(this, shownText());
    QAccessible::updateAccessibility(&changed);
}

void ShortcutLineEdit::keyReleaseEvent(QKeyEvent* event)
{
    QWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat() || m_pending.isEmpty())
        return;
    const QString text = m_pending;
    m_pending.clear();
    if (KeyCapture::commit({m_actionId, m_actionId}, text, HotKey::ActionKind, window()))
        clearFocus();
    update();
}

void ShortcutLineEdit::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const bool hovered = hasFocus() && clearRect().contains(event->pos());
    if (hovered != m_clearHovered) {
        m_clearHovered = hovered;
        update();
    }
}

void ShortcutLineEdit::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (hasFocus() && clearRect().contains(event->pos())) {
        m_pending.clear();
        HotKeyHook::instance()->removeBinding({m_actionId, m_actionId}, HotKey::ActionKind);
    }
    update();
}

void ShortcutLineEdit::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(hasFocus() ? QPen(Kit::accentColor(), 1) : Qt::NoPen);
    painter.setBrush(Kit::windowColor());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), Kit::px(4), Kit::py(4));

    QFont font = this->font();
    font.setPointSize(AppManager::instance()->applicationFontSize() + 2);
    painter.setFont(font);
    const QString bound = bindingText();
    QString text = m_pending.isEmpty() ? bound : m_pending;
    const bool placeholder = text.isEmpty() && !hasFocus();
    if (placeholder)
        text = tr("Add keybind");
    if (hasFocus() && !text.isEmpty()) {
        const QPixmap clear(AppManager::imagePath(m_clearHovered ? QStringLiteral("clear_2.png")
                                                                 : QStringLiteral("clear_1.png")));
        painter.drawPixmap(clearRect(), clear.scaled(clearRect().size(), Qt::KeepAspectRatioByExpanding,
                                                     Qt::SmoothTransformation));
    }
    painter.setPen(placeholder ? Kit::dimTextColor()
                               : (hasFocus() ? Kit::textColor() : QColor(0xDC, 0xDC, 0xDC)));
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font).elidedText(text, Qt::ElideRight, textRect().width()));
}
