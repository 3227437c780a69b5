#include "appmanager.h"

#include "audiomanager.h"
#include "bugsplatproxy.h"
#include "cutesettings.h"
#include "languagesettings.h"
#include "resourcesync.h"
#include "xapplication.h"

#include "spdlog_qt"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScreen>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTimer>
#include <QWidget>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char* kOrganization = "Zelvani";
constexpr const char* kDomain = "zelvani.org";
constexpr const char* kApplication = "Zelvani Voice Changer";
constexpr const char* kVersion = "3.1.0";
constexpr const char* kUpdatePath = "/ton-morph/tonmorph_update_linux.json";

struct Rgb
{
    int red, green, blue;
};

constexpr std::array<Rgb, AppManager::ThemeColorCount> kThemeColors = {{
    {23, 25, 40},
    {40, 40, 59},
    {44, 44, 63},
    {255, 255, 255},
    {151, 151, 151},
    {205, 205, 205},
    {213, 100, 253},
    {237, 123, 67},
    {148, 95, 238},
    {235, 52, 52},
}};

constexpr FontEntry kLatinFont = {"Calibri", 11, 18, 16};
constexpr FontEntry kChineseJapaneseFont = {"Microsoft Yahei", 9, 16, 14};
constexpr FontEntry kKoreanFont = {"Malgun Gothic", 9, 16, 14};

// Metric-compatible families shipped by Linux distributions.
constexpr std::array<std::array<const char*, 2>, 3> kFontSubstitutes = {{
    {"Calibri", "Carlito"},
    {"Microsoft Yahei", "Noto Sans CJK SC"},
    {"Malgun Gothic", "Noto Sans CJK KR"},
}};

int g_signalPipe[2] = {-1, -1};

QtMessageHandler g_terminalHandler = nullptr;
int g_terminalFd = -1; // the terminal's standard error once it is captured into the log

// Qt's messages and those of the libraries that report through Qt (the audio
// library's error reports among them) go to the log file, tagged with their
// category ("[Qt]" for Qt's default one), and on to the terminal as before.
void logQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QString category = QString::fromLatin1(context.category ? context.category : "default");
    const QString tag = category == QLatin1String("default") ? QStringLiteral("Qt") : category;
    const QString line = QStringLiteral("[%1] %2").arg(tag, message.trimmed());
    if (type == QtDebugMsg || type == QtInfoMsg)
        LogInfo(line);
    else
        LogError(line);
    // Standard error is logged as well once captured: the terminal gets the
    // message directly, so the file does not hold it twice.
    if (g_terminalFd >= 0) {
        const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
        const ssize_t shown = ::write(g_terminalFd, text.constData(), static_cast<std::size_t>(text.size()));
        (void)shown;
    } else if (g_terminalHandler) {
        g_terminalHandler(type, context, message);
    }
}

void onQuitSignal(int)
{
    const char byte = 1;
    const ssize_t ignored = ::write(g_signalPipe[1], &byte, 1);
    (void)ignored;
}

} // namespace

struct AppManager::Private
{
    FontEntry font = kLatinFont;
    std::array<QColor, ThemeColorCount> colors;
    QSocketNotifier* signalNotifier = nullptr;
    bool keepingAwake = false;
    std::unique_ptr<QNetworkAccessManager> network; // created by the first update check

    void keepAwake()
    {
        // The session's screen-saver service also holds off idle suspend. The
        // inhibition lasts as long as this process's bus connection.
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage inhibit = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
        inhibit << QCoreApplication::applicationName() << QStringLiteral("Real-time voice processing");
        const QDBusMessage reply = bus.call(inhibit, QDBus::Block, 2000);
        keepingAwake = reply.type() == QDBusMessage::ReplyMessage;
        if (!keepingAwake)
            LogInfo(QStringLiteral("[App] the session may sleep while the program runs: %1")
                        .arg(reply.errorMessage()));
    }
};

AppManager::AppManager() : d(std::make_unique<Private>()) {}

AppManager::~AppManager() = default;

AppManager* AppManager::instance()
{
    static AppManager* manager = new AppManager;
    return manager;
}

void AppManager::applyProcessIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganization));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(kDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
}

void AppManager::initialize()
{
    applyProcessIdentity();

    for (int i = 0; i < ThemeColorCount; ++i)
        d->colors[i] = QColor(kThemeColors[i].red, kThemeColors[i].green, kThemeColors[i].blue, 255);

    registerFontSubstitutes();
    d->font = fontEntry(CuteSettings::instance()->value(QStringLiteral("Language"), 0, Native).toInt());
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // The stored language becomes current; later changes swap the font.
        LanguageSettings* languages = LanguageSettings::instance();
        languages->setLanguage(languages->currentLanguage());
        connect(languages, &LanguageSettings::languageChanged, this, &AppManager::onLanguageChanged,
                Qt::UniqueConnection);
        QApplication::setFont(QFont(fontFamily(), d->font.applicationSize));
    }

    const QString logFolder = CuteSettings::logPath();
    InitSpdLogW(L"AppLog.log", logFolder.toStdWString().c_str());
    installMessageHandler();

    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1");

    const QString application = QCoreApplication::applicationName();
    const QString version = QCoreApplication::applicationVersion();
    BugSplatProxy::instance()->setup(QStringLiteral("%1/%2_v%3.dmp").arg(logFolder, application, version),
                                     logFolder, QStringLiteral("Dozovo_Dev"), application, version,
                                     QString());

    d->keepAwake();
}

void AppManager::installMessageHandler()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    g_terminalHandler = qInstallMessageHandler(logQtMessage);
    g_terminalFd = SpdLogCaptureStandardError();
}

void AppManager::registerFontSubstitutes()
{
    for (const auto& substitute : kFontSubstitutes)
        QFont::insertSubstitution(QString::fromLatin1(substitute[0]), QString::fromLatin1(substitute[1]));
}

void AppManager::finishStart()
{
    const QString system = systemDescription();
    LogInfo(QStringLiteral("System: %1").arg(system));
    BugSplatProxy::instance()->setDefaultUserDescription(system);
}

QString AppManager::fontFamily() const
{
    return QString::fromLatin1(d->font.family);
}

int AppManager::applicationFontSize() const
{
    return d->font.applicationSize;
}

int AppManager::largeFontSize() const
{
    return d->font.largeSize;
}

int AppManager::mediumFontSize() const
{
    return d->font.mediumSize;
}

QColor AppManager::color(int index) const
{
    if (index < 0 || index >= ThemeColorCount)
        return {};
    return d->colors[index];
}

QString AppManager::imagePath(const QString& name)
{
    return QStringLiteral(":/images/%1").arg(name);
}

FontEntry AppManager::fontEntry(int language)
{
    switch (language) {
    case 1: // Chinese (Simplified)
    case 2: // Chinese (Traditional)
    case 8: // Japanese
        return kChineseJapaneseFont;
    case 11: // Korean
        return kKoreanFont;
    default:
        return kLatinFont;
    }
}

QString AppManager::systemDescription()
{
    return QStringLiteral("%1 %2 %3")
        .arg(QSysInfo::prettyProductName(), QSysInfo::buildCpuArchitecture(),
             QSysInfo::currentCpuArchitecture());
}

void AppManager::onLanguageChanged(int language)
{
    const FontEntry entry = fontEntry(language);
    if (QLatin1String(entry.family) == fontFamily())
        return;
    d->font = entry;
    QApplication::setFont(QFont(fontFamily(), entry.applicationSize));

    auto* app = qobject_cast<XApplication*>(QCoreApplication::instance());
    QWidget* window = app ? app->currentWindow() : nullptr;
    if (!window)
        return;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        font.setFamily(fontFamily());
        widget->setFont(font);
    }
}

void AppManager::raiseWindow(QWidget* window)
{
    if (!window)
        return;
    if (!window->isHidden() && !window->isMinimized()) {
        window->activateWindow();
    } else if (!window->isMinimized()) {
        window->show();
        window->raise();
        window->activateWindow();
    } else {
        window->show();
        window->activateWindow();
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
    }
}

void AppManager::restoreCurrentWindow()
{
    auto* app = qobject_cast<XApplication*>(QCoreApplication::instance());
    QWidget* window = app ? app->currentWindow() : nullptr;
    if (!window || !window->isMinimized())
        return;
    window->showNormal();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        window->move(available.left() + (available.width() - window->width()) / 2,
                     available.top() + (available.height() - window->height()) / 2);
    }
}

void AppManager::quitOnSignals()
{
    if (d->signalNotifier || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    d->signalNotifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(d->signalNotifier, &QSocketNotifier::activated, this, [this] {
        LogInfo("[App] quit requested by signal");
        quit();
    });
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void AppManager::quit()
{
    // The gates go and the user's default microphone comes back.
    AudioManager::instance()->release();
    // The hotkeys, the user's stores and the tray icon go (their owners listen).
    emit quitting();
    CuteSettings* settings = CuteSettings::instance();
    if (settings->value(QStringLiteral("AppFirstCycle"), true, Native).toBool())
        settings->setValue(QStringLiteral("AppFirstCycle"), false, Native);
    LogInfo("App quit");
    SpdLogFlush();
    // No destructors run after this, so the single-instance block is given up here.
    if (auto* app = qobject_cast<XApplication*>(QCoreApplication::instance()))
        app->releaseInstance();
    ::_exit(0);
}

void AppManager::checkForUpdate()
{
    checkForUpdateAt(CuteSettings::instance()->configValue(QStringLiteral("UpdateServer")));
}

void AppManager::checkForUpdateAt(const QString& serverBase)
{
    if (serverBase.trimmed().isEmpty()) {
        LogInfo("[Update] no update server configured");
        return;
    }
    QString refused;
    if (!ResourceSync::isAllowedServer(serverBase, &refused)) {
        LogError(QStringLiteral("[Update] the update server %1 is not used: %2").arg(serverBase, refused));
        // Answered later, as a failed request would be.
        QTimer::singleShot(0, this, [this, refused] {
            emit updateCheckFailed(refused);
            emit updateChecked({{QStringLiteral("CheckResult"), -1}}, false);
        });
        return;
    }
    if (!d->network)
        d->network = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(updateUrl(serverBase));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = d->network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        QVariantMap info;
        int result = -1;
        QString failure;
        if (reply->error() != QNetworkReply::NoError) {
            failure = reply->errorString();
            LogInfo(QStringLiteral("Check lasted version failed! describe: %1").arg(failure));
        } else {
            result = readUpdateDocument(reply->readAll(), &info, &failure);
        }
        info.insert(QStringLiteral("CheckResult"), result);
        reply->deleteLater();
        if (result < 0)
            emit updateCheckFailed(failure);
        emit updateChecked(info, result == 1);
    });
}

int AppManager::readUpdateDocument(const QByteArray& body, QVariantMap* info, QString* failure)
{
    *info = QJsonDocument::fromJson(body).object().toVariantMap();
    if (info->isEmpty()) {
        *failure = QStringLiteral("the answer is not a JSON object with members");
        return -1;
    }
    const QString version = info->value(QStringLiteral("Version")).toString().trimmed();
    return compareVersions(version, QString::fromLatin1(kVersion)) > 0 ? 1 : 0;
}

QUrl AppManager::updateUrl(const QString& serverBase)
{
    QString base = serverBase.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QLatin1String(kUpdatePath));
}

int AppManager::compareVersions(const QString& a, const QString& b)
{
    QStringList left = a.split(QLatin1Char('.'));
    QStringList right = b.split(QLatin1Char('.'));
    while (left.size() < right.size())
        left.append(QStringLiteral("0"));
    while (right.size() < left.size())
        right.append(QStringLiteral("0"));
    for (int i = 0; i < left.size(); ++i) {
        const int x = left[i].toInt(nullptr, 10);
        const int y = right[i].toInt(nullptr, 10);
        if (x != y)
            return x > y ? 1 : -1;
    }
    return 0;
}
