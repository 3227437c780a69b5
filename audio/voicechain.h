#pragma once

// The voice's processing, one block at a time on the audio thread: the
// effect's plug-ins, the two noise gates, the effect's built-in units (an
// offline system of the audio library, the same graph `render` runs) and the
// safety limiter, then one gain for hear-myself, suspension and silence.
// Every switch (another effect, effects on or off, the gain) fades over one
// block, so none of them clicks. The audio thread never allocates, locks or
// waits here: effects are built on the GUI thread and handed over through
// atomic slots.

#include "effectplugins.h"
#include "zaudio/zaudio.h"

#include <QMap>
#include <QVector>

#include <atomic>
#include <cstdint>
#include <memory>

class NoiseGates;

class VoiceChain
{
public:
    static constexpr int kRate = 48000;
    // 5 ms: what one capture fragment brings.
    static constexpr int kBlockFrames = 240;

    // One effect: its plug-ins and its built-in units. Built on the GUI
    // thread; once applied, only parameters change.
    class Effect
    {
    public:
        Effect();
        ~Effect();
        Effect(const Effect&) = delete;
        Effect& operator=(const Effect&) = delete;

        EffectPlugins& plugins() { return m_plugins; }
        const EffectPlugins& plugins() const { return m_plugins; }
        // Adds a built-in unit behind the ones added before it.
        void addUnit(int type, const QMap<int, float>& values);
        // Sets a parameter of the newest unit of `type`; false when there is none.
        bool setUnitParameter(int type, int index, float value);
        // The newest unit of each type.
        QMap<int, zaudio::DSP> units() const { return m_unitTable; }
        int unitCount() const { return m_units.size(); }
        // Frames the units and plug-ins delay the voice by.
        int latencyFrames() const;

    private:
        friend class VoiceChain;
        void process(float* block); // audio thread: the units, in place

        EffectPlugins m_plugins;
        zaudio::System m_system;
        zaudio::BlockProcessor m_processor;
        QMap<int, zaudio::DSP> m_unitTable;
        QVector<zaudio::DSP> m_units;
    };

    VoiceChain();
    ~VoiceChain();
    VoiceChain(const VoiceChain&) = delete;
    VoiceChain& operator=(const VoiceChain&) = delete;

    // Before the first block; may be null (no gates).
    void setGates(NoiseGates* gates) { m_gates = gates; }

    // GUI thread. The effect the next block fades to; the chain owns it.
    void apply(std::unique_ptr<Effect> effect);
    // The effect most recently applied (never null).
    Effect* latest() const { return m_latest; }
    // Frees effects the audio thread has finished with.
    void collect();

    // Any thread: take effect at the next block, with a fade.
    void setEffectsEnabled(bool on) { m_effectsEnabled.store(on, std::memory_order_relaxed); }
    bool effectsEnabled() const { return m_effectsEnabled.load(std::memory_order_relaxed); }
    // The voice's gain on both outputs: 0 or 1, reached over one block.
    void setGain(float gain) { m_gainTarget.store(gain, std::memory_order_relaxed); }
    // The next block starts from silence (after a gap in the input).
    void restartFromSilence() { m_restart.store(true, std::memory_order_relaxed); }

    // Audio thread: one block of kBlockFrames interleaved stereo frames.
    void process(const float* in, float* out);

    // The limiter at the end, ahead of both outputs.
    zaudio::DSP limiter() const { return m_limiter; }

private:
    Effect* m_latest = nullptr;
    std::atomic<Effect*> m_pending{nullptr};
    std::atomic<Effect*> m_retired{nullptr};
    std::atomic<bool> m_effectsEnabled{true};
    std::atomic<float> m_gainTarget{1.0f};
    std::atomic<bool> m_restart{false};
    NoiseGates* m_gates = nullptr;

    // The audio thread's own.
    Effect* m_current = nullptr;
    bool m_currentOn = true;
    float m_gain = 0.0f;
    std::unique_ptr<float[]> m_a;
    std::unique_ptr<float[]> m_b;
    std::unique_ptr<float[]> m_wetFrom;
    std::unique_ptr<float[]> m_wetTo;

    zaudio::System m_post;
    zaudio::BlockProcessor m_postProcessor;
    zaudio::DSP m_limiter;
};
