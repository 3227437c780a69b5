#pragma once

// The audio engine: the one audio object of the application. It owns the
// microphone capture, the noise gates, the voice player (which runs the
// voice through the effect on a real-time thread of its own, to both
// outputs), and the two soundboard players, and reports device events and
// levels by signals.

#include "audiodevice.h"
#include "effectdata.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class AudioCapturePulse;
class AudioMulitPlayback;
class AudioPlayback;
class EffectPlugins;
class NoiseGates;

class AudioManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioManager)

public:
    static AudioManager* instance();

    // Where the engine reads its settings ("InputName", "OutputName",
    // "DenoiseEnable", "DenoiseValue") and finds its resources folder. Set by
    // the executable before start(); without a reader every key has its default.
    using SettingReader = std::function<QVariant(const QString& key, const QVariant& defaultValue)>;
    void setSettingReader(SettingReader reader);
    void setResourcesPath(const QString& path);
    QString resourcesPath() const;

    void start();
    void release();

    QString inputName() const;
    QString outputName() const;
    void setInputDevice(const AudioDevice& device);
    void setOutputDevice(const AudioDevice& device);
    // Points the voice's and the sounds' cable players at the virtual cable
    // as the device lists show it now (after it was installed again); false
    // when there is no cable.
    bool attachVirtualCable();

    int peakPercent(const QString& deviceName);
    int volumePercent(const QString& deviceName);
    void setDeviceVolume(const QString& deviceName, int percent);

    void setHearMyself(bool on);
    bool hearMyself() const;
    void setEffectsEnabled(bool on);
    bool effectsEnabled() const;
    void setDenoiseEnabled(bool on);
    bool denoiseEnabled() const;
    void setDenoiseValue(int percent);
    void setVoiceSuspended(bool suspended);
    bool isVoiceSuspended() const;

    void applyEffect(const EffectData::VoiceEffect& effect);
    void setEffectParam(const EffectData::PluginParam& param, int sliderValue);
    // A slider's parameter in its unit: as the effect's plug-in of that type
    // shows its current value, or from the built-in units' table for
    // `sliderValue`; empty when neither gives a unit.
    QString effectParamText(const EffectData::PluginParam& param, int sliderValue) const;
    // What the applied effect's units and plug-ins add to the voice's way, in ms.
    double effectLatencyMs() const;

    void loadSound(int soundId, const QString& path);
    void removeSound(int soundId);
    void playSound(int soundId);
    bool replaySound(int soundId);
    void pauseSound(int soundId);
    void stopSound(int soundId);
    void stopAllSounds();
    bool isSoundPlaying(int soundId) const;
    bool isSoundPaused(int soundId) const;
    void setSoundLoop(int soundId, bool loop);
    void setSoundMute(int soundId, bool mute);
    void setBlockOthers(int soundId, bool block);
    void setSoundVolume(int soundId, float volume);
    void setMultiPlay(bool multiPlay);
    // Whether the soundboard can play a file; `error` says why not.
    static bool canPlaySound(const QString& path, QString* error = nullptr);

    // The components, for the command line, tests and benchmarks; null
    // before start().
    AudioCapturePulse* capture() const;
    AudioPlayback* voicePlayer() const;
    AudioMulitPlayback* outputSoundboard() const;
    AudioMulitPlayback* virtualSoundboard() const;
    EffectPlugins* effectPlugins() const;
    NoiseGates* noiseGates() const;
    int sampleRate() const;
    QString previousDefaultInput() const;

signals:
    void deviceReady();
    void deviceDetection();
    void uninstallVirtual();
    void deviceDisconnect(QString deviceName);
    void deviceMeterValueChanger(int micValue, int spkValue);
    void deviceVolumeChanger(int deviceType, QString deviceName, int valume);
    void deviceStateChanger(int deviceType, int state);
    void playProgress(int soundId, int value);
    void playFinished(int soundId);

private:
    AudioManager();
    ~AudioManager() override;

    struct Private;
    std::unique_ptr<Private> d;
};
