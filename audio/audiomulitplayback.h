#pragma once

// The soundboard player: sound files by id in one library system on one
// device. The engine owns two (the output device and the virtual cable) and
// gives every command to both. Progress and ends are reported through the
// engine's signals playProgress and playFinished.

#include "zaudio/zaudio.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

class AudioMulitPlayback : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioMulitPlayback)

public:
    // `output` chooses the library's output; tests use NoSound or Offline.
    explicit AudioMulitPlayback(QObject* parent = nullptr,
                                zaudio::OutputType output = zaudio::OutputType::Pulse);
    ~AudioMulitPlayback() override;

    void init(int driver);
    void setDriver(int id);
    // Plays to driver `id` from now on, like setDriver, but opens its stream
    // anew only if the server plays it elsewhere (after a restart, PipeWire's
    // session manager may link a stream to the default device).
    void confirmDriver(int id);

    void loadSound(int soundId, const QString& path);
    void removeSound(int soundId);
    void playSound(int soundId);
    bool replaySound(int soundId);
    void pauseSound(int soundId);
    void stopSound(int soundId);
    void stopAllSounds();
    // True when its channel plays audibly: not paused, not ended, not marked paused.
    bool isSoundPlaying(int soundId) const;
    // True when it is loaded and its channel is paused or marked paused (also once it ended).
    bool isSoundPaused(int soundId) const;
    void setSoundLoop(int soundId, bool loop);
    void setSoundMute(int soundId, bool mute);
    void setBlockOthers(int soundId, bool block);
    void setSoundVolume(int soundId, float volume);
    void setMultiPlay(bool multiPlay);

    // For tests and diagnostics.
    zaudio::System system() const { return m_system; }
    // The safety limiter at the end of the mix: a volume of 2.0 or several
    // loud sounds at once come out lowered, not clipped.
    zaudio::DSP outputLimiter() const { return m_limiter; }
    zaudio::Channel channel(int soundId) const { return m_channels.value(soundId); }
    bool isMutedByUser(int soundId) const { return m_mutedFlags.value(soundId, false); }
    bool pausedFlag(int soundId) const { return m_pausedFlags.value(soundId, false); }
    int driver() const { return m_driver; }
    // The 50 ms poll: progress and end detection (also called by the timer).
    void poll();

private:
    // Unless multiPlay: stops every other sound and reports it finished.
    void stopOthers(int soundId);

    zaudio::OutputType m_output;
    zaudio::System m_system;
    zaudio::DSP m_limiter;
    QMap<int, zaudio::Channel> m_channels;
    QMap<int, zaudio::Sound> m_sounds;
    QMap<int, bool> m_pausedFlags;
    QMap<int, bool> m_mutedFlags;
    int m_driver = 0;
    bool m_multiPlay = false;
    QTimer m_pollTimer;
};
