// VST 2 plug-ins in a render chain: loaded like an effect's plug-ins and run
// by a custom unit at the tail of the master group, so they act on the sound
// before the built-in units, as they act on the microphone live.

#include "audiocommands.h"
#include "effectplugins.h"
#include "vstplugin.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace cli {

class PluginRack
{
public:
    EffectPlugins plugins;
    zaudio::DSP unit;
};

namespace {

// What the unit's state holds: the rack it runs, set once after creation.
struct RackState
{
    PluginRack* rack = nullptr;
};

zaudio::Result rackCreate(zaudio::DSPState* state)
{
    state->pluginData = new (std::nothrow) RackState;
    return state->pluginData ? zaudio::Ok : zaudio::ErrMemory;
}

zaudio::Result rackRelease(zaudio::DSPState* state)
{
    delete static_cast<RackState*>(state->pluginData);
    return zaudio::Ok;
}

zaudio::Result rackRead(zaudio::DSPState* state, float* in, float* out, unsigned length, int inChannels,
                        int* outChannels)
{
    const auto* rackState = static_cast<RackState*>(state->pluginData);
    const std::size_t count = std::size_t(length) * static_cast<std::size_t>(inChannels);
    std::copy(in, in + count, out);
    *outChannels = inChannels;
    if (inChannels == 2 && rackState->rack)
        rackState->rack->plugins.process(out, static_cast<int>(count));
    return zaudio::Ok;
}

zaudio::Result rackData(zaudio::DSPState* state, int index, void** data, unsigned* length, char*)
{
    if (index != 0)
        return zaudio::ErrInvalidParam;
    *data = state->pluginData;
    *length = sizeof(RackState);
    return zaudio::Ok;
}

zaudio::DSPParameterDesc rackParameter = [] {
    zaudio::DSPParameterDesc parameter;
    parameter.type = zaudio::DSPParameterType::Data;
    std::snprintf(parameter.name, sizeof parameter.name, "rack");
    return parameter;
}();
zaudio::DSPParameterDesc* rackParameters[] = {&rackParameter};

const zaudio::DSPDescription& rackDescription()
{
    static const zaudio::DSPDescription description = [] {
        zaudio::DSPDescription d;
        std::snprintf(d.name, sizeof d.name, "VST plug-ins");
        d.numInputBuffers = 1;
        d.numOutputBuffers = 1;
        d.create = &rackCreate;
        d.release = &rackRelease;
        d.read = &rackRead;
        d.numParameters = 1;
        d.paramDesc = rackParameters;
        d.getParameterData = &rackData;
        return d;
    }();
    return description;
}

} // namespace

bool parseChainPlugin(const QString& text, ChainPlugin* plugin, QString* error)
{
    // The values follow the last colon, when what follows it reads as values
    // (a path may hold colons of its own).
    static const QRegularExpression values(QStringLiteral(":(\\s*\\d+\\s*=[^,:]*(,\\s*\\d+\\s*=[^,:]*)*)$"));
    const QRegularExpressionMatch match = values.match(text);
    plugin->path = match.hasMatch() ? text.left(match.capturedStart()) : text;
    plugin->fxp.clear();
    plugin->values.clear();
    if (plugin->path.isEmpty()) {
        *error = QStringLiteral("--vst needs a plug-in library");
        return false;
    }
    if (match.hasMatch() &&
        !parseAssignments(match.captured(1), QStringLiteral("--vst ") + text, &plugin->values, error))
        return false;
    for (const auto& value : plugin->values) {
        if (value.second < 0.0f || value.second > 1.0f) {
            *error =
                QStringLiteral("plug-in values are 0 to 1, not %1 (in --vst %2)").arg(value.second).arg(text);
            return false;
        }
    }
    return true;
}

std::shared_ptr<PluginRack> loadPluginRack(const QVector<ChainPlugin>& plugins, int sampleRate,
                                           QString* error)
{
    auto rack = std::make_shared<PluginRack>();
    // Type codes as an effect's plug-in units have them.
    int type = 100000;
    for (const ChainPlugin& entry : plugins) {
        bool presetLoaded = false;
        if (!rack->plugins.add(++type, entry.path, entry.fxp, entry.values, sampleRate, &presetLoaded)) {
            *error = QStringLiteral("cannot load the plug-in '%1'").arg(entry.path);
            return nullptr;
        }
        if (!entry.fxp.isEmpty() && !presetLoaded) {
            *error =
                QStringLiteral("the preset '%1' is missing or does not fit the plug-in '%2' (an .fxp of its "
                               "parameters, with its id and parameter count, values 0 to 1)")
                    .arg(entry.fxp, entry.path);
            return nullptr;
        }
        const VstPlugin* plugin = rack->plugins.plugin(rack->plugins.count() - 1);
        for (const auto& value : entry.values) {
            if (value.first >= plugin->parameterCount()) {
                *error = QStringLiteral("the plug-in '%1' has no parameter %2; it has 0 to %3")
                             .arg(entry.path)
                             .arg(value.first)
                             .arg(plugin->parameterCount() - 1);
                return nullptr;
            }
        }
    }
    return rack;
}

zaudio::Result addPluginRack(const zaudio::System& system, const zaudio::ChannelGroup& master,
                             const std::shared_ptr<PluginRack>& rack)
{
    if (zaudio::Result r = system.createDSP(&rackDescription(), &rack->unit); r != zaudio::Ok)
        return r;
    void* data = nullptr;
    unsigned length = 0;
    if (zaudio::Result r = rack->unit.getParameterData(0, &data, &length, nullptr, 0); r != zaudio::Ok)
        return r;
    static_cast<RackState*>(data)->rack = rack.get();
    int count = 0;
    if (zaudio::Result r = master.getNumDSPs(&count); r != zaudio::Ok)
        return r;
    return master.addDSP(count, rack->unit);
}

QStringList chainOptionNames()
{
    return {QStringLiteral("--unit"), QStringLiteral("--vst"), QStringLiteral("--fxp"),
            QStringLiteral("--effect")};
}

bool parseChain(const QVector<QPair<QString, QString>>& options, QVector<ChainUnit>* units,
                QVector<ChainPlugin>* plugins, QString* error, const EffectResolver& resolveEffect)
{
    for (const auto& option : options) {
        if (option.first == QLatin1String("--unit")) {
            ChainUnit unit;
            if (!parseChainUnit(option.second, &unit, error))
                return false;
            units->append(unit);
        } else if (option.first == QLatin1String("--vst")) {
            ChainPlugin plugin;
            if (!parseChainPlugin(option.second, &plugin, error))
                return false;
            plugins->append(plugin);
        } else if (option.first == QLatin1String("--fxp")) {
            if (plugins->isEmpty() || !plugins->last().fxp.isEmpty()) {
                *error = QStringLiteral("--fxp %1 needs a --vst just before it").arg(option.second);
                return false;
            }
            plugins->last().fxp = option.second;
        } else if (option.first == QLatin1String("--effect")) {
            if (!resolveEffect) {
                *error = QStringLiteral("--effect needs the effect catalogue");
                return false;
            }
            if (!resolveEffect(option.second, units, plugins, error))
                return false;
        }
    }
    return true;
}

EffectData::VoiceEffect chainEffect(const QVector<ChainUnit>& units, const QVector<ChainPlugin>& plugins)
{
    EffectData::VoiceEffect effect;
    int pluginType = EffectData::kPluginTypeBase;
    for (const ChainPlugin& plugin : plugins) {
        EffectData::VoiceSetting setting;
        setting.type = ++pluginType;
        setting.vst = QFileInfo(plugin.path).absoluteFilePath();
        setting.fxp = plugin.fxp.isEmpty() ? QString() : QFileInfo(plugin.fxp).absoluteFilePath();
        for (const auto& value : plugin.values)
            setting.values.append({setting.type, value.first, value.second, -1.0f, 0, 100});
        effect.settings.append(setting);
    }
    for (const ChainUnit& unit : units) {
        EffectData::VoiceSetting setting;
        setting.type = unit.type;
        for (const auto& value : unit.values)
            setting.values.append({unit.type, value.first, value.second, -1.0f, 0, 100});
        effect.settings.append(setting);
    }
    return effect;
}

} // namespace cli
