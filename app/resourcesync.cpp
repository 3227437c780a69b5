#include "resourcesync.h"

#include "spdlog_qt"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>

namespace ResourceSync {

namespace {

constexpr const char* kKeys[kCategoryCount] = {"jsons",   "vsts",    "fxps",   "groups",      "effects",
                                               "guide1s", "guide2s", "audios", "audioGroups", "audioIcons"};
constexpr const char* kSuffixes[kCategoryCount] = {"/resources/",
                                                   "/resources/vst/",
                                                   "/resources/fxp/",
                                                   "/resources/image/group/",
                                                   "/resources/image/effect/",
                                                   "/resources/image/guide1/",
                                                   "/resources/image/guide2/",
                                                   "/resources/audio/",
                                                   "/resources/image/audioGroup/",
                                                   "/resources/image/audioIcon/"};

bool validCategory(int category)
{
    return category >= 0 && category < kCategoryCount;
}

} // namespace

QString categoryKey(int category)
{
    return validCategory(category) ? QString::fromLatin1(kKeys[category]) : QString();
}

QString categorySuffix(int category)
{
    return validCategory(category) ? QString::fromLatin1(kSuffixes[category]) : QString();
}

QString recordUrl(const QString& rootPath, int category, const QString& name)
{
    return rootPath + categorySuffix(category) + (category == 1 ? QStringLiteral("linux/") : QString()) +
           name;
}

QString categoryFolder(const QString& resourcesPath, int category)
{
    // The resources folder stands where the suffixes begin with "/resources".
    return resourcesPath + categorySuffix(category).mid(static_cast<int>(qstrlen("/resources")));
}

bool isSafeName(const QString& name, QString* reason)
{
    if (name.isEmpty())
        *reason = QStringLiteral("an empty name");
    else if (name.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(name))
        *reason = QStringLiteral("an absolute path");
    else if (name.contains(QLatin1Char('\\')))
        *reason = QStringLiteral("a backslash");
    else if (name.contains(QChar(0)))
        *reason = QStringLiteral("a NUL character");
    else if (name.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        *reason = QStringLiteral("\"..\"");
    else if (QDir::cleanPath(QStringLiteral("/c/") + name).startsWith(QStringLiteral("/c/")) == false)
        *reason = QStringLiteral("a path outside its folder");
    else
        return true;
    return false;
}

bool isAllowedServer(const QString& server, QString* reason)
{
    const QUrl url(server.trimmed());
    const QString host = url.host();
    const QHostAddress address(host);
    const bool loopback = host == QLatin1String("localhost") || (!address.isNull() && address.isLoopback());
    if (!url.isValid() || host.isEmpty())
        *reason = QStringLiteral("not an address");
    else if (url.scheme() == QLatin1String("https") || (url.scheme() == QLatin1String("http") && loopback))
        return true;
    else
        *reason = QStringLiteral("only HTTPS is used (plain HTTP only on this computer)");
    return false;
}

namespace {

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1String("https") ? 443 : 80) &&
           a.userInfo().isEmpty();
}

} // namespace

QHash<int, QList<Record>> parseManifest(const QJsonObject& manifest, const QString& server)
{
    QHash<int, QList<Record>> table;
    for (int category = 0; category < kCategoryCount; ++category)
        table.insert(category, {});
    // Files come from the configured server only: a rootPath is resolved
    // against it and must stay on its origin.
    QString base = server.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QUrl origin(base + QLatin1Char('/'));
    const QString given = manifest.value(QLatin1String("rootPath")).toString();
    const QUrl root = origin.resolved(QUrl(given));
    if (!origin.isValid() || !root.isValid() || !sameOrigin(root, origin)) {
        LogError(
            QStringLiteral("[Resources] the manifest's rootPath \"%1\" is not on the resource server %2; "
                           "nothing is downloaded")
                .arg(QString(given).replace(QChar(0), QStringLiteral("\\0")), base));
        return table;
    }
    QString rootPath = root.toString();
    while (rootPath.endsWith(QLatin1Char('/')))
        rootPath.chop(1);
    for (int category = 0; category < kCategoryCount; ++category) {
        QList<Record> records;
        for (const QJsonValue& value : manifest.value(categoryKey(category)).toArray()) {
            const QJsonObject entry = value.toObject();
            Record record;
            record.name = entry.value(QLatin1String("name")).toString();
            record.md5 = entry.value(QLatin1String("md5")).toString();
            record.guide = entry.value(QLatin1String("guide")).toString();
            QString reason;
            if (isSafeName(record.name, &reason)) {
                record.url = recordUrl(rootPath, category, record.name);
                if (!sameOrigin(QUrl(record.url), origin))
                    reason = QStringLiteral("an address off the resource server");
            }
            if (!reason.isEmpty()) {
                LogError(QStringLiteral("[Resources] manifest entry \"%1\" refused: %2")
                             .arg(QString(record.name).replace(QChar(0), QStringLiteral("\\0")), reason));
                continue;
            }
            records.append(record);
        }
        table.insert(category, records);
    }
    return table;
}

Outcome fetch(QNetworkAccessManager* network, const QString& url, int timeoutMs, QByteArray* body,
              QString* error)
{
    QNetworkReply* reply = network->get(QNetworkRequest(QUrl(url)));
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, &tooLarge](qint64 received, qint64 total) {
                         if (received > kLargestDownload || total > kLargestDownload) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer); // a coarse timer may end 5 % early
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    Outcome outcome = Outcome::Done;
    if (!reply->isFinished()) {
        outcome = Outcome::TimedOut;
        *error = QStringLiteral("timeout");
        reply->abort();
    } else if (tooLarge) {
        outcome = Outcome::Failed;
        *error = QStringLiteral("larger than %1 MiB").arg(kLargestDownload / (1024 * 1024));
    } else if (reply->error() != QNetworkReply::NoError) {
        outcome = Outcome::Failed;
        *error = reply->errorString();
    } else {
        *body = reply->readAll();
    }
    reply->deleteLater();
    return outcome;
}

bool downloadFile(QNetworkAccessManager* network, const Item& item, int timeoutMs, QString* error)
{
    QByteArray body;
    if (fetch(network, item.url, timeoutMs, &body, error) != Outcome::Done)
        return false;
    QDir().mkpath(item.path.left(item.path.lastIndexOf(QLatin1Char('/'))));
    QSaveFile file(item.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(item.path, file.errorString());
        return false;
    }
    return true;
}

} // namespace ResourceSync
