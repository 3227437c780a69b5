#include "speakerpitch.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zplug {

namespace {

constexpr double kFadeSeconds = 1.5;  // of voiced speech
constexpr double kGlideSeconds = 0.3; // of voiced speech, time constant towards the median
constexpr double kWarmUpSeconds = 0.1;

} // namespace

void SpeakerPitch::prepare(double framesPerSecond)
{
    std::fill(std::begin(m_bins), std::end(m_bins), 0.0);
    m_total = 0.0;
    m_keep = std::exp(-1.0 / (kFadeSeconds * framesPerSecond));
    m_glide = 1.0 - std::exp(-1.0 / (kGlideSeconds * framesPerSecond));
    m_warmUp = std::max(1, static_cast<int>(std::lround(kWarmUpSeconds * framesPerSecond)));
    m_heard = 0;
    m_target = m_position = 0.0;
    m_known = false;
}

void SpeakerPitch::update(double hz)
{
    if (hz > 0.0 && std::isfinite(hz)) {
        const double at = std::clamp(std::log2(hz / kLowestHz) * kBinsPerOctave, 0.0, kBins - 1.0);
        const int below = std::min(static_cast<int>(at), kBins - 2);
        const double above = at - below;
        for (double& bin : m_bins)
            bin *= m_keep;
        m_bins[below] += 1.0 - above;
        m_bins[below + 1] += above;
        m_total = m_total * m_keep + 1.0;
        m_target = medianPosition();
        if (m_heard < m_warmUp) {
            ++m_heard;
            m_position = m_target;
        }
        m_known = true;
        m_position += m_glide * (m_target - m_position);
    }
}

// Each bin's weight is spread evenly over its width, so a single F0 gives
// itself back and two neighbouring bins interpolate.
double SpeakerPitch::medianPosition() const
{
    const double half = 0.5 * m_total;
    double below = 0.0;
    for (int k = 0; k < kBins; ++k) {
        if (below + m_bins[k] >= half && m_bins[k] > 0.0)
            return k - 0.5 + (half - below) / m_bins[k];
        below += m_bins[k];
    }
    return kBins - 1.0;
}

double SpeakerPitch::hz() const
{
    return m_known ? kLowestHz * std::exp2(m_position / kBinsPerOctave) : 0.0;
}

double SpeakerPitch::medianHz() const
{
    return m_known ? kLowestHz * std::exp2(m_target / kBinsPerOctave) : 0.0;
}

} // namespace zplug
