#include "resourceseed.h"

#include "fileassitant.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace ResourceSeed {
namespace {

// Copies through a temporary file: the copy's old file stays whole until the
// new one is complete. Returns the MD5 of what was written, empty on failure.
QByteArray copyFile(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(from, source.errorString());
        return {};
    }
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Md5);
    char buffer[64 * 1024];
    for (;;) {
        const qint64 count = source.read(buffer, sizeof buffer);
        if (count < 0) {
            *error = QStringLiteral("cannot read %1: %2").arg(from, source.errorString());
            target.cancelWriting();
            return {};
        }
        if (count == 0)
            break;
        hash.addData(buffer, int(count));
        if (target.write(buffer, count) != count) {
            *error = QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
            target.cancelWriting();
            return {};
        }
    }
    // Plug-ins must stay loadable: the copy keeps the bundle's permissions.
    if (!target.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(to, target.errorString());
        return {};
    }
    QFile::setPermissions(to, QFileInfo(from).permissions() | QFileDevice::WriteOwner);
    return hash.result().toHex();
}

QJsonObject readRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

Result seed(const QString& installed, const QString& copy)
{
    Result result;
    const QString recordPath = copy + QLatin1Char('/') + QLatin1String(kSeedRecord);
    const QJsonObject record = readRecord(recordPath);
    QJsonObject updated;
    const QDir root(installed);
    QDirIterator files(installed, QDir::Files | QDir::Readable,
                       QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = root.relativeFilePath(from);
        const QString to = copy + QLatin1Char('/') + relative;
        const QFileInfo source = files.fileInfo();
        const qint64 size = source.size();
        const qint64 time = source.lastModified().toMSecsSinceEpoch();
        const QJsonObject seeded = record.value(relative).toObject();
        const bool bundleUnchanged = !seeded.isEmpty() &&
                                     seeded.value(QLatin1String("size")).toDouble() == size &&
                                     seeded.value(QLatin1String("time")).toDouble() == time;
        const bool present = QFileInfo::exists(to);
        QJsonObject entry{{QStringLiteral("size"), double(size)}, {QStringLiteral("time"), double(time)}};

        if (present && bundleUnchanged) {
            updated.insert(relative, seeded);
            continue;
        }
        QByteArray written;
        if (present) {
            // The copy's file counts as the user's when it differs from what
            // was seeded there, or, never seeded, from the bundle's.
            const QByteArray current = FileAssitant::md5Of(to).toLatin1();
            const QByteArray expected = seeded.isEmpty()
                                            ? FileAssitant::md5Of(from).toLatin1()
                                            : seeded.value(QLatin1String("md5")).toString().toLatin1();
            if (current != expected) {
                ++result.kept;
                entry.insert(QStringLiteral("md5"), QString()); // the user's from now on
                updated.insert(relative, entry);
                continue;
            }
            if (seeded.isEmpty()) {
                entry.insert(QStringLiteral("md5"), QString::fromLatin1(current));
                updated.insert(relative, entry);
                continue;
            }
        }
        QString error;
        written = copyFile(from, to, &error);
        if (written.isEmpty()) {
            ++result.failed;
            if (result.error.isEmpty())
                result.error = error;
            continue;
        }
        ++(present ? result.refreshed : result.copied);
        entry.insert(QStringLiteral("md5"), QString::fromLatin1(written));
        updated.insert(relative, entry);
    }

    if (updated != record) {
        QSaveFile file(recordPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(updated).toJson()) < 0 ||
            !file.commit()) {
            ++result.failed;
            if (result.error.isEmpty())
                result.error = QStringLiteral("cannot write %1: %2").arg(recordPath, file.errorString());
        }
    }
    return result;
}

QString installedResources(const QString& applicationDir)
{
    const QString path =
        QDir::cleanPath(applicationDir + QStringLiteral("/../share/zelvani-voice-changer/resources"));
    return QFileInfo(path).isDir() ? path : QString();
}

} // namespace ResourceSeed
