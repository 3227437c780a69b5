#pragma once

// The bundled effect catalogue as zelvani-cli reports it, for the benchmarks
// that render every effect.

#include "benchsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <map>
#include <string>
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

} // namespace benchsupport
