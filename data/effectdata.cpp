#include "effectdata.h"

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
