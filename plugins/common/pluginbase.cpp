#include "pluginbase.h"

#include "dsp/channels.h"
#include "dsp/denormals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace zplug {

namespace {

Plugin* self(vst2::AEffect* effect)
{
    return static_cast<Plugin*>(effect->object);
}

void copyString(void* ptr, const char* text, int size)
{
    if (!ptr)
        return;
    auto* out = static_cast<char*>(ptr);
    std::strncpy(out, text, static_cast<std::size_t>(size) - 1);
    out[size - 1] = '\0';
}

// Silence for inputs a host does not feed, and a sink for outputs nobody reads.
constexpr int kMaxChannels = 8;

} // namespace

float toPlain(const Parameter& parameter, float normalised)
{
    const float v = std::clamp(normalised, 0.0f, 1.0f);
    if (parameter.curve == Curve::Logarithmic)
        return parameter.min * std::pow(parameter.max / parameter.min, v);
    return parameter.min + (parameter.max - parameter.min) * v;
}

float toNormalised(const Parameter& parameter, float plain)
{
    const float v =
        std::clamp(plain, std::min(parameter.min, parameter.max), std::max(parameter.min, parameter.max));
    if (parameter.curve == Curve::Logarithmic)
        return std::log(v / parameter.min) / std::log(parameter.max / parameter.min);
    return parameter.max == parameter.min ? 0.0f : (v - parameter.min) / (parameter.max - parameter.min);
}

Plugin::Plugin(vst2::HostCallback host, const Info& info)
    : m_host(host), m_info(info),
      m_values(new std::atomic<float>[static_cast<std::size_t>(info.parameterCount)])
{
    for (int i = 0; i < info.parameterCount; ++i)
        m_values[static_cast<std::size_t>(i)].store(
            toNormalised(info.parameters[i], info.parameters[i].defaultValue));
    m_effect.magic = vst2::kEffectMagic;
    m_effect.dispatcher = &Plugin::dispatch;
    m_effect.process = &Plugin::processAccumulating;
    m_effect.processReplacing = &Plugin::processReplacing;
    m_effect.setParameter = &Plugin::setParameterEntry;
    m_effect.getParameter = &Plugin::getParameterEntry;
    m_effect.numPrograms = std::max(1, info.programCount);
    m_effect.numParams = info.parameterCount;
    m_effect.numInputs = info.inputs;
    m_effect.numOutputs = info.outputs;
    m_effect.flags = vst2::effFlagsCanReplacing;
    m_effect.ioRatio = 1.0f;
    m_effect.object = this;
    m_effect.uniqueID = info.uniqueId;
    m_effect.version = info.version;
    // Some hosts read the rate before they set one.
    if (m_host) {
        const std::intptr_t rate = m_host(nullptr, vst2::audioMasterGetSampleRate, 0, 0, nullptr, 0.0f);
        if (rate > 0)
            m_sampleRate = static_cast<double>(rate);
    }
}

Plugin::~Plugin() = default;

float Plugin::normalised(int index) const
{
    if (index < 0 || index >= m_info.parameterCount)
        return 0.0f;
    return m_values[static_cast<std::size_t>(index)].load(std::memory_order_relaxed);
}

float Plugin::value(int index) const
{
    if (index < 0 || index >= m_info.parameterCount)
        return 0.0f;
    return toPlain(m_info.parameters[index], normalised(index));
}

void Plugin::setNormalised(int index, float value)
{
    if (index < 0 || index >= m_info.parameterCount || !std::isfinite(value))
        return;
    m_values[static_cast<std::size_t>(index)].store(std::clamp(value, 0.0f, 1.0f), std::memory_order_relaxed);
}

void Plugin::display(int index, char* text) const
{
    if (displayText(index, text, vst2::kHostStringBuffer))
        return;
    const Parameter& parameter = m_info.parameters[index];
    std::snprintf(text, vst2::kHostStringBuffer, "%.*f", parameter.decimals,
                  static_cast<double>(value(index)));
}

void Plugin::selectProgram(int index)
{
    if (index < 0 || index >= m_info.programCount)
        return;
    m_program = index;
    for (int i = 0; i < m_info.parameterCount; ++i)
        setNormalised(i, toNormalised(m_info.parameters[i], m_info.parameters[i].defaultValue));
    const Program& program = m_info.programs[index];
    for (int i = 0; i < program.count; ++i) {
        const ProgramValue& v = program.values[i];
        if (v.index >= 0 && v.index < m_info.parameterCount)
            setNormalised(v.index, toNormalised(m_info.parameters[v.index], v.value));
    }
}

void Plugin::ensurePrepared()
{
    if (m_prepared && !m_dirty)
        return;
    prepare(m_sampleRate, m_maxBlock);
    m_prepared = true;
    m_dirty = false;
}

std::intptr_t Plugin::dispatch(vst2::AEffect* effect, std::int32_t opcode, std::int32_t index,
                               std::intptr_t value, void* ptr, float opt)
{
    Plugin* plugin = self(effect);
    const int count = plugin->m_info.parameterCount;
    switch (opcode) {
    case vst2::effOpen:
        plugin->ensurePrepared();
        return 0;
    case vst2::effClose:
        delete plugin;
        return 1;
    case vst2::effSetSampleRate:
        if (opt > 0.0f && static_cast<double>(opt) != plugin->m_sampleRate) {
            plugin->m_sampleRate = static_cast<double>(opt);
            plugin->m_dirty = true;
        }
        return 0;
    case vst2::effSetBlockSize:
        if (value > 0 && value != plugin->m_maxBlock) {
            plugin->m_maxBlock = static_cast<int>(value);
            plugin->m_dirty = true;
        }
        return 0;
    case vst2::effMainsChanged:
        if (value)
            plugin->ensurePrepared();
        return 0;
    case vst2::effGetParamName:
    case vst2::effGetParamLabel:
    case vst2::effGetParamDisplay:
        if (index < 0 || index >= count || !ptr)
            return 0;
        if (opcode == vst2::effGetParamName)
            copyString(ptr, plugin->m_info.parameters[index].name, vst2::kHostStringBuffer);
        else if (opcode == vst2::effGetParamLabel)
            copyString(ptr, plugin->m_info.parameters[index].label, vst2::kHostStringBuffer);
        else
            plugin->display(index, static_cast<char*>(ptr));
        return 1;
    case vst2::effCanBeAutomated:
        return index >= 0 && index < count ? 1 : 0;
    case vst2::effSetProgram:
        plugin->selectProgram(static_cast<int>(value));
        return 0;
    case vst2::effGetProgram:
        return plugin->m_program;
    case vst2::effGetProgramName:
    case vst2::effGetProgramNameIndexed: {
        const int program = opcode == vst2::effGetProgramName ? plugin->m_program : index;
        if (program < 0 || program >= std::max(1, plugin->m_info.programCount))
            return 0;
        copyString(ptr, plugin->m_info.programCount ? plugin->m_info.programs[program].name : "Default",
                   vst2::kMaxProgNameLen);
        return 1;
    }
    case vst2::effGetEffectName:
    case vst2::effGetProductString:
        copyString(ptr, plugin->m_info.name, vst2::kMaxEffectNameLen);
        return 1;
    case vst2::effGetVendorString:
        copyString(ptr, "Zelvani", vst2::kMaxVendorStrLen);
        return 1;
    case vst2::effGetVendorVersion:
        return plugin->m_info.version;
    case vst2::effGetPlugCategory:
        return vst2::kPlugCategEffect;
    case vst2::effGetVstVersion:
        return 2400;
    default:
        return 0;
    }
}

void Plugin::runSliced(float** inputs, float** outputs, int frames)
{
    zdsp::FlushDenormals flush;
    if (!m_prepared || m_dirty) {
        // Not started by the host: pass the sound through rather than guess.
        for (int c = 0; c < m_info.outputs; ++c) {
            const float* in = inputs[std::min(c, m_info.inputs - 1)];
            if (outputs[c] != in)
                std::memmove(outputs[c], in, static_cast<std::size_t>(frames) * sizeof(float));
        }
        return;
    }
    const float* in[kMaxChannels];
    float* out[kMaxChannels];
    const int inputCount = zdsp::channelLimit(m_info.inputs, kMaxChannels);
    const int outputCount = zdsp::channelLimit(m_info.outputs, kMaxChannels);
    for (int done = 0; done < frames; done += m_maxBlock) {
        const int n = std::min(m_maxBlock, frames - done);
        for (int c = 0; c < inputCount; ++c)
            in[c] = inputs[c] + done;
        for (int c = 0; c < outputCount; ++c)
            out[c] = outputs[c] + done;
        process(in, out, n);
    }
}

void Plugin::processReplacing(vst2::AEffect* effect, float** inputs, float** outputs, std::int32_t frames)
{
    if (frames > 0)
        self(effect)->runSliced(inputs, outputs, frames);
}

void Plugin::processAccumulating(vst2::AEffect* effect, float** inputs, float** outputs, std::int32_t frames)
{
    // Hosts of the old kind add our output to theirs; we have no scratch room
    // to do that without allocating, so they get the replacing result.
    processReplacing(effect, inputs, outputs, frames);
}

void Plugin::setParameterEntry(vst2::AEffect* effect, std::int32_t index, float value)
{
    self(effect)->setNormalised(index, value);
}

float Plugin::getParameterEntry(vst2::AEffect* effect, std::int32_t index)
{
    return self(effect)->normalised(index);
}

} // namespace zplug
