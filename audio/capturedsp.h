#pragma once

// The "Capture DSP": a custom unit at the head of the voice player's output
// group. It passes the finished mix through and copies it, from the mixer
// thread, into a ring of pre-allocated blocks that the virtual half drains.
// Nothing on the mixer side allocates, locks or waits.

#include "zaudio/zaudio.h"

#include <atomic>
#include <cstdint>
#include <memory>

// A single-producer, single-consumer ring of fixed-size sample blocks.
class CaptureHandOff
{
public:
    CaptureHandOff(int blocks, int floatsPerBlock);

    // Producer (the mixer thread). False when the ring is full; the block is dropped.
    bool push(const float* samples, int count);
    // Consumer. Calls `sink(samples, count)` for each waiting block, oldest
    // first, and answers how many there were.
    template <class Sink> int drain(Sink&& sink)
    {
        int drained = 0;
        for (;;) {
            const std::uint32_t tail = m_tail.load(std::memory_order_relaxed);
            if (tail == m_head.load(std::memory_order_acquire))
                return drained;
            const std::size_t slot = tail % static_cast<std::uint32_t>(m_blocks);
            sink(m_samples.get() + slot * static_cast<std::size_t>(m_floatsPerBlock), m_counts[slot]);
            m_tail.store(tail + 1, std::memory_order_release);
            ++drained;
        }
    }
    std::uint64_t dropped() const { return m_dropped.load(std::memory_order_relaxed); }

private:
    const int m_blocks;
    const int m_floatsPerBlock;
    std::unique_ptr<float[]> m_samples;
    std::unique_ptr<int[]> m_counts;
    std::atomic<std::uint32_t> m_head{0};
    std::atomic<std::uint32_t> m_tail{0};
    std::atomic<std::uint64_t> m_dropped{0};
};

namespace CaptureDsp {

// The unit's state record; parameter 0 ("pcm data") hands it out.
struct State
{
    float* buffer = nullptr;                       // block size × 8 floats
    float volume = 1.0f;                           // linear gain
    int length = 0;                                // the mixer's block size in frames
    int channels = 0;                              // input channels of the last read
    std::atomic<CaptureHandOff*> handOff{nullptr}; // where each block's copy goes; null: nowhere
};

// The unit's description: "Capture DSP", one input and one output, a data
// parameter "pcm data" and a float parameter "volume".
const zaudio::DSPDescription* description();

} // namespace CaptureDsp
