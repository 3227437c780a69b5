#pragma once

// The records of the effect catalogue: groups, effects, the units of an
// effect's chain and their parameters. Plain values; copies are cheap.

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace EffectData {

// One parameter of a unit: a stored value and the slider range offered for it.
struct PluginParam
{
    int type = 0;
    int index = 0;
    float value = 0.0f;
    float editValue = -1.0f; // set on the slider and not saved; -1 none
    int min = 0;
    int max = 0;

    // The value in force: the unsaved one when there is one.
    float effectiveValue() const { return editValue >= 0.0f ? editValue : value; }
};

// One unit of an effect's chain. Types above 100000 are VST 2 plug-ins
// (`vst`, `fxp` relative to the resources folder), the others built-in units.
struct VoiceSetting
{
    int type = 0;
    QString vst;
    QString fxp;
    QList<PluginParam> values;
};

constexpr int kPluginTypeBase = 100000;
inline bool isPluginType(int type)
{
    return type > kPluginTypeBase;
}

struct VoiceEffect
{
    int id = 0;
    int oId = -1;
    int groupId = 0;
    QString name;
    bool filesReady = false;
    bool isHot = false;
    bool isCustom = false;
    QHash<int, QString> languages;
    QList<VoiceSetting> settings;
    QStringList files;
    QList<PluginParam> edits;
};

struct VoiceGroup
{
    int id = 0;
    QString name;
    QHash<int, QString> languages;
    QList<int> sort;
};

struct ParamLabel
{
    int type = 0;
    int index = 0;
    QHash<int, QString> languages;
};

// Registers the records as metatypes (idempotent).
void registerMetaTypes();

} // namespace EffectData

Q_DECLARE_METATYPE(EffectData::PluginParam)
Q_DECLARE_METATYPE(EffectData::VoiceSetting)
Q_DECLARE_METATYPE(EffectData::VoiceEffect)
Q_DECLARE_METATYPE(EffectData::VoiceGroup)
Q_DECLARE_METATYPE(EffectData::ParamLabel)
