#pragma once

#include "resourcesync.h"

#include <QObject>

#include <QString>
#include <QStringList>
#include <functional>

#include <memory>

// The launch steps that run behind the splash window, one after another on
// the GUI thread, and their progress.
class LaunchManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LaunchManager)

public:
    static LaunchManager* instance();

    // A manager of its own (tests, tools); the program uses instance().
    explicit LaunchManager(QObject* parent = nullptr);
    ~LaunchManager() override;

    // Makes sure the virtual cable has both sides: when one is missing (or
    // always, with `reinstall`: out and in again), loads it and puts the
    // user's default recording and playback devices back afterwards. Ends
    // with progress 4 whatever happened. `progress` hears each step's
    // percentage; cableError() tells what went wrong, empty when nothing did.
    void installVirtualDriver(bool reinstall = false, const std::function<void(int percent)>& progress = {});
    QString cableError() const;

    // The catalogue loads at the end of start-up, from the resources folder:
    // the effect catalogue and its slider labels (progress 90), the sound
    // catalogue with the user's sound stores (92), then the user's effect
    // stores (94). Missing or broken files leave their part empty.
    void loadCatalogues();

    // The resource check of start-up: fetches the manifest from the resource
    // server, compares every listed file with the resources folder by MD5 and
    // downloads what is stale or missing (missing plug-ins, presets and
    // sounds wait for on-demand requests). Progress 6 to 90. Without a
    // configured server the check is skipped with one log line.
    void checkResources();

    // An on-demand request: downloads the pending files whose paths contain
    // one of `names` (paths relative to the resources folder) and emits
    // downloadFilesFinished. A request made while one is served waits in a
    // queue and is served after it.
    void downloadFiles(const QStringList& names, int groupId, int itemId, int type);

    // Overrides of the configured resource server and of the resources
    // folder (the command line, tests).
    void setResourceServer(const QString& server);
    void setResourcesPath(const QString& path);
    QString resourcesPath() const;

    bool isManifestLoaded() const;
    // Whether the start-up check or one of its downloads failed.
    bool hasResourceFailure() const;
    QHash<int, QList<ResourceSync::Record>> records() const;
    QList<ResourceSync::Item> pendingItems() const;

    static constexpr int kManifestTimeoutMs = 5000;
    static constexpr int kFileTimeoutMs = 30000;
    static constexpr int kAttempts = 3;

    // How long the step waits after loading before it restores the defaults:
    // a session manager may move the defaults to a new device a moment later.
    static constexpr int kSettleMs = 1000;

signals:
    void stepValueChange(int value);
    void finished();
    void downloadFilesFinished(bool result, int groupId, int itemId, int type);
    // The resource-failure dialog is wanted (the dialog router shows it).
    void resourcesInitFailed();

private:
    void downloadPending();
    bool downloadWithRetries(const ResourceSync::Item& item);
    QString hashOf(const QString& path);

    struct Private;
    std::unique_ptr<Private> d;
};
