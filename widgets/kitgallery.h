#pragma once

#include "xframelesswindow.h"

class AudioPeakProgress;
class XComboBox;
class XDialog;
class XLabel;
class XLineEdit;
class XMessageBox;
class XProgressBar;
class XSwitchButton;
class NavigationButton;
class QLabel;
class QPushButton;
class QRadioButton;

// Every widget of the kit in each of its states, in one frameless window: for
// looking at the kit in every language and scale, and for reading it through
// the accessibility tree.
class KitGallery : public XFramelessWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(KitGallery)

public:
    explicit KitGallery(QWidget* parent = nullptr);

    // The gallery's dialogs, opened without waiting.
    XDialog* openDialog();
    XMessageBox* openMessage();
    XMessageBox* openNotice();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    QLabel* m_title = nullptr;
    QPushButton* m_close = nullptr;
    QList<NavigationButton*> m_navigation;
    QList<QLabel*> m_headings;
    XSwitchButton* m_switchOn = nullptr;
    XSwitchButton* m_switchOff = nullptr;
    XSwitchButton* m_switchDisabled = nullptr;
    QList<QLabel*> m_switchLabels;
    XComboBox* m_devices = nullptr;
    XLineEdit* m_search = nullptr;
    XLabel* m_longLabel = nullptr;
    QList<AudioPeakProgress*> m_peaks;
    XProgressBar* m_progress = nullptr;
    QRadioButton* m_lowLatency = nullptr;
    QRadioButton* m_highQuality = nullptr;
    QPushButton* m_dialogButton = nullptr;
    QPushButton* m_messageButton = nullptr;
    QPushButton* m_noticeButton = nullptr;
};
