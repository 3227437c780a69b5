#include "capturedsp.h"

#include "audioerror.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

CaptureHandOff::CaptureHandOff(int blocks, int floatsPerBlock)
    : m_blocks(blocks), m_floatsPerBlock(floatsPerBlock),
      m_samples(new float[static_cast<std::size_t>(blocks) * static_cast<std::size_t>(floatsPerBlock)]()),
      m_counts(new int[static_cast<std::size_t>(blocks)]())
{}

bool CaptureHandOff::push(const float* samples, int count)
{
    const std::uint32_t head = m_head.load(std::memory_order_relaxed);
    if (head - m_tail.load(std::memory_order_acquire) >= static_cast<std::uint32_t>(m_blocks)) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    const std::size_t slot = head % static_cast<std::uint32_t>(m_blocks);
    count = std::min(count, m_floatsPerBlock);
    std::memcpy(m_samples.get() + slot * static_cast<std::size_t>(m_floatsPerBlock), samples,
                sizeof(float) * static_cast<std::size_t>(count));
    m_counts[slot] = count;
    m_head.store(head + 1, std::memory_order_release);
    return true;
}

namespace CaptureDsp {
namespace {

using namespace zaudio;

// The tag of a failed block-size query.
constexpr int kBlockSizeTag = 348;

Result create(DSPState* state)
{
    unsigned blockSize = 0;
    if (Result r = state->functions->getBlockSize(state, &blockSize); r != Ok) {
        AudioError::report(r, kBlockSizeTag);
        return r;
    }
    auto* record = new (std::nothrow) State;
    if (!record)
        return ErrMemory;
    record->buffer = static_cast<float*>(std::calloc(blockSize, 32));
    if (!record->buffer) {
        delete record;
        return ErrMemory;
    }
    record->volume = 1.0f;
    record->length = static_cast<int>(blockSize);
    state->pluginData = record;
    return Ok;
}

Result release(DSPState* state)
{
    auto* record = static_cast<State*>(state->pluginData);
    if (record) {
        std::free(record->buffer);
        delete record;
    }
    state->pluginData = nullptr;
    return Ok;
}

Result read(DSPState* state, float* in, float* out, unsigned length, int inChannels, int* outChannels)
{
    auto* record = static_cast<State*>(state->pluginData);
    const int channels = std::min(*outChannels, 8);
    length = std::min(length, static_cast<unsigned>(record->length));
    const float volume = record->volume;
    for (unsigned s = 0; s < length; ++s) {
        for (int c = 0; c < channels; ++c) {
            const float y = in[s * static_cast<unsigned>(inChannels) + static_cast<unsigned>(c)] * volume;
            out[s * static_cast<unsigned>(inChannels) + static_cast<unsigned>(c)] = y;
            record->buffer[s * static_cast<unsigned>(channels) + static_cast<unsigned>(c)] = y;
        }
    }
    record->channels = inChannels;
    if (CaptureHandOff* handOff = record->handOff.load(std::memory_order_acquire))
        handOff->push(record->buffer, channels * static_cast<int>(length));
    return Ok;
}

Result setParameterFloat(DSPState* state, int index, float value)
{
    if (index != 1)
        return ErrInvalidParam;
    static_cast<State*>(state->pluginData)->volume = value;
    return Ok;
}

Result getParameterFloat(DSPState* state, int index, float* value, char* valueText)
{
    if (index != 1)
        return ErrInvalidParam;
    const float volume = static_cast<State*>(state->pluginData)->volume;
    if (value)
        *value = volume;
    if (valueText)
        std::snprintf(valueText, 32, "%d", static_cast<int>(volume * 100 + 0.5f));
    return Ok;
}

Result getParameterData(DSPState* state, int index, void** data, unsigned* length, char*)
{
    if (index != 0)
        return ErrInvalidParam;
    auto* record = static_cast<State*>(state->pluginData);
    *data = record;
    *length = static_cast<unsigned>(record->length) * 8;
    return Ok;
}

DSPParameterDesc makePcmData()
{
    DSPParameterDesc desc;
    desc.type = DSPParameterType::Data;
    std::strcpy(desc.name, "pcm data");
    desc.description = "pcm data";
    desc.dataDesc.dataType = 0;
    return desc;
}

DSPParameterDesc makeVolume()
{
    DSPParameterDesc desc;
    desc.type = DSPParameterType::Float;
    std::strcpy(desc.name, "volume");
    std::strcpy(desc.label, "%");
    desc.description = "linear volume in percent";
    desc.floatDesc.min = 0.0f;
    desc.floatDesc.max = 1.0f;
    desc.floatDesc.defaultValue = 1.0f;
    desc.floatDesc.mapping = 1;
    return desc;
}

DSPDescription makeDescription()
{
    static DSPParameterDesc pcmData = makePcmData();
    static DSPParameterDesc volume = makeVolume();
    static DSPParameterDesc* parameters[2] = {&pcmData, &volume};
    DSPDescription desc;
    std::strcpy(desc.name, "Capture DSP");
    desc.numInputBuffers = 1;
    desc.numOutputBuffers = 1;
    desc.numParameters = 2;
    desc.paramDesc = parameters;
    desc.create = &create;
    desc.release = &release;
    desc.read = &read;
    desc.setParameterFloat = &setParameterFloat;
    desc.getParameterFloat = &getParameterFloat;
    desc.getParameterData = &getParameterData;
    return desc;
}

} // namespace

const DSPDescription* description()
{
    static const DSPDescription desc = makeDescription();
    return &desc;
}

} // namespace CaptureDsp
