#pragma once

#include "abstractmodulewidget.h"

class QLabel;
class QPushButton;
class QTimer;
class ShortcutLineEdit;
class XSwitchButton;

// The settings: the switch of all shortcut keys, the keys of the two fixed
// actions, starting with the system, who records from the cable, and the cable installed again.
class SettingPage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingPage)

public:
    explicit SettingPage(QWidget* parent = nullptr);

    XSwitchButton* shortcutSwitch() const { return m_switch; }
    ShortcutLineEdit* hearField() const { return m_hear; }
    ShortcutLineEdit* applyField() const { return m_apply; }
    // "Start with the system": the program's entry in the autostart folder.
    XSwitchButton* autostartSwitch() const { return m_autostart; }
    // Who records from the cable, as last asked (every second while shown).
    QLabel* listenersLabel() const { return m_listeners; }
    // Takes the cable out and installs it again, with its progress.
    QPushButton* reinstallButton() const { return m_reinstall; }

    static constexpr int kListenersPollMs = 1000;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void retranslate();
    void askListeners();
    void showListeners(const QStringList& names, bool known);

    QLabel* m_switchLabel;
    XSwitchButton* m_switch;
    QLabel* m_hearLabel;
    ShortcutLineEdit* m_hear;
    QLabel* m_applyLabel;
    ShortcutLineEdit* m_apply;
    QLabel* m_autostartLabel;
    XSwitchButton* m_autostart;
    QLabel* m_listenersTitle;
    QLabel* m_listeners;
    QLabel* m_cableLabel;
    QPushButton* m_reinstall;
    QTimer* m_poll;
    QStringList m_names;
    bool m_namesKnown = false;
    bool m_answered = false; // the first answer has come
    bool m_asking = false;
};
