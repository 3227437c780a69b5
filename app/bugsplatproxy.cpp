#include "bugsplatproxy.h"

#include "crashreport.h"
#include "cutesettings.h"
#include "spdlog_qt"
#include "spdlogcore.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr unsigned kSenderFlags = 0x2031;
constexpr std::size_t kGuardBytes = 20971520;
constexpr int kUploadTimeoutMs = 60000;

// Read by the filter, which cannot allocate: plain buffers filled at set-up.
char g_dumpPath[4096];
char g_attachmentFolder[4096];

bool keepPath(char* target, std::size_t size, const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || static_cast<std::size_t>(encoded.size()) >= size) {
        target[0] = '\0';
        return false;
    }
    qstrncpy(target, encoded.constData(), size);
    return true;
}

void attachFile(const char* path, void* sender)
{
    static_cast<crashreport::Sender*>(sender)->sendAdditionalFile(path);
}

// Runs on the faulting thread inside the fatal handler: async-signal-safe calls only.
void unhandledExceptionFilter(const crashreport::CrashContext& context)
{
    SpdLogEmergency(__FILE__, __LINE__, "bugsplat::unhandledExceptionFilter");

    if (!g_dumpPath[0])
        return;
    const int fd = open(g_dumpPath, O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return;

    namespace format = crashreport::format;
    crashreport::ReportWriter out(fd);
    out.text(format::Title).text("\n");
    out.text(format::Signal).text(": ").number(context.signal);
    out.text(" (").text(crashreport::signalName(context.signal)).text(")\n");
    out.text(format::Cause).text(": ").text(context.cause).text("\n");
    const bool fault = context.cause != crashreport::cause::SentByAnotherProcess;
    if (context.address || (fault && (context.signal == SIGSEGV || context.signal == SIGBUS))) {
        const auto address = reinterpret_cast<std::uintptr_t>(context.address);
        out.text(format::Address).text(": ").hex(address).text("\n");
    }
    char threadName[17] = {};
    prctl(PR_GET_NAME, threadName, 0, 0, 0);
    out.text(format::Thread).text(": ").number(context.threadId).text(" (").escaped(threadName).text(")\n");
    if (context.exceptionType)
        out.text(format::Exception).text(": ").escaped(context.exceptionType).text("\n");
    out.text("\n").text(format::StackSection).text("\n");
    crashreport::writeStack(fd, context.ucontext);

    crashreport::Sender* sender = crashreport::Sender::current();
    if (sender) {
        char memory[32];
        crashreport::peakMemoryText(memory, sizeof memory);
        char notes[64] = "{\"Mem\":\"";
        std::size_t used = sizeof("{\"Mem\":\"") - 1;
        for (const char* p = memory; *p && used < sizeof notes - 3; ++p)
            notes[used++] = *p;
        notes[used++] = '"';
        notes[used++] = '}';
        notes[used] = '\0';
        sender->setNotes(notes);

        static const char* const kAttachedSuffixes[] = {".log", ".txt", nullptr};
        crashreport::forEachFile(g_attachmentFolder, kAttachedSuffixes, &attachFile, sender);
        sender->unhandledExceptionHandler(fd);
    }
    close(fd);
}

QByteArray quotedName(const QString& name)
{
    QByteArray encoded = name.toUtf8();
    encoded.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + encoded + '"';
}

void addField(QHttpMultiPart* multiPart, const char* name, const std::string& value)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader, QByteArray("form-data; name=\"") + name + '"');
    part.setBody(QByteArray::fromStdString(value));
    multiPart->append(part);
}

void addFile(QHttpMultiPart* multiPart, const char* name, const QString& fileName, const QByteArray& content)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QByteArray("form-data; name=\"") + name + "\"; filename=" + quotedName(fileName));
    part.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    part.setBody(content);
    multiPart->append(part);
}

} // namespace

struct BugSplatProxy::Private
{
    std::unique_ptr<crashreport::Sender> sender;
    QString dumpPath;
    QString database;
    QString application;
    QString version;
    QNetworkAccessManager* network = nullptr;
    QNetworkReply* upload = nullptr;
};

BugSplatProxy* BugSplatProxy::instance()
{
    static BugSplatProxy* proxy = new BugSplatProxy;
    return proxy;
}

BugSplatProxy::BugSplatProxy() : d(std::make_unique<Private>()) {}

BugSplatProxy::~BugSplatProxy() = default;

void BugSplatProxy::setup(const QString& dumpPath, const QString& attachmentFolder, const QString& database,
                          const QString& application, const QString& version, const QString& appIdentifier)
{
    if (crashreport::underDebugger()) {
        LogInfo("[CrashReport] debugger attached: crash handlers not installed");
        return;
    }

    d->dumpPath = QFileInfo(dumpPath).absoluteFilePath();
    d->database = database;
    d->application = application;
    d->version = version;
    if (!keepPath(g_dumpPath, sizeof g_dumpPath, d->dumpPath))
        LogError(
            QStringLiteral("[CrashReport] dump path unusable, crashes leave no report: %1").arg(dumpPath));
    keepPath(g_attachmentFolder, sizeof g_attachmentFolder, QFileInfo(attachmentFolder).absoluteFilePath());

    const QByteArray identifier = appIdentifier.toUtf8();
    d->sender = std::make_unique<crashreport::Sender>(
        database.toUtf8().constData(), application.toUtf8().constData(), version.toUtf8().constData(),
        identifier.isEmpty() ? nullptr : identifier.constData(), kSenderFlags);
    crashreport::routeFatalErrors();
    d->sender->setGuardByteBufferSize(kGuardBytes);
    crashreport::installFilter(&unhandledExceptionFilter);
    LogInfo(QStringLiteral("[CrashReport] crash reports go to %1").arg(d->dumpPath));

    uploadPendingReport();
}

void BugSplatProxy::setDefaultUserDescription(const QString& text)
{
    if (d->sender)
        d->sender->setDefaultUserDescription(text.toUtf8().constData());
}

void BugSplatProxy::setDefaultUserEmail(const QString& text)
{
    if (d->sender)
        d->sender->setDefaultUserEmail(text.toUtf8().constData());
}

void BugSplatProxy::setDefaultUserName(const QString& text)
{
    if (d->sender)
        d->sender->setDefaultUserName(text.toUtf8().constData());
}

QString BugSplatProxy::dumpPath() const
{
    return d->dumpPath;
}

bool BugSplatProxy::isUploading() const
{
    return d->upload != nullptr;
}

void BugSplatProxy::uploadPendingReport()
{
    if (d->upload || d->dumpPath.isEmpty() || !QFileInfo(d->dumpPath).isFile())
        return;
    const QString server = CuteSettings::instance()->configValue(QStringLiteral("CrashReportServer"));
    if (server.isEmpty()) {
        LogInfo("[CrashReport] report of an earlier run kept: no report address configured");
        return;
    }
    QUrl url(server);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
        LogError(QStringLiteral("[CrashReport] report address unusable: %1").arg(server));
        return;
    }
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path + QStringLiteral("/crash-reports"));

    QFile reportFile(d->dumpPath);
    if (!reportFile.open(QIODevice::ReadOnly)) {
        LogError(QStringLiteral("[CrashReport] pending report unreadable: %1").arg(reportFile.errorString()));
        return;
    }
    const QByteArray report = reportFile.readAll();
    reportFile.close();

    // The report describes the run that crashed; the current values only fill gaps.
    crashreport::ReportFields fields;
    fields.database = d->database.toStdString();
    fields.application = d->application.toStdString();
    fields.version = d->version.toStdString();
    crashreport::parseReport(report.toStdString(), fields);

    auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    addField(multiPart, "database", fields.database);
    addField(multiPart, "appName", fields.application);
    addField(multiPart, "appVersion", fields.version);
    addField(multiPart, "description", fields.description);
    addField(multiPart, "email", fields.email);
    addField(multiPart, "user", fields.user);
    addField(multiPart, "notes", fields.notes);
    addFile(multiPart, "report", QFileInfo(d->dumpPath).fileName(), report);
    for (const std::string& attached : fields.files) {
        QFile file(QFile::decodeName(attached.c_str()));
        if (file.open(QIODevice::ReadOnly))
            addFile(multiPart, "attachment", QFileInfo(file).fileName(), file.readAll());
    }

    if (!d->network)
        d->network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(kUploadTimeoutMs);
    LogInfo(QStringLiteral("[CrashReport] uploading the report of an earlier run to %1").arg(url.toString()));
    d->upload = d->network->post(request, multiPart);
    multiPart->setParent(d->upload);
    connect(d->upload, &QNetworkReply::finished, this, [this] { onUploadFinished(); });
}

void BugSplatProxy::onUploadFinished()
{
    QNetworkReply* reply = d->upload;
    d->upload = nullptr;
    reply->deleteLater();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        LogError(QStringLiteral("[CrashReport] report upload failed (HTTP %1): %2, kept for the next start")
                     .arg(status)
                     .arg(reply->errorString()));
        emit uploadFinished(false);
        return;
    }

    const QString sent = d->dumpPath + QStringLiteral(".sent");
    QFile::remove(sent);
    if (!QFile::rename(d->dumpPath, sent)) {
        LogError(QStringLiteral("[CrashReport] uploaded report could not be renamed to %1").arg(sent));
        QFile::remove(d->dumpPath);
    }
    LogInfo("[CrashReport] report uploaded");
    emit uploadFinished(true);
}
