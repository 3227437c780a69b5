// The VST 2 host: loading and refusing libraries, what the host answers,
// block handling, .fxp presets, and third-party plug-ins loaded again and
// again.

#include "allocationcounter.h"
#include "effectplugins.h"
#include "noisegates.h"
#include "spdlogcore.h"
#include "vstplugin.h"

#include <QDataStream>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

thread_local bool t_processing = false;

} // namespace

bool alloccount::watchedThread()
{
    return t_processing;
}

namespace {

const QString kPlugins = QStringLiteral(ZELVANI_TEST_PLUGINS);
constexpr std::int32_t kTestId = ('Z' << 24) | ('t' << 16) | ('P' << 8) | 'l';

QString plugin(const char* name)
{
    return kPlugins + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".so");
}

QString logText()
{
    QFile log(QString::fromUtf8(SpdLogFilePath()));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// An .fxp file: the 28-byte header, a 28-byte name, then parameters or a chunk.
QByteArray fxp(const char* fxMagic, std::int32_t id, std::int32_t count, const QVector<float>& values,
               int chunkSize = -1)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out.writeRawData("CcnK", 4);
    out << qint32(0);
    out.writeRawData(fxMagic, 4);
    out << qint32(1) << id << qint32(1) << count;
    out.writeRawData(QByteArray(28, 'p').constData(), 28);
    if (chunkSize >= 0) {
        out << qint32(chunkSize);
        out.writeRawData(QByteArray(std::min(chunkSize, 64), 'c').constData(), std::min(chunkSize, 64));
    }
    for (float v : values)
        out << v;
    return bytes;
}

std::vector<float> stereo(int frames, float left, float right)
{
    std::vector<float> samples(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        samples[2 * i] = left * std::sin(0.01f * i);
        samples[2 * i + 1] = right * std::sin(0.01f * i);
    }
    return samples;
}

} // namespace

class TestVstHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        InitSpdLogW(L"AppLog.log", m_dir.path().toStdWString().c_str());
    }

    void oldEntryAndWhatTheHostAnswers()
    {
        VstPlugin vst;
        QVERIFY(vst.load(plugin("TestMainOnly")));
        QCOMPARE(vst.name(), QStringLiteral("TestMainOnly"));
        QCOMPARE(vst.uniqueId(), kTestId);
        vst.prepare(44100);
        QCOMPARE(vst.blockSize(), 882);
        vst.setParameter(2, 1.0f);
        std::vector<float> block = stereo(100, 0.5f, 0.5f);
        vst.process(block.data(), static_cast<int>(block.size()));
        vst.process(block.data(), static_cast<int>(block.size()));
        // version 2400 even with no effect; the prepared rate and block size;
        // a time query on each block answered 0.
        const std::vector<float> expected = {2400, 44100, 882, 2};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(block[static_cast<std::size_t>(2 * i)], expected[static_cast<std::size_t>(i)]);
    }

    void unusableLibrariesAreRefused()
    {
        VstPlugin vst;
        QVERIFY(!vst.load(plugin("TestFourOutputs")));
        QVERIFY(logText().contains(QLatin1String("[load] Plugin has more than 2 output channels")));
        QVERIFY(!vst.load(m_dir.path() + QStringLiteral("/missing.so")));
        QVERIFY(logText().contains(
            QStringLiteral("[load] %1/missing.so isEmpty or not exists.").arg(m_dir.path())));
        QFile text(m_dir.path() + QStringLiteral("/text.so"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a library") > 0);
        text.close();
        QVERIFY(!vst.load(text.fileName()));
        QVERIFY(logText().contains(QStringLiteral("[load] load vst plugin fail: %1").arg(text.fileName())));
        // A real library that is no plug-in.
        QVERIFY(!vst.load(QStringLiteral("/lib/x86_64-linux-gnu/libm.so.6")));
        QVERIFY(logText().contains(QLatin1String("[load] Plugin entry point not found")));
        // A refused object stays harmless.
        std::vector<float> block = stereo(10, 1, 1);
        const std::vector<float> before = block;
        vst.prepare(48000);
        vst.process(block.data(), 20);
        vst.setParameter(0, 1.0f);
        QVERIFY(block == before);
        QVERIFY(!vst.loadFxp(QStringLiteral("/nonexistent.fxp")));
    }

    void blocksAreSlicedAndOddFloatsLeftAlone()
    {
        VstPlugin vst;
        QVERIFY(vst.load(plugin("TestMainOnly")));
        vst.setParameter(0, 1.0f); // gain 2
        vst.prepare(48000);
        std::vector<float> block = stereo(3000, 0.25f, -0.125f); // three slices and a bit
        std::vector<float> expected = block;
        for (float& v : expected)
            v *= 2.0f;
        vst.process(block.data(), static_cast<int>(block.size()));
        QVERIFY(block == expected);

        std::vector<float> seven = {1, 2, 3, 4, 5, 6, 7};
        vst.process(seven.data(), 7);
        QVERIFY((seven == std::vector<float>{2, 4, 6, 8, 10, 12, 7}));
    }

    void monoPluginsHearTheVoiceAndSilentSideChains()
    {
        VstPlugin vst;
        QVERIFY(vst.load(plugin("TestSideChain")));
        QCOMPARE(vst.inputCount(), 3);
        vst.setParameter(0, 0.5f); // gain 1
        vst.prepare(48000);
        std::vector<float> block = stereo(480, 0.5f, 0.25f);
        const std::vector<float> before = block;
        vst.process(block.data(), static_cast<int>(block.size()));
        for (int i = 0; i < 480; ++i) {
            const float mono = 0.5f * (before[2 * i] + before[2 * i + 1]);
            QCOMPARE(block[2 * i], mono);
            QCOMPARE(block[2 * i + 1], mono);
        }
    }

    void effectPluginsRunInOrderAndKeepDuplicates()
    {
        EffectPlugins plugins;
        // Two units of one type both run (gain 2 each); a library that fails is dropped.
        QVERIFY(plugins.add(100001, plugin("TestMainOnly"), QString(), {{0, 1.0f}}, 48000));
        QVERIFY(!plugins.add(100002, plugin("TestFourOutputs"), QString(), {}, 48000));
        QVERIFY(plugins.add(100001, plugin("TestMainOnly"), QString(), {{0, 1.0f}}, 48000));
        QCOMPARE(plugins.count(), 2);
        QCOMPARE(plugins.plugin(0)->blockSize(), 960);
        std::vector<float> block = {0.1f, -0.1f};
        plugins.process(block.data(), 2);
        QCOMPARE(block[0], 0.4f);
        // A live change reaches the most recent unit of the type only.
        QVERIFY(plugins.setParameter(100001, 0, 0.5f));
        QVERIFY(!plugins.setParameter(100002, 0, 0.5f));
        QCOMPARE(plugins.plugin(0)->parameter(0), 1.0f);
        QCOMPARE(plugins.plugin(1)->parameter(0), 0.5f);
        plugins.clear();
        QCOMPARE(plugins.count(), 0);
    }

    void presets()
    {
        VstPlugin vst;
        QVERIFY(vst.load(plugin("TestMainOnly")));
        auto write = [this](const QString& name, const QByteArray& bytes) {
            QFile file(m_dir.path() + QLatin1Char('/') + name);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        // A value out of range stops the reading; the earlier ones stay.
        QVERIFY(
            !vst.loadFxp(write(QStringLiteral("range.fxp"), fxp("FxCk", kTestId, 3, {0.5f, 1.5f, 0.2f}))));
        QCOMPARE(vst.parameter(0), 0.5f);
        QCOMPARE(vst.parameter(1), 0.25f);
        QCOMPARE(vst.parameter(2), 0.0f);

        const QByteArray good = fxp("FxCk", kTestId, 3, {0.1f, 0.2f, 0.3f});
        QVERIFY(!vst.loadFxp(write(QStringLiteral("upper.FXP"), good)));
        QVERIFY(!vst.loadFxp(
            write(QStringLiteral("other.fxp"), fxp("FxCk", kTestId + 1, 3, {0.1f, 0.2f, 0.3f}))));
        QVERIFY(!vst.loadFxp(write(QStringLiteral("count.fxp"), fxp("FxCk", kTestId, 2, {0.1f, 0.2f}))));
        QVERIFY(!vst.loadFxp(write(QStringLiteral("chunk.fxp"), fxp("FPCh", kTestId, 3, {}, 8))));
        QVERIFY(!vst.loadFxp(write(QStringLiteral("short.fxp"), good.left(good.size() - 6))));
        QCOMPARE(vst.parameter(0), 0.1f); // the truncated file set what it held
        QCOMPARE(vst.parameter(2), 0.0f);
        QVERIFY(vst.loadFxp(write(QStringLiteral("good.fxp"), good)));
        QCOMPARE(vst.parameter(2), 0.3f);

        // Chunk presets go to the plug-in whole, as a program chunk.
        VstPlugin chunks;
        QVERIFY(chunks.load(plugin("TestChunks")));
        QVERIFY(!chunks.loadFxp(write(QStringLiteral("params.fxp"), good)));
        QVERIFY(!chunks.loadFxp(write(QStringLiteral("huge.fxp"), fxp("FPCh", kTestId, 3, {}, 1 << 30))));
        QVERIFY(chunks.loadFxp(write(QStringLiteral("chunk.fxp"), fxp("FPCh", kTestId, 3, {}, 48))));
        chunks.setParameter(2, 1.0f);
        chunks.prepare(48000);
        std::vector<float> block = stereo(8, 1, 1);
        chunks.process(block.data(), 16);
        QCOMPARE(block[8], 48.0f);
        QCOMPARE(block[10], 1.0f);
    }

    void renderRunsPluginsBeforeUnits()
    {
        // A 0.4 tone doubled by the plug-in, then limited to -6 dB: only that
        // order keeps the peak under 0.5.
        const QString input = m_dir.path() + QStringLiteral("/tone.wav");
        const QString output = m_dir.path() + QStringLiteral("/out.wav");
        QVERIFY(QProcess::execute(QStringLiteral("sox"),
                                  {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                   QStringLiteral("-c"), QStringLiteral("2"), input, QStringLiteral("synth"),
                                   QStringLiteral("0.5"), QStringLiteral("sine"), QStringLiteral("440"),
                                   QStringLiteral("vol"), QStringLiteral("0.4")}) == 0);
        const QString fxpFile = m_dir.path() + QStringLiteral("/double.fxp");
        QFile preset(fxpFile);
        QVERIFY(preset.open(QIODevice::WriteOnly));
        preset.write(fxp("FxCk", kTestId, 3, {1.0f, 0.0f, 0.0f}));
        preset.close();
        QProcess cli;
        cli.start(QStringLiteral(ZELVANI_CLI),
                  {QStringLiteral("render"), QStringLiteral("--input"), input, QStringLiteral("--output"),
                   output, QStringLiteral("--unit"), QStringLiteral("11:1=-6"), QStringLiteral("--vst"),
                   plugin("TestMainOnly"), QStringLiteral("--fxp"), fxpFile});
        QVERIFY(cli.waitForFinished(60000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        QProcess stat;
        stat.start(QStringLiteral("sox"), {output, QStringLiteral("-n"), QStringLiteral("stat")});
        QVERIFY(stat.waitForFinished(30000));
        const QString report = QString::fromUtf8(stat.readAllStandardError());
        const double peak = QRegularExpression(QStringLiteral("Maximum amplitude:\\s+([0-9.]+)"))
                                .match(report)
                                .captured(1)
                                .toDouble();
        QVERIFY2(peak > 0.45 && peak <= 0.502, qPrintable(report));
    }

    void noiseGates()
    {
        QCOMPARE(NoiseGates::denoiseParameters(90), std::make_pair(0.7f, 0.3f));
        QCOMPARE(NoiseGates::denoiseParameters(25), std::make_pair(0.25f, 0.75f));
        QCOMPARE(NoiseGates::denoiseParameters(-10), std::make_pair(-0.1f, 1.1f));

        // Without the plug-in both gates exist and leave the sound alone.
        NoiseGates missing;
        missing.load(m_dir.path(), 48000, true, 50);
        QVERIFY(missing.fixedGate() && !missing.fixedGate()->isLoaded());
        std::vector<float> block = stereo(480, 0.01f, 0.01f);
        const std::vector<float> before = block;
        missing.process(block.data(), static_cast<int>(block.size()));
        QVERIFY(block == before);

        const QString resources = QStringLiteral(ZELVANI_RESOURCES);
        if (!QFileInfo::exists(NoiseGates::pluginPath(resources)))
            QSKIP("the NoiseGate plug-in is not built");
        NoiseGates gates;
        gates.load(resources, 48000, true, 90);
        QCOMPARE(gates.fixedGate()->parameter(2), 0.2f);
        QCOMPARE(gates.fixedGate()->parameter(11), 0.8f);
        QCOMPARE(gates.denoiseGate()->parameter(2), 0.7f);
        QCOMPARE(gates.denoiseGate()->parameter(11), 0.3f);
        QVERIFY(gates.denoiseEnabled());
        gates.setDenoiseValue(25);
        QCOMPARE(gates.denoiseGate()->parameter(11), 0.75f);
    }

    void processingAllocatesNothing()
    {
        const long before = alloccount::total.load();
        delete new volatile int(1);
        QVERIFY2(alloccount::total.load() > before, "allocations are not counted");
        // The test plug-ins call the host on every block; ours run real DSP.
        QStringList paths = {plugin("TestMainOnly"), plugin("TestSideChain")};
        for (const QFileInfo& file : QDir(QStringLiteral(ZELVANI_RESOURCES "/vst"))
                                         .entryInfoList({QStringLiteral("*.so")}, QDir::Files))
            paths.append(file.absoluteFilePath());
        std::vector<float> block = stereo(3000, 0.3f, 0.2f);
        for (const QString& path : paths) {
            VstPlugin vst;
            QVERIFY2(vst.load(path), qPrintable(path));
            vst.prepare(48000);
            for (int i = 0; i < vst.parameterCount(); ++i)
                vst.setParameter(i, 0.7f);
            t_processing = true;
            for (int round = 0; round < 50; ++round) {
                vst.process(block.data(), 960);
                vst.process(block.data(), static_cast<int>(block.size()));
            }
            t_processing = false;
            QVERIFY2(alloccount::watched.load() == 0, qPrintable(path));
        }
    }

    void thirdPartyPluginsComeAndGo_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* name : {"ZamGate", "ZamComp", "ZamDelay"})
            QTest::newRow(name) << QStringLiteral("/usr/lib/vst/%1-vst.so").arg(QLatin1String(name));
    }

    void thirdPartyPluginsComeAndGo()
    {
        QFETCH(QString, path);
        if (!QFileInfo::exists(path))
            QSKIP("zam-plugins is not installed (scripts/install-deps installs it)");
        std::vector<float> block = stereo(480, 0.5f, 0.5f);
        for (int round = 0; round < 100; ++round) {
            VstPlugin vst;
            QVERIFY(vst.load(path));
            vst.prepare(48000);
            for (int i = 0; i < 5; ++i)
                vst.process(block.data(), static_cast<int>(block.size()));
        }
        for (float v : block)
            QVERIFY(std::isfinite(v));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestVstHost)
#include "test_vsthost.moc"
