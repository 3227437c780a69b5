#include "voiceoutput.h"

#include "pulsesession.h"

#include <pulse/rtclock.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kHistory = 3;
// The resampler's glide: the step changes by at most this per output frame
// (0.2 % per second at 48000 Hz).
constexpr double kStepSlew = 0.002 / 48000.0;
constexpr std::uint32_t kFrameBytes = 2 * sizeof(float);
constexpr double kRate = 48000.0;
// How fast the smoothed latency follows the measured one: about 50 blocks.
constexpr double kSmoothing = 0.02;
// Writes in one window (200 ms: the lowest margin, for a backlog to drop)
// and windows in one control step (1 s: the mean margin).
constexpr int kWindowWrites = 40;
constexpr int kControlWindows = 5;
// The control loop: a 1 ms error changes the ratio by 0.02 % at once and by
// 0.002 % for each second it lasts, which learns the clocks' ratio; it
// settles in about 10 s without overshoot worth the name.
constexpr double kProportional = 2e-4;
constexpr double kIntegral = 2e-5;

std::uint32_t bytesFor(double ms)
{
    return static_cast<std::uint32_t>(std::lround(ms * kRate / 1000.0)) * kFrameBytes;
}

} // namespace

// ------------------------------------------------------------------ DriftResampler

DriftResampler::DriftResampler(int maxFrames)
    : m_maxFrames(maxFrames),
      m_work(std::make_unique<float[]>(2 * static_cast<std::size_t>(maxFrames + kHistory)))
{
    reset();
}

void DriftResampler::reset()
{
    std::fill(m_work.get(), m_work.get() + 2 * kHistory, 0.0f);
    m_position = 1.0;
}

int DriftResampler::process(const float* in, int frames, float* out)
{
    frames = std::min(frames, m_maxFrames);
    float* work = m_work.get();
    std::copy(in, in + 2 * frames, work + 2 * kHistory);
    const int available = frames + kHistory;
    int written = 0;
    double position = m_position;
    // Each output frame needs the frames before and the two after its position.
    while (position + 2.0 < static_cast<double>(available) && written < maxOutput(frames)) {
        const int i = static_cast<int>(position);
        const float t = static_cast<float>(position - i);
        for (int c = 0; c < 2; ++c) {
            const float xm1 = work[2 * (i - 1) + c];
            const float x0 = work[2 * i + c];
            const float x1 = work[2 * (i + 1) + c];
            const float x2 = work[2 * (i + 2) + c];
            const float c1 = 0.5f * (x1 - xm1);
            const float c2 = xm1 - 2.5f * x0 + 2.0f * x1 - 0.5f * x2;
            const float c3 = 0.5f * (x2 - xm1) + 1.5f * (x0 - x1);
            out[2 * written + c] = ((c3 * t + c2) * t + c1) * t + x0;
        }
        ++written;
        position += m_step;
        if (m_step != m_targetStep)
            m_step = m_step < m_targetStep ? std::min(m_targetStep, m_step + kStepSlew)
                                           : std::max(m_targetStep, m_step - kStepSlew);
    }
    // The last frames stay as the next call's history.
    std::copy(work + 2 * frames, work + 2 * available, work);
    m_position = position - frames;
    return written;
}

// ------------------------------------------------------------------ VoiceOutput

VoiceOutput::VoiceOutput(const char* streamName, int maxBlockFrames)
    : m_name(streamName), m_resampler(maxBlockFrames),
      m_out(
          std::make_unique<float[]>(2 * static_cast<std::size_t>(DriftResampler::maxOutput(maxBlockFrames)))),
      m_maxBlockFrames(maxBlockFrames),
      m_silence(std::make_unique<float[]>(2 * static_cast<std::size_t>(bytesFor(kMaxTargetMs) / kFrameBytes)))
{}

VoiceOutput::~VoiceOutput()
{
    close();
}

bool VoiceOutput::open(PulseSession* session, const QByteArray& sinkName, QString* error)
{
    close();
    if (!session || !session->isReady()) {
        *error = QStringLiteral("no sound server");
        return false;
    }
    m_session = session;
    m_sink = sinkName;
    m_baseTargetMs = session->onPipeWire() ? kPipeWireBaseTargetMs : kBaseTargetMs;
    PulseLock lock(*session);
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(kRate), 2};
    m_stream = pa_stream_new(session->context(), m_name.constData(), &format, nullptr);
    if (!m_stream) {
        *error = QString::fromUtf8(pa_strerror(pa_context_errno(session->context())));
        return false;
    }
    m_started = false;
    m_refill = true;
    resetControl();
    m_resampler.reset();
    m_targetMs.store(m_baseTargetMs);
    m_lastChangeUs = static_cast<std::int64_t>(pa_rtclock_now());
    pa_stream_set_state_callback(m_stream, &VoiceOutput::onState, this);
    pa_stream_set_underflow_callback(m_stream, &VoiceOutput::onUnderflow, this);
    pa_buffer_attr attributes;
    attributes.maxlength = bytesFor(250.0);
    attributes.tlength = bytesFor(m_baseTargetMs);
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    attributes.minreq = static_cast<std::uint32_t>(m_maxBlockFrames) * kFrameBytes;
    attributes.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(
        PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    const bool ready =
        pa_stream_connect_playback(m_stream, sinkName.isEmpty() ? nullptr : sinkName.constData(), &attributes,
                                   flags, nullptr, nullptr) == 0 &&
        session->waitFor([this] { return pa_stream_get_state(m_stream) != PA_STREAM_CREATING; }) &&
        pa_stream_get_state(m_stream) == PA_STREAM_READY;
    if (!ready) {
        *error = QString::fromUtf8(pa_strerror(pa_context_errno(session->context())));
        dropStream();
        return false;
    }
    return true;
}

void VoiceOutput::close()
{
    if (!m_stream)
        return;
    PulseLock lock(*m_session);
    dropStream();
}

void VoiceOutput::dropStream()
{
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void VoiceOutput::resetControl()
{
    m_smoothedValid = false;
    m_excessFrames = 0;
    m_windowWrites = 0;
    m_controlWindows = 0;
    m_marginSum = 0.0;
    m_clockRatio = 1.0;
    m_learntRatio.store(1.0);
    m_resampler.jumpToRatio(1.0);
    m_ratio.store(1.0);
}

void VoiceOutput::onState(pa_stream*, void* userdata)
{
    auto* self = static_cast<VoiceOutput*>(userdata);
    pa_threaded_mainloop_signal(self->m_session->loop(), 0);
}

void VoiceOutput::onUnderflow(pa_stream*, void* userdata)
{
    auto* self = static_cast<VoiceOutput*>(userdata);
    if (!self->m_started)
        return; // the stream starting, before the first block
    self->m_underflows.fetch_add(1, std::memory_order_relaxed);
    self->m_refill = true;
    const auto now = static_cast<std::int64_t>(pa_rtclock_now());
    if (self->m_lastShrinkUs > 0 && now - self->m_lastShrinkUs < self->m_shrinkAfterUs)
        self->m_shrinkAfterUs =
            std::min(2 * self->m_shrinkAfterUs, std::int64_t(kLongestShrinkAfterMs) * 1000);
    self->setTarget(std::min(self->m_targetMs.load() + kStepMs, kMaxTargetMs));
}

void VoiceOutput::setTarget(double ms)
{
    m_lastChangeUs = static_cast<std::int64_t>(pa_rtclock_now());
    if (ms == m_targetMs.load())
        return;
    m_targetMs.store(ms);
    pa_buffer_attr attributes = *pa_stream_get_buffer_attr(m_stream);
    attributes.tlength = bytesFor(ms);
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    if (pa_operation* op = pa_stream_set_buffer_attr(m_stream, &attributes, nullptr, nullptr))
        pa_operation_unref(op);
}

void VoiceOutput::write(const float* block, int frames)
{
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    double target = m_targetMs.load(std::memory_order_relaxed);
    if (target > m_baseTargetMs &&
        static_cast<std::int64_t>(pa_rtclock_now()) - m_lastChangeUs > m_shrinkAfterUs) {
        setTarget(std::max(m_baseTargetMs, target - kStepMs));
        m_lastShrinkUs = m_lastChangeUs;
        target = m_targetMs.load(std::memory_order_relaxed);
    }
    // What waits in the server now, just before this block joins it.
    pa_usec_t usec = 0;
    int negative = 0;
    const bool known = m_started && pa_stream_get_latency(m_stream, &usec, &negative) == 0;
    const double latency = known ? (negative ? -1.0 : 1.0) * static_cast<double>(usec) / 1000.0 : 0.0;
    const pa_timing_info* timing = known ? pa_stream_get_timing_info(m_stream) : nullptr;
    double margin = timing ? latency - static_cast<double>(timing->sink_usec) / 1000.0 : 0.0;
    if (m_refill) {
        m_refill = false;
        // Never more than the silence there is: the margin may be below 0.
        const auto frames =
            static_cast<std::size_t>(std::clamp(target - margin, 0.0, kMaxTargetMs) * kRate / 1000.0);
        if (frames > 0 && pa_stream_write(m_stream, m_silence.get(), frames * kFrameBytes, nullptr, 0,
                                          PA_SEEK_RELATIVE) == 0)
            m_written.fetch_add(frames, std::memory_order_relaxed);
        margin = std::max(margin, target);
        m_windowWrites = 0;
        m_controlWindows = 0;
        m_marginSum = 0.0;
    }
    if (timing) {
        // An excess found at the end of the last window goes block by block.
        if (m_excessFrames >= frames) {
            m_excessFrames -= frames;
            m_dropped.fetch_add(static_cast<std::uint64_t>(frames), std::memory_order_relaxed);
            return;
        }
        m_smoothed = m_smoothedValid ? m_smoothed + kSmoothing * (latency - m_smoothed) : latency;
        m_smoothedValid = true;
        m_latencyMs.store(m_smoothed, std::memory_order_relaxed);
        m_lowest = m_windowWrites == 0 ? margin : std::min(m_lowest, margin);
        m_marginSum += margin;
        if (++m_windowWrites == kWindowWrites) {
            m_windowWrites = 0;
            // Whole blocks of a backlog are dropped; what is left of it the
            // control loop takes away.
            const int excess = static_cast<int>((m_lowest - target) * kRate / 1000.0) / frames * frames;
            if (m_lowest > target + kDropAboveMs && excess > 0) {
                m_excessFrames = excess;
                m_marginSum = 0.0;
                m_controlWindows = 0;
            } else if (++m_controlWindows == kControlWindows) {
                control(m_marginSum / (kControlWindows * kWindowWrites) - target);
                m_marginSum = 0.0;
                m_controlWindows = 0;
            }
        }
    }
    const int produced = m_resampler.process(block, frames, m_out.get());
    if (pa_stream_write(m_stream, m_out.get(), static_cast<std::size_t>(produced) * kFrameBytes, nullptr, 0,
                        PA_SEEK_RELATIVE) == 0)
        m_written.fetch_add(static_cast<std::uint64_t>(produced), std::memory_order_relaxed);
    m_started = true;
}

void VoiceOutput::control(double error)
{
    m_marginMs.store(m_smoothedValid ? error + m_targetMs.load() : 0.0, std::memory_order_relaxed);
    m_clockRatio = std::clamp(m_clockRatio - kIntegral * error, 1.0 - kMaxDrift, 1.0 + kMaxDrift);
    m_learntRatio.store(m_clockRatio, std::memory_order_relaxed);
    const double ratio = m_clockRatio - std::clamp(kProportional * error, -kMaxCorrection, kMaxCorrection);
    m_resampler.setRatio(ratio);
    m_ratio.store(ratio, std::memory_order_relaxed);
}

VoiceOutput::Stats VoiceOutput::stats() const
{
    Stats stats;
    stats.underflows = m_underflows.load(std::memory_order_relaxed);
    stats.droppedFrames = m_dropped.load(std::memory_order_relaxed);
    stats.writtenFrames = m_written.load(std::memory_order_relaxed);
    stats.latencyMs = m_latencyMs.load(std::memory_order_relaxed);
    stats.marginMs = m_marginMs.load(std::memory_order_relaxed);
    stats.targetMs = m_targetMs.load(std::memory_order_relaxed);
    stats.ratio = m_ratio.load(std::memory_order_relaxed);
    stats.clockRatio = m_learntRatio.load(std::memory_order_relaxed);
    return stats;
}
