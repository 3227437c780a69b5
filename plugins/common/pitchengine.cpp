#include "pitchengine.h"

#include <algorithm>
#include <cmath>

namespace zplug {

namespace {

std::int64_t powerOfTwoAbove(std::int64_t n)
{
    std::int64_t size = 1;
    while (size < n)
        size *= 2;
    return size;
}

// Cubic (Catmull-Rom) interpolation between b and c.
inline float cubic(float a, float b, float c, float d, float t)
{
    const float c1 = 0.5f * (c - a);
    const float c2 = a - 2.5f * b + 2.0f * c - 0.5f * d;
    const float c3 = 0.5f * (d - a) + 1.5f * (b - c);
    return ((c3 * t + c2) * t + c1) * t + b;
}

// YIN thresholds: a dip below kPick is taken as the period; the frame is
// voiced while the chosen dip is below kVoicedOn (kVoicedHold once voiced).
constexpr double kPick = 0.15;
constexpr double kVoicedOn = 0.4;
constexpr double kVoicedHold = 0.5;
// A frame this quiet (RMS) is unvoiced whatever its shape.
constexpr double kSilence = 1e-3;
// A mark needs this normalised correlation with the one before to stay voiced.
constexpr double kMarkMatch = 0.5;

} // namespace

void PitchAnalyzer::prepare(double sampleRate)
{
    m_rate = sampleRate;
    m_decimation = std::max(1, static_cast<int>(std::lround(sampleRate / 12000.0)));
    m_decRate = sampleRate / m_decimation;
    m_groupDelay = 0.0;
    // Fourth-order Butterworth at 0.35 of the decimated rate.
    const double q[2] = {0.54119610, 1.30656296};
    for (int i = 0; i < 2; ++i) {
        m_lowpass[i].set(zdsp::BiquadCoefficients::lowPass(0.35 * m_decRate, q[i], sampleRate));
        m_lowpass[i].reset();
        const zdsp::BiquadCoefficients& f = m_lowpass[i].coefficients();
        // Group delay at 0 Hz, where most of a voice's pulse energy is near enough.
        m_groupDelay += (f.b1 + 2 * f.b2) / (f.b0 + f.b1 + f.b2) - (f.a1 + 2 * f.a2) / (1 + f.a1 + f.a2);
    }

    m_longestPeriod = static_cast<int>(std::ceil(sampleRate / kLowestF0));
    // A grain reaches one period past its mark, and its output one period
    // before the synthesis mark: two periods, and a margin for the
    // interpolation and the decimated signal's lag.
    m_latency = 2 * m_longestPeriod + 16;
    m_unvoicedHop = static_cast<int>(std::lround(sampleRate * 0.005));

    const std::int64_t size = powerOfTwoAbove(4 * (m_latency + m_longestPeriod));
    m_mask = size - 1;
    m_input.assign(kChannels, std::vector<float>(static_cast<std::size_t>(size), 0.0f));
    m_now = -1;

    m_tauLimit = static_cast<int>(std::ceil(m_decRate / kLowestF0)) + 1;
    m_window = m_tauLimit;
    const std::int64_t decSize = powerOfTwoAbove(size / m_decimation + 4 * m_tauLimit);
    m_decMask = decSize - 1;
    m_dec.assign(static_cast<std::size_t>(decSize), 0.0f);
    m_decCount = 0;
    m_frame.assign(static_cast<std::size_t>(m_window + m_tauLimit + 2), 0.0f);
    m_difference.assign(static_cast<std::size_t>(m_tauLimit + 2), 1.0);
    m_trackHop = std::max(1, static_cast<int>(std::lround(m_decRate * 0.005)));
    m_untilTrack = m_trackHop;
    m_voiced = false;
    m_onset = false;
    m_period = 0.0;

    m_markCount = 0;
    m_newest = 0;
    addMark(0.0, m_unvoicedHop, false);
}

void PitchAnalyzer::setRange(double lowHz, double highHz)
{
    m_low = std::clamp(lowHz, kLowestF0, kHighestF0);
    m_high = std::clamp(highHz, std::min(m_low * 1.5, kHighestF0), kHighestF0);
}

void PitchAnalyzer::push(float left, float right)
{
    // A host's stray NaN or infinity would stay in the filters for good.
    if (!std::isfinite(left))
        left = 0.0f;
    if (!std::isfinite(right))
        right = 0.0f;
    ++m_now;
    const auto at = static_cast<std::size_t>(m_now & m_mask);
    m_input[0][at] = left;
    m_input[1][at] = right;
    const double mono = m_lowpass[1].process(m_lowpass[0].process(0.5 * (static_cast<double>(left) + right)));
    if (m_now % m_decimation == 0) {
        m_dec[static_cast<std::size_t>(m_decCount & m_decMask)] = static_cast<float>(mono);
        ++m_decCount;
        if (--m_untilTrack <= 0) {
            track();
            m_untilTrack = m_trackHop;
        }
    }
    while (placeMark()) {
    }
}

float PitchAnalyzer::read(int channel, double time) const
{
    const double whole = std::floor(time);
    const auto i = static_cast<std::int64_t>(whole);
    const std::vector<float>& x = m_input[static_cast<std::size_t>(channel)];
    auto at = [&](std::int64_t k) { return x[static_cast<std::size_t>(k & m_mask)]; };
    return cubic(at(i - 1), at(i), at(i + 1), at(i + 2), static_cast<float>(time - whole));
}

PitchAnalyzer::Mark PitchAnalyzer::markAtOrBefore(double time) const
{
    for (int n = 0, i = m_newest; n < m_markCount; ++n, i = (i + kMarks - 1) % kMarks)
        if (m_marks[i].time <= time)
            return m_marks[i];
    return Mark{time, static_cast<double>(m_unvoicedHop), false};
}

void PitchAnalyzer::addMark(double time, double period, bool voiced)
{
    m_newest = (m_newest + 1) % kMarks;
    m_marks[m_newest] = Mark{time, period, voiced};
    m_markCount = std::min(m_markCount + 1, kMarks);
}

// YIN over the newest window of the decimated signal, with the F0 range, a
// little hysteresis on voicing and protection against octave jumps.
void PitchAnalyzer::track()
{
    const int tauMax = std::min(m_tauLimit - 1, static_cast<int>(std::ceil(m_decRate / m_low)));
    const int tauMin = std::max(2, static_cast<int>(std::floor(m_decRate / m_high)));
    const int w = m_window, size = w + tauMax + 2;
    if (m_decCount < size) {
        m_voiced = false;
        return;
    }
    float* frame = m_frame.data();
    for (int i = 0; i < size; ++i)
        frame[i] = decimated(m_decCount - size + i);
    const float* ref = frame + tauMax + 2; // the newest w frames, compared with earlier ones
    double energy = 0;
    for (int i = 0; i < w; ++i)
        energy += static_cast<double>(ref[i]) * ref[i];
    if (energy < kSilence * kSilence * w) {
        m_voiced = false;
        return;
    }
    double* d = m_difference.data();
    d[0] = 1.0;
    double sum = 0;
    for (int tau = 1; tau <= tauMax + 1; ++tau) {
        const float* past = ref - tau;
        float a0 = 0, a1 = 0, a2 = 0, a3 = 0;
        int i = 0;
        for (; i + 4 <= w; i += 4) {
            const float e0 = ref[i] - past[i], e1 = ref[i + 1] - past[i + 1];
            const float e2 = ref[i + 2] - past[i + 2], e3 = ref[i + 3] - past[i + 3];
            a0 += e0 * e0;
            a1 += e1 * e1;
            a2 += e2 * e2;
            a3 += e3 * e3;
        }
        for (; i < w; ++i)
            a0 += (ref[i] - past[i]) * (ref[i] - past[i]);
        const double e = static_cast<double>(a0) + a1 + a2 + a3;
        sum += e;
        d[tau] = sum > 0 ? e * tau / sum : 1.0;
    }
    // The deepest dip within +-radius of tau.
    auto dipNear = [&](int tau, int radius) {
        int best = std::clamp(tau, tauMin, tauMax);
        for (int t = std::max(tauMin, tau - radius); t <= std::min(tauMax, tau + radius); ++t)
            best = d[t] < d[best] ? t : best;
        return best;
    };
    // The first true dip below kPick, else the deepest true dip: a minimum
    // at the shortest lag only says the sound is dull, not periodic.
    int best = -1;
    for (int tau = std::max(tauMin, 2); tau < tauMax; ++tau) {
        if (d[tau] >= d[tau - 1] || d[tau] > d[tau + 1])
            continue;
        if (d[tau] < kPick) {
            best = tau;
            break;
        }
        if (best < 0 || d[tau] < d[best])
            best = tau;
    }
    if (best < 0) {
        m_voiced = false;
        return;
    }
    const double threshold = m_voiced ? kVoicedHold : kVoicedOn;
    // An octave away from a steady voice: keep to the voice when its period
    // still fits nearly as well.
    if (m_voiced && m_period > 0) {
        const double previous = m_period / m_decimation, ratio = best / previous;
        if (ratio < 0.6 && 2 * best <= tauMax) {
            const int twice = dipNear(2 * best, 2);
            if (d[twice] < threshold)
                best = twice;
        } else if (ratio > 1.7 && best / 2 >= tauMin) {
            const int half = dipNear(best / 2, 2);
            if (d[half] < threshold)
                best = half;
        }
    }
    if (d[best] >= threshold) {
        m_voiced = false;
        return;
    }
    m_onset = !m_voiced;
    double tau = best;
    if (best > 1 && best <= tauMax) {
        const double a = d[best - 1], b = d[best], c = d[best + 1], curve = a - 2 * b + c;
        if (curve > 0)
            tau += std::clamp(0.5 * (a - c) / curve, -0.5, 0.5);
    }
    const double period = std::min(tau * m_decimation, static_cast<double>(m_longestPeriod));
    if (m_voiced && std::fabs(period / m_period - 1) < 0.15)
        m_period = 0.5 * (m_period + period);
    else
        m_period = period;
    m_voiced = true;
}

// Lays the next mark when the input reaches far enough; false while it has to wait.
bool PitchAnalyzer::placeMark()
{
    const Mark last = m_marks[m_newest];
    if (!m_voiced) {
        if (static_cast<double>(m_now) < last.time + m_unvoicedHop)
            return false;
        addMark(last.time + m_unvoicedHop, m_unvoicedHop, false);
        return true;
    }
    const double period = m_period, pd = period / m_decimation;
    const double lastDec = (last.time + m_groupDelay) / m_decimation;
    const std::int64_t newest = m_decCount - 1;
    if (m_onset) {
        // The voice was found a window late: lay its marks again from the
        // first one no voice has used yet.
        m_onset = false;
        const double unused = static_cast<double>(m_now - m_latency + m_longestPeriod);
        while (m_markCount > 1 && !m_marks[m_newest].voiced && m_marks[m_newest].time > unused) {
            m_newest = (m_newest + kMarks - 1) % kMarks;
            --m_markCount;
        }
        return true;
    }
    if (!last.voiced) {
        // Onset: the first mark goes on the strongest peak of the next period.
        const auto from = static_cast<std::int64_t>(std::floor(lastDec)) + 1;
        const auto to = static_cast<std::int64_t>(std::ceil(lastDec + pd));
        if (to > newest)
            return false;
        std::int64_t peak = from;
        for (std::int64_t k = from; k <= to; ++k)
            peak = std::fabs(decimated(k)) > std::fabs(decimated(peak)) ? k : peak;
        addMark(static_cast<double>(peak * m_decimation) - m_groupDelay, period, true);
        return true;
    }
    // One period on, where the waveform best matches the last mark's.
    const int reach = static_cast<int>(std::ceil(0.2 * pd)) + 1;
    const int before = static_cast<int>(std::lround(0.75 * pd));
    const int after = static_cast<int>(std::lround(0.25 * pd)) + 1;
    const std::int64_t ref = std::llround(lastDec), centre = std::llround(lastDec + pd);
    if (centre + reach + after > newest)
        return false;
    double ea = 0;
    for (int j = -before; j <= after; ++j)
        ea += static_cast<double>(decimated(ref + j)) * decimated(ref + j);
    double match[96] = {};
    const int span = std::min(2 * reach + 1, 96);
    int bestAt = 0;
    for (int s = 0; s < span; ++s) {
        const std::int64_t c = centre - reach + s;
        double ab = 0, eb = 0;
        for (int j = -before; j <= after; ++j) {
            const double b = decimated(c + j);
            ab += decimated(ref + j) * b;
            eb += b * b;
        }
        match[s] = ab / std::sqrt(ea * eb + 1e-20);
        bestAt = match[s] > match[bestAt] ? s : bestAt;
    }
    if (match[bestAt] < kMarkMatch) {
        addMark(last.time + period, m_unvoicedHop, false);
        return true;
    }
    double shift = static_cast<double>(centre - reach + bestAt - ref);
    if (bestAt > 0 && bestAt < span - 1) {
        const double a = match[bestAt - 1], b = match[bestAt], c = match[bestAt + 1], curve = a - 2 * b + c;
        if (curve < 0)
            shift += std::clamp(0.5 * (a - c) / curve, -0.5, 0.5);
    }
    addMark(last.time + shift * m_decimation, shift * m_decimation, true);
    return true;
}

void PitchVoice::prepare(const PitchAnalyzer& analyzer, double sampleRate)
{
    const std::int64_t size = powerOfTwoAbove(2 * (analyzer.latency() + 2 * analyzer.longestPeriod()));
    m_mask = size - 1;
    for (std::vector<float>& ring : m_out)
        ring.assign(static_cast<std::size_t>(size), 0.0f);
    m_next = 0.0;
    m_glide = 1.0 - std::exp(-1.0 / (0.03 * sampleRate));
    m_snap = true;
}

void PitchVoice::setShift(double ratio, double formant)
{
    m_ratioTarget = std::clamp(ratio, 0.125, 8.0);
    m_formantTarget = std::clamp(formant, 0.25, 4.0);
    if (m_snap) {
        m_ratio = m_ratioTarget;
        m_formant = m_formantTarget;
        m_snap = false;
    }
}

void PitchVoice::render(const PitchAnalyzer& analyzer, float& left, float& right)
{
    m_ratio += m_glide * (m_ratioTarget - m_ratio);
    m_formant += m_glide * (m_formantTarget - m_formant);
    const std::int64_t out = analyzer.now() - analyzer.latency();
    // Every grain that reaches the next output frame has to be in by now.
    while (m_next <= static_cast<double>(out + analyzer.longestPeriod()))
        addGrain(analyzer);
    const auto at = static_cast<std::size_t>(out & m_mask);
    left = m_out[0][at];
    right = m_out[1][at];
    m_out[0][at] = 0.0f;
    m_out[1][at] = 0.0f;
}

void PitchVoice::addGrain(const PitchAnalyzer& analyzer)
{
    const double ts = m_next, f = m_formant;
    const PitchAnalyzer::Mark mark = analyzer.markAtOrBefore(ts);
    double source, halfIn, gain;
    if (mark.voiced && ts - mark.time <= 1.5 * mark.period) {
        // Two periods round the mark, placed at the new period. More (or
        // denser) pulses per second carry more power: keep the level.
        source = mark.time;
        halfIn = mark.period * std::min(1.0, f);
        gain = std::sqrt(f / m_ratio);
        m_next += mark.period / m_ratio;
    } else {
        // Noise and silence: a grain from where it is heard, only resampled,
        // at the hop that makes the Hann windows add up to one.
        source = ts;
        halfIn = analyzer.unvoicedHop() * std::min(1.0, f);
        gain = 1.0;
        m_next += halfIn / f;
    }
    const double halfOut = halfIn / f;
    const auto first = static_cast<std::int64_t>(std::floor(ts - halfOut)) + 1;
    const auto last = static_cast<std::int64_t>(std::ceil(ts + halfOut)) - 1;
    // Hann window by the cosine recurrence: w = (1 + cos(pi u / halfOut)) / 2.
    const double step = M_PI / halfOut, twoCos = 2 * std::cos(step);
    const double phase = (static_cast<double>(first) - ts) * step;
    double cosNow = std::cos(phase), cosBefore = std::cos(phase - step);
    for (std::int64_t j = first; j <= last; ++j) {
        const double u = static_cast<double>(j) - ts;
        const auto w = static_cast<float>(gain * 0.5 * (1.0 + cosNow));
        const double position = source + u * f;
        const auto at = static_cast<std::size_t>(j & m_mask);
        m_out[0][at] += w * analyzer.read(0, position);
        m_out[1][at] += w * analyzer.read(1, position);
        const double cosNext = twoCos * cosNow - cosBefore;
        cosBefore = cosNow;
        cosNow = cosNext;
    }
}

} // namespace zplug
