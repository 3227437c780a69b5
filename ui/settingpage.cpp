#include "settingpage.h"

#include "autostart.h"
#include "cableinstalldialog.h"
#include "cutesettings.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "shortcutlineedit.h"
#include "virtualcable.h"
#include "xswitchbutton.h"

#include "spdlog_qt"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr double kLabelWidth = 220;

QLabel* rowLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    label->setMinimumWidth(Kit::px(kLabelWidth));
    label->setWordWrap(true);
    return label;
}

} // namespace

SettingPage::SettingPage(QWidget* parent) : PageWidget(parent)
{
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(Kit::px(30), Kit::py(30), Kit::px(30), Kit::py(20));
    layout->setSpacing(Kit::py(12));
    const auto row = [this, layout](QLabel* label, QWidget* field) {
        auto* line = new QHBoxLayout;
        line->setSpacing(Kit::px(20));
        line->addWidget(label);
        line->addWidget(field);
        line->addStretch(1);
        layout->addLayout(line);
        label->setBuddy(field);
    };
    m_switchLabel = rowLabel(contentWidget());
    m_switch = new XSwitchButton(contentWidget());
    m_switch->setFixedSize(Kit::size(32, 18));
    row(m_switchLabel, m_switch);
    m_hearLabel = rowLabel(contentWidget());
    m_hear = new ShortcutLineEdit(contentWidget());
    m_hear->setFixedSize(Kit::size(300, 38));
    m_hear->setActionId(HotKey::kHearMyself);
    row(m_hearLabel, m_hear);
    m_applyLabel = rowLabel(contentWidget());
    m_apply = new ShortcutLineEdit(contentWidget());
    m_apply->setFixedSize(Kit::size(300, 38));
    m_apply->setActionId(HotKey::kApplyVoiceChanger);
    row(m_applyLabel, m_apply);
    m_autostartLabel = rowLabel(contentWidget());
    m_autostart = new XSwitchButton(contentWidget());
    m_autostart->setFixedSize(Kit::size(32, 18));
    row(m_autostartLabel, m_autostart);
    layout->addSpacing(Kit::py(12));
    m_listenersTitle = rowLabel(contentWidget());
    m_listeners = rowLabel(contentWidget());
    m_listeners->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    m_listeners->setMinimumWidth(Kit::px(300));
    row(m_listenersTitle, m_listeners);
    m_cableLabel = rowLabel(contentWidget());
    m_reinstall = new QPushButton(contentWidget());
    m_reinstall->setMinimumSize(Kit::size(200, 35));
    m_reinstall->setCursor(Qt::PointingHandCursor);
    m_reinstall->setStyleSheet(Kit::buttonStyle(false, 35));
    row(m_cableLabel, m_reinstall);
    connect(m_reinstall, &QPushButton::clicked, this, [this] { CableInstallDialog::run(true, window()); });
    layout->addStretch(1);
    // Asked off the GUI thread: a slow sound server never freezes the page.
    m_poll = new QTimer(this);
    m_poll->setInterval(kListenersPollMs);
    connect(m_poll, &QTimer::timeout, this, &SettingPage::askListeners);

    const bool enabled = CuteSettings::instance()->value(QStringLiteral("SSC")).toBool();
    HotKeyHook::instance()->setEnabled(enabled);
    m_switch->setOn(enabled);
    connect(m_switch, &XSwitchButton::stateChanged, this, [](int state) {
        const bool on = state == 0;
        HotKeyHook::instance()->setEnabled(on);
        CuteSettings::instance()->setValue(QStringLiteral("SSC"), on,
                                           CuteSettings::defaultScope(QStringLiteral("SSC")));
    });
    // The entry in the autostart folder is the setting; a file that cannot be
    // written puts the switch back.
    m_autostart->setOn(Autostart::isEnabled());
    connect(m_autostart, &XSwitchButton::stateChanged, this, [this](int state) {
        const bool on = state == 0;
        if (!Autostart::setEnabled(on))
            QTimer::singleShot(0, this, [this] { m_autostart->setOn(Autostart::isEnabled()); });
    });
    retranslate();
}

void SettingPage::showEvent(QShowEvent* event)
{
    PageWidget::showEvent(event);
    askListeners();
    m_poll->start();
}

void SettingPage::hideEvent(QHideEvent* event)
{
    PageWidget::hideEvent(event);
    m_poll->stop();
}

void SettingPage::askListeners()
{
    if (m_asking)
        return;
    m_asking = true;
    QPointer<SettingPage> page(this);
    QThreadPool::globalInstance()->start([page] {
        QStringList names;
        QString error;
        const bool known = VirtualCable::listeners(&names, &error);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [page, names, known] {
                if (page)
                    page->showListeners(names, known);
            },
            Qt::QueuedConnection);
    });
}

void SettingPage::showListeners(const QStringList& names, bool known)
{
    m_asking = false;
    if (m_answered && known == m_namesKnown && names == m_names)
        return;
    m_answered = true;
    if (known)
        LogInfo(QStringLiteral("[Settings] recording from the cable: %1")
                    .arg(names.isEmpty() ? QStringLiteral("nobody") : names.join(QStringLiteral(", "))));
    m_names = names;
    m_namesKnown = known;
    retranslate();
}

void SettingPage::retranslate()
{
    m_switchLabel->setText(tr("Enable all shortcut keys"));
    m_switch->setAccessibleName(tr("Enable all shortcut keys"));
    m_hearLabel->setText(tr("Hear myself"));
    m_hear->setAccessibleName(tr("Hear myself"));
    m_applyLabel->setText(tr("Apply voice changer"));
    m_apply->setAccessibleName(tr("Apply voice changer"));
    m_autostartLabel->setText(tr("Start with the system"));
    m_autostart->setAccessibleName(tr("Start with the system"));
    m_listenersTitle->setText(tr("Programs hearing your changed voice"));
    m_cableLabel->setText(tr("Virtual cable"));
    m_reinstall->setText(tr("Reinstall virtual cable"));
    if (!m_answered)
        m_listeners->clear();
    else if (!m_namesKnown)
        m_listeners->setText(tr("The sound server does not answer"));
    else if (m_names.isEmpty())
        m_listeners->setText(tr("None yet: choose \"CABLE Output\" as the microphone in your chat program"));
    else
        m_listeners->setText(m_names.join(QStringLiteral(", ")));
    m_listeners->setAccessibleName(m_listenersTitle->text());
}

void SettingPage::changeEvent(QEvent* event)
{
    PageWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
