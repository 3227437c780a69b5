#pragma once

// The records of the sound catalogue: groups and sounds. Plain values.

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>

namespace SoundData {

struct SoundGroup
{
    int id = 0;
    QString name;
    QHash<int, QString> languages;
    QList<int> sort;
};

struct SoundBoard
{
    int id = 0;
    int groupId = 0;
    QString name;   // shown, and the base name of the file
    QString suffix; // with the dot: ".ogg"
    QString path;   // full path of the audio file
    bool fileReady = false;
    bool isHot = false;
    bool isImport = false;
};

void registerMetaTypes();

} // namespace SoundData

Q_DECLARE_METATYPE(SoundData::SoundGroup)
Q_DECLARE_METATYPE(SoundData::SoundBoard)
