// The update check against a local HTTP server: the version comparison, what
// each kind of answer reports, and the update-check command.
#include "appmanager.h"
#include "httptestserver.h"
#include "spdlog_qt"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kPath = "/ton-morph/tonmorph_update_linux.json";

// Not a raw string where an apostrophe occurs: moc misreads it and skips the class.
const QByteArray kNewerDocument =
    R"({"Version": " 3.2.0 ", "Size": "85.3 MB", "Release Date": "2024-05-20", )"
    "\"What's New\": \"<ul><li>Faster start</li></ul>\", "
    R"("Download URL": "https://example.org/download"})";

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_logFolder;
    HttpTestServer m_server;

    QString logText() const
    {
        SpdLogFlush();
        QFile file(m_logFolder.filePath(QStringLiteral("AppLog.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Runs one check and waits for its answer; false when none comes.
    bool check(const QString& server, QVariantMap* info, bool* showDialog, QString* failure = nullptr)
    {
        QSignalSpy answers(AppManager::instance(), &AppManager::updateChecked);
        QSignalSpy failures(AppManager::instance(), &AppManager::updateCheckFailed);
        AppManager::instance()->checkForUpdateAt(server);
        if (!answers.wait(10000) || answers.size() != 1)
            return false;
        *info = answers[0][0].toMap();
        *showDialog = answers[0][1].toBool();
        if (failure)
            *failure = failures.isEmpty() ? QString() : failures[0][0].toString();
        return true;
    }

    // Runs zelvani-cli with ZELVANI_UPDATE_SERVER set to `configured` (unset
    // when null), serving requests meanwhile.
    Run cli(const QStringList& arguments, const QString& configured = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("ZELVANI_UPDATE_SERVER"));
        if (!configured.isNull())
            environment.insert(QStringLiteral("ZELVANI_UPDATE_SERVER"), configured);
        process.setProcessEnvironment(environment);
        QSignalSpy finished(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        process.start(QStringLiteral(ZELVANI_CLI), QStringList{QStringLiteral("update-check")} + arguments);
        Run run;
        if (!finished.wait(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_logFolder.isValid());
        InitSpdLogW(L"AppLog.log", m_logFolder.path().toStdWString().c_str());
        QVERIFY(m_server.listen());
        qRegisterMetaType<QProcess::ExitStatus>();
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("3.1.0"));
    }

    void versionsCompareNumericallyPartByPart_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("equal") << "3.1.0"
                               << "3.1.0" << 0;
        QTest::newRow("older") << "3.0.9"
                               << "3.1.0" << -1;
        QTest::newRow("fourth part, other side padded") << "3.1.0.1"
                                                        << "3.1.0" << 1;
        QTest::newRow("shorter padded to equal") << "3.1"
                                                 << "3.1.0.0" << 0;
        QTest::newRow("numbers, not text") << "3.10.0"
                                           << "3.9.9" << 1;
        QTest::newRow("non-numeric part counts 0") << "3.beta.7"
                                                   << "3.0.7" << 0;
        QTest::newRow("non-numeric below 1") << "3.x"
                                             << "3.1" << -1;
        QTest::newRow("empty") << ""
                               << "3.1.0" << -1;
    }

    void versionsCompareNumericallyPartByPart()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(AppManager::compareVersions(a, b), expected);
        QCOMPARE(AppManager::compareVersions(b, a), -expected);
    }

    void answersReportTheirOutcome_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("members"); // of the document, besides CheckResult
        QTest::newRow("newer, blanks trimmed") << 200 << kNewerDocument << 1 << 5;
        QTest::newRow("same version")
            << 200 << QByteArray(R"({"Version": "3.1.0", "Size": "80 MB"})") << 0 << 2;
        QTest::newRow("older") << 200 << QByteArray(R"({"Version": "3.0.9"})") << 0 << 1;
        QTest::newRow("no version") << 200 << QByteArray(R"({"Size": "80 MB"})") << 0 << 1;
        QTest::newRow("invalid JSON") << 200 << QByteArray(R"({"Version": "3.2.0")") << -1 << 0;
        QTest::newRow("array") << 200 << QByteArray(R"([{"Version": "3.2.0"}])") << -1 << 0;
        QTest::newRow("empty object") << 200 << QByteArray("{}") << -1 << 0;
        QTest::newRow("HTTP 404") << 404 << kNewerDocument << -1 << 0;
    }

    void answersReportTheirOutcome()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        QFETCH(int, members);
        m_server.setResponse(kPath, status, body, "application/json");
        const int requestsBefore = m_server.requests().size();

        QVariantMap info;
        bool showDialog = true;
        QString failure;
        QVERIFY(check(m_server.baseUrl(), &info, &showDialog, &failure));
        QCOMPARE(m_server.requests().size(), requestsBefore + 1);
        QCOMPARE(m_server.requests().last().method, QByteArray("GET"));
        QCOMPARE(m_server.requests().last().path, kPath);

        QCOMPARE(info.value(QStringLiteral("CheckResult")).toInt(), result);
        QCOMPARE(info.size(), members + 1);
        QCOMPARE(showDialog, result == 1);
        QCOMPARE(failure.isEmpty(), result >= 0);
        if (result == 1) {
            // The members as the server sent them, the version untrimmed.
            QCOMPARE(info.value(QStringLiteral("Version")).toString(), QStringLiteral(" 3.2.0 "));
            QCOMPARE(info.value(QStringLiteral("Release Date")).toString(), QStringLiteral("2024-05-20"));
            QCOMPARE(info.value(QStringLiteral("Download URL")).toString(),
                     QStringLiteral("https://example.org/download"));
            QVERIFY(info.contains(QStringLiteral("Size")) && info.contains(QStringLiteral("What's New")));
        }
        if (status != 200)
            QVERIFY(
                logText().contains(QStringLiteral("Check lasted version failed! describe: %1").arg(failure)));
    }

    void serverAddressComesFromTheSettings()
    {
        // A server that is gone: the failure is logged with the network's reason.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString gone = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        QVariantMap info;
        bool showDialog = true;
        QString failure;
        QVERIFY(check(gone, &info, &showDialog, &failure));
        QCOMPARE(info, (QVariantMap{{QStringLiteral("CheckResult"), -1}}));
        QVERIFY(!showDialog);
        QVERIFY(!failure.isEmpty());
        QVERIFY(logText().contains(QStringLiteral("Check lasted version failed! describe: %1").arg(failure)));

        // Plain HTTP off this computer is never used: refused without a request.
        QVERIFY(check(QStringLiteral("http://updates.example.org"), &info, &showDialog, &failure));
        QCOMPARE(info, (QVariantMap{{QStringLiteral("CheckResult"), -1}}));
        QVERIFY2(failure.contains(QStringLiteral("only HTTPS")), qPrintable(failure));

        // No server configured: nothing sent, nothing reported, one log line.
        const int requestsBefore = m_server.requests().size();
        qunsetenv("ZELVANI_UPDATE_SERVER");
        QSignalSpy answers(AppManager::instance(), &AppManager::updateChecked);
        AppManager::instance()->checkForUpdate();
        QTest::qWait(300);
        QVERIFY(answers.isEmpty());
        QCOMPARE(logText().count(QStringLiteral("[Update] no update server configured")), 1);

        // The environment's server, with a trailing slash, gets the same path.
        m_server.setResponse(kPath, 200, kNewerDocument, "application/json");
        qputenv("ZELVANI_UPDATE_SERVER", (m_server.baseUrl() + QStringLiteral("/")).toUtf8());
        AppManager::instance()->checkForUpdate();
        QVERIFY(answers.wait(10000));
        qunsetenv("ZELVANI_UPDATE_SERVER");
        QCOMPARE(answers[0][0].toMap().value(QStringLiteral("CheckResult")).toInt(), 1);
        QCOMPARE(m_server.requests().size(), requestsBefore + 1);
        QCOMPARE(m_server.requests().last().path, kPath);
    }

    void commandPrintsTheInformationAndExitCode()
    {
        m_server.setResponse(kPath, 200, kNewerDocument, "application/json");
        Run run = cli({QStringLiteral("--server"), m_server.baseUrl()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.endsWith(QStringLiteral("\nCheckResult: 1\n")), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("\nVersion:  3.2.0 \n")));
        QVERIFY(run.out.contains(QStringLiteral("Release Date: 2024-05-20\n")));
        QVERIFY(run.out.contains(QStringLiteral("Download URL: https://example.org/download\n")));

        // --server wins over the configured server, which is down.
        m_server.setResponse(kPath, 200, R"({"Version": "3.1.0"})", "application/json");
        run = cli({QStringLiteral("--server"), m_server.baseUrl()}, QStringLiteral("http://127.0.0.1:1"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Version: 3.1.0\nCheckResult: 0\n"));

        // The configured server, failing: the reason on standard error.
        m_server.setResponse(kPath, 404, "gone");
        run = cli({}, m_server.baseUrl());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QStringLiteral("CheckResult: -1\n"));
        QVERIFY2(run.err.contains(QStringLiteral("zelvani-cli: update-check: the check failed: ")),
                 qPrintable(run.err));
        QVERIFY(run.err.contains(m_server.baseUrl() + QString::fromLatin1(kPath)));

        run = cli({});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("no update server")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());

        for (const QStringList& bad :
             {QStringList{QStringLiteral("--server")},
              QStringList{QStringLiteral("--server"), QStringLiteral("ftp://host")},
              QStringList{QStringLiteral("--server"), QStringLiteral("127.0.0.1:80")},
              QStringList{QStringLiteral("extra")}}) {
            run = cli(bad, m_server.baseUrl());
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.out.isEmpty());
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    AppManager::applyProcessIdentity();
    TestUpdate test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_update.moc"
