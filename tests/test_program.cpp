// Drives the real program executable: start-up, logging, a second start and
// the orderly end on signals.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <csignal>

namespace {

const QString kProgram = QStringLiteral(ZELVANI_PROGRAM);
const QString kCli = QStringLiteral(ZELVANI_CLI);

QString dataFolder()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Zelvani/Zelvani Voice Changer");
}

QString logText()
{
    QFile file(dataFolder() + QStringLiteral("/log/AppLog.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool waitForLog(const QString& text, int timeoutMs = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (logText().contains(text))
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void cliAnswersVersionHelpAndBadUsage()
    {
        const auto run = [](const QStringList& arguments, int expectedCode) {
            QProcess cli;
            cli.start(kCli, arguments);
            if (!cli.waitForFinished(10000) || cli.exitStatus() != QProcess::NormalExit ||
                cli.exitCode() != expectedCode)
                return QStringLiteral("<exit %1>").arg(cli.exitCode());
            return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
        };
        QCOMPARE(run({QStringLiteral("--version")}, 0), QStringLiteral("zelvani-cli 3.1.0\n"));
        QVERIFY(run({QStringLiteral("--help")}, 0).startsWith(QStringLiteral("Usage: zelvani-cli")));
        QVERIFY(
            run({QStringLiteral("frobnicate")}, 2).contains(QStringLiteral("unknown command 'frobnicate'")));
        QVERIFY(run({}, 2).contains(QStringLiteral("Usage:")));

        // The program's own options answer without a display; Qt's pass through.
        const auto program = [](const QStringList& arguments, int expectedCode) {
            QProcess process;
            process.setProcessEnvironment(QProcessEnvironment());
            process.start(kProgram, arguments);
            if (!process.waitForFinished(10000) || process.exitCode() != expectedCode)
                return QStringLiteral("<exit %1>").arg(process.exitCode());
            return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        };
        QCOMPARE(program({QStringLiteral("--version")}, 0), QStringLiteral("zelvani-voice-changer 3.1.0\n"));
        const QString help =
            program({QStringLiteral("--platform"), QStringLiteral("offscreen"), QStringLiteral("--help")}, 0);
        QVERIFY2(help.contains(QStringLiteral("--minimized")) &&
                     help.contains(QStringLiteral("--soundboard")),
                 qPrintable(help));
        QVERIFY(program({QStringLiteral("--minimised")}, 2)
                    .contains(QStringLiteral("unknown option '--minimised'")));
    }

    void startsLogsAndQuitsOnSignals_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void startsLogsAndQuitsOnSignals()
    {
        QFETCH(int, signal);
        QFile::remove(dataFolder() + QStringLiteral("/log/AppLog.log"));

        QProcess program;
        program.start(kProgram, QStringList());
        QVERIFY(program.waitForStarted());
        QVERIFY2(waitForLog(QStringLiteral("App start (version: 3.1.0)")), qPrintable(logText()));
        QVERIFY2(waitForLog(QStringLiteral("System: ")), qPrintable(logText()));
        // The bundled catalogues load from the resources folder beside the program.
        QVERIFY2(waitForLog(QStringLiteral(" sounds in ")), qPrintable(logText()));
        QVERIFY2(!logText().contains(QStringLiteral("[Catalogue] 0 effects")), qPrintable(logText()));
        QCOMPARE(program.state(), QProcess::Running);

        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(logText().contains(QStringLiteral("App quit")));

        // The first orderly quit clears the first-cycle flag in the native store.
        QSettings native(QStringLiteral("Zelvani"), QStringLiteral("Zelvani Voice Changer"));
        QCOMPARE(native.value(QStringLiteral("AppFirstCycle")).toBool(), false);
    }

    void secondStartHandsOverAndExits()
    {
        QFile::remove(dataFolder() + QStringLiteral("/log/AppLog.log"));
        QProcess first;
        first.start(kProgram, QStringList());
        QVERIFY(first.waitForStarted());
        QVERIFY(waitForLog(QStringLiteral("System: ")));
        const int startsBefore = logText().count(QStringLiteral("App start"));

        QProcess second;
        second.start(kProgram, QStringList());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(waitForLog(QStringLiteral("[App] another start asked for the window")),
                 qPrintable(logText()));
        QCOMPARE(logText().count(QStringLiteral("App start")), startsBefore);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);

        // With the first copy gone, the next start is a primary again.
        QProcess third;
        third.start(kProgram, QStringList());
        QVERIFY(third.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(logText().count(QStringLiteral("App start")), startsBefore + 1, 15000);
        third.terminate();
        QVERIFY(third.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
