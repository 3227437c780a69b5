#pragma once

// The shape every plug-in of ours shares: a table of parameters (stored
// normalised 0..1, read in their own units), prepare() where all memory is
// taken, and process() on non-interleaved blocks that never allocates. The
// base answers the host's dispatcher, names and displays the parameters,
// slices blocks longer than the prepared size and flushes denormals.

#include "vst/vst2.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace zplug {

enum class Curve
{
    Linear,
    Logarithmic // min and max must be above 0 (frequencies, times)
};

struct Parameter
{
    const char* name;  // short, shown by hosts
    const char* label; // unit: "dB", "ms", "Hz", "%", "st" or ""
    float min;
    float max;
    float defaultValue; // in the parameter's own unit
    Curve curve = Curve::Linear;
    int decimals = 1; // for the display text
};

// A factory program (preset): values in the parameters' own units; the
// parameters it leaves out take their defaults. The build writes one .fxp
// per program.
struct ProgramValue
{
    int index;
    float value;
};

struct Program
{
    const char* name;
    const ProgramValue* values;
    int count;
};

struct Info
{
    const char* name; // effect and product name
    std::int32_t uniqueId;
    std::int32_t version;
    int inputs;
    int outputs;
    const Parameter* parameters;
    int parameterCount;
    const Program* programs = nullptr;
    int programCount = 0;
};

// Normalised 0..1 to the parameter's unit and back.
float toPlain(const Parameter& parameter, float normalised);
float toNormalised(const Parameter& parameter, float plain);

class Plugin
{
public:
    Plugin(vst2::HostCallback host, const Info& info);
    virtual ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    vst2::AEffect* effect() { return &m_effect; }
    const Info& info() const { return m_info; }

    // The parameter in its own unit.
    float value(int index) const;
    float normalised(int index) const;
    void setNormalised(int index, float value);

    double sampleRate() const { return m_sampleRate; }
    int maxBlock() const { return m_maxBlock; }

protected:
    // Takes the memory for `maxBlock` frames at `sampleRate` and clears the state.
    virtual void prepare(double sampleRate, int maxBlock) = 0;
    // Processes at most maxBlock() frames; inputs and outputs may be the same buffers.
    virtual void process(const float* const* inputs, float* const* outputs, int frames) = 0;
    // Writes the display text of a parameter whose value reads better in
    // other terms than its unit (words, dB of a gain); false leaves the
    // default: the value in its unit.
    virtual bool displayText(int index, char* text, int size) const
    {
        (void)index;
        (void)text;
        (void)size;
        return false;
    }
    // Frames of delay the plug-in adds (reported to the host).
    void setLatency(int frames) { m_effect.initialDelay = frames; }

private:
    static std::intptr_t dispatch(vst2::AEffect* effect, std::int32_t opcode, std::int32_t index,
                                  std::intptr_t value, void* ptr, float opt);
    static void processReplacing(vst2::AEffect* effect, float** inputs, float** outputs, std::int32_t frames);
    static void processAccumulating(vst2::AEffect* effect, float** inputs, float** outputs,
                                    std::int32_t frames);
    static void setParameterEntry(vst2::AEffect* effect, std::int32_t index, float value);
    static float getParameterEntry(vst2::AEffect* effect, std::int32_t index);

    void ensurePrepared();
    void runSliced(float** inputs, float** outputs, int frames);
    void display(int index, char* text) const;
    void selectProgram(int index);

    vst2::AEffect m_effect{};
    vst2::HostCallback m_host;
    Info m_info;
    std::unique_ptr<std::atomic<float>[]> m_values; // normalised
    double m_sampleRate = 48000.0;
    int m_maxBlock = 1024;
    bool m_prepared = false;
    bool m_dirty = true;
    int m_program = 0;
};

template <typename T> vst2::AEffect* create(vst2::HostCallback host)
{
    return (new T(host))->effect();
}

} // namespace zplug

// Exports the entry of a plug-in library: ZPLUG_ENTRY(NoiseGate)
#define ZPLUG_ENTRY(Class)                                                                                   \
    extern "C" __attribute__((visibility("default"))) vst2::AEffect* VSTPluginMain(vst2::HostCallback host)  \
    {                                                                                                        \
        return zplug::create<Class>(host);                                                                   \
    }
