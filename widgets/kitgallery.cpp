#include "kitgallery.h"

#include "audiopeakprogress.h"
#include "kit.h"
#include "navigationbutton.h"
#include "xcombobox.h"
#include "xdialog.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xline.h"
#include "xlineedit.h"
#include "xmessagebox.h"
#include "xprogressbar.h"
#include "xswitchbutton.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kNavigation[][3] = {
    {QT_TRANSLATE_NOOP("KitGallery", "VoiceBox"), ":/images/voice_box_1.png", ":/images/voice_box_2.png"},
    {QT_TRANSLATE_NOOP("KitGallery", "Soundboard"), ":/images/sound_board_1.png",
     ":/images/sound_board_2.png"},
    {QT_TRANSLATE_NOOP("KitGallery", "3rd party access"), ":/images/third_party_1.png",
     ":/images/third_party_2.png"},
    {QT_TRANSLATE_NOOP("KitGallery", "Settings"), ":/images/settings_1.png", ":/images/settings_2.png"},
};

const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("KitGallery", "Switches"), QT_TRANSLATE_NOOP("KitGallery", "Input device"),
    QT_TRANSLATE_NOOP("KitGallery", "Search"),   QT_TRANSLATE_NOOP("KitGallery", "Label"),
    QT_TRANSLATE_NOOP("KitGallery", "Levels"),   QT_TRANSLATE_NOOP("KitGallery", "Progress"),
    QT_TRANSLATE_NOOP("KitGallery", "Quality"),  QT_TRANSLATE_NOOP("KitGallery", "Dialogs"),
};

const QString kLongDevice =
    QStringLiteral("Microphone (USB Audio Device with a Rather Long Product Name) Analog Mono");

} // namespace

KitGallery::KitGallery(QWidget* parent) : XFramelessWindow(parent)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("KitGalleryCentral"));
    central->setStyleSheet(QStringLiteral("QLabel { color: #DCDCDC; background: transparent; }"
                                          "QLabel[heading='true'] { color: #979797; }"));
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Title bar: the logo and the title drag the window; the close button is a button.
    auto* titleBar = new QWidget(central);
    titleBar->setFixedHeight(Kit::py(44));
    auto* titleRow = new QHBoxLayout(titleBar);
    titleRow->setContentsMargins(Kit::px(14), 0, Kit::px(10), 0);
    auto* logo = new XImageBox(titleBar);
    logo->setImage(QStringLiteral(":/images/app_logo_60.png"));
    logo->setFixedSize(Kit::size(24, 24));
    titleRow->addWidget(logo);
    m_title = new QLabel(titleBar);
    m_title->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    titleRow->addWidget(m_title, 1);
    m_close = new QPushButton(titleBar);
    m_close->setIcon(QIcon(QStringLiteral(":/images/close.png")));
    m_close->setIconSize(Kit::size(16, 16));
    m_close->setFixedSize(Kit::size(28, 28));
    m_close->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; } "
                                          "QPushButton:hover { background: rgba(255,255,255,20); }"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    titleRow->addWidget(m_close);
    outer->addWidget(titleBar);
    outer->addWidget(new XLine(Qt::Horizontal, central));
    setTitleBar(titleBar);
    addCaptionWidget(logo);
    addCaptionWidget(m_title);

    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    outer->addLayout(body, 1);

    auto* navigation = new QVBoxLayout;
    navigation->setContentsMargins(0, Kit::py(8), 0, Kit::py(8));
    navigation->setSpacing(Kit::py(4));
    for (const auto& entry : kNavigation) {
        auto* button =
            new NavigationButton(QString::fromLatin1(entry[1]), QString::fromLatin1(entry[2]), central);
        button->setFixedWidth(Kit::px(108));
        navigation->addWidget(button);
        m_navigation.append(button);
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            for (NavigationButton* other : m_navigation)
                other->setSelected(other == button);
        });
    }
    m_navigation.first()->setSelected(true);
    navigation->addStretch();
    body->addLayout(navigation);
    body->addWidget(new XLine(Qt::Vertical, central));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(Kit::px(24), Kit::py(18), Kit::px(24), Kit::py(18));
    grid->setHorizontalSpacing(Kit::px(18));
    grid->setVerticalSpacing(Kit::py(14));
    grid->setColumnStretch(1, 1);
    body->addLayout(grid, 1);
    for (int i = 0; i < static_cast<int>(std::size(kHeadings)); ++i) {
        auto* heading = new QLabel(central);
        heading->setProperty("heading", true);
        grid->addWidget(heading, i, 0, Qt::AlignLeft | Qt::AlignVCenter);
        m_headings.append(heading);
    }

    auto* switches = new QHBoxLayout;
    switches->setSpacing(Kit::px(8));
    m_switchOn = new XSwitchButton(central);
    m_switchOn->setOn(true);
    m_switchOff = new XSwitchButton(central);
    m_switchDisabled = new XSwitchButton(central);
    m_switchDisabled->setOn(true);
    m_switchDisabled->setEnabled(false);
    for (XSwitchButton* button : {m_switchOn, m_switchOff, m_switchDisabled}) {
        button->setFixedSize(Kit::size(32, 18));
        auto* label = new QLabel(central);
        label->setBuddy(button);
        m_switchLabels.append(label);
        switches->addWidget(button);
        switches->addWidget(label);
        switches->addSpacing(Kit::px(14));
    }
    switches->addStretch();
    grid->addLayout(switches, 0, 1);

    m_devices = new XComboBox(central);
    m_devices->addItem(kLongDevice);
    m_devices->addItem(QStringLiteral("Built-in Audio Analog Stereo"));
    m_devices->setFixedSize(Kit::size(300, 32));
    grid->addWidget(m_devices, 1, 1, Qt::AlignLeft);
    m_headings.at(1)->setBuddy(m_devices);

    m_search = new XLineEdit(central);
    m_headings.at(2)->setBuddy(m_search);
    m_search->setMaxLength(30);
    m_search->setFixedSize(Kit::size(300, 32));
    m_search->setText(QStringLiteral("Robot"));
    grid->addWidget(m_search, 2, 1, Qt::AlignLeft);

    m_longLabel = new XLabel(central);
    m_longLabel->setFixedWidth(Kit::px(300));
    grid->addWidget(m_longLabel, 3, 1, Qt::AlignLeft);

    auto* peaks = new QHBoxLayout;
    peaks->setSpacing(Kit::px(12));
    for (const int value : {0, 50, 100}) {
        auto* peak = new AudioPeakProgress(central);
        peak->setFixedSize(Kit::size(120, 10));
        peak->setValue(value);
        peaks->addWidget(peak);
        m_peaks.append(peak);
    }
    peaks->addStretch();
    grid->addLayout(peaks, 4, 1);

    m_progress = new XProgressBar(central);
    m_progress->setRange(0, 100);
    m_progress->setValue(60);
    m_progress->setFixedSize(Kit::size(300, 6));
    grid->addWidget(m_progress, 5, 1, Qt::AlignLeft | Qt::AlignVCenter);

    auto* radios = new QHBoxLayout;
    m_lowLatency = new QRadioButton(central);
    m_lowLatency->setChecked(true);
    m_highQuality = new QRadioButton(central);
    radios->addWidget(m_lowLatency);
    radios->addSpacing(Kit::px(18));
    radios->addWidget(m_highQuality);
    radios->addStretch();
    grid->addLayout(radios, 6, 1);

    auto* dialogs = new QHBoxLayout;
    dialogs->setSpacing(Kit::px(10));
    m_dialogButton = new QPushButton(central);
    m_messageButton = new QPushButton(central);
    m_noticeButton = new QPushButton(central);
    for (QPushButton* button : {m_dialogButton, m_messageButton, m_noticeButton}) {
        button->setMinimumHeight(Kit::py(30));
        button->setStyleSheet(Kit::buttonStyle(false, 30));
        button->setCursor(Qt::PointingHandCursor);
        dialogs->addWidget(button);
    }
    dialogs->addStretch();
    grid->addLayout(dialogs, 7, 1);
    grid->setRowStretch(static_cast<int>(std::size(kHeadings)), 1);
    connect(m_dialogButton, &QPushButton::clicked, this, &KitGallery::openDialog);
    connect(m_messageButton, &QPushButton::clicked, this, &KitGallery::openMessage);
    connect(m_noticeButton, &QPushButton::clicked, this, &KitGallery::openNotice);

    retranslate();
    resize(qMax(Kit::px(780), sizeHint().width()), sizeHint().height());
}

XDialog* KitGallery::openDialog()
{
    auto* dialog = new XDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setTitle(tr("About dialogs"));
    auto* text =
        new QLabel(tr("This dialog has a drawn frame and a shadow.<br/>Drag it by its title."), dialog);
    text->setStyleSheet(QStringLiteral("color: #DCDCDC; background: transparent;"));
    // The text breaks where it says; wrapping would leave the height of a
    // narrower layout below it.
    dialog->contentLayout()->addWidget(text);
    auto* ok = new QPushButton(tr("OK"), dialog);
    ok->setStyleSheet(Kit::buttonStyle(false, 32));
    ok->setMinimumSize(Kit::size(110, 32));
    connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    dialog->contentLayout()->addWidget(ok, 0, Qt::AlignRight);
    dialog->setMinimumWidth(Kit::px(400));
    dialog->adjustSize();
    dialog->show();
    return dialog;
}

XMessageBox* KitGallery::openMessage()
{
    auto* box = new XMessageBox(tr("Delete the custom voice \"%1\"?").arg(QStringLiteral("Robot")),
                                {tr("Cancel"), tr("Delete")}, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTitle(tr("Delete"));
    box->show();
    return box;
}

XMessageBox* KitGallery::openNotice()
{
    return XMessageBox::notice(this, tr("Saved"));
}

void KitGallery::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    XFramelessWindow::changeEvent(event);
}

void KitGallery::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Kit::windowColor());
}

void KitGallery::retranslate()
{
    m_title->setText(tr("Widget gallery"));
    setWindowTitle(m_title->text());
    Kit::nameIconButton(m_close, tr("Close"));
    for (int i = 0; i < m_navigation.size(); ++i)
        m_navigation.at(i)->setText(tr(kNavigation[i][0]));
    for (int i = 0; i < m_headings.size(); ++i)
        m_headings.at(i)->setText(tr(kHeadings[i]));

    const QString switchNames[] = {tr("Hear myself"), tr("Apply voice changer"),
                                   tr("Enable all shortcut keys")};
    XSwitchButton* const switches[] = {m_switchOn, m_switchOff, m_switchDisabled};
    for (int i = 0; i < 3; ++i) {
        m_switchLabels.at(i)->setText(switchNames[i]);
        switches[i]->setAccessibleName(switchNames[i]);
    }
    m_devices->setAccessibleName(tr("Input device"));
    m_search->setLeadingIcon(QStringLiteral(":/images/search.png"), tr("Search"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setAccessibleName(tr("Search"));
    m_longLabel->setText(tr("A label too long for its room shows the whole text as a tooltip"));
    const QString levels[] = {tr("Level %1 %").arg(0), tr("Level %1 %").arg(50), tr("Level %1 %").arg(100)};
    for (int i = 0; i < m_peaks.size(); ++i)
        m_peaks.at(i)->setAccessibleName(levels[i]);
    m_progress->setAccessibleName(tr("Progress"));
    m_lowLatency->setText(tr("Low latency"));
    m_highQuality->setText(tr("High quality"));
    m_dialogButton->setText(tr("Open a dialog"));
    m_messageButton->setText(tr("Ask a question"));
    m_noticeButton->setText(tr("Show a notice"));
}
