#include "mainbars.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "languagesettings.h"
#include "moduledialogmanager.h"
#include "modulemanager.h"
#include "navigationbutton.h"
#include "ximagebox.h"

#include "spdlog_qt"

#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kFixedActionOffset = 1000000;

struct NavigationEntry
{
    const char* text;
    const char* plainImage;
    const char* activeImage;
    ModuleManager::ModuleType type;
};

const NavigationEntry kNavigation[] = {
    {QT_TRANSLATE_NOOP("MainNavigationBar", "VoiceBox"), "voice_box_1.png", "voice_box_2.png",
     ModuleManager::MT_Effect},
    {QT_TRANSLATE_NOOP("MainNavigationBar", "Soundboard"), "sound_board_1.png", "sound_board_2.png",
     ModuleManager::MT_Sound},
    {QT_TRANSLATE_NOOP("MainNavigationBar", "3rd party access"), "third_party_1.png", "third_party_2.png",
     ModuleManager::MT_Guide},
    {QT_TRANSLATE_NOOP("MainNavigationBar", "Settings"), "settings_1.png", "settings_2.png",
     ModuleManager::MT_Setting},
};

QPushButton* titleButton(const QString& image, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setIcon(QIcon(AppManager::imagePath(image)));
    button->setIconSize(Kit::size(20, 20));
    button->setFixedSize(Kit::size(34, 34));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; border-radius: %1px; background: "
                                         "transparent; } QPushButton:hover, QPushButton:focus { background: "
                                         "rgba(255,255,255,20); }")
                              .arg(Kit::px(6)));
    return button;
}

} // namespace

MainTitleBar::MainTitleBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(Kit::py(48));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Kit::px(16), 0, Kit::px(10), 0);
    row->setSpacing(Kit::px(6));
    m_logo = new XImageBox(this);
    m_logo->setImage(AppManager::imagePath(QStringLiteral("app_logo_60.png")));
    m_logo->setFixedSize(Kit::size(28, 28));
    row->addWidget(m_logo);
    row->addSpacing(Kit::px(4));
    m_title = new QLabel(this);
    m_title->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold; background: transparent;"));
    row->addWidget(m_title);
    m_stretch = new QWidget(this);
    m_stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    row->addWidget(m_stretch, 1);

    m_guide = titleButton(QStringLiteral("guide.png"), this);
    m_menuButton = titleButton(QStringLiteral("menu.png"), this);
    m_minimize = titleButton(QStringLiteral("minimize.png"), this);
    m_maximize = titleButton(QStringLiteral("zoom_in.png"), this);
    m_close = titleButton(QStringLiteral("close.png"), this);
    for (QPushButton* button : {m_guide, m_menuButton, m_minimize, m_maximize, m_close})
        row->addWidget(button);
    connect(m_guide, &QPushButton::clicked, this, &MainTitleBar::guideClicked);
    connect(m_minimize, &QPushButton::clicked, this, &MainTitleBar::minimizeClicked);
    connect(m_maximize, &QPushButton::clicked, this, &MainTitleBar::maximizeClicked);
    connect(m_close, &QPushButton::clicked, this, &MainTitleBar::closeClicked);

    m_menu = new QMenu(this);
    m_about = m_menu->addAction(QString(), this, &MainTitleBar::aboutRequested);
    m_update = m_menu->addAction(QString(), this, &MainTitleBar::updateCheckRequested);
    m_languages = m_menu->addMenu(QString());
    auto* group = new QActionGroup(m_languages);
    group->setExclusive(true);
    for (const LanguageSettings::LanguageType language : LanguageSettings::menuOrder) {
        QAction* entry = m_languages->addAction(LanguageSettings::menuText(language));
        entry->setCheckable(true);
        entry->setData(int(language));
        group->addAction(entry);
        if (language == LanguageSettings::Korean)
            entry->setFont(QFont(QStringLiteral("Malgun Gothic"), 9));
        connect(entry, &QAction::triggered, this,
                [language] { LanguageSettings::instance()->setLanguage(language); });
    }
    m_help = m_menu->addMenu(QString());
    m_faq = m_help->addAction(QString(), this, &MainTitleBar::faqRequested);
    m_logFolder = m_help->addAction(QString(), this, &MainTitleBar::logFolderRequested);
    m_quit = m_menu->addAction(QString(), this, &MainTitleBar::quitRequested);
    connect(m_menuButton, &QPushButton::clicked, this, [this] {
        m_menu->popup(mapToGlobal(QPoint(m_menuButton->x(), m_menuButton->y() + m_menuButton->height())));
    });
    connect(LanguageSettings::instance(), &LanguageSettings::languageChanged, this,
            &MainTitleBar::checkCurrentLanguage);
    checkCurrentLanguage();
    retranslate();
}

void MainTitleBar::checkCurrentLanguage()
{
    const int current = LanguageSettings::instance()->currentLanguage();
    const QIcon check(AppManager::imagePath(QStringLiteral("gou_1.png")));
    QIcon checkActive = check;
    checkActive.addFile(AppManager::imagePath(QStringLiteral("gou_2.png")), QSize(), QIcon::Active);
    for (QAction* entry : m_languages->actions()) {
        const bool isCurrent = entry->data().toInt() == current;
        entry->setChecked(isCurrent);
        entry->setIcon(isCurrent ? checkActive : QIcon());
    }
}

void MainTitleBar::setMaximized(bool maximized)
{
    m_maximized = maximized;
    m_maximize->setIcon(QIcon(
        AppManager::imagePath(maximized ? QStringLiteral("zoom_out.png") : QStringLiteral("zoom_in.png"))));
    Kit::nameIconButton(m_maximize, maximized ? tr("Restore") : tr("Maximize"));
}

void MainTitleBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MainTitleBar::retranslate()
{
    m_title->setText(tr("Zelvani Voice Changer"));
    Kit::nameIconButton(m_guide, tr("Guide"));
    Kit::nameIconButton(m_menuButton, tr("Menu"));
    Kit::nameIconButton(m_minimize, tr("Minimize"));
    Kit::nameIconButton(m_close, tr("Close"));
    setMaximized(m_maximized);
    m_about->setText(tr("About"));
    m_update->setText(tr("Check for Updates"));
    m_languages->setTitle(tr("Languages"));
    m_help->setTitle(tr("Help"));
    m_faq->setText(tr("FAQ"));
    m_logFolder->setText(tr("Open Log Folder"));
    m_quit->setText(tr("Quit"));
    for (QAction* entry : m_languages->actions())
        entry->setText(LanguageSettings::menuText(entry->data().toInt()));
}

MainNavigationBar::MainNavigationBar(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(Kit::px(108));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, Kit::py(8), 0, Kit::py(8));
    column->setSpacing(Kit::py(4));
    for (int i = 0; i < static_cast<int>(std::size(kNavigation)); ++i) {
        auto* button =
            new NavigationButton(AppManager::imagePath(QLatin1String(kNavigation[i].plainImage)),
                                 AppManager::imagePath(QLatin1String(kNavigation[i].activeImage)), this);
        button->setFixedWidth(Kit::px(108));
        column->addWidget(button);
        m_buttons.append(button);
        connect(button, &QAbstractButton::clicked, this, [this, i] { select(i); });
    }
    column->addStretch();
    m_buttons.first()->setSelected(true);
    // Another way of switching (a test, a later screen) is shown here too.
    connect(ModuleManager::instance(), &ModuleManager::currentChanged, this,
            [this](ModuleManager::ModuleType type) {
                for (int i = 0; i < m_buttons.size(); ++i)
                    m_buttons.at(i)->setSelected(kNavigation[i].type == type);
            });
    retranslate();
}

void MainNavigationBar::select(int index)
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setSelected(i == index);
    ModuleManager::instance()->setCurrent(kNavigation[index].type);
}

void MainNavigationBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MainNavigationBar::retranslate()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setText(tr(kNavigation[i].text));
}

MainToolBar::MainToolBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(Kit::py(68));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Kit::px(16), Kit::py(4), Kit::px(16), Kit::py(4));
    row->setSpacing(Kit::px(8));
    auto makeButton = [this](const QString& image) {
        auto* button = new QToolButton(this);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(AppManager::imagePath(image)));
        button->setIconSize(Kit::size(24, 24));
        button->setMinimumWidth(Kit::px(96));
        button->setFixedHeight(Kit::py(58));
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    m_hear = makeButton(QStringLiteral("hear_1.png"));
    m_apply = makeButton(QStringLiteral("apply_1.png"));
    // Checkable, so assistive tools read them as on or off.
    m_hear->setCheckable(true);
    m_apply->setCheckable(true);
    m_device = makeButton(QStringLiteral("device.png"));
    m_volume = makeButton(QStringLiteral("volume.png"));
    row->addWidget(m_hear);
    row->addWidget(m_apply);
    row->addStretch();
    row->addWidget(m_device);
    row->addWidget(m_volume);
    const QString grey = QStringLiteral("rgb(151, 151, 151)");
    for (QToolButton* button : {m_device, m_volume})
        button->setProperty("labelColor", grey);

    // Toggled, not clicked: an assistive tool's toggle action does not click.
    connect(m_hear, &QToolButton::toggled, this, &MainToolBar::toggleHear);
    connect(m_apply, &QToolButton::toggled, this, &MainToolBar::toggleApply);
    connect(m_device, &QToolButton::clicked, this, &MainToolBar::deviceClicked);
    connect(m_volume, &QToolButton::clicked, this, &MainToolBar::volumeClicked);
    connect(HotKeyHook::instance(), &HotKeyHook::activated, this, &MainToolBar::onHotKey);
    refresh();
    retranslate();
}

void MainToolBar::toggleHear()
{
    AudioManager* engine = AudioManager::instance();
    engine->setHearMyself(!engine->hearMyself());
    LogInfo(QStringLiteral("[ToolBar] Hear myself %1").arg(engine->hearMyself() ? "on" : "off"));
    refresh();
}

void MainToolBar::toggleApply()
{
    AudioManager* engine = AudioManager::instance();
    engine->setEffectsEnabled(!engine->effectsEnabled());
    LogInfo(QStringLiteral("[ToolBar] Apply voice changer %1").arg(engine->effectsEnabled() ? "on" : "off"));
    refresh();
}

void MainToolBar::refresh()
{
    const AudioManager* engine = AudioManager::instance();
    const auto show = [](QToolButton* button, const char* image, bool on) {
        button->setIcon(QIcon(
            AppManager::imagePath(QStringLiteral("%1_%2.png").arg(QLatin1String(image)).arg(on ? 1 : 2))));
        button->setProperty("labelColor",
                            on ? QStringLiteral("rgb(255, 255, 255)") : QStringLiteral("rgb(151, 151, 151)"));
    };
    {
        const QSignalBlocker hearBlock(m_hear);
        const QSignalBlocker applyBlock(m_apply);
        m_hear->setChecked(engine->hearMyself());
        m_apply->setChecked(engine->effectsEnabled());
    }
    show(m_hear, "hear", engine->hearMyself());
    show(m_apply, "apply", engine->effectsEnabled());
    for (QToolButton* button : {m_hear, m_apply, m_device, m_volume}) {
        button->setStyleSheet(
            QStringLiteral(
                "QToolButton { color: %1; border: none; border-radius: %2px; background: transparent; "
                "padding: %3px; } QToolButton:hover { background: rgba(255,255,255,16); } "
                "QToolButton:focus { border: 1px solid rgba(255,255,255,70); }")
                .arg(button->property("labelColor").toString())
                .arg(Kit::px(8))
                .arg(Kit::px(4)));
    }
}

void MainToolBar::onHotKey(QPair<int, int> ids)
{
    if (HotKeyHook::instance()->isSuspended() ||
        ModuleDialogManager::instance()->isOpen(ModuleDialogManager::DT_SaveParam))
        return;
    if (ids.first < kFixedActionOffset || ids.second < kFixedActionOffset)
        return;
    const QPair<int, int> action(ids.first - kFixedActionOffset, ids.second - kFixedActionOffset);
    if (action == qMakePair(1, 1))
        m_hear->click();
    else if (action == qMakePair(2, 2))
        m_apply->click();
}

void MainToolBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MainToolBar::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Kit::paintPanel(this);
}

void MainToolBar::retranslate()
{
    m_hear->setText(tr("Hear myself"));
    m_apply->setText(tr("Apply voice changer"));
    m_device->setText(tr("Input/Output Device"));
    m_volume->setText(tr("Volume"));
}
