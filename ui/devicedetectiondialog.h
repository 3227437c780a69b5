#pragma once

#include "audiodevice.h"
#include "xdialog.h"

class AudioPeakProgress;
class QLabel;
class QPushButton;
class QSlider;
class QStackedWidget;
class XComboBox;
class XSwitchButton;

// Picks the microphone and the speakers (never the virtual cable), sets
// their system volumes and the noise suppression, and in detection mode
// waits until the voice is seen on both before "Done" can be pressed.
class DeviceDetectionDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(DeviceDetectionDialog)

public:
    static constexpr int kRefillDelayMs = 1000;
    static constexpr int kLevelThreshold = 5;

    explicit DeviceDetectionDialog(QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    // 0 set-up, 1 detection: the page of the mode is built anew.
    void setMode(int mode);
    // Fills the input (deviceType 1) or output (0) list from the server's devices.
    void fillList(int deviceType);

    XComboBox* inputList() const { return m_inputList; }
    XComboBox* outputList() const { return m_outputList; }
    QSlider* inputVolume() const { return m_inputVolume; }
    QSlider* outputVolume() const { return m_outputVolume; }
    AudioPeakProgress* inputLevel() const { return m_inputLevel; }
    AudioPeakProgress* outputLevel() const { return m_outputLevel; }
    XSwitchButton* denoiseSwitch() const { return m_denoise; }
    QSlider* denoiseSlider() const { return m_denoiseSlider; }
    QLabel* linkLabel() const { return m_link; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildPage();
    void retranslate();
    void onDeviceChosen(int deviceType);
    void onMeters(int micValue, int spkValue);
    void onVolumeChanged(int deviceType, const QString& deviceName, int value);
    void onLinkActivated();
    void storeChoices();

    int m_mode = -1;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_page = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_subtitle = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_inputLabel = nullptr;
    XComboBox* m_inputList = nullptr;
    QPushButton* m_inputRefresh = nullptr;
    QSlider* m_inputVolume = nullptr;
    QLabel* m_inputValue = nullptr;
    AudioPeakProgress* m_inputLevel = nullptr;
    QLabel* m_outputLabel = nullptr;
    XComboBox* m_outputList = nullptr;
    QPushButton* m_outputRefresh = nullptr;
    QSlider* m_outputVolume = nullptr;
    QLabel* m_outputValue = nullptr;
    AudioPeakProgress* m_outputLevel = nullptr;
    QLabel* m_denoiseLabel = nullptr;
    XSwitchButton* m_denoise = nullptr;
    QSlider* m_denoiseSlider = nullptr;
    QLabel* m_denoiseValue = nullptr;
    QLabel* m_link = nullptr;
    QPushButton* m_ok = nullptr;
};
