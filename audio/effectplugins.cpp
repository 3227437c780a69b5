#include "effectplugins.h"

#include "vstplugin.h"

EffectPlugins::EffectPlugins(QObject* parent) : QObject(parent) {}

bool EffectPlugins::add(int type, const QString& library, const QString& preset, const Values& values,
                        int sampleRate, bool* presetLoaded)
{
    auto* plugin = new VstPlugin(this);
    if (!plugin->load(library)) {
        plugin->deleteLater();
        return false;
    }
    const bool loaded = !preset.isEmpty() && plugin->loadFxp(preset);
    if (presetLoaded)
        *presetLoaded = loaded;
    for (const QPair<int, float>& value : values)
        plugin->setParameter(value.first, value.second);
    plugin->prepare(sampleRate);
    m_plugins.append({type, plugin});
    return true;
}

void EffectPlugins::clear()
{
    for (const QPair<int, VstPlugin*>& entry : qAsConst(m_plugins))
        delete entry.second;
    m_plugins.clear();
}

void EffectPlugins::process(float* samples, int count)
{
    for (const QPair<int, VstPlugin*>& entry : qAsConst(m_plugins))
        entry.second->process(samples, count);
}

bool EffectPlugins::setParameter(int type, int index, float value)
{
    VstPlugin* plugin = find(type);
    if (plugin)
        plugin->setParameter(index, value);
    return plugin != nullptr;
}

VstPlugin* EffectPlugins::find(int type) const
{
    for (auto it = m_plugins.crbegin(); it != m_plugins.crend(); ++it) {
        if (it->first == type)
            return it->second;
    }
    return nullptr;
}
