#pragma once

// The bundled effect catalogue as zelvani-cli reports it, for the benchmarks
// that render every effect.

#include "benchsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace benchsupport {

// Runs a program to its end (at most 300 s) and returns its output, standard
// error included; false with the reason when it fails.
inline bool capture(const std::vector<std::string>& arguments, std::string* output, std::string* why)
{
    Process process;
    if (!spawnProgram(arguments, {}, &process, why))
        return false;
    const auto start = Clock::now();
    bool ended = false;
    while (!(ended = !stillRunning(&process, why, output)) && secondsSince(start) < 300.0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!ended)
        *why = "no answer within 300 s";
    endProcess(&process);
    return ended && why->rfind("exit code 0", 0) == 0;
}

// The bundled effects of `CLI effects --json`, the first of each id, sorted by
// id; custom effects are left out. False with the reason when there are none.
inline bool bundledEffects(const std::string& cli, std::vector<QJsonObject>* effects, std::string* error)
{
    std::string output, why;
    if (!capture({cli, "effects", "--json"}, &output, &why)) {
        *error = cli + " effects --json failed: " + why;
        return false;
    }
    const std::size_t at = output.find('{'); // past anything logged before the document
    const QJsonDocument document = QJsonDocument::fromJson(
        at == std::string::npos ? QByteArray() : QByteArray::fromStdString(output.substr(at)));
    const QJsonValue list = document.object().value(QStringLiteral("effects"));
    if (!list.isArray()) {
        *error = cli + " effects --json printed no effect list";
        return false;
    }
    std::map<int, QJsonObject> byId;
    for (const QJsonValue& value : list.toArray()) {
        const QJsonObject item = value.toObject();
        const int id = item.value(QStringLiteral("id")).toInt(-1);
        if (!item.value(QStringLiteral("isCustom")).toBool() && id >= 0)
            byId.emplace(id, item);
    }
    for (const auto& entry : byId)
        effects->push_back(entry.second);
    if (effects->empty())
        *error = "the catalogue holds no bundled effect";
    return !effects->empty();
}

// Makes a fresh folder /tmp/NAME-XXXXXX for a run's files and points the
// XDG folders of every child there, so the user's settings and custom effects
// stay out of the run (set for every child: an entry added after ours would
// lose to an existing XDG_*). False when it cannot be made.
inline bool scratchFolder(const std::string& name, std::string* dir)
{
    std::string pattern = "/tmp/" + name + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return false;
    *dir = pattern;
    ::setenv("XDG_CONFIG_HOME", (*dir + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (*dir + "/data").c_str(), 1);
    return true;
}

// Removes a folder and all it holds.
inline void removeTree(const std::string& dir)
{
    const auto remove = [](const char* path, const struct stat*, int, struct FTW*) {
        return std::remove(path);
    };
    ::nftw(dir.c_str(), remove, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace benchsupport
