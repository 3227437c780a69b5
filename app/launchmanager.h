#pragma once

#include <QObject>
#include <QString>

#include <memory>

// The launch steps that run behind the splash window, one after another on
// the GUI thread, and their progress.
class LaunchManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LaunchManager)

public:
    static LaunchManager* instance();

    // Makes sure the virtual cable has both sides: when one is missing, loads
    // it and puts the user's default recording and playback devices back
    // afterwards. Ends with progress 4 whatever happened.
    void installVirtualDriver();

    // The catalogue loads at the end of start-up, from the resources folder:
    // the effect catalogue and its slider labels (progress 90), the sound
    // catalogue with the user's sound stores (92), then the user's effect
    // stores (94). Missing or broken files leave their part empty.
    void loadCatalogues();

    // How long the step waits after loading before it restores the defaults:
    // a session manager may move the defaults to a new device a moment later.
    static constexpr int kSettleMs = 1000;

signals:
    void stepValueChange(int value);
    void finished();

private:
    LaunchManager();
    ~LaunchManager() override;
};
