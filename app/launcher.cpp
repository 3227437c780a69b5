#include "launcher.h"

#include "appmanager.h"
#include "cataloguesetup.h"
#include "kit.h"
#include "launchmanager.h"
#include "ximagebox.h"
#include "xprogressbar.h"

#include "spdlog_qt"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Waits in a nested event loop, so the window keeps painting.
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString loadingText(int value)
{
    return Launcher::tr("Loading...") + QStringLiteral("   %1%").arg(value);
}

} // namespace

Launcher::Launcher(QWidget* parent) : XFramelessWindow(parent)
{
    setWindowFlags(windowFlags() | Qt::SplashScreen);
    setResizeable(false);
    setWindowTitle(QCoreApplication::applicationName());
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    auto* logo = new XImageBox(central);
    logo->setImage(AppManager::imagePath(QStringLiteral("app_logo_120.png")));
    logo->setFixedSize(Kit::size(60, 60));
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addSpacing(Kit::py(15));
    m_title = new QLabel(central);
    m_title->setFixedHeight(Kit::py(30));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold; background: transparent;"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(AppManager::instance()->largeFontSize());
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    layout->addStretch();
    m_status = new QLabel(central);
    m_status->setFixedHeight(Kit::py(16));
    m_status->setContentsMargins(Kit::px(15), 0, Kit::px(15), 0);
    m_status->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    layout->addWidget(m_status);
    layout->addSpacing(Kit::py(12));
    m_progress = new XProgressBar(central);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setFixedHeight(Kit::py(4));
    layout->addWidget(m_progress);

    setMinimumSize(Kit::size(560, 320));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        setMaximumSize(available.size());
        resize(minimumSize());
        move(available.left() + (available.width() - width()) / 2,
             available.top() + (available.height() - height()) / 2);
    }
    m_title->setText(tr("Zelvani Voice Changer"));
    m_status->setText(loadingText(0));
    connect(LaunchManager::instance(), &LaunchManager::stepValueChange, this, &Launcher::onStepValueChange);
}

QString Launcher::statusText() const
{
    return m_status->text();
}

int Launcher::progress() const
{
    return m_progress->value();
}

void Launcher::start()
{
    LogInfo("[Launcher] begin");
    show();
    LaunchManager* launch = LaunchManager::instance();
    launch->installVirtualDriver();
    configureCatalogues();
    launch->checkResources();
    launch->loadCatalogues();
}

void Launcher::onStepValueChange(int value)
{
    LogInfo(QStringLiteral("[Launcher] progress %1").arg(value));
    m_status->setText(loadingText(value));
    m_progress->setValue(value);
    wait(kStepMs);
    if (value != 100)
        return;
    wait(kEndMs);
    close();
    LogInfo("[Launcher] end");
    emit LaunchManager::instance()->finished();
}

void Launcher::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_title->setText(tr("Zelvani Voice Changer"));
        m_status->setText(loadingText(0));
    }
    XFramelessWindow::changeEvent(event);
}

void Launcher::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), Kit::windowColor());
    painter.drawPixmap(rect(), QPixmap(AppManager::imagePath(QStringLiteral("launcher.png"))));
}
