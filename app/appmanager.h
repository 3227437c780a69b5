#pragma once

#include <QColor>
#include <QObject>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class QWidget;

// Font family and point sizes that go with a language.
struct FontEntry
{
    const char* family;
    int applicationSize;
    int largeSize;
    int mediumSize;
};

// The process identity, the shared look of all screens (fonts, theme colours,
// image paths) and the start-up and quit sequences.
class AppManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AppManager)

public:
    static constexpr int ThemeColorCount = 10;

    static AppManager* instance();

    // Organisation, domain, application name and version. Set before anything
    // reads settings or builds the single-instance key, which derive from them.
    static void applyProcessIdentity();

    // Identity, theme, fonts, logging, crash reporting, keeping the system awake.
    void initialize();
    // Qt's messages (and the audio library's error reports, which go through
    // them) reach the log file as well as the terminal. Once; initialize() calls it.
    static void installMessageHandler();

    // The end of start-up: logs the system line and hands it to crash reports.
    void finishStart();

    QString fontFamily() const;
    int applicationFontSize() const;
    int largeFontSize() const;
    int mediumFontSize() const;
    QColor color(int index) const;

    static QString imagePath(const QString& name);
    static FontEntry fontEntry(int language);
    // The installed families that stand in for the interface's named ones.
    static void registerFontSubstitutes();
    static QString systemDescription();

    // Applies the font of `language` when its family differs from the current one.
    void onLanguageChanged(int language);
    // Brings `window` to the front, restoring it when minimised.
    static void raiseWindow(QWidget* window);
    // Shows the current window in its normal state, centred, when it is minimised.
    static void restoreCurrentWindow();

    // Ends the process on SIGINT, SIGTERM and SIGHUP through the quit sequence.
    void quitOnSignals();
    // The orderly quit: persist, log "App quit", flush the log, end with code 0.
    [[noreturn]] void quit();

    // Asks the configured update server (UpdateServer) about the newest release;
    // updateChecked reports the answer. Without a server nothing is sent or reported.
    void checkForUpdate();
    // The same against the server at `serverBase` (scheme, host and port). A
    // name of its own keeps checkForUpdate unambiguous for signal connections.
    void checkForUpdateAt(const QString& serverBase);
    // Reads an update server's answer into `info`: 1 when it offers a newer
    // version, 0 when not, -1 (with `failure` set) when it is no document.
    static int readUpdateDocument(const QByteArray& body, QVariantMap* info, QString* failure);
    // The update document's address on the server at `serverBase`.
    static QUrl updateUrl(const QString& serverBase);
    // Compares dotted versions part by part as numbers, the shorter one padded
    // with zeros; a part that is not a number counts as 0. 1 when `a` is newer,
    // -1 when older, 0 when equal.
    static int compareVersions(const QString& a, const QString& b);

signals:
    // The quit sequence has released the engine; listeners put away what
    // they own (hotkeys, stores, the tray icon). The process ends right after.
    void quitting();
    // The answer of an update check: the update document's members plus
    // "CheckResult" (1 newer than this program, 0 not newer, -1 failed).
    // `showDialog` asks to open the update dialog; otherwise only an open one
    // takes the result.
    void updateChecked(const QVariantMap& info, bool showDialog);
    // Why a check failed; sent just before its updateChecked.
    void updateCheckFailed(const QString& reason);

private:
    AppManager();
    ~AppManager() override;

    struct Private;
    std::unique_ptr<Private> d;
};
