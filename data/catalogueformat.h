#pragma once

// Reading and writing the catalogue files and the user's stores: the JSON
// shapes of effects.json, settings.json, sounds.json, Custom.dat and
// SoundImport.dat, and the id lists of Favorite.dat and SoundFavorite.dat.
// Free functions, so each rule can be checked on its own.

#include "effectdata.h"
#include "sounddata.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace Catalogue {

// Base-10 integer, 0 when the text is not one.
int toInt(const QString& text);
// Decimal number, 0 when the text is not one.
float toNumber(const QString& text);

// The top-level object of a JSON file. False when the file is missing,
// unreadable, not JSON or an empty object.
bool readObjectFile(const QString& path, QJsonObject* object);

// "CODE:Text" entries: the code is the first piece, the text the last.
QHash<int, QString> parseLanguages(const QJsonArray& entries);
QJsonArray languagesToJson(const QHash<int, QString>& languages);

// A unit of an effect from its type and "values" strings: "vst..." and
// "fxp..." paths, and "INDEX,VALUE,MIN,MAX" parameters.
EffectData::VoiceSetting parseSetting(const QJsonObject& object);
// "TYPE,INDEX,VALUE,MIN,MAX" slider strings.
QList<EffectData::PluginParam> parseEdits(const QJsonArray& entries);

// True when every file exists under the resources folder (checked in order,
// up to the first missing one).
bool filesPresent(const QString& resourcesPath, const QStringList& files);

EffectData::VoiceGroup parseEffectGroup(const QJsonObject& object);
// An effect of effects.json (oId -1, not custom) or of Custom.dat (`custom`:
// oId read, custom).
EffectData::VoiceEffect parseEffect(const QJsonObject& object, const QString& resourcesPath, bool custom);
// A custom effect as Custom.dat stores it (no editValue, no filesReady).
QJsonObject effectToJson(const EffectData::VoiceEffect& effect);
EffectData::ParamLabel parseParamLabel(const QJsonObject& object);

SoundData::SoundGroup parseSoundGroup(const QJsonObject& object);
// A sound of sounds.json; its file is resourcesPath/audio/NAME+SUFFIX.
SoundData::SoundBoard parseSound(const QJsonObject& object, const QString& resourcesPath);
// An imported sound of SoundImport.dat; its file is its stored path.
SoundData::SoundBoard parseImportedSound(const QJsonObject& object);
QJsonObject importedSoundToJson(const SoundData::SoundBoard& sound);

// The objects of a JSON array file; empty when the file is missing, empty or
// not a JSON array. A file with content that is not a JSON array is copied
// aside first (keepBrokenFile), since the next write replaces it.
QList<QJsonObject> readObjectArrayFile(const QString& path);

// Id lists (favourites): a big-endian unsigned count, then the ids. A file
// that ends early gives an empty list (and is copied aside); false when it
// cannot be opened.
bool readIdList(const QString& path, QList<int>* ids);

// Copies a store file that could not be read to PATH.broken, with a log line.
void keepBrokenFile(const QString& path);

// Replace a store file whole: written aside and renamed over the old one, so
// a failure part-way keeps the old file. False (and logged) on failure.
bool writeIdList(const QString& path, const QList<int>& ids);
bool writeJsonArray(const QString& path, const QJsonArray& array);

} // namespace Catalogue
