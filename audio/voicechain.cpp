#include "voicechain.h"

#include "audioerror.h"
#include "noisegates.h"
#include "outputlimiter.h"
#include "vstplugin.h"

#include <algorithm>

using namespace zaudio;

namespace {

constexpr std::size_t kBlockFloats = 2 * VoiceChain::kBlockFrames;

// An offline system of one voice block, with no channels of its own.
System blockSystem(BlockProcessor* processor)
{
    System system;
    if (ZAUDIO_CHECK(createSystem(&system)) != Ok)
        return {};
    ZAUDIO_CHECK(system.setOutput(OutputType::Offline));
    ZAUDIO_CHECK(system.setBlockSize(VoiceChain::kBlockFrames));
    ZAUDIO_CHECK(system.init(1));
    ZAUDIO_CHECK(system.getBlockProcessor(processor));
    return system;
}

// `a` becomes a fade from itself to `b` over the block.
void crossfade(float* a, const float* b)
{
    constexpr float step = 1.0f / VoiceChain::kBlockFrames;
    for (int i = 0; i < VoiceChain::kBlockFrames; ++i) {
        const float r = step * static_cast<float>(i + 1);
        a[2 * i] += (b[2 * i] - a[2 * i]) * r;
        a[2 * i + 1] += (b[2 * i + 1] - a[2 * i + 1]) * r;
    }
}

} // namespace

// ------------------------------------------------------------------ Effect

VoiceChain::Effect::Effect()
{
    m_system = blockSystem(&m_processor);
}

VoiceChain::Effect::~Effect()
{
    m_plugins.clear();
    if (!m_system.isNull())
        m_system.release();
}

void VoiceChain::Effect::addUnit(int type, const QMap<int, float>& values)
{
    DSP unit;
    if (ZAUDIO_CHECK(m_system.createDSPByType(type, &unit)) != Ok)
        return;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ZAUDIO_CHECK(unit.setParameterFloat(it.key(), it.value()));
    // Position 0 is the output end: each unit goes behind the ones before it.
    ChannelGroup master;
    ZAUDIO_CHECK(m_system.getMasterChannelGroup(&master));
    if (ZAUDIO_CHECK(master.addDSP(m_units.size(), unit)) != Ok) {
        unit.release();
        return;
    }
    m_unitTable.insert(type, unit);
    m_units.append(unit);
}

bool VoiceChain::Effect::setUnitParameter(int type, int index, float value)
{
    if (!m_unitTable.contains(type))
        return false;
    return ZAUDIO_CHECK(m_unitTable.value(type).setParameterFloat(index, value)) == Ok;
}

int VoiceChain::Effect::latencyFrames() const
{
    int frames = 0;
    for (const DSP& unit : m_units) {
        int latency = 0;
        if (unit.getLatency(&latency) == Ok)
            frames += latency;
    }
    for (int i = 0; i < m_plugins.count(); ++i)
        frames += m_plugins.plugin(i)->latency();
    return frames;
}

void VoiceChain::Effect::process(float* block)
{
    if (!m_units.isEmpty() && !m_processor.isNull())
        m_processor.process(block, block);
}

// ------------------------------------------------------------------ VoiceChain

VoiceChain::VoiceChain()
    : m_a(std::make_unique<float[]>(kBlockFloats)), m_b(std::make_unique<float[]>(kBlockFloats)),
      m_wetFrom(std::make_unique<float[]>(kBlockFloats)), m_wetTo(std::make_unique<float[]>(kBlockFloats))
{
    m_post = blockSystem(&m_postProcessor);
    if (!m_post.isNull())
        m_limiter = OutputLimiter::insert(m_post, 0);
    apply(std::make_unique<Effect>());
}

VoiceChain::~VoiceChain()
{
    collect();
    Effect* pending = m_pending.exchange(nullptr);
    if (pending != m_current)
        delete pending;
    delete m_current;
    if (!m_post.isNull())
        m_post.release();
}

void VoiceChain::apply(std::unique_ptr<Effect> effect)
{
    collect();
    m_latest = effect.get();
    // A pending effect the audio thread never took is nobody's but ours.
    delete m_pending.exchange(effect.release(), std::memory_order_acq_rel);
}

void VoiceChain::collect()
{
    delete m_retired.exchange(nullptr, std::memory_order_acq_rel);
}

void VoiceChain::process(const float* in, float* out)
{
    // A new effect is taken only when the previous old one was collected:
    // the audio thread never frees anything.
    Effect* next = nullptr;
    if (m_retired.load(std::memory_order_acquire) == nullptr)
        next = m_pending.exchange(nullptr, std::memory_order_acq_rel);
    Effect* const from = m_current;
    const bool fromOn = m_currentOn;
    Effect* const to = next ? next : m_current;
    const bool toOn = m_effectsEnabled.load(std::memory_order_relaxed);
    const bool switching = from != to;
    const bool fading = switching || fromOn != toOn;

    // The effect runs even while effects are off, so that turning them on
    // fades into its present sound, not into what it held from before.
    // Plug-ins first, then the gates once on what the fade makes of both
    // sides, then the units; one fade joins the sides at each stage.
    float* const wetFrom = m_wetFrom.get();
    float* const wetTo = m_wetTo.get();
    float* const a = m_a.get();
    const auto runPlugins = [in](Effect* effect, float* wet) {
        std::copy(in, in + kBlockFloats, wet);
        if (effect)
            effect->m_plugins.process(wet, static_cast<int>(kBlockFloats));
    };
    runPlugins(from, wetFrom);
    if (switching)
        runPlugins(to, wetTo);
    std::copy(fromOn ? wetFrom : in, (fromOn ? wetFrom : in) + kBlockFloats, a);
    if (fading) {
        const float* side = !toOn ? in : switching ? wetTo : wetFrom;
        crossfade(a, side);
    }
    if (m_gates)
        m_gates->process(a, static_cast<int>(kBlockFloats));

    const auto runUnits = [a](Effect* effect, float* wet) {
        std::copy(a, a + kBlockFloats, wet);
        if (effect)
            effect->process(wet);
    };
    runUnits(from, wetFrom);
    if (switching)
        runUnits(to, wetTo);
    if (fading) {
        const float* side = !toOn ? a : switching ? wetTo : wetFrom;
        if (fromOn)
            std::copy(wetFrom, wetFrom + kBlockFloats, m_b.get());
        else
            std::copy(a, a + kBlockFloats, m_b.get());
        crossfade(m_b.get(), side);
        std::copy(m_b.get(), m_b.get() + kBlockFloats, a);
    } else if (fromOn) {
        std::copy(wetFrom, wetFrom + kBlockFloats, a);
    }
    if (!m_postProcessor.isNull())
        m_postProcessor.process(a, a);

    if (m_restart.exchange(false, std::memory_order_relaxed))
        m_gain = 0.0f;
    const float target = m_gainTarget.load(std::memory_order_relaxed);
    const float step = (target - m_gain) / kBlockFrames;
    for (int i = 0; i < kBlockFrames; ++i) {
        const float gain = m_gain + step * static_cast<float>(i + 1);
        out[2 * i] = a[2 * i] * gain;
        out[2 * i + 1] = a[2 * i + 1] * gain;
    }
    m_gain = target;

    m_current = to;
    m_currentOn = toOn;
    if (next && from)
        m_retired.store(from, std::memory_order_release);
}
