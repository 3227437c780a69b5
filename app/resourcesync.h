#pragma once

// The pieces of the resource check: the manifest's categories, folders and
// URLs, the names it may hold, and one download into place.

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>

class QNetworkAccessManager;

namespace ResourceSync {

constexpr int kCategoryCount = 10;
constexpr qint64 kLargestDownload = qint64(256) * 1024 * 1024;

struct Record
{
    QString name;
    QString md5;
    QString url;
    QString guide;
};

struct Item
{
    QString url;
    QString path; // local
};

// The manifest's array key and folder suffix of a category ("/resources/vst/"
// for plug-ins); empty for a number without a category.
QString categoryKey(int category);
QString categorySuffix(int category);
// rootPath + suffix + name; plug-ins are served per platform (vst/linux/).
QString recordUrl(const QString& rootPath, int category, const QString& name);
// The category's local folder under `resourcesPath` (the folder of category 0).
QString categoryFolder(const QString& resourcesPath, int category);

// A name the manifest may give: relative, without "..", backslashes or NUL,
// and staying inside its category's folder. False with `reason` set.
bool isSafeName(const QString& name, QString* reason);

// A resource or update server the program may reach: HTTPS (certificates
// checked), or plain HTTP on this computer only. False with `reason` set.
bool isAllowedServer(const QString& server, QString* reason);

// The records of every category, in manifest order. Names that are not safe
// and addresses off `server`'s origin (scheme, host, port) are left out, each
// with a log line; the manifest's rootPath resolves against `server`.
QHash<int, QList<Record>> parseManifest(const QJsonObject& manifest, const QString& server);

enum class Outcome
{
    Done,
    Failed,
    TimedOut
};

// GETs `url` and waits in a local event loop for at most `timeoutMs`;
// `body` holds the answer. Answers over kLargestDownload are refused.
Outcome fetch(QNetworkAccessManager* network, const QString& url, int timeoutMs, QByteArray* body,
              QString* error);

// One download attempt: the file is written aside and renamed into place
// only once complete, so a failure leaves the old file as it was.
bool downloadFile(QNetworkAccessManager* network, const Item& item, int timeoutMs, QString* error);

} // namespace ResourceSync
