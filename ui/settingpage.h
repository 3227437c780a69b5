#pragma once

#include "abstractmodulewidget.h"

class QLabel;
class ShortcutLineEdit;
class XSwitchButton;

// The settings: the switch of all shortcut keys and the keys of the two
// fixed actions.
class SettingPage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingPage)

public:
    explicit SettingPage(QWidget* parent = nullptr);

    XSwitchButton* shortcutSwitch() const { return m_switch; }
    ShortcutLineEdit* hearField() const { return m_hear; }
    ShortcutLineEdit* applyField() const { return m_apply; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_switchLabel;
    XSwitchButton* m_switch;
    QLabel* m_hearLabel;
    ShortcutLineEdit* m_hear;
    QLabel* m_applyLabel;
    ShortcutLineEdit* m_apply;
};
