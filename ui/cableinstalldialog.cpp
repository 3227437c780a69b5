#include "cableinstalldialog.h"

#include "audiomanager.h"
#include "kit.h"
#include "launchmanager.h"
#include "xprogressbar.h"

#include "spdlog_qt"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CableInstallDialog::CableInstallDialog(bool reinstall, QWidget* parent)
    : XDialog(parent), m_reinstall(reinstall), m_text(new QLabel(this)), m_progress(new XProgressBar(this)),
      m_ok(new QPushButton(this))
{
    setModal(true);
    setMinimumWidth(Kit::px(420));
    setTitle(tr("Virtual cable"));
    setCloseGuard(true);
    setCloseAllowed(false);
    setCloseButtonVisible(false);
    QVBoxLayout* content = contentLayout();
    content->setSpacing(Kit::py(14));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    m_text->setText(tr("Installing the virtual cable…"));
    content->addWidget(m_text);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setFixedHeight(Kit::py(6));
    m_progress->setAccessibleName(tr("Installation progress"));
    content->addWidget(m_progress);
    m_ok->setText(tr("OK"));
    m_ok->setFixedSize(Kit::size(160, 35));
    m_ok->setCursor(Qt::PointingHandCursor);
    m_ok->setStyleSheet(Kit::buttonStyle(true, 35));
    m_ok->setEnabled(false);
    content->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool CableInstallDialog::run(bool reinstall, QWidget* parent)
{
    CableInstallDialog dialog(reinstall, parent);
    dialog.exec();
    return dialog.succeeded();
}

void CableInstallDialog::showEvent(QShowEvent* event)
{
    XDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        // Once the dialog is on screen: the steps wait in event loops of their own.
        QTimer::singleShot(0, this, &CableInstallDialog::install);
    }
}

void CableInstallDialog::install()
{
    LaunchManager* launch = LaunchManager::instance();
    launch->installVirtualDriver(m_reinstall, [this](int percent) { m_progress->setValue(percent); });
    const QString error = launch->cableError();
    m_succeeded = error.isEmpty() && AudioManager::instance()->attachVirtualCable();
    LogInfo(
        QStringLiteral("[VirtualDriver] %1")
            .arg(m_succeeded ? QStringLiteral("the cable is ready") : QStringLiteral("no cable: ") + error));
    m_text->setText(m_succeeded ? tr("The virtual cable is ready.")
                                : tr("The virtual cable could not be installed.") +
                                      (error.isEmpty() ? QString() : QStringLiteral("\n\n") + error));
    m_progress->setValue(100);
    m_ok->setEnabled(true);
    m_ok->setFocus();
    setCloseAllowed(true);
    setCloseButtonVisible(true);
}
