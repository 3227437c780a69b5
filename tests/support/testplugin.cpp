// A VST 2 plug-in for the host's tests, built in several shapes by compile
// definitions: TEST_INPUTS / TEST_OUTPUTS pins, TEST_MAIN_ONLY (the old entry
// name alone), TEST_CHUNKS (presets as chunks). Three parameters; parameter 0
// is the gain (0..1 → 0..2). With parameter 2 above 0.9 the first output
// reports what the host said instead of sound: [0] the version answered to a
// query with no effect, [1] and [2] the sample rate and block size answered
// during the last block, [3] the blocks that asked for the time, [4] and [5]
// the size and index of the last chunk.

#include "vst/vst2.h"

#include <algorithm>
#include <cstring>

namespace {

vst2::HostCallback host = nullptr;
std::intptr_t versionAnswer = -1;

struct TestPlugin
{
    vst2::AEffect effect{};
    float parameters[3] = {0.5f, 0.25f, 0.0f};
    float hostRate = 0;
    float hostBlock = 0;
    float timeQueries = 0;
    float chunkSize = 0;
    float chunkIndex = -1;
};

TestPlugin* self(vst2::AEffect* effect)
{
    return static_cast<TestPlugin*>(effect->object);
}

std::intptr_t dispatch(vst2::AEffect* effect, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                       void*, float)
{
    if (opcode == vst2::effClose) {
        delete self(effect);
        return 1;
    }
    if (opcode == vst2::effSetChunk) {
        self(effect)->chunkSize = static_cast<float>(value);
        self(effect)->chunkIndex = static_cast<float>(index);
    }
    return 0;
}

void process(vst2::AEffect* effect, float** inputs, float** outputs, std::int32_t frames)
{
    TestPlugin* plugin = self(effect);
    // Asked on every block, as sequencer-aware plug-ins do.
    if (host(effect, vst2::audioMasterGetTime, 0, 0, nullptr, 0.0f) == 0)
        plugin->timeQueries += 1;
    plugin->hostRate = static_cast<float>(host(effect, vst2::audioMasterGetSampleRate, 0, 0, nullptr, 0.0f));
    plugin->hostBlock = static_cast<float>(host(effect, vst2::audioMasterGetBlockSize, 0, 0, nullptr, 0.0f));
    const float gain = 2.0f * plugin->parameters[0];
    for (int c = 0; c < effect->numOutputs; ++c) {
        for (int i = 0; i < frames; ++i) {
            float sum = 0;
            // A single output hears every input; otherwise output c its input c.
            if (effect->numOutputs == 1) {
                for (int in = 0; in < effect->numInputs; ++in)
                    sum += inputs[in][i];
            } else {
                sum = inputs[std::min(c, effect->numInputs - 1)][i];
            }
            outputs[c][i] = sum * gain;
        }
    }
    if (plugin->parameters[2] > 0.9f && frames >= 6) {
        const float report[6] = {static_cast<float>(versionAnswer),
                                 plugin->hostRate,
                                 plugin->hostBlock,
                                 plugin->timeQueries,
                                 plugin->chunkSize,
                                 plugin->chunkIndex};
        std::copy(report, report + 6, outputs[0]);
    }
}

void setParameter(vst2::AEffect* effect, std::int32_t index, float value)
{
    if (index >= 0 && index < 3)
        self(effect)->parameters[index] = value;
}

float getParameter(vst2::AEffect* effect, std::int32_t index)
{
    return index >= 0 && index < 3 ? self(effect)->parameters[index] : 0.0f;
}

vst2::AEffect* create(vst2::HostCallback callback)
{
    host = callback;
    // Plug-ins ask before their record exists.
    versionAnswer = host(nullptr, vst2::audioMasterVersion, 0, 0, nullptr, 0.0f);
    auto* plugin = new TestPlugin;
    vst2::AEffect& e = plugin->effect;
    e.magic = vst2::kEffectMagic;
    e.dispatcher = &dispatch;
    e.process = &process;
    e.processReplacing = &process;
    e.setParameter = &setParameter;
    e.getParameter = &getParameter;
    e.numPrograms = 1;
    e.numParams = 3;
    e.numInputs = TEST_INPUTS;
    e.numOutputs = TEST_OUTPUTS;
    e.flags = vst2::effFlagsCanReplacing;
#ifdef TEST_CHUNKS
    e.flags |= vst2::effFlagsProgramChunks;
#endif
    e.object = plugin;
    e.uniqueID = vst2::fourCharacters('Z', 't', 'P', 'l');
    e.version = 1;
    return &e;
}

} // namespace

#ifdef TEST_MAIN_ONLY
extern "C" __attribute__((visibility("default"))) vst2::AEffect*
oldEntry(vst2::HostCallback callback) __asm__("main");
extern "C" vst2::AEffect* oldEntry(vst2::HostCallback callback)
{
    return create(callback);
}
#else
extern "C" __attribute__((visibility("default"))) vst2::AEffect* VSTPluginMain(vst2::HostCallback callback)
{
    return create(callback);
}
#endif
