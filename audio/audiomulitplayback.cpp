#include "audiomulitplayback.h"

#include "audiomanager.h"
#include "outputlimiter.h"

namespace {

constexpr int kMaxChannels = 32;
constexpr int kPollMs = 50;
constexpr unsigned kModeOnce = zaudio::LoopOff | zaudio::CreateStream | zaudio::AccurateTime;    // 0x4081
constexpr unsigned kModeLoop = zaudio::LoopNormal | zaudio::CreateStream | zaudio::AccurateTime; // 0x4082

} // namespace

AudioMulitPlayback::AudioMulitPlayback(QObject* parent, zaudio::OutputType output)
    : QObject(parent), m_output(output), m_pollTimer(this)
{
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &AudioMulitPlayback::poll);
    m_pollTimer.start();
}

AudioMulitPlayback::~AudioMulitPlayback()
{
    m_pollTimer.stop();
    m_system.release();
}

void AudioMulitPlayback::init(int driver)
{
    m_driver = driver;
    // A second init starts over on a new system.
    if (!m_system.isNull()) {
        m_system.release();
        m_system = zaudio::System();
        m_limiter = zaudio::DSP();
        m_channels.clear();
        m_sounds.clear();
    }
    if (zaudio::createSystem(&m_system) != zaudio::Ok)
        return;
    m_system.setOutput(m_output);
    if (m_system.init(kMaxChannels) == zaudio::Ok)
        m_limiter = OutputLimiter::insert(m_system, 0);
}

void AudioMulitPlayback::setDriver(int id)
{
    m_driver = id;
    if (m_system.isNull())
        return;
    // Selecting another driver first makes the stream move even when `id` is
    // already selected; the first call fails when id + 1 does not exist.
    m_system.setDriver(id + 1);
    m_system.setDriver(id);
    m_system.update();
}

void AudioMulitPlayback::confirmDriver(int id)
{
    m_driver = id;
    if (!m_system.isNull())
        m_system.setDriver(id);
}

void AudioMulitPlayback::loadSound(int soundId, const QString& path)
{
    if (m_sounds.contains(soundId))
        return;
    zaudio::Sound sound;
    if (m_system.createSound(path.toUtf8().constData(), kModeOnce, nullptr, &sound) != zaudio::Ok)
        return;
    m_sounds.insert(soundId, sound);
    m_system.setDriver(m_driver);
    zaudio::Channel channel;
    m_system.playSound(sound, nullptr, true, &channel);
    m_channels.insert(soundId, channel);
    m_pausedFlags[soundId] = true;
    m_mutedFlags[soundId] = false;
}

void AudioMulitPlayback::removeSound(int soundId)
{
    if (!m_channels.contains(soundId) || !m_sounds.contains(soundId))
        return;
    const zaudio::Channel channel = m_channels.take(soundId);
    const zaudio::Sound sound = m_sounds.take(soundId);
    channel.stop();
    sound.release();
}

void AudioMulitPlayback::stopOthers(int soundId)
{
    if (m_multiPlay)
        return;
    for (auto it = m_channels.constBegin(); it != m_channels.constEnd(); ++it) {
        if (it.key() == soundId)
            continue;
        it.value().stop();
        emit AudioManager::instance()->playFinished(it.key());
    }
}

void AudioMulitPlayback::playSound(int soundId)
{
    if (m_channels.isEmpty())
        return;
    stopOthers(soundId);
    const auto it = m_channels.constFind(soundId);
    if (it == m_channels.constEnd())
        return;
    it.value().setPaused(false);
    m_pausedFlags[soundId] = false;
}

bool AudioMulitPlayback::replaySound(int soundId)
{
    if (m_channels.isEmpty() || m_sounds.isEmpty())
        return false;
    stopOthers(soundId);
    if (!m_channels.contains(soundId) || !m_sounds.contains(soundId))
        return false;
    // Playing a stream again restarts it on a new channel.
    zaudio::Channel channel;
    m_system.playSound(m_sounds.value(soundId), nullptr, false, &channel);
    m_channels.insert(soundId, channel);
    m_pausedFlags[soundId] = false;
    return true;
}

void AudioMulitPlayback::pauseSound(int soundId)
{
    const auto it = m_channels.constFind(soundId);
    if (it == m_channels.constEnd())
        return;
    it.value().setPaused(true);
    m_pausedFlags[soundId] = true;
}

void AudioMulitPlayback::stopSound(int soundId)
{
    const auto it = m_channels.constFind(soundId);
    if (it == m_channels.constEnd())
        return;
    it.value().stop();
    emit AudioManager::instance()->playFinished(soundId);
}

void AudioMulitPlayback::stopAllSounds()
{
    for (auto it = m_channels.constBegin(); it != m_channels.constEnd(); ++it) {
        it.value().stop();
        emit AudioManager::instance()->playFinished(it.key());
    }
}

bool AudioMulitPlayback::isSoundPlaying(int soundId) const
{
    const auto it = m_channels.constFind(soundId);
    if (it == m_channels.constEnd() || m_pausedFlags.value(soundId, false))
        return false;
    bool playing = false;
    bool paused = false;
    if (it.value().isPlaying(&playing) != zaudio::Ok)
        return false;
    it.value().getPaused(&paused);
    return playing && !paused;
}

bool AudioMulitPlayback::isSoundPaused(int soundId) const
{
    if (!m_sounds.contains(soundId))
        return false;
    if (m_pausedFlags.value(soundId, false))
        return true;
    bool paused = false;
    m_channels.value(soundId).getPaused(&paused);
    return paused;
}

void AudioMulitPlayback::setSoundLoop(int soundId, bool loop)
{
    const auto it = m_sounds.constFind(soundId);
    if (it != m_sounds.constEnd())
        it.value().setMode(loop ? kModeLoop : kModeOnce);
}

void AudioMulitPlayback::setSoundMute(int soundId, bool mute)
{
    const auto it = m_channels.constFind(soundId);
    if (it == m_channels.constEnd())
        return;
    it.value().setMute(mute);
    m_mutedFlags[soundId] = mute;
}

void AudioMulitPlayback::setBlockOthers(int soundId, bool block)
{
    for (auto it = m_channels.constBegin(); it != m_channels.constEnd(); ++it) {
        if (it.key() == soundId)
            continue;
        if (block)
            it.value().setMute(true);
        else if (!m_mutedFlags.value(it.key(), false))
            it.value().setMute(false);
    }
}

void AudioMulitPlayback::setSoundVolume(int soundId, float volume)
{
    const auto it = m_channels.constFind(soundId);
    if (it != m_channels.constEnd())
        it.value().setVolume(volume);
}

void AudioMulitPlayback::setMultiPlay(bool multiPlay)
{
    m_multiPlay = multiPlay;
}

void AudioMulitPlayback::poll()
{
    // A copy: a receiver of the signals may change the sounds.
    const QList<int> ids = m_sounds.keys();
    for (int soundId : ids) {
        if (!m_sounds.contains(soundId))
            continue;
        const zaudio::Channel channel = m_channels.value(soundId);
        bool paused = false;
        channel.getPaused(&paused);
        if (paused || m_pausedFlags.value(soundId, false))
            continue;
        bool playing = false;
        channel.isPlaying(&playing);
        if (playing) {
            unsigned position = 0;
            unsigned length = 0;
            channel.getPosition(&position, zaudio::TimeUnitMs);
            m_sounds.value(soundId).getLength(&length, zaudio::TimeUnitMs);
            const int percent =
                length == 0 ? 0 : static_cast<int>(static_cast<double>(position) / length * 100.0);
            if (percent != 0)
                emit AudioManager::instance()->playProgress(soundId, percent);
        } else {
            channel.setPaused(true);
            m_pausedFlags[soundId] = true;
            emit AudioManager::instance()->playFinished(soundId);
        }
    }
}
