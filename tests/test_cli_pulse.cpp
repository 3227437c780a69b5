// zelvani-cli board and live against the private sound server: a file reaches
// the speakers and the virtual cable once each, its start and end are printed,
// and both commands warn when an output limiter has to hold a sound down.

#include "audiosignal.h"
#include "pulsetools.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

// What a sink plays, taken from its monitor by parecord as float stereo.
class MonitorRecorder
{
public:
    explicit MonitorRecorder(const QString& monitor)
    {
        m_process.start(QStringLiteral("parecord"),
                        {QStringLiteral("--raw"), QStringLiteral("--format=float32le"),
                         QStringLiteral("--rate=48000"), QStringLiteral("--channels=2"),
                         QStringLiteral("--latency-msec=20"), QStringLiteral("-d"), monitor});
    }
    ~MonitorRecorder()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool started() { return m_process.waitForStarted(5000); }

    std::vector<float> stop()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
        const QByteArray bytes = m_process.readAllStandardOutput();
        std::vector<float> samples(static_cast<std::size_t>(bytes.size()) / sizeof(float));
        std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
        return samples;
    }

private:
    QProcess m_process;
};

// The interleaved stereo frames from the first to the last louder than 0.05.
std::vector<float> audible(const std::vector<float>& samples)
{
    std::size_t first = samples.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) > 0.05f) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (first >= last)
        return {};
    return std::vector<float>(samples.begin() + static_cast<long>(first & ~std::size_t(1)),
                              samples.begin() + static_cast<long>(last | 1) + 1);
}

// A zelvani-cli run to its end; its standard error, with `exitCode` set. The
// event loop runs meanwhile, so recorders keep reading their pipes.
QByteArray runCli(const QStringList& arguments, int* exitCode, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(ZELVANI_CLI), arguments);
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 30000)
        QTest::qWait(20);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.readAllStandardError();
}

} // namespace

class TestCliPulse : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // live takes the default microphone; a run that ended badly may have left the cable's.
        pactl({QStringLiteral("set-default-sink"), QStringLiteral("speakers")});
        pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")});
        int exitCode = -1;
        const QByteArray errors = runCli({QStringLiteral("cable"), QStringLiteral("install")}, &exitCode);
        QVERIFY2(exitCode == 0, errors.constData());
    }

    void fileReachesSpeakersAndCable()
    {
        QTemporaryDir& dir = m_dir;
        const QString wav = dir.filePath(QStringLiteral("tone.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(wav), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2,
                                       0.5, 440.0, 0.5));

        MonitorRecorder speakers(QStringLiteral("speakers.monitor"));
        MonitorRecorder cable(QStringLiteral("zelvani_cable.monitor"));
        QVERIFY(speakers.started());
        QVERIFY(cable.started());
        QTest::qWait(300); // the recordings connect

        int exitCode = -1;
        QByteArray output;
        const QByteArray errors = runCli({QStringLiteral("board"), wav}, &exitCode, &output);
        QCOMPARE(exitCode, 0);
        QCOMPARE(output, QByteArray("playing tone.wav\nfinished tone.wav\n"));
        QVERIFY2(!errors.contains("warning"), errors.constData()); // -6 dBFS needs no limiting
        QTest::qWait(200);

        const std::pair<const char*, MonitorRecorder*> sinks[] = {{"speakers", &speakers}, {"cable", &cable}};
        for (const auto& sink : sinks) {
            const std::vector<float> sound = audible(sink.second->stop());
            const double seconds = static_cast<double>(sound.size()) / 2 / 48000;
            const float peak = sound.empty() ? 0.0f : *std::max_element(sound.begin(), sound.end());
            const QByteArray what = QByteArray(sink.first) + ": " + QByteArray::number(seconds) +
                                    " s, peak " + QByteArray::number(peak);
            // Once, at the file's level: neither missing nor played twice. A
            // busy machine may leave short gaps, so the cycles are counted.
            const double cycles = zeroCrossingFrequency(sound, 2) * seconds;
            QVERIFY2(seconds > 0.45 && seconds < 0.7, what.constData());
            QVERIFY2(peak > 0.4f && peak < 0.6f, what.constData());
            QVERIFY2(std::fabs(cycles - 220.0) < 8.0,
                     (what + ", cycles " + QByteArray::number(cycles)).constData());
        }
    }

    // A file at full scale is held down on both outputs, and board says so for each.
    void boardWarnsWhenTheLimiterHoldsASoundDown()
    {
        const QString wav = m_dir.filePath(QStringLiteral("full.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(wav), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 2, 2.5,
                                       440.0, 1.0));
        int exitCode = -1;
        const QByteArray errors = runCli({QStringLiteral("board"), wav}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(errors.contains("warning: too loud for the output device") &&
                     errors.contains("warning: too loud for the virtual cable"),
                 errors.constData());
    }

    // live warns while a gain ahead of the limiter pushes the voice over the
    // ceiling, and not at speaking level.
    void liveWarnsWhenTheVoiceIsTooHot_data()
    {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<bool>("warns");
        QTest::newRow("no effect") << QStringList() << false;
        QTest::newRow("a fader at +10 dB")
            << QStringList{QStringLiteral("--unit"), QStringLiteral("7:0=10")} << true;
    }

    void liveWarnsWhenTheVoiceIsTooHot()
    {
        QFETCH(QStringList, chain);
        QFETCH(bool, warns);
        TonePlayer voice("microphone_feed", 300.0, 0.5f); // -6 dBFS
        int exitCode = -1;
        const QByteArray errors = runCli(
            QStringList{QStringLiteral("live"), QStringLiteral("--seconds"), QStringLiteral("3")} + chain,
            &exitCode);
        QCOMPARE(exitCode, 0);
        QCOMPARE(errors.contains("warning: too loud for the speakers and the cable"), warns);
    }
};

QTEST_GUILESS_MAIN(TestCliPulse)
#include "test_cli_pulse.moc"
