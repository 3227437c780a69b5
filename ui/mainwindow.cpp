#include "mainwindow.h"

#include "abstractmodulewidget.h"
#include "appmanager.h"
#include "audiomanager.h"
#include "cutesettings.h"
#include "dialogmanager.h"
#include "effectmanager.h"
#include "enginesetup.h"
#include "hotkeyhook.h"
#include "kit.h"
#include "languagesettings.h"
#include "launchmanager.h"
#include "mainbars.h"
#include "moduledialogmanager.h"
#include "modulelayout.h"
#include "modulemanager.h"
#include "savereport.h"
#include "webpages.h"
#include "ximagebox.h"
#include "xline.h"
#include <QLabel>

#include "spdlog_qt"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kWelcomeDelayMs = 1000;
constexpr int kUpdateCheckDelayMs = 5000;
constexpr int kTrayMessageMs = 3000;

} // namespace

struct MainWindow::Private
{
    MainTitleBar* titleBar = nullptr;
    MainNavigationBar* navigation = nullptr;
    ModuleLayout* modules = nullptr;
    MainToolBar* toolBar = nullptr;
    QPointer<QSystemTrayIcon> tray;
    QMenu* trayMenu = nullptr;
    QAction* trayOpen = nullptr;
    QAction* trayExit = nullptr;
    bool koreanShowFix = false;
    bool startMinimized = false;
    bool startOnSoundboard = false;
    bool resourceMessagePending = false;
    QSet<QString> toldSaveFailures; // files whose failed save the shown window told
    bool tellingSaves = false;      // a round of failed-save messages is under way
};

MainWindow::MainWindow(QWidget* parent) : XFramelessWindow(parent), d(std::make_unique<Private>())
{
    setWindowTitle(QCoreApplication::applicationName());
    setWindowIcon(QIcon(AppManager::imagePath(QStringLiteral("app_logo_120.png"))));
    setMinimumSize(Kit::size(1130, 668));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumSize(screen->availableGeometry().size().expandedTo(minimumSize()));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    d->titleBar = new MainTitleBar(central);
    outer->addWidget(d->titleBar);
    setTitleBar(d->titleBar);
    addCaptionWidget(d->titleBar->logo());
    addCaptionWidget(d->titleBar->title());
    addCaptionWidget(d->titleBar->stretch());

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    outer->addLayout(body, 1);
    d->navigation = new MainNavigationBar(central);
    body->addWidget(d->navigation);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, Kit::px(12), Kit::py(12));
    right->setSpacing(Kit::py(12));
    d->modules = new ModuleLayout(central);
    right->addWidget(d->modules, 1);
    d->toolBar = new MainToolBar(central);
    right->addWidget(d->toolBar);
    body->addLayout(right, 1);

    connect(d->titleBar, &MainTitleBar::guideClicked, this, [] { WebPages::open(WebPages::Page::Guide); });
    connect(d->titleBar, &MainTitleBar::faqRequested, this, [] { WebPages::open(WebPages::Page::Faq); });
    connect(d->titleBar, &MainTitleBar::logFolderRequested, this,
            [] { WebPages::openFolder(CuteSettings::logPath()); });
    connect(d->titleBar, &MainTitleBar::minimizeClicked, this, &QWidget::showMinimized);
    connect(d->titleBar, &MainTitleBar::maximizeClicked, this, &XFramelessWindow::toggleMaximized);
    connect(d->titleBar, &MainTitleBar::closeClicked, this, &QWidget::close);
    connect(d->titleBar, &MainTitleBar::quitRequested, this, &QWidget::close);
    connect(d->titleBar, &MainTitleBar::aboutRequested, this,
            [] { DialogManager::instance()->showDialog(DialogManager::DT_About); });
    connect(d->titleBar, &MainTitleBar::updateCheckRequested, this, [] {
        if (CuteSettings::instance()->configValue(QStringLiteral("UpdateServer")).trimmed().isEmpty()) {
            DialogManager::instance()->showDialog(
                DialogManager::DT_Upgrade,
                {{QStringLiteral("CheckResult"), -1}, {QStringLiteral("NoServer"), true}});
            return;
        }
        AppManager::instance()->checkForUpdate();
        DialogManager::instance()->showDialog(DialogManager::DT_Upgrade);
    });
    connect(d->toolBar, &MainToolBar::volumeClicked, this, [this] {
        QToolButton* volume = d->toolBar->volumeButton();
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_VolumeAdjust, this,
                                                    volume->mapToGlobal(QPoint(volume->width() / 2, 0)));
    });
    connect(d->toolBar, &MainToolBar::deviceClicked, this, [this] {
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_DeviceDetection, this);
    });
    // An update found by the silent check opens the dialog; other answers
    // only reach a dialog the user opened.
    connect(
        AppManager::instance(), &AppManager::updateChecked, this,
        [](const QVariantMap& info, bool showDialog) {
            if (showDialog)
                DialogManager::instance()->showDialog(DialogManager::DT_Upgrade, info);
            else
                DialogManager::instance()->updateDialog(DialogManager::DT_Upgrade, info);
        },
        Qt::QueuedConnection);
    connect(LaunchManager::instance(), &LaunchManager::finished, this, &MainWindow::onLaunchFinished);
    connect(AppManager::instance(), &AppManager::quitting, this, [this] {
        HotKeyHook::instance()->uninstallHook();
        EffectManager::instance()->saveAll();
        if (d->tray) {
            d->tray->hide();
            delete d->tray;
        }
    });
    buildTray();

    // A file of the user's that cannot be saved (a full disk, a read-only
    // folder) is told once over the shown window; what failed while it was
    // hidden (before it first showed, or in the tray) is told when it shows.
    connect(
        SaveReport::instance(), &SaveReport::saveFailed, this,
        [this] {
            if (isVisible())
                tellSaveFailures();
        },
        Qt::QueuedConnection);
}

void MainWindow::tellSaveFailures()
{
    // One round at a time: a save that fails while a message is open is
    // told when it closes (the router opens one message of a kind at once).
    if (d->tellingSaves)
        return;
    d->tellingSaves = true;
    QTimer::singleShot(0, this, [this] {
        while (isVisible()) {
            const QHash<QString, QString> failing = SaveReport::instance()->failing();
            // A file saved since it was told is told again when it fails again.
            for (auto told = d->toldSaveFailures.begin(); told != d->toldSaveFailures.end();)
                told = failing.contains(*told) ? std::next(told) : d->toldSaveFailures.erase(told);
            // Files that failed for the same reason (a read-only folder) share one message.
            QMap<QString, QStringList> byReason;
            for (auto it = failing.cbegin(); it != failing.cend(); ++it) {
                if (!d->toldSaveFailures.contains(it.key()))
                    byReason[it.value()] << it.key();
            }
            if (byReason.isEmpty())
                break;
            for (auto it = byReason.begin(); it != byReason.end(); ++it) {
                it->sort();
                for (const QString& path : qAsConst(*it))
                    d->toldSaveFailures.insert(path);
                tellSaveFailed(it->join(QStringLiteral(", ")), it.key());
            }
        }
        d->tellingSaves = false;
    });
}

void MainWindow::tellSaveFailed(const QString& path, const QString& reason)
{
    ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_SaveFailed, this,
                                                QStringList{path, reason});
}

MainWindow::~MainWindow() = default;

MainTitleBar* MainWindow::titleBar() const
{
    return d->titleBar;
}

MainNavigationBar* MainWindow::navigationBar() const
{
    return d->navigation;
}

MainToolBar* MainWindow::toolBar() const
{
    return d->toolBar;
}

ModuleLayout* MainWindow::moduleLayout() const
{
    return d->modules;
}

QSystemTrayIcon* MainWindow::trayIcon() const
{
    return d->tray;
}

void MainWindow::buildTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        LogInfo("[Tray] no system tray on this desktop; closing the window only offers to quit");
    d->tray = new QSystemTrayIcon(QIcon(AppManager::imagePath(QStringLiteral("app_logo_60.png"))), this);
    d->trayMenu = new QMenu(this);
    d->trayOpen = d->trayMenu->addAction(QString(), this, &MainWindow::restoreFromTray);
    d->trayExit = d->trayMenu->addAction(QString(), this, &MainWindow::quitProgram);
    d->tray->setContextMenu(d->trayMenu);
    connect(d->tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            restoreFromTray();
    });
    retranslateTray();
    d->tray->show();
}

void MainWindow::retranslateTray()
{
    const QString name = tr("Zelvani Voice Changer");
    d->tray->setToolTip(name);
    d->trayOpen->setText(tr("Open %1").arg(name));
    d->trayExit->setText(tr("Exit"));
}

void MainWindow::reportReady()
{
    emit LaunchManager::instance()->stepValueChange(100);
}

void MainWindow::setStartMinimized(bool minimized)
{
    d->startMinimized = minimized;
}

void MainWindow::setStartOnSoundboard(bool soundboard)
{
    d->startOnSoundboard = soundboard;
}

void MainWindow::onLaunchFinished()
{
    // The first show is centred on the primary screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(minimumSize().boundedTo(available.size()));
        move(available.left() + (available.width() - width()) / 2,
             available.top() + (available.height() - height()) / 2);
    }
    if (d->startOnSoundboard)
        ModuleManager::instance()->setCurrent(ModuleManager::MT_Sound);
    if (d->startMinimized && QSystemTrayIcon::isSystemTrayAvailable())
        LogInfo("[Tray] started in the tray");
    else
        show();
    CuteSettings* settings = CuteSettings::instance();
    if (settings->value(QStringLiteral("firstLaunch"), true, Native).toBool()) {
        QTimer::singleShot(kWelcomeDelayMs, this, [] { WebPages::open(WebPages::Page::Welcome); });
        settings->setValue(QStringLiteral("firstLaunch"), false, Native);
    }
    // The start-up check of the resources failed behind the splash: say so
    // over the shown window; the program goes on with what is on disk.
    // Started in the tray, the window says so when it first shows.
    if (LaunchManager::instance()->hasResourceFailure()) {
        d->resourceMessagePending = true;
        if (isVisible())
            showResourceMessage();
    }
    configureAudioEngine();
    AudioManager::instance()->start();
    d->toolBar->refresh();
    HotKeyHook::instance()->installHook();
    // "Enable all shortcut keys" off holds every binding until it is on again.
    HotKeyHook::instance()->setEnabled(CuteSettings::instance()->value(QStringLiteral("SSC")).toBool());
    QTimer::singleShot(kUpdateCheckDelayMs, AppManager::instance(),
                       [] { AppManager::instance()->checkForUpdate(); });
}

void MainWindow::restoreFromTray()
{
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::showSoundboard()
{
    restoreFromTray();
    ModuleManager::instance()->setCurrent(ModuleManager::MT_Sound);
}

void MainWindow::quitProgram()
{
    AppManager::instance()->quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window never closes by the event: the quit procedure ends the program.
    event->ignore();
    AbstractModuleWidget* module = d->modules->currentModule();
    if (module && module->blocksClose())
        return;
    const int result = ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_Quit, this);
    if (result == 1) {
        quitProgram();
    } else if (result == 2) {
        hide();
        if (d->tray)
            d->tray->showMessage(tr("Minimize to tray"), QString(),
                                 QIcon(AppManager::imagePath(QStringLiteral("app_logo_120.png"))),
                                 kTrayMessageMs);
    }
}

void MainWindow::showResourceMessage()
{
    if (!d->resourceMessagePending)
        return;
    d->resourceMessagePending = false;
    QTimer::singleShot(0, this, [this] {
        ModuleDialogManager::instance()->showDialog(ModuleDialogManager::DT_ResourcesInitFail, this);
    });
}

void MainWindow::showEvent(QShowEvent* event)
{
    XFramelessWindow::showEvent(event);
    showResourceMessage();
    tellSaveFailures();
    // Korean needs its language set again once the window shows, so that the
    // fonts of every widget pick up the Korean family.
    LanguageSettings* languages = LanguageSettings::instance();
    if (languages->currentLanguage() == LanguageSettings::Korean && !d->koreanShowFix) {
        d->koreanShowFix = true;
        languages->setLanguage(LanguageSettings::English);
        languages->setLanguage(LanguageSettings::Korean);
        d->koreanShowFix = false;
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        d->titleBar->setMaximized(isMaximized());
    else if (event->type() == QEvent::LanguageChange && d->tray)
        retranslateTray();
    XFramelessWindow::changeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, QColor(23, 25, 40));
    gradient.setColorAt(1, QColor(22, 22, 34));
    painter.fillRect(rect(), gradient);
}
