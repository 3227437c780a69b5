#include "appmanager.h"
#include "audioerror.h"
#include "spdlog_qt"

#include "zaudio/zaudio.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const QRegularExpression kLine(QStringLiteral(
    R"(^\[(\d{4}-\d{2}-\d{2}) \d{2}:\d{2}:\d{2}\.\d{3}\] \[(info|error)\] \[\d+\] \[([^:\]]+):(\d+)\] (.*)$)"));

Q_LOGGING_CATEGORY(platformCategory, "qt.qpa.test")

} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString logFile() const { return m_folder.path() + QStringLiteral("/AppLog.log"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        InitSpdLogW(L"AppLog.log", m_folder.path().toStdWString().c_str());
        QCOMPARE(QString::fromUtf8(SpdLogFilePath()), logFile());
    }

    void wrappersNameTheirLineAndLevel()
    {
        LogInfo("narrow information");
        LogInfo(QStringLiteral("string information Pусский 日本語"));
        LogError("narrow error");
        LogError(
            QStringLiteral("[config] (InputName: %1, OutputName: %2)").arg(QStringLiteral("Mic"), QString()));

        const QStringList lines = readLines(logFile());
        QCOMPARE(lines.size(), 4);
        const struct
        {
            const char* level;
            int line;
            QString text;
        } expected[] = {
            {"info", 39, QStringLiteral("narrow information")},
            {"info", 44, QStringLiteral("string information Pусский 日本語")},
            {"error", 49, QStringLiteral("narrow error")},
            {"error", 54, QStringLiteral("[config] (InputName: Mic, OutputName: )")},
        };
        for (int i = 0; i < 4; ++i) {
            const auto match = kLine.match(lines[i]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(match.captured(1), QDate::currentDate().toString(Qt::ISODate));
            QCOMPARE(match.captured(2), QLatin1String(expected[i].level));
            QCOMPARE(match.captured(3), QStringLiteral("spdlog_qt"));
            QCOMPARE(match.captured(4).toInt(), expected[i].line);
            QCOMPARE(match.captured(5), expected[i].text);
        }
    }

    void longAndPercentTextsArriveWhole()
    {
        const QString longText = QStringLiteral("x").repeated(20000) + QStringLiteral(" 100% %s %n end");
        LogInfo(longText);
        LogInfo("50% %d %s");
        const QStringList lines = readLines(logFile());
        QVERIFY(lines.size() >= 2);
        QVERIFY(lines[lines.size() - 2].endsWith(QStringLiteral("] ") + longText));
        QVERIFY(lines.last().endsWith(QStringLiteral("] 50% %d %s")));
    }

    void concurrentThreadsNeverSplitLines()
    {
        QFile::remove(logFile());
        InitSpdLogW(L"AppLog.log", m_folder.path().toStdWString().c_str());
        constexpr int kThreads = 8;
        constexpr int kLines = 2000;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t] {
                for (int n = 0; n < kLines; ++n)
                    LogInfo(
                        QStringLiteral("[Test] thread %1 line %2 %3").arg(t).arg(n).arg(QString(40, 'p')));
            });
        }
        for (auto& thread : threads)
            thread.join();

        const QStringList lines = readLines(logFile());
        QCOMPARE(lines.size(), kThreads * kLines);
        QSet<QString> seen;
        const QRegularExpression payload(QStringLiteral(R"(^\[Test\] thread (\d) line (\d+) p{40}$)"));
        for (const QString& line : lines) {
            const auto match = kLine.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            const auto body = payload.match(match.captured(5));
            QVERIFY2(body.hasMatch(), qPrintable(line));
            seen.insert(body.captured(1) + QLatin1Char('/') + body.captured(2));
        }
        QCOMPARE(seen.size(), kThreads * kLines);
    }

    // What the log holds (devices, actions, errors) is the user's alone: the
    // folder and every file, rotated ones too.
    void folderAndFilesAreTheUsersAlone()
    {
        QTemporaryDir parent;
        const QString folder = parent.path() + QStringLiteral("/log");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));
        InitSpdLogW(L"AppLog.log", folder.toStdWString().c_str());
        const QString text = QStringLiteral("y").repeated(10000);
        for (int i = 0; i < 600; ++i) // 6 MB: past one rotation
            LogInfo(text);
        const auto mode = [](const QString& path) {
            struct stat info
            {};
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        QCOMPARE(mode(folder), 0700);
        QCOMPARE(mode(folder + QStringLiteral("/AppLog.log")), 0600);
        QCOMPARE(mode(folder + QStringLiteral("/AppLog.1.log")), 0600);
        InitSpdLogW(L"AppLog.log", m_folder.path().toStdWString().c_str());
    }

    // Qt's messages and the audio library's error reports reach the file,
    // tagged with their category, once the handler is in place.
    void qtMessagesAndAudioErrorsReachTheFile()
    {
        AppManager::installMessageHandler();
        qWarning("a warning of Qt's %d", 42);
        qCWarning(platformCategory) << "a platform note";
        AudioError::report(zaudio::ErrFileNotFound, 1234);
        const QString log = readLines(logFile()).join(QLatin1Char('\n'));
        QVERIFY2(log.contains(QStringLiteral("[error] ")) &&
                     log.contains(QStringLiteral("[Qt] a warning of Qt's 42")),
                 qPrintable(log.right(500)));
        QVERIFY(log.contains(QStringLiteral("[qt.qpa.test] a platform note")));
        QVERIFY(log.contains(QStringLiteral("[zaudio] line __1234__: zaudio error! (")));
    }

    void emergencyLineMatchesTheLayout()
    {
        SpdLogEmergency("/src/crash.cpp", 77, "bugsplat::unhandledExceptionFilter");
        const QStringList lines = readLines(logFile());
        const auto match = kLine.match(lines.last());
        QVERIFY2(match.hasMatch(), qPrintable(lines.last()));
        QCOMPARE(match.captured(1), QDate::currentDate().toString(Qt::ISODate));
        QCOMPARE(match.captured(2), QStringLiteral("error"));
        QCOMPARE(match.captured(3), QStringLiteral("crash.cpp"));
        QCOMPARE(match.captured(4), QStringLiteral("77"));
        QCOMPARE(match.captured(5), QStringLiteral("bugsplat::unhandledExceptionFilter"));
    }

    // What libraries print to standard error (the mp3 decoder's notes) is
    // logged as well, line by line, and still reaches the terminal; Qt's
    // messages are not logged twice on that way.
    void standardErrorReachesTheFile()
    {
        AppManager::installMessageHandler();
        std::fprintf(stderr, "Note: Illegal Audio-MPEG-Header 0x00000000 at offset 23.\nNote: Trying to ");
        std::fprintf(stderr, "resync...\n");
        std::fflush(stderr);
        qWarning("once only %d", 7);
        QTRY_VERIFY(readLines(logFile()).join(QLatin1Char('\n')).contains(QLatin1String("resync")));
        const QString log = readLines(logFile()).join(QLatin1Char('\n'));
        QVERIFY(log.contains(QStringLiteral("[warning] ")));
        QVERIFY(log.contains(
            QStringLiteral("[stderr] Note: Illegal Audio-MPEG-Header 0x00000000 at offset 23.")));
        QVERIFY(log.contains(QStringLiteral("[stderr] Note: Trying to resync...")));
        QCOMPARE(log.count(QStringLiteral("once only 7")), 1);
    }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "test_logging.moc"
