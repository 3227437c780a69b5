#pragma once

// Microphone capture from the sound server, plus peak levels and volumes of
// any device by name, and the device watch (DeviceNotifier).
//
// The server's callbacks run on the session's own loop thread; packets and
// device events are handed to the thread this object lives on (the GUI
// thread), where pcmReadData and the device signals are emitted.

#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class DeviceNotifier;
class PulseSession;

class AudioCapturePulse : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AudioCapturePulse)

public:
    explicit AudioCapturePulse(QObject* parent = nullptr);
    ~AudioCapturePulse() override;

    DeviceNotifier* notifier() const;

    // Hands the capture straight to `handler` on the loop thread of
    // `session` (the voice thread), in fragments of about 5 ms, instead of
    // emitting pcmReadData: `samples` (null for a hole) holds `count`
    // floats of `channels` interleaved channels. A backlog beyond
    // `maxBacklogFrames` (the thread was held up) is dropped, oldest first.
    // Set before the first startCapture.
    using BlockHandler = std::function<void(const float* samples, int count, int channels)>;
    void setBlockHandler(PulseSession* session, BlockHandler handler, int maxBacklogFrames);
    // Frames dropped from a backlog so far.
    std::uint64_t droppedFrames() const;
    // Instead of opening a stream, hands the server's name of the source to
    // capture to `router` (an empty name when capture stops): the voice's
    // PipeWire node links the microphone itself. Set before the first startCapture.
    using Router = std::function<void(const QByteArray& sourceName)>;
    void setRouter(Router router);

    // Captures the input or output (its monitor) whose name is `deviceName`.
    void startCapture(const QString& deviceName);
    // Stops the current capture at once and starts on `deviceName` 100 ms
    // later; no packet of the old device is delivered after this returns.
    void switchDevice(const QString& deviceName);
    void stopCapture();
    bool isCapturing() const;
    // Channels of the current capture (1 before any).
    int channelCount() const;
    // Times the server dropped captured sound because it was not read in time.
    std::uint64_t overflows() const;

    // Peak level 0..1 of a device since the previous call; 0 for an unknown
    // name. The first call for a device starts its meter and answers 0.
    float peak(const QString& deviceName);
    // The device's volume 0..1; 0 for an unknown name.
    float volume(const QString& deviceName);
    void setVolume(const QString& deviceName, float level);

    static constexpr int kSampleRate = 48000;
    static constexpr int kPacketFrames = kSampleRate / 100;   // 10 ms
    static constexpr int kFragmentFrames = kSampleRate / 200; // 5 ms, for a block handler

signals:
    // One packet: frames × channels 32-bit floats at 48000 Hz, owned by the
    // receivers. `samples` is null for a hole in the stream.
    void pcmReadData(QSharedPointer<float> samples, int count);
    // The sound server went away; emitted before its devices are reported gone.
    void serverLost();
    // The server answers again (a restart); emitted before its devices are
    // reported back and capture resumes on them, so the voice's own
    // connection can be made again first.
    void serverBack();

private:
    friend class DeviceNotifier;
    struct Private;
    std::unique_ptr<Private> d;
};

// Watches the server's devices and reports every state change: 1 ACTIVE for
// a device that appeared or became available, 4 NOTPRESENT for one that
// went away, 8 UNPLUGGED for one whose port became unavailable. deviceType
// is 0 for outputs, 1 for inputs.
class DeviceNotifier : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DeviceNotifier)

public:
    explicit DeviceNotifier(QObject* parent = nullptr);

    // The state's name as the log shows it after "DEVICE_STATE_"; empty for
    // values that are not a single known state.
    static QString stateName(int state);

    // Logs and signals one change; runs on the GUI thread.
    void onDeviceStateChanged(int deviceType, const QString& deviceName, int newState);

    int lastDataFlow() const { return m_dataFlow; }
    QString lastDeviceName() const { return m_deviceName; }

signals:
    void deviceStateChanger(int deviceType, int state);
    void deviceDisconnect(const QString& deviceName);

private:
    int m_dataFlow = 0;
    QString m_deviceName;
};

Q_DECLARE_METATYPE(QSharedPointer<float>)
