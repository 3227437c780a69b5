#pragma once

#include "xdialog.h"

#include <QVariantMap>

class QLabel;
class QMovie;
class QPushButton;
class QRadioButton;
class QSlider;
class QTextBrowser;

// Asks what closing the main window means: exit (1) or minimise to the tray (2).
class QuitDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(QuitDialog)

public:
    // Without a system tray only "Exit" is offered.
    explicit QuitDialog(bool trayAvailable, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_heading;
    QRadioButton* m_minimize;
    QRadioButton* m_exit;
    QPushButton* m_ok;
};

// The speakers' volume: a slider in a small pop-up that closes on a press
// outside it.
class VolumeAdjustDailog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(VolumeAdjustDailog)

public:
    // `anchor` is the global point the pop-up stands above (the middle of
    // the top edge of the button that opened it).
    VolumeAdjustDailog(const QString& deviceName, const QPoint& anchor, QWidget* parent = nullptr);
    QSlider* slider() const { return m_slider; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSlider* m_slider;
    QLabel* m_value;
};

// The program's logo, name, version and licence.
class AboutDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutDialog)

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_name;
    QLabel* m_version;
    QLabel* m_licence;
};

// Waits for the answer of an update check and shows it.
class UpgradeDialog : public XDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(UpgradeDialog)

public:
    explicit UpgradeDialog(QWidget* parent = nullptr);
    // The update information: the update document's members and "CheckResult".
    void setResult(const QVariantMap& info);

    QString status() const;
    QString information() const;
    QString downloadUrl() const { return m_url; }
    bool isLoading() const;
    QPushButton* updateButton() const { return m_update; }
    QPushButton* laterButton() const { return m_later; }

    // "2024-05-20" → "05-20.2024".
    static QString displayDate(const QString& releaseDate);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showDetails(bool shown);

    QLabel* m_name;
    QLabel* m_status;
    QLabel* m_information;
    QLabel* m_loading;
    QMovie* m_movie;
    QTextBrowser* m_notes;
    QPushButton* m_later;
    QPushButton* m_update;
    QVariantMap m_info;
    QString m_url;
    int m_state = -2; // -2 waiting, else the CheckResult shown
};
