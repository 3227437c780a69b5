// Crash reports: real child processes crash, and their reports, log lines and
// uploads are checked.

#include "crash_probe.h"
#include "crashreport.h"
#include "httptestserver.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZELVANI_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELVANI_ASAN 1
#endif
#endif

namespace {

const QString kDumpName = QStringLiteral("Zelvani Voice Changer_v3.1.0.dmp");
constexpr char kServerVariable[] = "ZELVANI_CRASH_REPORT_SERVER";

struct ProbeResult
{
    bool crashed = false;
    int code = -1; // the signal when crashed, else the exit code
    qint64 pid = 0;
    QByteArray output;
};

// A crash report split into its header lines, its stack and its sender's part.
struct Report
{
    QHash<QString, QString> header;
    QString stack;
    crashreport::ReportFields fields;
    bool hasSenderPart = false;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Report readReport(const QString& path)
{
    const QByteArray text = readFile(path);
    Report report;
    report.hasSenderPart = crashreport::parseReport(text.toStdString(), report.fields);

    const QString all = QString::fromUtf8(text);
    const int stackStart = all.indexOf(QLatin1String(crashreport::format::StackSection));
    const int stackEnd = all.indexOf(QLatin1String(crashreport::format::SenderSection));
    report.stack = all.mid(stackStart, stackEnd - stackStart);
    for (const QString& line : all.left(stackStart).split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            report.header.insert(line.left(colon), line.mid(colon + 2));
    }
    return report;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Resident memory of this process in bytes.
qint64 residentBytes()
{
    return readFile(QStringLiteral("/proc/self/statm")).split(' ').value(1).toLongLong() *
           sysconf(_SC_PAGESIZE);
}

QProcessEnvironment environmentWithoutServer()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QLatin1String(kServerVariable));
    return environment;
}

// Runs the probe with the event loop spinning, so a test server in this
// process can answer it.
ProbeResult runProbe(const QString& folder, const QString& kind,
                     const QProcessEnvironment& environment = environmentWithoutServer())
{
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    QSignalSpy finished(&probe, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    probe.start(QStringLiteral(CRASH_PROBE), {folder, kind});
    ProbeResult result;
    if (!probe.waitForStarted())
        return result;
    result.pid = probe.processId();
    if (!finished.wait(90000)) {
        probe.kill();
        probe.waitForFinished();
    }
    result.crashed = probe.exitStatus() == QProcess::CrashExit;
    // On a crash QProcess reports the terminating signal as the exit code.
    result.code = probe.exitCode();
    result.output = probe.readAll();
    return result;
}

// A log folder with the kinds of files a real one holds besides the log.
class LogFolder
{
public:
    LogFolder() : m_dir(QDir::tempPath() + QStringLiteral("/crash report XXXXXX"))
    {
        writeFile(path(QStringLiteral("extra.txt")), "extra attachment\n");
        writeFile(path(QStringLiteral("settings.dat")), "not a log\n");
        QDir(m_dir.path()).mkdir(QStringLiteral("archive.log"));
    }
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString dump() const { return path(kDumpName); }
    QString log() const { return QString::fromUtf8(readFile(path(QStringLiteral("AppLog.log")))); }

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestCrashReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void crashLeavesReport_data();
    void crashLeavesReport();
    void nextCrashOverwritesReport();
    void signalFromAnotherProcessIsNamedSo();
    void unwritableDumpPathStillEndsBySignal();
    void guardBytesAreCommittedUntilReleased();

    void pendingReportIsUploadedAndMarkedSent();
    void unsentReportIsKept_data();
    void unsentReportIsKept();
};

void TestCrashReport::initTestCase()
{
    qRegisterMetaType<QProcess::ExitStatus>();
}

void TestCrashReport::crashLeavesReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("frame"); // a function the faulting thread's stack must show

    QTest::newRow("segv") << "segv" << SIGSEGV << crashreport::cause::InvalidMemoryAccess
                          << "crashWithNullWrite";
    QTest::newRow("abort") << "abort" << SIGABRT << crashreport::cause::Abort << "crashWithAbort";
    QTest::newRow("terminate") << "terminate" << SIGABRT << crashreport::cause::Terminate
                               << "crashInNoexcept";
    QTest::newRow("badalloc") << "badalloc" << SIGABRT << crashreport::cause::AllocationFailure
                              << "crashWithHugeAllocation";
    QTest::newRow("stackoverflow") << "stackoverflow" << SIGSEGV << crashreport::cause::StackOverflow
                                   << "recurseWithoutEnd";
    QTest::newRow("thread-segv") << "thread-segv" << SIGSEGV << crashreport::cause::InvalidMemoryAccess
                                 << "crashWithNullWrite";
    QTest::newRow("thread-stackoverflow")
        << "thread-stackoverflow" << SIGSEGV << crashreport::cause::StackOverflow << "recurseWithoutEnd";
}

void TestCrashReport::crashLeavesReport()
{
    QFETCH(QString, kind);
    QFETCH(int, signal);
    QFETCH(QString, cause);
    QFETCH(QString, frame);
#ifdef ZELVANI_ASAN
    if (kind == QLatin1String("badalloc"))
        QSKIP("AddressSanitizer's operator new reports a failed allocation itself and never calls the new "
              "handler");
#endif

    LogFolder folder;
    QVERIFY(folder.isValid());
    const ProbeResult result = runProbe(folder.path(), kind);
    QVERIFY2(result.crashed, result.output.constData());
    QCOMPARE(result.code, signal);

    QVERIFY(QFileInfo::exists(folder.dump()));
    const Report report = readReport(folder.dump());
    QCOMPARE(report.header.value(crashreport::format::Signal),
             QStringLiteral("%1 (%2)").arg(signal).arg(crashreport::signalName(signal)));
    QCOMPARE(report.header.value(crashreport::format::Cause), cause);

    // The stack is the faulting thread's: a worker's stack does not reach main()
    // (an overflowed one is too deep to show it).
    QVERIFY2(report.stack.count(QRegularExpression(QStringLiteral("\n#\\d+ "))) >= 3,
             qPrintable(report.stack));
    QVERIFY2(report.stack.contains(frame), qPrintable(report.stack));
    const bool onWorker = kind.startsWith(QLatin1String("thread-"));
    if (!kind.endsWith(QLatin1String("stackoverflow")))
        QCOMPARE(report.stack.contains(QLatin1String("(main+")), !onWorker);
    const QString thread = report.header.value(crashreport::format::Thread);
    QCOMPARE(thread.startsWith(QString::number(result.pid) + QLatin1Char(' ')), !onWorker);
    if (onWorker)
        QVERIFY2(thread.contains(QLatin1String(crashprobe::WorkerName)), qPrintable(thread));
    if (kind == QLatin1String("segv"))
        QCOMPARE(report.header.value(crashreport::format::Address), QStringLiteral("0x0"));
    if (kind == QLatin1String("terminate"))
        QVERIFY(report.header.value(crashreport::format::Exception).contains(QLatin1String("runtime_error")));

    // The sender's fields are read back by the upload below.
    QVERIFY(report.hasSenderPart);

    // Peak memory includes the committed 20 MiB guard buffer.
    const QJsonObject notes =
        QJsonDocument::fromJson(QByteArray::fromStdString(report.fields.notes)).object();
    QCOMPARE(notes.keys(), QStringList{QStringLiteral("Mem")});
    const QRegularExpressionMatch memory = QRegularExpression(QStringLiteral("^(\\d+\\.\\d)MB$"))
                                               .match(notes.value(QLatin1String("Mem")).toString());
    QVERIFY2(memory.hasMatch(), report.fields.notes.c_str());
    QVERIFY2(memory.captured(1).toDouble() >= 20.0 && memory.captured(1).toDouble() < 65536.0,
             report.fields.notes.c_str());

    QStringList attached;
    for (const std::string& file : report.fields.files)
        attached << QString::fromStdString(file);
    attached.sort();
    QCOMPARE(attached, (QStringList{folder.path(QStringLiteral("AppLog.log")),
                                    folder.path(QStringLiteral("extra.txt"))}));

    QVERIFY(folder.log().contains(QLatin1String("bugsplat::unhandledExceptionFilter")));
}

void TestCrashReport::nextCrashOverwritesReport()
{
    LogFolder folder;
    QVERIFY(folder.isValid());
    QCOMPARE(runProbe(folder.path(), QStringLiteral("segv")).code, SIGSEGV);
    const qint64 firstSize = QFileInfo(folder.dump()).size();

    const ProbeResult second = runProbe(folder.path(), QStringLiteral("abort"));
    QCOMPARE(second.code, SIGABRT);
    const QByteArray report = readFile(folder.dump());
    QCOMPARE(report.count(crashreport::format::Title), 1);
    QCOMPARE(report.count(crashreport::format::SenderSection), 1);
    QVERIFY(!report.contains("SIGSEGV"));
    QVERIFY(report.contains("SIGABRT"));
    QVERIFY(report.size() < firstSize * 2);
    QCOMPARE(QFileInfo(folder.dump()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());
}

void TestCrashReport::signalFromAnotherProcessIsNamedSo()
{
    LogFolder folder;
    QVERIFY(folder.isValid());
    QProcess probe;
    probe.setProcessEnvironment(environmentWithoutServer());
    probe.start(QStringLiteral(CRASH_PROBE), {folder.path(), QStringLiteral("wait")});
    QVERIFY(probe.waitForStarted());
    QTRY_VERIFY(folder.log().contains(QLatin1String("[CrashReport]")));
    ::kill(static_cast<pid_t>(probe.processId()), SIGSEGV);
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitStatus(), QProcess::CrashExit);
    QCOMPARE(probe.exitCode(), SIGSEGV);

    const Report report = readReport(folder.dump());
    QCOMPARE(report.header.value(crashreport::format::Cause),
             QLatin1String(crashreport::cause::SentByAnotherProcess));
    QVERIFY(!report.header.contains(crashreport::format::Address));
}

void TestCrashReport::unwritableDumpPathStillEndsBySignal()
{
    LogFolder folder;
    QVERIFY(folder.isValid());
    // A folder where the report should go: it cannot be opened for writing.
    QVERIFY(QDir(folder.path()).mkdir(kDumpName));

    const ProbeResult result = runProbe(folder.path(), QStringLiteral("segv"));
    QVERIFY2(result.crashed, result.output.constData());
    QCOMPARE(result.code, SIGSEGV);
    QVERIFY(QFileInfo(folder.dump()).isDir());
    QVERIFY(folder.log().contains(QLatin1String("bugsplat::unhandledExceptionFilter")));
}

void TestCrashReport::guardBytesAreCommittedUntilReleased()
{
    constexpr qint64 guard = 20971520;
    constexpr qint64 slack = 2 * 1024 * 1024;
    crashreport::Sender sender("Dozovo_Dev", "Zelvani Voice Changer", "3.1.0", nullptr, 0x2031);
    const qint64 before = residentBytes();
    sender.setGuardByteBufferSize(guard);
    const qint64 reserved = residentBytes();
    QVERIFY2(reserved - before >= guard - slack,
             qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(reserved)));
    sender.releaseGuardBytes();
    QCOMPARE(sender.guardByteBufferSize(), std::size_t(0));
    QVERIFY2(reserved - residentBytes() >= guard - slack,
             qPrintable(QStringLiteral("%1 -> %2").arg(reserved).arg(residentBytes())));
}

void TestCrashReport::pendingReportIsUploadedAndMarkedSent()
{
    LogFolder folder;
    QVERIFY(folder.isValid());
    QCOMPARE(runProbe(folder.path(), QStringLiteral("segv")).code, SIGSEGV);
    const QByteArray report = readFile(folder.dump());
    const QString sent = folder.dump() + QStringLiteral(".sent");
    writeFile(sent, "an older report\n");

    HttpTestServer server;
    QVERIFY(server.listen());
    server.setResponse("/crash-reports", 200, "stored");
    QProcessEnvironment environment = environmentWithoutServer();
    environment.insert(QLatin1String(kServerVariable), server.baseUrl());
    // An address but no report: nothing connects.
    LogFolder clean;
    QVERIFY(clean.isValid());
    QCOMPARE(runProbe(clean.path(), QStringLiteral("start"), environment).code, crashprobe::ExitNoUpload);
    QCOMPARE(server.connectionCount(), 0);

    const ProbeResult start = runProbe(folder.path(), QStringLiteral("start"), environment);
    QVERIFY2(!start.crashed, start.output.constData());
    QCOMPARE(start.code, crashprobe::ExitUploaded);

    QCOMPARE(server.requests().size(), 1);
    const HttpTestServer::Request request = server.requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/crash-reports"));
    QVERIFY(request.header("content-type").startsWith("multipart/form-data"));

    const QList<HttpTestServer::FormPart> parts = HttpTestServer::formParts(request);
    const auto field = [&parts](const char* name) { return HttpTestServer::formPart(parts, name).data; };
    QCOMPARE(field("database"), QByteArray("Dozovo_Dev"));
    QCOMPARE(field("appName"), QByteArray("Zelvani Voice Changer"));
    QCOMPARE(field("appVersion"), QByteArray("3.1.0"));
    QCOMPARE(field("description"), QByteArray(crashprobe::Description));
    QVERIFY2(QJsonDocument::fromJson(field("notes")).object().contains(QLatin1String("Mem")), field("notes"));

    const HttpTestServer::FormPart reportPart = HttpTestServer::formPart(parts, "report");
    QCOMPARE(reportPart.fileName, kDumpName.toUtf8());
    QCOMPARE(reportPart.data, report);
    QHash<QByteArray, QByteArray> attachments;
    for (const HttpTestServer::FormPart& part : parts) {
        if (part.name == "attachment")
            attachments.insert(part.fileName, part.data);
    }
    QCOMPARE(attachments.size(), 2);
    QCOMPARE(attachments.value("extra.txt"), QByteArray("extra attachment\n"));
    QVERIFY(attachments.value("AppLog.log").contains("bugsplat::unhandledExceptionFilter"));

    QVERIFY(!QFileInfo::exists(folder.dump()));
    QCOMPARE(readFile(sent), report);
    QVERIFY(folder.log().contains(QLatin1String("[CrashReport] report uploaded")));
}

// No address, an empty one, or a server that fails: the report stays where
// it is, unsent.
void TestCrashReport::unsentReportIsKept_data()
{
    QTest::addColumn<QString>("address"); // "-" for none, "server" for the failing one
    QTest::addColumn<int>("code");
    QTest::newRow("no address") << "-" << crashprobe::ExitNoUpload;
    QTest::newRow("empty address") << "" << crashprobe::ExitNoUpload;
    QTest::newRow("server error") << "server" << crashprobe::ExitUploadFailed;
}

void TestCrashReport::unsentReportIsKept()
{
    QFETCH(QString, address);
    QFETCH(int, code);
    LogFolder folder;
    QVERIFY(folder.isValid());
    QCOMPARE(runProbe(folder.path(), QStringLiteral("abort")).code, SIGABRT);
    const QByteArray report = readFile(folder.dump());

    HttpTestServer server;
    QVERIFY(server.listen());
    server.setDefaultResponse(500, "broken");
    const bool failing = address == QLatin1String("server");
    QProcessEnvironment environment = environmentWithoutServer();
    if (address != QLatin1String("-"))
        environment.insert(QLatin1String(kServerVariable),
                           failing ? server.baseUrl() + QStringLiteral("/") : address);

    const ProbeResult start = runProbe(folder.path(), QStringLiteral("start"), environment);
    QVERIFY2(!start.crashed, start.output.constData());
    QCOMPARE(start.code, code);
    QCOMPARE(server.requests().size(), failing ? 1 : 0);
    if (failing) {
        QCOMPARE(server.requests().first().path, QByteArray("/crash-reports"));
        QVERIFY(folder.log().contains(QLatin1String("[CrashReport] report upload failed")));
    }
    QCOMPARE(readFile(folder.dump()), report);
    QVERIFY(!QFileInfo::exists(folder.dump() + QStringLiteral(".sent")));
}

QTEST_GUILESS_MAIN(TestCrashReport)
#include "test_crashreport.moc"
