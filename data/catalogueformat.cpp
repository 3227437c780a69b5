#include "catalogueformat.h"

#include "savereport.h"

#include "spdlog_qt"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>

namespace Catalogue {

namespace {

QStringList stringsOf(const QJsonArray& array)
{
    QStringList strings;
    strings.reserve(array.size());
    for (const QJsonValue& value : array)
        strings.append(value.toString());
    return strings;
}

QList<int> intsOf(const QJsonArray& array)
{
    QList<int> ints;
    ints.reserve(array.size());
    for (const QJsonValue& value : array)
        ints.append(value.toInt());
    return ints;
}

// A group of either catalogue: both have the same fields.
template <typename Group> Group parseGroup(const QJsonObject& object)
{
    Group group;
    group.id = object.value(QLatin1String("id")).toInt();
    group.name = object.value(QLatin1String("name")).toString();
    group.languages = parseLanguages(object.value(QLatin1String("languages")).toArray());
    group.sort = intsOf(object.value(QLatin1String("sort")).toArray());
    return group;
}

QString numberText(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

bool commit(QSaveFile& file, const QString& path)
{
    return SaveReport::commit(file, path, "Catalogue");
}

// The VoiceShifter's presets aim at a target pitch since its "Mode" (index 8)
// came. A custom voice saved before holds a preset and a pitch but no mode:
// it keeps the ratio it was saved with.
void keepVoiceShifterRatio(EffectData::VoiceEffect* effect)
{
    constexpr int kMode = 8;
    for (EffectData::VoiceSetting& setting : effect->settings) {
        if (!setting.vst.endsWith(QLatin1String("/VoiceShifter.so")) || setting.fxp.isEmpty())
            continue;
        const bool hasMode =
            std::any_of(setting.values.cbegin(), setting.values.cend(),
                        [](const EffectData::PluginParam& param) { return param.index == kMode; });
        if (!hasMode)
            setting.values.append({setting.type, kMode, 0.0f, -1.0f, 0, 100});
    }
}

} // namespace

int toInt(const QString& text)
{
    return text.toInt(nullptr, 10);
}

float toNumber(const QString& text)
{
    return static_cast<float>(text.toDouble());
}

bool readObjectFile(const QString& path, QJsonObject* object)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    file.close();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || document.object().isEmpty())
        return false;
    *object = document.object();
    return true;
}

QHash<int, QString> parseLanguages(const QJsonArray& entries)
{
    QHash<int, QString> languages;
    for (const QJsonValue& entry : entries) {
        const QStringList pieces = entry.toString().split(QLatin1Char(':'));
        languages.insert(toInt(pieces.first()), pieces.last());
    }
    return languages;
}

QJsonArray languagesToJson(const QHash<int, QString>& languages)
{
    QJsonArray entries;
    for (auto it = languages.cbegin(); it != languages.cend(); ++it)
        entries.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    return entries;
}

EffectData::VoiceSetting parseSetting(const QJsonObject& object)
{
    EffectData::VoiceSetting setting;
    setting.type = object.value(QLatin1String("type")).toInt();
    for (const QString& entry : stringsOf(object.value(QLatin1String("values")).toArray())) {
        if (entry.startsWith(QLatin1String("vst"))) {
            setting.vst = entry;
        } else if (entry.startsWith(QLatin1String("fxp"))) {
            setting.fxp = entry;
        } else {
            const QStringList pieces = entry.split(QLatin1Char(','));
            if (pieces.size() < 4)
                continue;
            setting.values.append({setting.type, toInt(pieces[0]), toNumber(pieces[1]), -1.0f,
                                   toInt(pieces[2]), toInt(pieces[3])});
        }
    }
    return setting;
}

QList<EffectData::PluginParam> parseEdits(const QJsonArray& entries)
{
    QList<EffectData::PluginParam> edits;
    for (const QString& entry : stringsOf(entries)) {
        const QStringList pieces = entry.split(QLatin1Char(','));
        if (pieces.size() < 5)
            continue;
        edits.append({toInt(pieces[0]), toInt(pieces[1]), toNumber(pieces[2]), -1.0f, toInt(pieces[3]),
                      toInt(pieces[4])});
    }
    return edits;
}

bool filesPresent(const QString& resourcesPath, const QStringList& files)
{
    for (const QString& file : files) {
        if (!QFileInfo::exists(resourcesPath + QLatin1Char('/') + file))
            return false;
    }
    return true;
}

EffectData::VoiceGroup parseEffectGroup(const QJsonObject& object)
{
    return parseGroup<EffectData::VoiceGroup>(object);
}

EffectData::VoiceEffect parseEffect(const QJsonObject& object, const QString& resourcesPath, bool custom)
{
    EffectData::VoiceEffect effect;
    effect.id = object.value(QLatin1String("id")).toInt();
    if (custom)
        effect.oId = object.value(QLatin1String("oId")).toInt();
    effect.groupId = object.value(QLatin1String("groupId")).toInt();
    effect.name = object.value(QLatin1String("name")).toString();
    effect.isHot = object.value(QLatin1String("isHot")).toBool();
    effect.isCustom = custom;
    effect.languages = parseLanguages(object.value(QLatin1String("languages")).toArray());
    for (const QJsonValue& setting : object.value(QLatin1String("settings")).toArray())
        effect.settings.append(parseSetting(setting.toObject()));
    if (custom)
        keepVoiceShifterRatio(&effect);
    effect.files = stringsOf(object.value(QLatin1String("files")).toArray());
    effect.filesReady = filesPresent(resourcesPath, effect.files);
    effect.edits = parseEdits(object.value(QLatin1String("edits")).toArray());
    return effect;
}

QJsonObject effectToJson(const EffectData::VoiceEffect& effect)
{
    QJsonArray settings;
    for (const EffectData::VoiceSetting& setting : effect.settings) {
        QJsonArray values;
        if (!setting.vst.isEmpty())
            values.append(setting.vst);
        if (!setting.fxp.isEmpty())
            values.append(setting.fxp);
        for (const EffectData::PluginParam& param : setting.values) {
            values.append(QStringLiteral("%1,%2,%3,%4")
                              .arg(param.index)
                              .arg(numberText(param.value))
                              .arg(param.min)
                              .arg(param.max));
        }
        settings.append(
            QJsonObject{{QStringLiteral("type"), setting.type}, {QStringLiteral("values"), values}});
    }
    QJsonArray edits;
    for (const EffectData::PluginParam& param : effect.edits) {
        edits.append(QStringLiteral("%1,%2,%3,%4,%5")
                         .arg(param.type)
                         .arg(param.index)
                         .arg(numberText(param.value))
                         .arg(param.min)
                         .arg(param.max));
    }
    return QJsonObject{{QStringLiteral("id"), effect.id},
                       {QStringLiteral("oId"), effect.oId},
                       {QStringLiteral("groupId"), effect.groupId},
                       {QStringLiteral("name"), effect.name},
                       {QStringLiteral("isHot"), effect.isHot},
                       {QStringLiteral("languages"), languagesToJson(effect.languages)},
                       {QStringLiteral("settings"), settings},
                       {QStringLiteral("files"), QJsonArray::fromStringList(effect.files)},
                       {QStringLiteral("edits"), edits}};
}

EffectData::ParamLabel parseParamLabel(const QJsonObject& object)
{
    EffectData::ParamLabel label;
    label.type = object.value(QLatin1String("type")).toInt();
    label.index = object.value(QLatin1String("index")).toInt();
    label.languages = parseLanguages(object.value(QLatin1String("languages")).toArray());
    return label;
}

SoundData::SoundGroup parseSoundGroup(const QJsonObject& object)
{
    return parseGroup<SoundData::SoundGroup>(object);
}

SoundData::SoundBoard parseSound(const QJsonObject& object, const QString& resourcesPath)
{
    SoundData::SoundBoard sound;
    sound.id = object.value(QLatin1String("id")).toInt();
    sound.groupId = object.value(QLatin1String("groupId")).toInt();
    sound.name = object.value(QLatin1String("name")).toString();
    sound.suffix = object.value(QLatin1String("suffix")).toString();
    sound.isHot = object.value(QLatin1String("isHot")).toBool();
    sound.path = resourcesPath + QStringLiteral("/audio/") + sound.name + sound.suffix;
    sound.fileReady = QFileInfo::exists(sound.path);
    return sound;
}

SoundData::SoundBoard parseImportedSound(const QJsonObject& object)
{
    SoundData::SoundBoard sound;
    sound.id = object.value(QLatin1String("id")).toInt();
    sound.groupId = object.value(QLatin1String("groupId")).toInt();
    sound.name = object.value(QLatin1String("name")).toString();
    sound.suffix = object.value(QLatin1String("suffix")).toString();
    sound.path = object.value(QLatin1String("path")).toString();
    sound.isHot = object.value(QLatin1String("isHot")).toBool();
    sound.isImport = object.value(QLatin1String("isImport")).toBool();
    sound.fileReady = QFileInfo::exists(sound.path);
    return sound;
}

QJsonObject importedSoundToJson(const SoundData::SoundBoard& sound)
{
    return QJsonObject{{QStringLiteral("id"), sound.id},
                       {QStringLiteral("groupId"), sound.groupId},
                       {QStringLiteral("name"), sound.name},
                       {QStringLiteral("suffix"), sound.suffix},
                       {QStringLiteral("path"), sound.path},
                       {QStringLiteral("isHot"), sound.isHot},
                       {QStringLiteral("isImport"), sound.isImport}};
}

QList<QJsonObject> readObjectArrayFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    file.close();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!text.isEmpty() && (error.error != QJsonParseError::NoError || !document.isArray()))
        keepBrokenFile(path);
    QList<QJsonObject> objects;
    for (const QJsonValue& value : document.array())
        objects.append(value.toObject());
    return objects;
}

bool readIdList(const QString& path, QList<int>* ids)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    ids->clear();
    QDataStream in(&file);
    quint32 count = 0;
    in >> count;
    // Read id by id: a count larger than the file ends at the first failed read.
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 id = 0;
        in >> id;
        if (in.status() == QDataStream::Ok)
            ids->append(id);
    }
    if (in.status() != QDataStream::Ok) {
        ids->clear();
        if (file.size() > 0) {
            file.close();
            keepBrokenFile(path);
        }
    }
    return true;
}

void keepBrokenFile(const QString& path)
{
    const QString copy = path + QStringLiteral(".broken");
    QFile::remove(copy);
    if (QFile::copy(path, copy))
        LogError(QStringLiteral("[Catalogue] %1 could not be read; a copy is kept as %2").arg(path, copy));
    else
        LogError(QStringLiteral("[Catalogue] %1 could not be read, nor copied aside").arg(path));
}

bool writeIdList(const QString& path, const QList<int>& ids)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return commit(file, path);
    QDataStream out(&file);
    out << static_cast<quint32>(ids.size());
    for (int id : ids)
        out << static_cast<qint32>(id);
    return commit(file, path);
}

bool writeJsonArray(const QString& path, const QJsonArray& array)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return commit(file, path);
    file.write(QJsonDocument(array).toJson(QJsonDocument::Indented));
    return commit(file, path);
}

} // namespace Catalogue
