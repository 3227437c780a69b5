// Drives zelvani-cli's audio commands: exact offline renders, unit chains in
// the live engine's order, and a failed render that leaves the user's
// existing file as it was.
#include "audiosignal.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZELVANI_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestCliAudio : public QObject
{
    Q_OBJECT

private slots:
    void renderWritesTheExactLengthAt48k_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("flac 44.1 kHz mono") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 44100 << 1;
        QTest::newRow("wav 22.05 kHz stereo") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 22050 << 2;
        QTest::newRow("ogg 48 kHz stereo") << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 48000 << 2;
    }

    void renderWritesTheExactLengthAt48k()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in"));
        const QString out = dir.filePath(QStringLiteral("out.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(in), format, rate, channels, 1.5, 500, 0.5));

        const Run run =
            cli({QStringLiteral("render"), QStringLiteral("--input"), in, QStringLiteral("--output"), out,
                 QStringLiteral("--format"), QStringLiteral("pcm16")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^rendered 72000 frames in [0-9.]+ s \\([0-9.]+× real time\\)\n$"))
                     .match(run.out)
                     .hasMatch(),
                 qPrintable(run.out));

        SF_INFO info = {};
        SNDFILE* file = sf_open(QFile::encodeName(out).constData(), SFM_READ, &info);
        QVERIFY(file);
        std::vector<float> frames(static_cast<std::size_t>(info.frames) * 2);
        sf_readf_float(file, frames.data(), info.frames);
        sf_close(file);
        QCOMPARE(info.samplerate, 48000);
        QCOMPARE(info.channels, 2);
        QCOMPARE(info.frames, sf_count_t(72000));
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        const std::vector<float> middle = audiosignal::channelOf(frames, 4800, 67200, 1);
        QVERIFY(std::abs(audiosignal::frequency(middle, 48000) - 500) < 5);
        QVERIFY(std::abs(audiosignal::decibels(audiosignal::rms(middle) / (0.5 / std::sqrt(2.0)))) < 0.2);
    }

    // Fader -6 dB, a 1 kHz oscillator, a 100 Hz low-pass: the live engine runs
    // them fader, low-pass, oscillator, so the tone comes out whole. Run in the
    // order given, the low-pass would all but remove it.
    void renderRunsUnitsInTheEnginesOrder()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.wav"));
        const QString out = dir.filePath(QStringLiteral("out.wav"));
        QVERIFY(audiosignal::writeSine(QFile::encodeName(in), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1, 0.5,
                                       300, 0.5));
        const Run run =
            cli({QStringLiteral("render"), QStringLiteral("--input"), in, QStringLiteral("--output"), out,
                 QStringLiteral("--unit"), QStringLiteral("7:0=-6"), QStringLiteral("--unit"),
                 QStringLiteral("2:0=0,1=1000"), QStringLiteral("--unit=20:0=100")});
        QCOMPARE(run.exitCode, 0);
        SF_INFO info = {};
        SNDFILE* file = sf_open(QFile::encodeName(out).constData(), SFM_READ, &info);
        QVERIFY(file);
        std::vector<float> frames(static_cast<std::size_t>(info.frames) * 2);
        sf_readf_float(file, frames.data(), info.frames);
        sf_close(file);
        const std::vector<float> tone = audiosignal::channelOf(frames, 4800, 19200, 0);
        QVERIFY(std::abs(audiosignal::frequency(tone, 48000) - 1000) < 1);
        QVERIFY(std::abs(audiosignal::decibels(audiosignal::rms(tone) * std::sqrt(2.0))) < 0.5);

        const Run units = cli({QStringLiteral("units"), QStringLiteral("--json")});
        QCOMPARE(units.exitCode, 0);
        const QJsonArray table = QJsonDocument::fromJson(units.out.toUtf8()).array();
        QCOMPARE(table.size(), 21);
        for (const QJsonValue& unit : table) {
            if (unit[QStringLiteral("type")].toInt() == 13)
                QCOMPARE(unit[QStringLiteral("parameters")][1][QStringLiteral("default")].toDouble(), 1024.0);
        }
        QCOMPARE(cli({QStringLiteral("render"), QStringLiteral("--input"), in, QStringLiteral("--output"),
                      out, QStringLiteral("--unit"), QStringLiteral("19:13=1")})
                     .exitCode,
                 2);
    }

    void failedRenderKeepsTheExistingOutput()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("broken.wav"));
        const QString out = dir.filePath(QStringLiteral("keep.wav"));
        QFile junk(in);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray("RIFF\x10\0\0\0WAVEjunk", 16).append(QByteArray(4000, '\x7f')));
        junk.close();
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("the user's earlier render");
        kept.close();

        const Run run =
            cli({QStringLiteral("render"), QStringLiteral("--input"), in, QStringLiteral("--output"), out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("cannot open")), qPrintable(run.err));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's earlier render"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        QCOMPARE(cli({QStringLiteral("render"), QStringLiteral("--input"), in}).exitCode, 2);
        QCOMPARE(cli({QStringLiteral("render"), QStringLiteral("--input"),
                      dir.filePath(QStringLiteral("none.wav")), QStringLiteral("--output"), out})
                     .exitCode,
                 1);
    }
};

QTEST_GUILESS_MAIN(TestCliAudio)
#include "test_cli_audio.moc"
