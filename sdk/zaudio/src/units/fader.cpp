#include "fader.h"
#include "units.h"

#include <cmath>

namespace zaudio {

namespace {
constexpr UnitParameter kParameters[] = {
    {"gain", "dB", -80.0f, 10.0f, 0.0f},
};
} // namespace

const UnitInfo FaderUnit::kInfo = {7, "fader", kParameters, 1};

void FaderUnit::process(float* data, unsigned frames, int channels)
{
    const float targetGain = std::pow(10.0f, target(0) / 20.0f);
    if (!m_primed) {
        m_gain = targetGain;
        m_primed = true;
    }
    const float step = frames ? (targetGain - m_gain) / static_cast<float>(frames) : 0.0f;
    float gain = m_gain;
    for (unsigned i = 0; i < frames; ++i) {
        gain += step;
        for (int c = 0; c < channels; ++c)
            data[i * channels + c] *= gain;
    }
    m_gain = targetGain;
}

} // namespace zaudio

namespace zaudio {
const UnitEntry kFaderEntry = {&FaderUnit::kInfo, &makeUnit<FaderUnit>};
} // namespace zaudio
