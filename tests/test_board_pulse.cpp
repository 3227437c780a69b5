// zelvani-cli board against the private sound server: a file reaches the
// speakers and the virtual cable once each, and its start and end are printed.

#include "audiosignal.h"
#include "pulsetools.h"

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

} // namespace

class TestBoardPulse : public QObject
{
    Q_OBJECT

private slots:
    void fileReachesSpeakersAndCable()
    {
        QProcess install;
        install.start(QStringLiteral(ZELVANI_CLI), {QStringLiteral("cable"), QStringLiteral("install")});
        QVERIFY(install.waitForFinished(30000));
        QCOMPARE(install.exitCode(), 0);

        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("tone.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(wav), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 2,
                                       0.5, 440.0, 0.5));

        MonitorRecorder speakers(QStringLiteral("speakers.monitor"));
        MonitorRecorder cable(QStringLiteral("zelvani_cable.monitor"));
        QVERIFY(speakers.started());
        QVERIFY(cable.started());
        QTest::qWait(300); // the recordings connect

        QProcess board;
        board.start(QStringLiteral(ZELVANI_CLI), {QStringLiteral("board"), wav});
        QVERIFY(board.waitForFinished(30000));
        QCOMPARE(board.exitCode(), 0);
        QCOMPARE(board.readAllStandardOutput(), QByteArray("playing tone.wav\nfinished tone.wav\n"));
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
};

QTEST_GUILESS_MAIN(TestBoardPulse)
#include "test_board_pulse.moc"
