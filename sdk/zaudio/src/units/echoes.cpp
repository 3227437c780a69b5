// Delay-line units: the feedback echo (type 6), the tracker-style echo with
// separate left and right delays (17) and the plain per-channel delay (21).
//
// Delays are whole samples (the set milliseconds rounded), so an impulse comes
// back exactly where asked. A delay change never moves a read position in one
// step or glides it (which would bend the pitch): the read crossfades from the
// old position to the new one over 15 ms.

#include "dsp.h"
#include "dsp/channels.h"
#include "units.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace zaudio {

namespace {

constexpr UnitParameter kEchoParameters[] = {
    {"delay", "ms", 1.0f, 5000.0f, 500.0f},
    {"feedback", "%", 0.0f, 100.0f, 50.0f},
    {"dry level", "dB", -80.0f, 10.0f, 0.0f},
    {"wet level", "dB", -80.0f, 10.0f, 0.0f},
};
const UnitInfo kEchoInfo = {6, "echo", kEchoParameters, 4};

constexpr UnitParameter kTrackerEchoParameters[] = {
    {"wet/dry mix", "%", 0.0f, 100.0f, 50.0f},   {"feedback", "%", 0.0f, 100.0f, 50.0f},
    {"left delay", "ms", 1.0f, 2000.0f, 500.0f}, {"right delay", "ms", 1.0f, 2000.0f, 500.0f},
    {"pan delay", "", 0.0f, 1.0f, 0.0f},
};
const UnitInfo kTrackerEchoInfo = {17, "tracker echo", kTrackerEchoParameters, 5};

constexpr UnitParameter kDelayParameters[] = {
    {"delay 0", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 1", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 2", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 3", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 4", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 5", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 6", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 7", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 8", "ms", 0.0f, 10000.0f, 0.0f},        {"delay 9", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 10", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 11", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 12", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 13", "ms", 0.0f, 10000.0f, 0.0f},
    {"delay 14", "ms", 0.0f, 10000.0f, 0.0f},       {"delay 15", "ms", 0.0f, 10000.0f, 0.0f},
    {"maximum delay", "ms", 0.0f, 10000.0f, 10.0f},
};
const UnitInfo kDelayInfo = {21, "delay", kDelayParameters, 17};

constexpr float kFadeMs = 15.0f;
constexpr float kGainGlideMs = 5.0f;

// One delay line and tap per channel, sized in setup() for the longest delay.
class DelayLineUnit : public Unit
{
public:
    using Unit::Unit;

    void reset() override
    {
        for (auto& line : m_lines)
            line.reset();
        m_primed = false;
    }

protected:
    void allocate(int rate, int maxChannels, float maxMs)
    {
        m_lines.resize(static_cast<std::size_t>(std::clamp(maxChannels, 1, kMaxChannels)));
        for (auto& line : m_lines)
            line.resize(samples(maxMs, rate) + 1);
        m_fadeFrames =
            std::max(1, static_cast<int>(std::lround(kFadeMs * 0.001f * static_cast<float>(rate))));
    }
    std::size_t samples(float ms, int rate) const
    {
        return static_cast<std::size_t>(std::lround(static_cast<double>(ms) * rate / 1000.0));
    }
    std::size_t samples(float ms) const { return samples(ms, sampleRate()); }
    // The channels this block can process (all unless setup() was skipped or
    // asked for fewer).
    int usable(int channels) const { return zdsp::channelLimit(channels, static_cast<int>(m_lines.size())); }
    // Points channel c's tap at `delay`: at once on the first block after
    // setup or reset, by a crossfade afterwards.
    void aim(int c, std::size_t delay)
    {
        if (m_primed)
            m_taps[c].moveTo(delay, m_fadeFrames);
        else
            m_taps[c].jump(delay);
    }

    std::vector<dsp::DelayLine> m_lines;
    dsp::DelayMove m_taps[kMaxChannels];
    int m_fadeFrames = 1;
    bool m_primed = false;
};

// Echo with feedback: the line holds input plus fed-back echo; the output is
// dry * input + wet * echo. Used by types 6 and 17, which differ in how their
// parameters map to delays and gains.
class FeedbackEcho : public DelayLineUnit
{
public:
    using DelayLineUnit::DelayLineUnit;

    void reset() override
    {
        DelayLineUnit::reset();
        m_dry.reset();
        m_wet.reset();
        m_feedback.reset();
    }

protected:
    void prepare(int rate, int maxChannels, float maxMs)
    {
        allocate(rate, maxChannels, maxMs);
        m_dry.setTime(kGainGlideMs, rate);
        m_wet.setTime(kGainGlideMs, rate);
        m_feedback.setTime(kGainGlideMs, rate);
    }
    void run(float* data, unsigned frames, int channels, float dry, float wet, float feedback)
    {
        m_primed = true;
        // A settled glide is put exactly on its target: one creeping towards 0
        // would end up in denormals.
        for (auto [glide, to] : {std::pair{&m_dry, dry}, {&m_wet, wet}, {&m_feedback, feedback}})
            if (glide->settled(to))
                glide->jump(to);
        const int n = usable(channels);
        for (unsigned i = 0; i < frames; ++i) {
            const float d = m_dry.next(dry), w = m_wet.next(wet), f = m_feedback.next(feedback);
            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            for (int c = 0; c < n; ++c) {
                const float x = frame[c];
                const float echo = m_taps[c].read(m_lines[static_cast<std::size_t>(c)]);
                m_lines[static_cast<std::size_t>(c)].push(dsp::undenormal(x + f * echo));
                frame[c] = d * x + w * echo;
            }
        }
    }

private:
    dsp::Smoothed m_dry, m_wet, m_feedback;
};

class EchoUnit : public FeedbackEcho
{
public:
    EchoUnit() : FeedbackEcho(kEchoInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        prepare(rate, maxChannels, kEchoParameters[0].max);
    }
    void process(float* data, unsigned frames, int channels) override
    {
        const std::size_t delay = samples(target(0));
        for (int c = 0; c < usable(channels); ++c)
            aim(c, delay);
        run(data, frames, channels, dsp::dbToGain(target(2)), dsp::dbToGain(target(3)), target(1) * 0.01f);
    }
};

// Tracker style: one mix control (dry 1 - mix, wet mix); even channels use
// the left delay, odd ones the right. Pan delay is accepted and ignored.
class TrackerEchoUnit : public FeedbackEcho
{
public:
    TrackerEchoUnit() : FeedbackEcho(kTrackerEchoInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        prepare(rate, maxChannels, kTrackerEchoParameters[2].max);
    }
    void process(float* data, unsigned frames, int channels) override
    {
        const std::size_t left = samples(target(2)), right = samples(target(3));
        for (int c = 0; c < usable(channels); ++c)
            aim(c, c % 2 ? right : left);
        const float mix = target(0) * 0.01f;
        run(data, frames, channels, 1.0f - mix, mix, target(1) * 0.01f);
    }
};

// Delays each channel by its own time, limited to the maximum delay; no
// feedback, no dry signal. A channel's sample is pushed before it is read, so
// a delay of 0 passes the input through.
class DelayUnit : public DelayLineUnit
{
public:
    DelayUnit() : DelayLineUnit(kDelayInfo) {}

    void setup(int rate, unsigned maxFrames, int maxChannels) override
    {
        Unit::setup(rate, maxFrames, maxChannels);
        allocate(rate, maxChannels, kDelayParameters[16].max);
    }
    void process(float* data, unsigned frames, int channels) override
    {
        const int n = usable(channels);
        const float limit = target(16);
        for (int c = 0; c < n; ++c)
            aim(c, samples(std::min(target(c), limit)) + 1);
        m_primed = true;
        for (unsigned i = 0; i < frames; ++i) {
            float* frame = data + static_cast<std::size_t>(i) * static_cast<std::size_t>(channels);
            for (int c = 0; c < n; ++c) {
                m_lines[static_cast<std::size_t>(c)].push(frame[c]);
                frame[c] = m_taps[c].read(m_lines[static_cast<std::size_t>(c)]);
            }
        }
    }
};

} // namespace

const UnitEntry kEchoEntry = {&kEchoInfo, &makeUnit<EchoUnit>};
const UnitEntry kTrackerEchoEntry = {&kTrackerEchoInfo, &makeUnit<TrackerEchoUnit>};
const UnitEntry kDelayEntry = {&kDelayInfo, &makeUnit<DelayUnit>};

} // namespace zaudio
