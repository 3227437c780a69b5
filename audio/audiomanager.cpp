#include "audiomanager.h"

#include "audiocapturepulse.h"
#include "audiomulitplayback.h"
#include "audioplayback.h"
#include "effectplugins.h"
#include "noisegates.h"
#include "spdlog_qt"
#include "unitlabels.h"
#include "utility.h"
#include "virtualcable.h"
#include "vstplugin.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <utility>

#include <cmath>

namespace {

constexpr int kMeterIntervalMs = 10;
// How often the voice's and the soundboard's underrun counters are checked;
// a change is logged (long runs are judged by these lines).
constexpr int kHealthIntervalMs = 10000;

// The server keeps volumes in steps of its own (40 % reads 0.39999): rounded,
// a slider set to 40 stays at 40.
int volumeToPercent(float volume)
{
    return static_cast<int>(std::lround(volume * 100.0f));
}
constexpr int kDeviceDetectionMs = 1500;
// A sound server that restarts is back within this: until then the devices it
// took along are not reported to the user as unplugged.
constexpr int kServerGraceMs = 5000;
// A restarted server adds its devices in a burst; this long after the last,
// it is taken as complete.
constexpr int kSettleAfterRestartMs = 1000;
constexpr int kUninstallVirtualMs = 2000;

} // namespace

struct AudioManager::Private
{
    AudioManager* owner = nullptr;
    AudioCapturePulse* capture = nullptr;
    AudioPlayback* voicePlayer = nullptr;
    NoiseGates* gates = nullptr;
    AudioMulitPlayback* outputSoundboard = nullptr;
    AudioMulitPlayback* virtualSoundboard = nullptr;
    int sampleRate = AudioCapturePulse::kSampleRate;
    QString previousDefaultInput;
    bool cableMissing = false;   // reported by uninstallVirtual, until the cable is attached again
    bool serverDown = false;     // between the server going away and its return
    QStringList heldDisconnects; // devices that went with the server, reported if it stays away
    QTimer* graceTimer = nullptr;
    QTimer* settleTimer = nullptr; // runs while a restarted server still adds its devices
    QElapsedTimer restoreClock;
    QString attachedOutput; // where the voice plays again since the restart
    QString attachedCable;
    QString inputName;
    QString outputName;
    bool voiceSuspended = false;
    bool hearMyself = true;
    bool effectsEnabled = true;
    QTimer* meterTimer = nullptr;
    QTimer* healthTimer = nullptr;
    std::uint64_t lastHealth = 0; // the sum of the counters last logged
    SettingReader settings;
    QString resources;

    QVariant setting(const QString& key, const QVariant& defaultValue) const
    {
        return settings ? settings(key, defaultValue) : defaultValue;
    }
    // A catalogue path is relative to the resources folder; the command line
    // gives absolute ones.
    QString resourceFile(const QString& path) const
    {
        return QDir::isAbsolutePath(path) ? path : resources + QLatin1Char('/') + path;
    }
    void pollMeters();
    void logUnderruns();
    // The server restarted: the cable's modules, the voice's connection and
    // streams and both soundboards are made again; capture then resumes by itself.
    void restoreAfterRestart();
    // Opens the voice and the soundboards on their devices as these appear
    // after a restart; `settled`: no more are coming, fall back where needed.
    void reattach(bool settled);
    // The voice and the soundboard's cable player go to the cable's playback side.
    void playOnCable(const AudioDevice& cable)
    {
        voicePlayer->setVirtualDevice(cable.name);
        if (virtualSoundboard)
            virtualSoundboard->setDriver(cable.id);
    }
    // The effect the voice runs now (the latest applied); null before start().
    VoiceChain::Effect* effect() const { return voicePlayer ? voicePlayer->chain()->latest() : nullptr; }
};

AudioManager* AudioManager::instance()
{
    static AudioManager* manager = new AudioManager;
    return manager;
}

AudioManager::AudioManager() : d(std::make_unique<Private>())
{
    d->owner = this;
    d->meterTimer = new QTimer(this);
    d->meterTimer->setInterval(kMeterIntervalMs);
    connect(d->meterTimer, &QTimer::timeout, this, [this] { d->pollMeters(); });
    d->healthTimer = new QTimer(this);
    d->healthTimer->setInterval(kHealthIntervalMs);
    connect(d->healthTimer, &QTimer::timeout, this, [this] { d->logUnderruns(); });
    d->settleTimer = new QTimer(this);
    d->settleTimer->setSingleShot(true);
    d->settleTimer->setInterval(kSettleAfterRestartMs);
    connect(d->settleTimer, &QTimer::timeout, this, [this] { d->reattach(true); });
    d->graceTimer = new QTimer(this);
    d->graceTimer->setSingleShot(true);
    d->graceTimer->setInterval(kServerGraceMs);
    connect(d->graceTimer, &QTimer::timeout, this, [this] {
        if (!d->serverDown)
            return;
        LogError("[Audio] the sound server has not come back");
        const QStringList names = std::exchange(d->heldDisconnects, {});
        for (const QString& name : names)
            emit deviceDisconnect(name);
        if (!d->cableMissing) {
            d->cableMissing = true;
            emit uninstallVirtual();
        }
    });
}

AudioManager::~AudioManager() = default;

void AudioManager::setSettingReader(SettingReader reader)
{
    d->settings = std::move(reader);
}

void AudioManager::setResourcesPath(const QString& path)
{
    d->resources = path;
}

QString AudioManager::resourcesPath() const
{
    return d->resources;
}

void AudioManager::start()
{
    if (!d->gates)
        d->gates = new NoiseGates(this);
    d->gates->load(d->resources, d->sampleRate, d->setting(QStringLiteral("DenoiseEnable"), false).toBool(),
                   d->setting(QStringLiteral("DenoiseValue"), 25).toInt());
    if (d->capture || d->voicePlayer)
        return;

    const QString configuredInput = d->setting(QStringLiteral("InputName"), QString()).toString();
    const QString configuredOutput = d->setting(QStringLiteral("OutputName"), QString()).toString();
    LogInfo(
        QStringLiteral("[config] (InputName: %1, OutputName: %2)").arg(configuredInput, configuredOutput));

    // The capture always delivers 48000 Hz (the server converts), so the
    // plug-ins keep that rate whatever the device's own rate is.
    Utility* utility = Utility::instance();
    const DeviceSelection::Choice input = utility->chooseDevice(0, configuredInput, configuredOutput);
    d->previousDefaultInput = input.previousDefault;
    const DeviceSelection::Choice output = utility->chooseDevice(1, configuredInput, configuredOutput);
    const DeviceSelection::Choice virtualOutput = utility->chooseDevice(2, configuredInput, configuredOutput);

    if (configuredInput != input.device.name || configuredOutput != output.device.name)
        QTimer::singleShot(kDeviceDetectionMs, this, &AudioManager::deviceDetection);
    if (virtualOutput.device.name.isEmpty()) {
        d->cableMissing = true;
        QTimer::singleShot(kUninstallVirtualMs, this, &AudioManager::uninstallVirtual);
    }

    d->voicePlayer = new AudioPlayback(this);
    d->voicePlayer->chain()->setGates(d->gates);
    d->voicePlayer->pauseVoice(!d->hearMyself);
    d->voicePlayer->setSuspended(d->voiceSuspended);
    d->voicePlayer->chain()->setEffectsEnabled(d->effectsEnabled);
    d->voicePlayer->init(output.device.name, virtualOutput.device.name);
    d->outputName = output.device.name;

    // The microphone's fragments go straight to the voice player on its own thread.
    // (In PipeWire's graph the player's node links the microphone itself.)
    d->capture = new AudioCapturePulse(this);
    AudioPlayback* player = d->voicePlayer;
    if (player->isNative()) {
        d->capture->setRouter([player](const QByteArray& source) { player->setInputSource(source); });
    } else {
        d->capture->setBlockHandler(
            player->session(),
            [player](const float* samples, int count, int channels) {
                player->handleCapture(samples, count, channels);
            },
            AudioPlayback::kMaxBacklogFrames);
    }
    d->capture->startCapture(input.device.name);
    d->inputName = input.device.name;
    connect(d->capture->notifier(), &DeviceNotifier::deviceDisconnect, this, [this](const QString& name) {
        if (d->serverDown)
            d->heldDisconnects.append(name);
        else
            emit deviceDisconnect(name);
    });
    connect(d->capture, &AudioCapturePulse::serverLost, this, [this] {
        LogInfo("[Audio] the sound server went away; waiting for it to come back");
        d->serverDown = true;
        d->heldDisconnects.clear();
        d->graceTimer->start();
    });
    connect(d->capture, &AudioCapturePulse::serverBack, this, [this] { d->restoreAfterRestart(); });
    connect(d->capture->notifier(), &DeviceNotifier::deviceStateChanger, this, [this](int, int state) {
        if (state != 1 || !d->settleTimer->isActive())
            return;
        d->reattach(false);
        d->settleTimer->start();
    });
    connect(d->capture->notifier(), &DeviceNotifier::deviceStateChanger, this,
            &AudioManager::deviceStateChanger);
    // A cable taken away while running is reported once, as at start-up.
    connect(d->capture->notifier(), &DeviceNotifier::deviceStateChanger, this, [this](int, int state) {
        if (state != 4 || d->cableMissing || d->serverDown)
            return;
        QList<AudioDevice> inputs;
        QList<AudioDevice> outputs;
        Utility::instance()->audioDeviceList(inputs, outputs);
        if (VirtualCable::status(inputs, outputs).complete())
            return;
        LogInfo(QStringLiteral("[AudioDevice] the virtual cable is gone"));
        d->cableMissing = true;
        emit uninstallVirtual();
    });

    d->outputSoundboard = new AudioMulitPlayback(this);
    d->outputSoundboard->init(output.device.id);
    d->virtualSoundboard = new AudioMulitPlayback(this);
    d->virtualSoundboard->init(virtualOutput.device.id);

    emit deviceReady();
    d->meterTimer->start();
    d->healthTimer->start();
}

void AudioManager::Private::restoreAfterRestart()
{
    const bool wasDown = serverDown;
    serverDown = false;
    graceTimer->stop();
    heldDisconnects.clear();
    if (!voicePlayer)
        return;
    restoreClock.start();
    // The cable's sides were modules of the old server. When the cable was
    // missing before, or the wait for the server ran out, the user decides.
    if (wasDown && !cableMissing) {
        QString error;
        if (!VirtualCable::load(&error))
            LogError(QStringLiteral("[Audio] cannot make the virtual cable again: %1").arg(error));
    }
    // The connection first, at once: capture resumes on it as soon as the
    // microphone is back. The outputs follow their devices, which a server
    // that has just started may still be adding.
    attachedOutput.clear();
    attachedCable.clear();
    voicePlayer->reconnect();
    reattach(false);
    settleTimer->start();
}

void AudioManager::Private::reattach(bool settled)
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    Utility* utility = Utility::instance();
    utility->audioDeviceList(inputs, outputs);
    const auto named = [&outputs](const QString& name) {
        for (const AudioDevice& device : qAsConst(outputs)) {
            if (device.name == name)
                return device;
        }
        return AudioDevice();
    };
    if (attachedOutput.isEmpty()) {
        // The device in use before; once the server has settled without it,
        // the one the usual choice gives.
        AudioDevice device = named(outputName);
        if (device.name.isEmpty() && settled)
            device = utility->chooseDevice(1, inputName, outputName).device;
        if (!device.name.isEmpty()) {
            attachedOutput = device.name;
            owner->setOutputDevice(device);
        }
    }
    if (attachedCable.isEmpty() && !cableMissing) {
        const AudioDevice cable = named(QString::fromLatin1(VirtualCable::kPlaybackDescription));
        if (!cable.name.isEmpty()) {
            attachedCable = cable.name;
            playOnCable(cable);
        }
    }
    if (!settled)
        return;
    // A soundboard stream opened while a restarted PipeWire's session manager
    // was still starting may have been linked to the default device.
    const auto confirm = [&named](AudioMulitPlayback* soundboard, const QString& name) {
        const AudioDevice device = named(name);
        if (soundboard && !device.name.isEmpty())
            soundboard->confirmDriver(device.id);
    };
    confirm(outputSoundboard, attachedOutput);
    confirm(virtualSoundboard, attachedCable);
    // Other programs are offered the cable as their microphone again, as at start-up.
    if (!attachedCable.isEmpty())
        utility->chooseDevice(0, inputName, outputName);
    LogInfo(QStringLiteral("[Audio] after the server's restart the voice plays to %1 and %2; settled %3 ms "
                           "after the server answered")
                .arg(attachedOutput.isEmpty() ? QStringLiteral("no output") : attachedOutput,
                     attachedCable.isEmpty() ? QStringLiteral("no cable") : attachedCable)
                .arg(restoreClock.elapsed()));
}

void AudioManager::release()
{
    // The voice thread stops before the gates it runs go.
    if (d->capture)
        d->capture->stopCapture();
    if (d->gates)
        d->gates->release();
    if (!d->previousDefaultInput.isEmpty())
        Utility::instance()->setDefaultDevice(d->previousDefaultInput);
}

QString AudioManager::inputName() const
{
    return d->inputName;
}

QString AudioManager::outputName() const
{
    return d->outputName;
}

void AudioManager::setInputDevice(const AudioDevice& device)
{
    if (!d->capture || !d->voicePlayer)
        return;
    d->inputName = device.name;
    d->capture->switchDevice(device.name);
    d->voicePlayer->flush();
}

void AudioManager::setOutputDevice(const AudioDevice& device)
{
    if (!d->voicePlayer)
        return;
    d->outputName = device.name;
    d->voicePlayer->setOutputDevice(device.name);
    if (d->outputSoundboard)
        d->outputSoundboard->setDriver(device.id);
}

bool AudioManager::attachVirtualCable()
{
    if (!d->voicePlayer)
        return false;
    const DeviceSelection::Choice cable = Utility::instance()->chooseDevice(2, d->inputName, d->outputName);
    if (cable.device.name.isEmpty())
        return false;
    d->cableMissing = false;
    // The input's choice makes the cable's recording side the default
    // recording device again, as at start-up; the capture stays as it is.
    Utility::instance()->chooseDevice(0, d->inputName, d->outputName);
    d->playOnCable(cable.device);
    LogInfo(QStringLiteral("[AudioDevice] voice and sounds go to %1 again").arg(cable.device.name));
    return true;
}

int AudioManager::peakPercent(const QString& deviceName)
{
    return d->capture ? static_cast<int>(d->capture->peak(deviceName) * 100) : 0;
}

int AudioManager::volumePercent(const QString& deviceName)
{
    return d->capture ? volumeToPercent(d->capture->volume(deviceName)) : 0;
}

void AudioManager::setDeviceVolume(const QString& deviceName, int percent)
{
    if (d->capture)
        d->capture->setVolume(deviceName, static_cast<float>(percent / 100.0));
}

void AudioManager::Private::pollMeters()
{
    if (!capture || inputName.isEmpty() || outputName.isEmpty())
        return;
    const int mic = static_cast<int>(capture->peak(inputName) * 100);
    const int spk = static_cast<int>(capture->peak(outputName) * 100);
    const int micVolume = volumeToPercent(capture->volume(inputName));
    const int spkVolume = volumeToPercent(capture->volume(outputName));
    emit owner->deviceMeterValueChanger(mic, spk);
    emit owner->deviceVolumeChanger(1, inputName, micVolume);
    emit owner->deviceVolumeChanger(0, outputName, spkVolume);
}

void AudioManager::Private::logUnderruns()
{
    if (!voicePlayer)
        return;
    const AudioPlayback::Levels levels = voicePlayer->levels();
    std::uint64_t board[2] = {0, 0};
    if (outputSoundboard)
        outputSoundboard->system().getOutputUnderflows(&board[0]);
    if (virtualSoundboard)
        virtualSoundboard->system().getOutputUnderflows(&board[1]);
    const std::uint64_t dropped = capture ? capture->droppedFrames() : 0;
    const std::uint64_t counts[] = {levels.output.underflows, levels.cable.underflows, board[0], board[1],
                                    dropped};
    std::uint64_t total = 0;
    for (std::uint64_t count : counts)
        total += count;
    if (total == lastHealth)
        return;
    lastHealth = total;
    LogInfo(QStringLiteral("[Audio] underruns since start: voice %1 speakers, %2 cable; sounds %3 speakers, "
                           "%4 cable; %5 input frames dropped")
                .arg(counts[0])
                .arg(counts[1])
                .arg(counts[2])
                .arg(counts[3])
                .arg(counts[4]));
}

void AudioManager::setHearMyself(bool on)
{
    d->hearMyself = on;
    if (d->voicePlayer)
        d->voicePlayer->pauseVoice(!on);
}

bool AudioManager::hearMyself() const
{
    return d->hearMyself;
}

void AudioManager::setEffectsEnabled(bool on)
{
    d->effectsEnabled = on;
    if (d->voicePlayer)
        d->voicePlayer->chain()->setEffectsEnabled(on);
}

bool AudioManager::effectsEnabled() const
{
    return d->effectsEnabled;
}

void AudioManager::setDenoiseEnabled(bool on)
{
    if (!d->gates)
        d->gates = new NoiseGates(this);
    d->gates->setDenoiseEnabled(on);
}

bool AudioManager::denoiseEnabled() const
{
    return d->gates && d->gates->denoiseEnabled();
}

void AudioManager::setDenoiseValue(int percent)
{
    if (d->gates)
        d->gates->setDenoiseValue(percent);
}

void AudioManager::setVoiceSuspended(bool suspended)
{
    d->voiceSuspended = suspended;
    if (d->voicePlayer)
        d->voicePlayer->setSuspended(suspended);
}

bool AudioManager::isVoiceSuspended() const
{
    return d->voiceSuspended;
}

void AudioManager::applyEffect(const EffectData::VoiceEffect& effect)
{
    if (!d->voicePlayer)
        return;
    // Built here, faded in by the voice thread at its next block.
    auto next = std::make_unique<VoiceChain::Effect>();
    for (const EffectData::VoiceSetting& unit : effect.settings) {
        if (EffectData::isPluginType(unit.type)) {
            EffectPlugins::Values values;
            for (const EffectData::PluginParam& param : unit.values)
                values.append({param.index, param.value});
            next->plugins().add(unit.type, d->resourceFile(unit.vst),
                                unit.fxp.isEmpty() ? QString() : d->resourceFile(unit.fxp), values,
                                d->sampleRate);
        } else {
            QMap<int, float> values;
            for (const EffectData::PluginParam& param : unit.values)
                values.insert(param.index, param.value);
            next->addUnit(unit.type, values);
        }
    }
    d->voicePlayer->chain()->apply(std::move(next));
}

void AudioManager::setEffectParam(const EffectData::PluginParam& param, int sliderValue)
{
    VoiceChain::Effect* effect = d->effect();
    if (!effect)
        return;
    const float value = static_cast<float>(sliderValue / 100.0);
    if (EffectData::isPluginType(param.type))
        effect->plugins().setParameter(param.type, param.index, value);
    else
        effect->setUnitParameter(param.type, param.index, value);
}

QString AudioManager::effectParamText(const EffectData::PluginParam& param, int sliderValue) const
{
    if (!EffectData::isPluginType(param.type))
        return UnitLabels::format(param.type, param.index, sliderValue / 100.0);
    VstPlugin* plugin = d->effect() ? d->effect()->plugins().find(param.type) : nullptr;
    return plugin ? plugin->parameterDisplay(param.index) : QString();
}

double AudioManager::effectLatencyMs() const
{
    return d->effect() ? d->effect()->latencyFrames() * 1000.0 / d->sampleRate : 0.0;
}

// ---------------------------------------------------------------- soundboard
// Each command goes to the output device's player, then to the cable's.

#define BOTH_PLAYERS(call)                                                                                   \
    do {                                                                                                     \
        if (d->outputSoundboard)                                                                             \
            d->outputSoundboard->call;                                                                       \
        if (d->virtualSoundboard)                                                                            \
            d->virtualSoundboard->call;                                                                      \
    } while (false)

void AudioManager::loadSound(int soundId, const QString& path)
{
    BOTH_PLAYERS(loadSound(soundId, path));
}

void AudioManager::removeSound(int soundId)
{
    BOTH_PLAYERS(removeSound(soundId));
}

void AudioManager::playSound(int soundId)
{
    BOTH_PLAYERS(playSound(soundId));
}

bool AudioManager::replaySound(int soundId)
{
    if (!d->outputSoundboard || !d->virtualSoundboard)
        return false;
    const bool onCable = d->virtualSoundboard->replaySound(soundId);
    const bool onOutput = d->outputSoundboard->replaySound(soundId);
    return onCable && onOutput;
}

void AudioManager::pauseSound(int soundId)
{
    BOTH_PLAYERS(pauseSound(soundId));
}

void AudioManager::stopSound(int soundId)
{
    BOTH_PLAYERS(stopSound(soundId));
}

void AudioManager::stopAllSounds()
{
    BOTH_PLAYERS(stopAllSounds());
}

bool AudioManager::isSoundPlaying(int soundId) const
{
    return d->outputSoundboard && d->virtualSoundboard && d->outputSoundboard->isSoundPlaying(soundId) &&
           d->virtualSoundboard->isSoundPlaying(soundId);
}

bool AudioManager::isSoundPaused(int soundId) const
{
    return d->outputSoundboard && d->virtualSoundboard && d->outputSoundboard->isSoundPaused(soundId) &&
           d->virtualSoundboard->isSoundPaused(soundId);
}

void AudioManager::setSoundLoop(int soundId, bool loop)
{
    BOTH_PLAYERS(setSoundLoop(soundId, loop));
}

void AudioManager::setSoundMute(int soundId, bool mute)
{
    BOTH_PLAYERS(setSoundMute(soundId, mute));
}

void AudioManager::setBlockOthers(int soundId, bool block)
{
    BOTH_PLAYERS(setBlockOthers(soundId, block));
}

void AudioManager::setSoundVolume(int soundId, float volume)
{
    BOTH_PLAYERS(setSoundVolume(soundId, volume));
}

void AudioManager::setMultiPlay(bool multiPlay)
{
    BOTH_PLAYERS(setMultiPlay(multiPlay));
}

#undef BOTH_PLAYERS

bool AudioManager::canPlaySound(const QString& path, QString* error)
{
    // Opening the file as a stream reads its header and first block, as a
    // play would; a silent system with no thread of its own does it.
    zaudio::System system;
    zaudio::Result result = zaudio::createSystem(&system);
    if (result == zaudio::Ok)
        result = system.setOutput(zaudio::OutputType::Offline);
    if (result == zaudio::Ok)
        result = system.init(1);
    zaudio::Sound sound;
    if (result == zaudio::Ok)
        result = system.createSound(path.toUtf8().constData(), zaudio::CreateStream, nullptr, &sound);
    if (result == zaudio::Ok)
        sound.release();
    system.release();
    if (result != zaudio::Ok && error)
        *error = QString::fromUtf8(zaudio::errorString(result));
    return result == zaudio::Ok;
}

AudioCapturePulse* AudioManager::capture() const
{
    return d->capture;
}

AudioPlayback* AudioManager::voicePlayer() const
{
    return d->voicePlayer;
}

AudioMulitPlayback* AudioManager::outputSoundboard() const
{
    return d->outputSoundboard;
}

AudioMulitPlayback* AudioManager::virtualSoundboard() const
{
    return d->virtualSoundboard;
}

EffectPlugins* AudioManager::effectPlugins() const
{
    return d->effect() ? &d->effect()->plugins() : nullptr;
}

NoiseGates* AudioManager::noiseGates() const
{
    return d->gates;
}

int AudioManager::sampleRate() const
{
    return d->sampleRate;
}

QString AudioManager::previousDefaultInput() const
{
    return d->previousDefaultInput;
}
