// zelvani-manifest: the resource manifest of a resources folder.

#include "manifest.h"

#include "cli.h"
#include "commandsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>

namespace cli {

const char* const kManifestCategoryKeys[10] = {"jsons",   "vsts",    "fxps",   "groups",      "effects",
                                               "guide1s", "guide2s", "audios", "audioGroups", "audioIcons"};

namespace {

constexpr const char* kCategoryFolders[10] = {"",
                                              "vst/",
                                              "fxp/",
                                              "image/group/",
                                              "image/effect/",
                                              "image/guide1/",
                                              "image/guide2/",
                                              "audio/",
                                              "image/audioGroup/",
                                              "image/audioIcon/"};

bool fileMd5(const QString& path, QString* md5, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    *md5 = QString::fromLatin1(hash.result().toHex());
    return true;
}

// The files of a category, relative to its folder, in name order. The
// resources folder's own category holds only the files at its top.
QStringList categoryFiles(const QString& folder, bool topOnly)
{
    QStringList names;
    const QDir base(folder);
    QDirIterator it(base.absolutePath(), QDir::Files | QDir::NoDotAndDotDot,
                    topOnly ? QDirIterator::NoIteratorFlags : QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(base.relativeFilePath(it.next()));
    std::sort(names.begin(), names.end());
    return names;
}

bool copyReplacing(const QString& from, const QString& to, QString* error)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    if (!QFile::copy(from, to)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
        return false;
    }
    return true;
}

} // namespace

QString manifestCategoryFolder(int category)
{
    return category >= 0 && category < 10 ? QString::fromLatin1(kCategoryFolders[category]) : QString();
}

bool buildManifest(const QString& resourcesPath, const QString& rootPath, QJsonObject* manifest,
                   QString* error)
{
    if (!QFileInfo(resourcesPath).isDir()) {
        *error = QStringLiteral("%1 is not a folder").arg(resourcesPath);
        return false;
    }
    QJsonObject result{{QStringLiteral("rootPath"), rootPath}};
    for (int category = 0; category < 10; ++category) {
        const QString folder = resourcesPath + QLatin1Char('/') + manifestCategoryFolder(category);
        QJsonArray entries;
        for (const QString& name : categoryFiles(folder, category == 0)) {
            QString md5;
            if (!fileMd5(folder + name, &md5, error))
                return false;
            entries.append(QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("md5"), md5}});
        }
        result.insert(QLatin1String(kManifestCategoryKeys[category]), entries);
    }
    *manifest = result;
    return true;
}

bool writeServerTree(const QString& resourcesPath, const QJsonObject& manifest, const QString& tree,
                     QString* error)
{
    for (int category = 0; category < 10; ++category) {
        const QString folder = manifestCategoryFolder(category);
        // Plug-ins are served per platform.
        const QString served = category == 1 ? folder + QStringLiteral("linux/") : folder;
        for (const QJsonValue& entry :
             manifest.value(QLatin1String(kManifestCategoryKeys[category])).toArray()) {
            const QString name = entry.toObject().value(QLatin1String("name")).toString();
            if (!copyReplacing(resourcesPath + QLatin1Char('/') + folder + name,
                               tree + QStringLiteral("/resources/") + served + name, error))
                return false;
        }
    }
    const QString path = tree + QStringLiteral("/ton-morph/tonmorph_resources_linux.json");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(manifest).toJson()) < 0 ||
        !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int runManifest(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    static const char* const kUsage =
        "Usage: zelvani-manifest RESOURCES --root-path URL [--output FILE] [--tree DIR]\n"
        "Writes the resource manifest of the resources folder RESOURCES: every file of each category\n"
        "(catalogue JSON files at its top, vst/, fxp/, audio/, image/...) with its MD5, and URL as "
        "\"rootPath\".\n"
        "--output FILE  writes the manifest to FILE (replaced whole) instead of standard output\n"
        "--tree DIR     also lays out a download server's files under DIR: resources/... (plug-ins under\n"
        "               vst/linux/) and ton-morph/tonmorph_resources_linux.json\n";
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, out);
        return Success;
    }
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(arguments,
                        {QStringLiteral("--root-path"), QStringLiteral("--output"), QStringLiteral("--tree")},
                        {}, &parsed, &error) ||
        parsed.positional.size() != 1 || !parsed.has(QStringLiteral("--root-path"))) {
        std::fprintf(
            err, "zelvani-manifest: %s\n%s",
            qPrintable(error.isEmpty() ? QStringLiteral("needs RESOURCES and --root-path URL") : error),
            kUsage);
        return BadUsage;
    }
    const QString resources = QFileInfo(parsed.positional.first()).absoluteFilePath();
    QJsonObject manifest;
    if (!buildManifest(resources, parsed.value(QStringLiteral("--root-path")), &manifest, &error)) {
        std::fprintf(err, "zelvani-manifest: %s\n", qPrintable(error));
        return Failure;
    }
    const QByteArray text = QJsonDocument(manifest).toJson();
    if (parsed.has(QStringLiteral("--output"))) {
        const QString path = parsed.value(QStringLiteral("--output"));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0 || !file.commit()) {
            std::fprintf(err, "zelvani-manifest: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(file.errorString()));
            return Failure;
        }
    } else {
        std::fputs(text.constData(), out);
    }
    if (parsed.has(QStringLiteral("--tree")) &&
        !writeServerTree(resources, manifest, parsed.value(QStringLiteral("--tree")), &error)) {
        std::fprintf(err, "zelvani-manifest: %s\n", qPrintable(error));
        return Failure;
    }
    return std::fflush(out) == 0 ? Success : Failure;
}

} // namespace cli
