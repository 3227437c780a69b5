#pragma once

#include "xframelesswindow.h"

class QLabel;
class XProgressBar;

// The splash window: logo, name, a "Loading..." line with the percentage and
// a thin progress bar, shown while the launch steps run behind it.
class Launcher : public XFramelessWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(Launcher)

public:
    explicit Launcher(QWidget* parent = nullptr);

    // How long each progress value stays on screen, and how long the splash
    // stays after 100.
    static constexpr int kStepMs = 100;
    static constexpr int kEndMs = 1000;

    QString statusText() const;
    int progress() const;

public slots:
    // Shows the window and runs the launch steps, in order, on LaunchManager.
    void start();

private slots:
    void onStepValueChange(int value);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_title;
    QLabel* m_status;
    XProgressBar* m_progress;
};
