#pragma once

// The resource manifest of a resources folder: every file of each category
// with its MD5, under the URL prefix the download server serves them from.
// zelvani-manifest writes it; the synchronisation tests serve it.

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace cli {

// The manifest's array keys, in category order 0 to 9.
extern const char* const kManifestCategoryKeys[10];
// The category's folder under the resources folder ("" for category 0, the
// resources folder itself, whose own files only count).
QString manifestCategoryFolder(int category);

// {"rootPath", "jsons": [{"name", "md5"}...], "vsts", ...}: names relative to
// their category's folder, in name order; MD5s as lower-case hex. False with
// `error` set when the folder cannot be read.
bool buildManifest(const QString& resourcesPath, const QString& rootPath, QJsonObject* manifest,
                   QString* error);

// Lays out what a download server holds for the manifest under `tree`: each
// file at resources/<category folder>/<name> (plug-ins under vst/linux/), and
// the manifest at ton-morph/tonmorph_resources_linux.json.
bool writeServerTree(const QString& resourcesPath, const QJsonObject& manifest, const QString& tree,
                     QString* error);

int runManifest(const QStringList& arguments, std::FILE* out, std::FILE* err);

} // namespace cli
