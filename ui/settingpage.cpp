#include "settingpage.h"

#include "cutesettings.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "shortcutlineedit.h"
#include "xswitchbutton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
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
    layout->addStretch(1);

    const bool enabled = CuteSettings::instance()->value(QStringLiteral("SSC")).toBool();
    HotKeyHook::instance()->setEnabled(enabled);
    m_switch->setOn(enabled);
    connect(m_switch, &XSwitchButton::stateChanged, this, [](int state) {
        const bool on = state == 0;
        HotKeyHook::instance()->setEnabled(on);
        CuteSettings::instance()->setValue(QStringLiteral("SSC"), on,
                                           CuteSettings::defaultScope(QStringLiteral("SSC")));
    });
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
}

void SettingPage::changeEvent(QEvent* event)
{
    PageWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
