#include "kitaccessible.h"

#include "audiopeakprogress.h"
#include "navigationbutton.h"
#include "xswitchbutton.h"

#include <QAccessibleWidget>

namespace {

class SwitchAccessible : public QAccessibleWidget
{
public:
    explicit SwitchAccessible(XSwitchButton* button) : QAccessibleWidget(button, QAccessible::CheckBox)
    {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    XSwitchButton* button() const { return static_cast<XSwitchButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        QString name = button()->accessibleName();
        if (name.isEmpty())
            name = button()->text();
        if (name.isEmpty())
            name = button()->toolTip();
        return name;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        return button()->isEnabled() ? QStringList{toggleAction()} : QStringList();
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction())
            button()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }
};

class PeakAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PeakAccessible(AudioPeakProgress* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    AudioPeakProgress* bar() const { return static_cast<AudioPeakProgress*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// A navigation entry is a page tab: selected or not, pressed to switch.
class NavigationAccessible : public QAccessibleWidget
{
public:
    explicit NavigationAccessible(NavigationButton* button) : QAccessibleWidget(button, QAccessible::PageTab)
    {}

    NavigationButton* button() const { return static_cast<NavigationButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = button()->isSelected();
        return s;
    }

    QStringList actionNames() const override
    {
        return button()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }
};

QAccessibleInterface* kitFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("XSwitchButton"))
        return new SwitchAccessible(static_cast<XSwitchButton*>(object));
    if (className == QLatin1String("NavigationButton"))
        return new NavigationAccessible(static_cast<NavigationButton*>(object));
    if (className == QLatin1String("AudioPeakProgress"))
        return new PeakAccessible(static_cast<AudioPeakProgress*>(object));
    return nullptr;
}

} // namespace

namespace KitAccessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(kitFactory);
        return true;
    }();
    (void)installed;
}

void stateChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void valueChanged(QWidget* widget, int value)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

} // namespace KitAccessible
