#include "shelldialogs.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "kit.h"
#include "ximagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

XImageBox* imageBox(const QString& name, int side, QWidget* parent)
{
    auto* box = new XImageBox(parent);
    box->setImage(AppManager::imagePath(name));
    box->setFixedSize(Kit::size(side, side));
    return box;
}

QPushButton* dialogButton(bool primary, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setMinimumSize(Kit::size(120, 34));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(Kit::buttonStyle(primary, 34));
    return button;
}

QLabel* textLabel(const char* color, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

QuitDialog::QuitDialog(bool trayAvailable, QWidget* parent) : XDialog(parent)
{
    setModal(true);
    auto* top = new QHBoxLayout;
    top->setSpacing(Kit::px(10));
    top->addWidget(imageBox(QStringLiteral("icon_question.png"), 24, this));
    m_heading = new QLabel(this);
    m_heading->setStyleSheet(QStringLiteral("color: #FFFFFF; font-weight: bold; background: transparent;"));
    top->addWidget(m_heading, 1);
    contentLayout()->addLayout(top);
    contentLayout()->addSpacing(Kit::py(14));

    m_minimize = new QRadioButton(this);
    m_exit = new QRadioButton(this);
    m_exit->setChecked(true);
    m_minimize->setVisible(trayAvailable);
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(Kit::px(34), 0, 0, 0);
    choices->setSpacing(Kit::py(12));
    choices->addWidget(m_minimize);
    choices->addWidget(m_exit);
    contentLayout()->addLayout(choices);
    contentLayout()->addSpacing(Kit::py(20));

    m_ok = dialogButton(true, this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(m_minimize->isChecked() ? 2 : 1); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    contentLayout()->addLayout(row);
    setMinimumWidth(Kit::px(380));
    retranslate();
}

void QuitDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XDialog::changeEvent(event);
}

void QuitDialog::retranslate()
{
    m_heading->setText(tr("Close"));
    setAccessibleName(tr("Close"));
    m_minimize->setText(tr("Minimize to Tray"));
    m_exit->setText(tr("Exit"));
    m_ok->setText(tr("OK"));
}

VolumeAdjustDailog::VolumeAdjustDailog(const QString& deviceName, const QPoint& anchor, QWidget* parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground, Kit::hasCompositor());
    setModal(true);
    setAccessibleName(tr("Volume"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Kit::px(16), Kit::py(10), Kit::px(12), Kit::py(10));
    layout->setSpacing(Kit::px(10));
    layout->addWidget(imageBox(QStringLiteral("volume.png"), 20, this));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, 100);
    m_slider->setFixedWidth(Kit::px(160));
    m_slider->setAccessibleName(tr("Volume"));
    layout->addWidget(m_slider);
    m_value = new QLabel(this);
    m_value->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    m_value->setFixedWidth(Kit::px(34));
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_value);

    AudioManager* engine = AudioManager::instance();
    const int start = deviceName.isEmpty() ? 0 : engine->volumePercent(deviceName);
    m_slider->setValue(start);
    m_value->setText(QString::number(start));
    m_slider->setEnabled(!deviceName.isEmpty());
    connect(m_slider, &QSlider::valueChanged, this, [this, engine, deviceName](int value) {
        m_value->setText(QString::number(value));
        engine->setDeviceVolume(deviceName, value);
    });

    adjustSize();
    QPoint topLeft(anchor.x() - width() / 2, anchor.y() - height() - Kit::py(6));
    // Inside the window that opened it, then inside the screen.
    if (parent) {
        const QRect window = parent->window()->frameGeometry();
        topLeft.setX(qBound(window.left(), topLeft.x(), window.right() - width() - Kit::px(12)));
    }
    if (const QScreen* screen = QGuiApplication::screenAt(anchor)) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(qBound(available.left(), topLeft.x(), available.right() - width()));
        topLeft.setY(qBound(available.top(), topLeft.y(), available.bottom() - height()));
    }
    move(topLeft);
    m_slider->setFocus();
}

void VolumeAdjustDailog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Kit::paintPopup(this, QColor(0x3F, 0x3F, 0x4E));
}

AboutDialog::AboutDialog(QWidget* parent) : XDialog(parent)
{
    setModal(true);
    contentLayout()->setSpacing(Kit::py(10));
    contentLayout()->addWidget(imageBox(QStringLiteral("app_logo_120.png"), 96, this), 0, Qt::AlignHCenter);
    m_name = textLabel("#FFFFFF", this);
    QFont nameFont = m_name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    contentLayout()->addWidget(m_name);
    m_version = textLabel("#DCDCDC", this);
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    contentLayout()->addWidget(m_version);
    m_licence = textLabel("#979797", this);
    contentLayout()->addWidget(m_licence);
    setMinimumWidth(Kit::px(400));
    retranslate();
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XDialog::changeEvent(event);
}

void AboutDialog::retranslate()
{
    setTitle(tr("About"));
    m_name->setText(tr("Zelvani Voice Changer"));
    m_version->setText(tr("Version:") + QLatin1Char(' ') + QCoreApplication::applicationVersion());
    m_licence->setText(tr("Free software under the GNU General Public License, version 3 or later."));
}

UpgradeDialog::UpgradeDialog(QWidget* parent) : XDialog(parent)
{
    setModal(true);
    contentLayout()->setSpacing(Kit::py(10));
    auto* top = new QHBoxLayout;
    top->setSpacing(Kit::px(12));
    top->addStretch();
    top->addWidget(imageBox(QStringLiteral("app_logo_120.png"), 48, this));
    m_name = textLabel("#FFFFFF", this);
    m_name->setWordWrap(false);
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    top->addWidget(m_name);
    top->addStretch();
    contentLayout()->addLayout(top);

    m_status = textLabel("#FFFFFF", this);
    contentLayout()->addWidget(m_status);
    m_information = textLabel("#979797", this);
    contentLayout()->addWidget(m_information);
    m_loading = new QLabel(this);
    m_loading->setAlignment(Qt::AlignCenter);
    m_loading->setStyleSheet(QStringLiteral("background: transparent;"));
    m_movie = new QMovie(AppManager::imagePath(QStringLiteral("loading.gif")), QByteArray(), this);
    m_movie->setScaledSize(Kit::size(24, 24));
    m_loading->setMovie(m_movie);
    contentLayout()->addWidget(m_loading);
    m_notes = new QTextBrowser(this);
    m_notes->setStyleSheet(
        QStringLiteral("QTextBrowser {background: transparent; border: none; color: rgb(255, 255, 255);}"));
    m_notes->setOpenExternalLinks(true);
    m_notes->setMinimumHeight(Kit::py(140));
    contentLayout()->addWidget(m_notes);

    m_later = dialogButton(false, this);
    m_update = dialogButton(true, this);
    connect(m_later, &QPushButton::clicked, this, &QDialog::close);
    connect(m_update, &QPushButton::clicked, this, [this] {
        if (!m_url.isEmpty())
            QDesktopServices::openUrl(QUrl(m_url));
    });
    auto* row = new QHBoxLayout;
    row->setSpacing(Kit::px(16));
    row->addStretch();
    row->addWidget(m_later);
    row->addWidget(m_update);
    row->addStretch();
    contentLayout()->addLayout(row);
    setMinimumWidth(Kit::px(460));

    showDetails(false);
    m_information->hide();
    m_movie->start();
    retranslate();
}

QString UpgradeDialog::displayDate(const QString& releaseDate)
{
    return releaseDate.mid(5) + QLatin1Char('.') + releaseDate.left(4);
}

QString UpgradeDialog::status() const
{
    return m_status->text();
}

QString UpgradeDialog::information() const
{
    return m_information->isHidden() ? QString() : m_information->text();
}

bool UpgradeDialog::isLoading() const
{
    return !m_loading->isHidden();
}

void UpgradeDialog::showDetails(bool shown)
{
    m_information->setVisible(shown);
    m_notes->setVisible(shown);
    m_later->setVisible(shown);
    m_update->setVisible(shown);
}

void UpgradeDialog::setResult(const QVariantMap& info)
{
    m_movie->stop();
    m_loading->hide();
    if (info.isEmpty()) {
        adjustSize();
        return;
    }
    m_info = info;
    m_state = info.value(QStringLiteral("CheckResult"), -1).toInt();
    if (m_state == 1 && !info.value(QStringLiteral("Version")).toString().isEmpty()) {
        m_notes->setHtml(info.value(QStringLiteral("What's New")).toString());
        m_url = info.value(QStringLiteral("Download URL")).toString();
        showDetails(true);
    } else {
        showDetails(false);
    }
    retranslate();
    adjustSize();
}

void UpgradeDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XDialog::changeEvent(event);
}

void UpgradeDialog::retranslate()
{
    setTitle(tr("Check for Updates"));
    m_name->setText(tr("Zelvani Voice Changer"));
    m_later->setText(tr("Remind Me Later"));
    m_update->setText(tr("Update now"));
    switch (m_state) {
    case -2:
        m_status->setText(tr("Waiting for checking..."));
        break;
    case 0:
        m_status->setText(tr("Current version is up to date."));
        break;
    case 1:
        m_status->setText(tr("A new version is available!"));
        m_information->setText(
            tr("Version: %1 | Size: %2 | Release Date: %3")
                .arg(m_info.value(QStringLiteral("Version")).toString().trimmed(),
                     m_info.value(QStringLiteral("Size")).toString(),
                     displayDate(m_info.value(QStringLiteral("Release Date")).toString())));
        break;
    default:
        if (m_info.value(QStringLiteral("NoServer")).toBool())
            m_status->setText(tr("No update server is set. Updates come with your system's packages."));
        else
            m_status->setText(tr("Fetch update info failed. Please retry later."));
        break;
    }
}
