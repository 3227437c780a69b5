#pragma once

// Built-in units share one shape: a table of parameters (one source of truth
// for names, ranges and defaults), setup() before use, reset(), process() on
// interleaved frames in place, and the latency they add.
//
// Parameters are written from API threads and read by process() on the mixer
// thread, so they live in atomics; process() smooths changes itself.

#include <atomic>
#include <cstdint>
#include <memory>

namespace zaudio {

struct UnitParameter
{
    const char* name;
    const char* unit;
    float min;
    float max;
    float defaultValue;
};

struct UnitInfo
{
    int type;
    const char* name;
    const UnitParameter* parameters;
    int parameterCount;
};

class Unit
{
public:
    static constexpr int kMaxParameters = 17;
    static constexpr int kMaxChannels = 8;

    explicit Unit(const UnitInfo& info);
    virtual ~Unit() = default;
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    const UnitInfo& info() const { return m_info; }

    // Called before processing, never on the mixer thread: allocate here.
    virtual void setup(int sampleRate, unsigned maxFrames, int maxChannels);
    // Forgets the signal history (tails, delay lines).
    virtual void reset() {}
    // 1 to kMaxChannels interleaved channels, at most maxFrames frames.
    virtual void process(float* data, unsigned frames, int channels) = 0;
    virtual int latencyFrames() const { return 0; }
    // Units that hold the level down (the limiter) count the frames in which
    // they did, since setup; false for the others. Any thread.
    virtual bool reductionFrames(std::uint64_t* frames) const
    {
        (void)frames;
        return false;
    }

    // Clamps to the parameter's range. False for an index the unit lacks or a
    // value that is not a number.
    bool setParameter(int index, float value);
    float parameter(int index) const;

protected:
    float target(int index) const { return m_values[index].load(std::memory_order_relaxed); }
    int sampleRate() const { return m_sampleRate; }

private:
    const UnitInfo& m_info;
    std::atomic<float> m_values[kMaxParameters];
    int m_sampleRate = 48000;
};

// The built-in unit types, in type order.
int unitInfoCount();
const UnitInfo& unitInfoAt(int position);
const UnitInfo* findUnitInfo(int type);
// Null for a type that is not built in.
std::unique_ptr<Unit> createUnit(int type);

} // namespace zaudio
