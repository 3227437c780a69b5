#pragma once

#include "xframelesswindow.h"

#include <memory>

class MainTitleBar;
class MainNavigationBar;
class MainToolBar;
class ModuleLayout;
class QSystemTrayIcon;

// The program's one main window: title bar, navigation, the module area, the
// tool bar with the engine's switches, and the tray icon. Closing asks
// whether to exit or to minimise to the tray.
class MainWindow : public XFramelessWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainTitleBar* titleBar() const;
    MainNavigationBar* navigationBar() const;
    MainToolBar* toolBar() const;
    ModuleLayout* moduleLayout() const;
    QSystemTrayIcon* trayIcon() const;

    // The last step of start-up: reports progress 100, after which the
    // splash closes and finished() shows this window.
    void reportReady();

    // How the first show goes: in the tray instead of on screen (when the
    // desktop has a tray), and on the soundboard. Set before start-up ends.
    void setStartMinimized(bool minimized);
    void setStartOnSoundboard(bool soundboard);

public slots:
    // Shows the window, then starts the engine and the hotkeys; the welcome
    // page on the first start, a silent update check 5 s later.
    void onLaunchFinished();
    // Says that a file of the user's (or several, ", "-separated) cannot be saved, and why.
    void tellSaveFailed(const QString& path, const QString& reason);
    // Back from the tray or from minimised.
    void restoreFromTray();
    // The window on screen with the soundboard open.
    void showSoundboard();
    // The orderly end: engine, hotkeys, stores, tray, log; never returns.
    void quitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTray();
    void retranslateTray();
    // The message of a failed resource check at start, once, over the shown window.
    void showResourceMessage();
    // Tells each failed save that the shown window has not told yet.
    void tellSaveFailures();

    struct Private;
    std::unique_ptr<Private> d;
};
