#include "outputlimiter.h"

#include "audioerror.h"

namespace OutputLimiter {

namespace {

enum Parameter
{
    Release = 0,
    Ceiling = 1,
    MaximiserGain = 2,
    Mode = 3,
};

} // namespace

zaudio::DSP insert(const zaudio::System& system, int position)
{
    zaudio::DSP limiter;
    if (ZAUDIO_CHECK(system.createDSPByType(kType, &limiter)) != zaudio::Ok)
        return {};
    ZAUDIO_CHECK(limiter.setParameterFloat(Release, kReleaseMs));
    ZAUDIO_CHECK(limiter.setParameterFloat(Ceiling, kCeilingDb));
    ZAUDIO_CHECK(limiter.setParameterFloat(MaximiserGain, 0.0f));
    // Both channels are lowered together, so the stereo image stays put.
    ZAUDIO_CHECK(limiter.setParameterFloat(Mode, 1.0f));
    zaudio::ChannelGroup master;
    if (ZAUDIO_CHECK(system.getMasterChannelGroup(&master)) != zaudio::Ok ||
        ZAUDIO_CHECK(master.addDSP(position, limiter)) != zaudio::Ok) {
        limiter.release();
        return {};
    }
    return limiter;
}

std::uint64_t reducedFrames(const zaudio::DSP& limiter)
{
    std::uint64_t frames = 0;
    if (limiter.isNull() || limiter.getReductionFrames(&frames) != zaudio::Ok)
        return 0;
    return frames;
}

} // namespace OutputLimiter
