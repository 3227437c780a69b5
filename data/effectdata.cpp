#include "effectdata.h"
#include "sounddata.h"

namespace EffectData {

void registerMetaTypes()
{
    qRegisterMetaType<PluginParam>("EffectData::PluginParam");
    qRegisterMetaType<VoiceSetting>("EffectData::VoiceSetting");
    qRegisterMetaType<VoiceEffect>("EffectData::VoiceEffect");
    qRegisterMetaType<VoiceGroup>("EffectData::VoiceGroup");
    qRegisterMetaType<ParamLabel>("EffectData::ParamLabel");
}

} // namespace EffectData

namespace SoundData {

void registerMetaTypes()
{
    qRegisterMetaType<SoundGroup>("SoundData::SoundGroup");
    qRegisterMetaType<SoundBoard>("SoundData::SoundBoard");
}

} // namespace SoundData
