// zaudio on a sound server: the private server of scripts/pulse-env (reached
// through PULSE_SERVER; PulseAudio or PipeWire), with the null sinks "Speakers"
// (the default) and "Microphone feed", and the mono source "Microphone" (the
// default) remapped from the feed's monitor. What a system plays is recorded
// back from the sinks' monitors.

#include "audiosignal.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <chrono>
#include <thread>

using namespace zaudio;
using namespace audiosignal;

namespace {

constexpr int kRate = 48000;
constexpr double kHz = 440; // whole cycles in the 1 s file: it loops without a seam
const double kLevel = decibels(0.5 / M_SQRT2);
const char* const kSpeakersMonitor = "speakers.monitor";
const char* const kFeedMonitor = "microphone_feed.monitor";

// A recording with small fragments. While one is open on a monitor, the null
// sink behind it works in small blocks; idle, it works two seconds at a time.
pa_simple* openRecording(const char* source)
{
    const pa_sample_spec format = {PA_SAMPLE_FLOAT32LE, kRate, 2};
    const std::uint32_t any = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr attr = {any, any, any, any,
                                 static_cast<std::uint32_t>(kRate / 100 * 2 * sizeof(float))};
    return pa_simple_new(nullptr, "zelvani-test", PA_STREAM_RECORD, source, "test", &format, nullptr, &attr,
                         nullptr);
}

// The left channel of `seconds` recorded from a source, less the first 0.1 s.
std::vector<float> record(const char* source, double seconds)
{
    pa_simple* stream = openRecording(source);
    std::vector<float> data(static_cast<std::size_t>(seconds * kRate) * 2);
    if (!stream || pa_simple_read(stream, data.data(), data.size() * sizeof(float), nullptr) < 0)
        data.clear();
    if (stream)
        pa_simple_free(stream);
    return channelOf(data, kRate / 10, data.size() / 2);
}

QStringList g_log;

} // namespace

class TestZaudioPulse : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    System m_system;
    pa_simple* m_keepAwake[2] = {};

    QString driverName(int id, bool record, unsigned* state = nullptr)
    {
        char name[256] = {};
        Guid guid;
        const Result r =
            record
                ? m_system.getRecordDriverInfo(id, name, sizeof name, &guid, nullptr, nullptr, nullptr, state)
                : m_system.getDriverInfo(id, name, sizeof name, &guid, nullptr, nullptr, nullptr);
        const QString text = QString::fromStdString(formatGuid(guid));
        static const QRegularExpression form(
            QStringLiteral("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$"));
        m_guids << text;
        return r == Ok && form.match(text).hasMatch() ? QString::fromUtf8(name) : QStringLiteral("?");
    }
    QSet<QString> m_guids;

    // Starts the system on the server and loops the sine there.
    bool playSine()
    {
        Sound sound;
        OutputType output = OutputType::NoSound;
        return m_system.init(32) == Ok && m_system.getOutput(&output) == Ok && output == OutputType::Pulse &&
               m_system.createSound(m_dir.filePath(QStringLiteral("sine.wav")).toLocal8Bit(),
                                    CreateStream | LoopNormal, nullptr, &sound) == Ok &&
               m_system.playSound(sound, nullptr, false, nullptr) == Ok;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("PULSE_SERVER"));
        QVERIFY(writeSine(m_dir.filePath(QStringLiteral("sine.wav")).toLocal8Bit(),
                          SF_FORMAT_WAV | SF_FORMAT_FLOAT, kRate, 2, 1.0, kHz, 0.5));
        // Never read; waits once until both sinks work in small blocks.
        m_keepAwake[0] = openRecording(kSpeakersMonitor);
        m_keepAwake[1] = openRecording(kFeedMonitor);
        QVERIFY(m_keepAwake[0] && m_keepAwake[1]);
        QVERIFY(!record(kSpeakersMonitor, 0.11).empty() && !record(kFeedMonitor, 0.11).empty());
    }

    void cleanupTestCase()
    {
        for (pa_simple* stream : m_keepAwake) {
            if (stream)
                pa_simple_free(stream);
        }
    }

    void init() { QCOMPARE(createSystem(&m_system), Ok); }
    void cleanup() { m_system.release(); }

    void driversAreTheServersDevices()
    {
        int count = 0, connected = 0, current = -1;
        unsigned state = 0;
        QStringList sinks, sources;
        m_guids.clear();
        QCOMPARE(m_system.getNumDrivers(&count), Ok);
        for (int i = 0; i < count; ++i)
            sinks << driverName(i, false);
        QCOMPARE(m_system.getDriver(&current), Ok);
        QCOMPARE(driverName(current, false), QStringLiteral("Speakers"));
        QCOMPARE(m_system.getRecordNumDrivers(&count, &connected), Ok);
        for (int i = 0; i < count; ++i) {
            sources << driverName(i, true, &state);
            QVERIFY(state & DriverConnected);
            QCOMPARE(bool(state & DriverDefault), sources.last() == QLatin1String("Microphone"));
        }
        sinks.sort();
        sources.sort();
        QCOMPARE(sinks, QStringList({QStringLiteral("Microphone feed"), QStringLiteral("Speakers")}));
        QCOMPARE(sources, QStringList({QStringLiteral("Microphone"),
                                       QStringLiteral("Monitor of Microphone feed [loopback]"),
                                       QStringLiteral("Monitor of Speakers [loopback]")}));
        QCOMPARE(m_guids.size(), 5);
    }

    void playsToTheDefaultSinkAtItsLevelAndPitch()
    {
        QVERIFY(playSine());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::vector<float> heard = record(kSpeakersMonitor, 1.0);
        QVERIFY2(std::abs(decibels(rms(heard)) - kLevel) < 1.0,
                 qPrintable(QString::number(decibels(rms(heard)))));
        QVERIFY2(std::abs(frequency(heard, kRate) / kHz - 1) < 0.01,
                 qPrintable(QString::number(frequency(heard, kRate))));
    }

    void setDriverMovesThePlayingStream()
    {
        QVERIFY(playSine());
        int other = 0, current = -1;
        while (other < 2 && driverName(other, false) != QLatin1String("Microphone feed"))
            ++other;
        QVERIFY(other < 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        QCOMPARE(m_system.setDriver(other), Ok);
        QCOMPARE(m_system.getDriver(&current), Ok);
        QCOMPARE(current, other);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::vector<float> first = record(kSpeakersMonitor, 0.5), second = record(kFeedMonitor, 0.5);
        QVERIFY2(!first.empty() && decibels(rms(first)) < -60,
                 qPrintable(QString::number(decibels(rms(first)))));
        QVERIFY2(std::abs(decibels(rms(second)) - kLevel) < 1.0,
                 qPrintable(QString::number(decibels(rms(second)))));
        QVERIFY2(std::abs(frequency(second, kRate) / kHz - 1) < 0.01,
                 qPrintable(QString::number(frequency(second, kRate))));
    }

    // The server (or a session manager) put the stream elsewhere: selecting
    // its driver again brings it back, though the id did not change.
    void setDriverBringsBackAStreamPutElsewhere()
    {
        QVERIFY(playSine());
        int speakers = 0;
        while (speakers < 2 && driverName(speakers, false) != QLatin1String("Speakers"))
            ++speakers;
        QVERIFY(speakers < 2);
        QCOMPARE(m_system.setDriver(speakers), Ok);
        QProcess pactl;
        pactl.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("for input in $(pactl list short sink-inputs | cut -f1); do "
                                    "pactl move-sink-input $input microphone_feed; done")});
        QVERIFY(pactl.waitForFinished(5000) && pactl.exitCode() == 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        QVERIFY(decibels(rms(record(kFeedMonitor, 0.3))) > kLevel - 1.0);
        QCOMPARE(m_system.setDriver(speakers), Ok);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::vector<float> speakersHeard = record(kSpeakersMonitor, 0.5),
                                 feedHeard = record(kFeedMonitor, 0.5);
        QVERIFY2(std::abs(decibels(rms(speakersHeard)) - kLevel) < 1.0,
                 qPrintable(QString::number(decibels(rms(speakersHeard)))));
        QVERIFY2(decibels(rms(feedHeard)) < -60, qPrintable(QString::number(decibels(rms(feedHeard)))));
    }

    void withoutAServerOutputFallsBackToNoSound()
    {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + m_dir.filePath(QStringLiteral("nobody-listens")).toLocal8Bit());
        setLogHandler([](int, const char* text) { g_log << QString::fromUtf8(text); });
        int count = -1;
        const Result listed = m_system.getNumDrivers(&count);
        const Result started = m_system.init(32);
        setLogHandler(nullptr);
        qputenv("PULSE_SERVER", server);
        OutputType output = OutputType::Pulse;
        QCOMPARE(listed, Ok);
        QCOMPARE(count, 0);
        QCOMPARE(started, Ok);
        QCOMPARE(m_system.getOutput(&output), Ok);
        QVERIFY(output == OutputType::NoSound);
        QCOMPARE(g_log.size(), 1);
        QVERIFY2(g_log[0].contains(QLatin1String(pa_strerror(PA_ERR_CONNECTIONREFUSED))),
                 qPrintable(g_log[0]));
    }
};

QTEST_APPLESS_MAIN(TestZaudioPulse)
#include "test_zaudio_pulse.moc"
