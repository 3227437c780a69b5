#include "devicedetectiondialog.h"

#include "appmanager.h"
#include "audiomanager.h"
#include "audiopeakprogress.h"
#include "cutesettings.h"
#include "gatracker.h"
#include "kit.h"
#include "utility.h"
#include "webpages.h"
#include "xcombobox.h"
#include "ximagebox.h"
#include "xswitchbutton.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kCableMarker = "VB-Audio Virtual Cable";
const char* const kNoSoundMarker = "NoSound Driver";

void storeSetting(const QString& key, const QVariant& value)
{
    CuteSettings::instance()->setValue(key, value, CuteSettings::defaultScope(key));
}

QLabel* textLabel(const char* color, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
    label->setWordWrap(true);
    return label;
}

QSlider* volumeSlider(QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setCursor(Qt::PointingHandCursor);
    return slider;
}

QPushButton* refreshButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setIcon(QIcon(AppManager::imagePath(QStringLiteral("refresh.png"))));
    button->setIconSize(Kit::size(20, 20));
    button->setFixedSize(Kit::size(28, 28));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(Kit::iconButtonStyle());
    return button;
}

XImageBox* icon(const QString& name, QWidget* parent)
{
    auto* box = new XImageBox(parent);
    box->setImage(AppManager::imagePath(name));
    box->setFixedSize(Kit::size(20, 20));
    return box;
}

} // namespace

DeviceDetectionDialog::DeviceDetectionDialog(QWidget* parent) : XDialog(parent)
{
    setModal(true);
    m_stack = new QStackedWidget(this);
    contentLayout()->addWidget(m_stack);
    AudioManager* engine = AudioManager::instance();
    connect(engine, &AudioManager::deviceMeterValueChanger, this, &DeviceDetectionDialog::onMeters);
    connect(engine, &AudioManager::deviceVolumeChanger, this, &DeviceDetectionDialog::onVolumeChanged);
    connect(engine, &AudioManager::deviceStateChanger, this, [this](int deviceType, int state) {
        if (state == 1 || state == 2 || state == 4)
            QTimer::singleShot(kRefillDelayMs, this, [this, deviceType] { fillList(deviceType); });
    });
    connect(closeButton(), &QPushButton::clicked, this, [this] {
        GaTracker::instance()->track(QStringLiteral("DeviceTesting"), m_mode == 0
                                                                          ? QStringLiteral("Close_Set")
                                                                          : QStringLiteral("Close_Debug"));
    });
    setMode(0);
    GaTracker::instance()->track(QStringLiteral("DeviceTesting"), QStringLiteral("SetDevice"));
}

void DeviceDetectionDialog::buildPage()
{
    if (m_page) {
        m_stack->removeWidget(m_page);
        m_page->deleteLater();
    }
    m_page = new QWidget(m_stack);
    auto* layout = new QVBoxLayout(m_page);
    layout->setContentsMargins(Kit::px(10), 0, Kit::px(10), 0);
    layout->setSpacing(Kit::py(8));
    m_heading = textLabel("#FFFFFF", m_page);
    m_heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    m_subtitle = textLabel("#979797", m_page);
    m_subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_subtitle);
    m_hint = nullptr;
    if (m_mode == 1) {
        m_hint = textLabel("#DCDCDC", m_page);
        m_hint->setAlignment(Qt::AlignCenter);
        layout->addWidget(m_hint);
    }
    layout->addSpacing(Kit::py(6));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Kit::px(10));
    grid->setVerticalSpacing(Kit::py(8));
    const auto deviceRows = [this, grid](int row, const QString& image, QLabel*& label, XComboBox*& list,
                                         QPushButton*& refresh, QSlider*& volume, QLabel*& value,
                                         AudioPeakProgress*& level) {
        auto* head = new QHBoxLayout;
        head->setSpacing(Kit::px(6));
        head->addWidget(icon(image, m_page));
        label = textLabel("#DCDCDC", m_page);
        label->setWordWrap(false);
        head->addWidget(label);
        head->addStretch(1);
        grid->addLayout(head, row, 0);
        list = new XComboBox(m_page);
        list->setFixedWidth(Kit::px(300));
        grid->addWidget(list, row, 1);
        refresh = refreshButton(m_page);
        grid->addWidget(refresh, row, 2);
        volume = volumeSlider(m_page);
        grid->addWidget(volume, row + 1, 1);
        value = textLabel("#979797", m_page);
        value->setFixedWidth(Kit::px(30));
        grid->addWidget(value, row + 1, 2);
        level = new AudioPeakProgress(m_page);
        level->setFixedHeight(Kit::py(8));
        grid->addWidget(level, row + 2, 1);
    };
    deviceRows(0, QStringLiteral("microphone.png"), m_inputLabel, m_inputList, m_inputRefresh, m_inputVolume,
               m_inputValue, m_inputLevel);
    deviceRows(3, QStringLiteral("speaker.png"), m_outputLabel, m_outputList, m_outputRefresh, m_outputVolume,
               m_outputValue, m_outputLevel);
    m_denoiseLabel = textLabel("#DCDCDC", m_page);
    m_denoiseLabel->setWordWrap(false);
    grid->addWidget(m_denoiseLabel, 6, 0);
    auto* denoiseRow = new QHBoxLayout;
    denoiseRow->setSpacing(Kit::px(12));
    m_denoise = new XSwitchButton(m_page);
    m_denoise->setFixedSize(Kit::size(32, 18));
    denoiseRow->addWidget(m_denoise);
    m_denoiseSlider = volumeSlider(m_page);
    denoiseRow->addWidget(m_denoiseSlider, 1);
    grid->addLayout(denoiseRow, 6, 1);
    m_denoiseValue = textLabel("#979797", m_page);
    grid->addWidget(m_denoiseValue, 6, 2);
    layout->addLayout(grid);

    m_link = new QLabel(m_page);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    layout->addWidget(m_link);
    m_ok = new QPushButton(m_page);
    m_ok->setMinimumSize(Kit::size(160, 36));
    m_ok->setCursor(Qt::PointingHandCursor);
    m_ok->setStyleSheet(Kit::buttonStyle(true, 36));
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    m_stack->addWidget(m_page);
    m_stack->setCurrentWidget(m_page);

    AudioManager* engine = AudioManager::instance();
    connect(m_inputList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { onDeviceChosen(DeviceInput); });
    connect(m_outputList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { onDeviceChosen(DeviceOutput); });
    connect(m_inputRefresh, &QPushButton::clicked, this, [this] { fillList(DeviceInput); });
    connect(m_outputRefresh, &QPushButton::clicked, this, [this] { fillList(DeviceOutput); });
    connect(m_inputVolume, &QSlider::valueChanged, this, [this, engine](int value) {
        m_inputValue->setText(QString::number(value));
        const auto device = m_inputList->currentData().value<AudioDevice>();
        if (!device.name.isEmpty())
            engine->setDeviceVolume(device.name, value);
    });
    connect(m_outputVolume, &QSlider::valueChanged, this, [this, engine](int value) {
        m_outputValue->setText(QString::number(value));
        const auto device = m_outputList->currentData().value<AudioDevice>();
        if (!device.name.isEmpty())
            engine->setDeviceVolume(device.name, value);
    });
    connect(m_denoise, &XSwitchButton::stateChanged, this, [this, engine] {
        const bool on = m_denoise->isOn();
        m_denoiseSlider->setEnabled(on);
        engine->setDenoiseEnabled(on);
        storeSetting(QStringLiteral("DenoiseEnable"), on);
    });
    connect(m_denoiseSlider, &QSlider::valueChanged, this, [this, engine](int value) {
        m_denoiseValue->setText(QString::number(value));
        engine->setDenoiseValue(value);
        storeSetting(QStringLiteral("DenoiseValue"), value);
    });
    connect(m_link, &QLabel::linkActivated, this, &DeviceDetectionDialog::onLinkActivated);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        storeChoices();
        accept();
    });
}

void DeviceDetectionDialog::setMode(int mode)
{
    m_mode = mode;
    buildPage();
    m_ok->setEnabled(mode == 0);
    m_stack->setMinimumHeight(Kit::py(mode == 0 ? 300 : 353));
    retranslate();
    adjustSize();

    AudioManager* engine = AudioManager::instance();
    CuteSettings* settings = CuteSettings::instance();
    const bool denoise = settings->value(QStringLiteral("DenoiseEnable")).toBool();
    engine->setDenoiseEnabled(denoise);
    {
        const QSignalBlocker blockSlider(m_denoiseSlider);
        const QSignalBlocker blockSwitch(m_denoise);
        m_denoiseSlider->setValue(settings->value(QStringLiteral("DenoiseValue")).toInt());
        m_denoiseValue->setText(QString::number(m_denoiseSlider->value()));
        m_denoiseSlider->setEnabled(denoise);
        m_denoise->setOn(denoise);
    }
    fillList(DeviceInput);
    fillList(DeviceOutput);
}

void DeviceDetectionDialog::fillList(int deviceType)
{
    const bool input = deviceType == DeviceInput;
    XComboBox* list = input ? m_inputList : m_outputList;
    QSlider* volume = input ? m_inputVolume : m_outputVolume;
    QLabel* value = input ? m_inputValue : m_outputValue;
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility::instance()->audioDeviceList(inputs, outputs);

    const QSignalBlocker blockList(list);
    list->clear();
    for (const AudioDevice& device : input ? inputs : outputs) {
        if (device.name.contains(QLatin1String(kCableMarker)) ||
            (!input && device.name.contains(QLatin1String(kNoSoundMarker))))
            continue;
        list->addItem(device.name, QVariant::fromValue(device));
        // A name cut short in the list carries its whole self as the tooltip.
        if (list->elided(device.name, list->width() - Kit::px(40)) != device.name)
            list->setItemData(list->count() - 1, device.name, Qt::ToolTipRole);
    }
    const bool empty = list->count() == 0;
    volume->setEnabled(!empty);
    if (input) {
        m_denoise->setEnabled(!empty);
        m_denoiseSlider->setEnabled(!empty && m_denoise->isOn());
    }
    if (empty) {
        list->addItem(tr("No equipment"));
        value->clear();
        return;
    }
    const QString stored = CuteSettings::instance()
                               ->value(input ? QStringLiteral("InputName") : QStringLiteral("OutputName"))
                               .toString();
    int chosen = 0;
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemData(i).value<AudioDevice>().name.compare(stored, Qt::CaseInsensitive) == 0)
            chosen = i;
    }
    list->setCurrentIndex(chosen);
    list->setToolTip(list->itemData(chosen, Qt::ToolTipRole).toString());
    const AudioDevice device = list->currentData().value<AudioDevice>();
    AudioManager* engine = AudioManager::instance();
    if (device.name != (input ? engine->inputName() : engine->outputName())) {
        if (input)
            engine->setInputDevice(device);
        else
            engine->setOutputDevice(device);
    }
    const QSignalBlocker blockVolume(volume);
    volume->setValue(engine->volumePercent(device.name));
    value->setText(QString::number(volume->value()));
}

void DeviceDetectionDialog::onDeviceChosen(int deviceType)
{
    const bool input = deviceType == DeviceInput;
    XComboBox* list = input ? m_inputList : m_outputList;
    const AudioDevice device = list->currentData().value<AudioDevice>();
    list->setToolTip(list->currentData(Qt::ToolTipRole).toString());
    if (device.name.isEmpty())
        return;
    AudioManager* engine = AudioManager::instance();
    storeSetting(input ? QStringLiteral("InputName") : QStringLiteral("OutputName"), device.name);
    if (input)
        engine->setInputDevice(device);
    else
        engine->setOutputDevice(device);
    QSlider* volume = input ? m_inputVolume : m_outputVolume;
    const QSignalBlocker block(volume);
    volume->setValue(engine->volumePercent(device.name));
    (input ? m_inputValue : m_outputValue)->setText(QString::number(volume->value()));
}

void DeviceDetectionDialog::onMeters(int micValue, int spkValue)
{
    m_inputLevel->setValue(micValue);
    m_outputLevel->setValue(spkValue);
    if (m_mode == 1 && micValue > kLevelThreshold && spkValue > kLevelThreshold)
        m_ok->setEnabled(true);
}

void DeviceDetectionDialog::onVolumeChanged(int deviceType, const QString& deviceName, int value)
{
    const bool input = deviceType == DeviceInput;
    XComboBox* list = input ? m_inputList : m_outputList;
    QSlider* volume = input ? m_inputVolume : m_outputVolume;
    if (list->currentData().value<AudioDevice>().name != deviceName || volume->value() == value)
        return;
    const QSignalBlocker block(volume);
    volume->setValue(value);
    (input ? m_inputValue : m_outputValue)->setText(QString::number(value));
}

void DeviceDetectionDialog::storeChoices()
{
    const QString input = m_inputList->currentData().value<AudioDevice>().name;
    const QString output = m_outputList->currentData().value<AudioDevice>().name;
    if (!input.isEmpty())
        storeSetting(QStringLiteral("InputName"), input);
    if (!output.isEmpty())
        storeSetting(QStringLiteral("OutputName"), output);
}

void DeviceDetectionDialog::onLinkActivated()
{
    if (m_mode == 0) {
        GaTracker::instance()->track(QStringLiteral("DeviceTesting"), QStringLiteral("ClickDebug"));
        storeChoices();
        setMode(1);
    } else {
        GaTracker::instance()->track(QStringLiteral("DeviceTesting"), QStringLiteral("Cant't_hear"));
        WebPages::open(WebPages::Page::CantHear);
    }
}

void DeviceDetectionDialog::retranslate()
{
    setTitle(tr("Input/Output Device"));
    m_heading->setText(m_mode == 0 ? tr("Set up the microphone and speaker") : tr("Detecting..."));
    m_subtitle->setText(
        tr("Please configure your microphone and speakers to use Voice Changer without hassle"));
    if (m_hint)
        m_hint->setText(
            tr("Say something into the microphone to test whether your headset and microphone are set "
               "up properly"));
    const QString link = m_mode == 0
                             ? tr("<a style='color: %1;' href=\"none\">Can't hear the voice? Please click on "
                                  "Detect</a>")
                             : tr("<a style='color: %1;' href=\"none\">Can't hear the voice?</a>");
    m_link->setText(link.arg(Kit::accentColor().name()));
    m_ok->setText(m_mode == 0 ? tr("OK") : tr("Done"));
    m_inputLabel->setText(tr("Input volume:"));
    m_outputLabel->setText(tr("Output volume:"));
    m_denoiseLabel->setText(tr("Denoise:"));
    m_inputList->setAccessibleName(tr("Microphone"));
    m_outputList->setAccessibleName(tr("Speakers"));
    m_inputVolume->setAccessibleName(tr("Input volume:"));
    m_outputVolume->setAccessibleName(tr("Output volume:"));
    Kit::nameIconButton(m_inputRefresh, tr("Refresh the microphones"));
    Kit::nameIconButton(m_outputRefresh, tr("Refresh the speakers"));
    m_inputLevel->setAccessibleName(tr("Microphone level"));
    m_outputLevel->setAccessibleName(tr("Speaker level"));
    m_denoise->setAccessibleName(tr("Denoise:"));
    m_denoiseSlider->setAccessibleName(tr("Denoise strength"));
}

void DeviceDetectionDialog::changeEvent(QEvent* event)
{
    XDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_page)
        retranslate();
}
