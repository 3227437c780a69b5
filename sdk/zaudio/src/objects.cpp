// Sound, Channel, ChannelGroup and DSP calls.

#include "core.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace zaudio {

namespace {

template <class T, class F> Result with(std::uint64_t id, Kind kind, F&& body)
{
    void* object = nullptr;
    std::shared_ptr<SystemImpl> keep; // outlives the lock: see Access
    if (!HandleTable::instance().find(id, kind, &object, &keep))
        return ErrInvalidHandle;
    std::unique_lock<std::mutex> lock(keep->api);
    SystemImpl* system = nullptr;
    if (!HandleTable::instance().find(id, kind, &object, &system) || system->released)
        return ErrInvalidHandle;
    return body(static_cast<T*>(object), system);
}

void copyText(const char* text, char* out, int length)
{
    if (!out || length <= 0)
        return;
    std::snprintf(out, static_cast<std::size_t>(length), "%s", text);
}

// Both kinds of channel control share these fields.
struct ControlRef
{
    std::atomic<bool>* paused = nullptr;
    std::atomic<bool>* mute = nullptr;
    std::atomic<float>* volume = nullptr;
    ChannelImpl* channel = nullptr; // null for the group
    SystemImpl* system = nullptr;
};

template <class F> Result withControl(std::uint64_t id, bool needsLiveChannel, F&& body)
{
    void* object = nullptr;
    std::shared_ptr<SystemImpl> keep; // outlives the lock: see Access
    auto& table = HandleTable::instance();
    Kind kind = Kind::Channel;
    if (!table.find(id, kind, &object, &keep)) {
        kind = Kind::Group;
        if (!table.find(id, kind, &object, &keep))
            return ErrInvalidHandle;
    }
    std::unique_lock<std::mutex> lock(keep->api);
    SystemImpl* system = nullptr;
    if (!table.find(id, kind, &object, &system) || system->released)
        return ErrInvalidHandle;
    ControlRef ref;
    ref.system = system;
    if (kind == Kind::Group) {
        auto* group = static_cast<GroupImpl*>(object);
        ref.paused = &group->paused;
        ref.mute = &group->mute;
        ref.volume = &group->volume;
    } else {
        auto* channel = static_cast<ChannelImpl*>(object);
        if (needsLiveChannel && (channel->ended.load() || !channel->sound))
            return ErrChannelStopped;
        ref.channel = channel;
        ref.paused = &channel->paused;
        ref.mute = &channel->mute;
        ref.volume = &channel->volume;
    }
    return body(ref);
}

// Takes a stream buffer's written region at the channel's position in, if
// the channel has room for it.
void takeWritten(ChannelImpl* ch)
{
    const SoundImpl* s = ch->sound;
    if (ch->untakenFrames == 0)
        return;
    const std::uint64_t taken = ch->taken.load();
    const std::uint64_t played = std::max(ch->played.load(), ch->seekTaken.load());
    const std::uint64_t backlog = taken > played ? taken - played : 0;
    if (backlog + ch->untakenFrames > static_cast<std::uint64_t>(s->regionFrames) * kStreamBufferRegions)
        return;
    ch->position.store((ch->position.load() + ch->untakenFrames) % s->frames);
    ch->taken.store(taken + ch->untakenFrames, std::memory_order_release);
    ch->untakenFrames = 0;
}

// Converts frames at the sound's own rate into `unit`.
Result toTimeUnit(const SoundImpl* s, std::uint64_t frames, TimeUnit unit, unsigned* out)
{
    switch (unit) {
    case TimeUnitMs:
        *out = static_cast<unsigned>(frames * 1000 / static_cast<std::uint64_t>(s->rate));
        return Ok;
    case TimeUnitPcm:
        *out = static_cast<unsigned>(frames);
        return Ok;
    case TimeUnitPcmBytes:
        *out = static_cast<unsigned>(frames * s->frameBytes());
        return Ok;
    }
    return ErrInvalidParam;
}

} // namespace

// ------------------------------------------------------------------- Sound

Result Sound::lock(unsigned offset, unsigned length, void** ptr1, void** ptr2, unsigned* len1,
                   unsigned* len2) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl*) -> Result {
        if (!ptr1 || !ptr2 || !len1 || !len2 || length == 0)
            return ErrInvalidParam;
        if (s->isStream())
            return ErrNotStream;
        const unsigned size = static_cast<unsigned>(s->data.size());
        if (offset >= size)
            return ErrInvalidPosition;
        length = std::min(length, size);
        *len1 = std::min(length, size - offset);
        *ptr1 = s->data.data() + offset;
        *len2 = length - *len1;
        *ptr2 = *len2 ? s->data.data() : nullptr;
        return Ok;
    });
}

Result Sound::unlock(void* ptr1, void* ptr2, unsigned len1, unsigned len2) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl* system) -> Result {
        if (s->isStream())
            return ErrNotStream;
        auto* begin = s->data.data();
        auto* end = begin + s->data.size();
        auto inside = [&](void* p, unsigned len) {
            auto* bytes = static_cast<std::uint8_t*>(p);
            return bytes >= begin && bytes + len <= end;
        };
        if (!ptr1 || !inside(ptr1, len1) || (ptr2 && !inside(ptr2, len2)) || (!ptr2 && len2))
            return ErrInvalidParam;
        if (s->isStreamBuffer()) {
            const unsigned total = len1 + len2;
            const auto start = static_cast<std::uint64_t>(static_cast<std::uint8_t*>(ptr1) - begin);
            if (total % s->bytesPerFrame == 0 && start % s->bytesPerFrame == 0) {
                for (const auto& slot : system->channelSlots) {
                    ChannelImpl* ch = slot.get();
                    if (!ch->inGraph || ch->sound != s || ch->ended.load() ||
                        ch->position.load() != start / s->bytesPerFrame)
                        continue;
                    ch->untakenFrames = total / s->bytesPerFrame;
                    takeWritten(ch);
                }
            }
        }
        return Ok;
    });
}

Result Sound::getLength(unsigned* length, TimeUnit unit) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl*) -> Result {
        if (!length)
            return ErrInvalidParam;
        const std::uint64_t frames = s->lengthFrames();
        return toTimeUnit(s, frames, unit, length);
    });
}

Result Sound::setMode(unsigned mode) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl* system) -> Result {
        const unsigned loopBits = (mode & LoopNormal) ? LoopNormal : LoopOff;
        s->mode.store((s->mode.load() & ~(LoopOff | LoopNormal)) | loopBits);
        if (s->stream) {
            s->stream->setLoopHint(loopBits == LoopNormal);
            system->streamsWake.notify_all();
        }
        return Ok;
    });
}

Result Sound::getMode(unsigned* mode) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl*) -> Result {
        if (!mode)
            return ErrInvalidParam;
        *mode = s->mode.load();
        return Ok;
    });
}

Result Sound::getFormat(int* rate, int* channels) const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl*) -> Result {
        if (rate)
            *rate = s->rate;
        if (channels)
            *channels = s->channels;
        return Ok;
    });
}

Result Sound::release() const
{
    return with<SoundImpl>(id(), Kind::Sound, [&](SoundImpl* s, SystemImpl* system) -> Result {
        bool playing = false;
        for (const auto& slot : system->channelSlots) {
            if (slot->sound == s) {
                slot->ended.store(true);
                playing = playing || slot->inGraph;
                slot->inGraph = false;
            }
        }
        // The mixer may still be reading a channel's sound until the graph
        // without it is published; only then forget it.
        if (playing)
            system->publish();
        for (const auto& slot : system->channelSlots) {
            if (slot->sound == s)
                slot->sound = nullptr;
        }
        if (s->stream) {
            std::lock_guard<std::mutex> lock(system->streamsMutex);
            auto& streams = system->streams;
            streams.erase(std::remove(streams.begin(), streams.end(), s->stream.get()), streams.end());
        }
        HandleTable::instance().remove(s->handle);
        auto& sounds = system->sounds;
        sounds.erase(
            std::remove_if(sounds.begin(), sounds.end(), [s](const auto& p) { return p.get() == s; }),
            sounds.end());
        return Ok;
    });
}

// ---------------------------------------------------------- ChannelControl

Result ChannelControl::setPaused(bool paused) const
{
    return withControl(id(), true, [&](ControlRef& c) {
        c.paused->store(paused);
        return Ok;
    });
}

Result ChannelControl::getPaused(bool* paused) const
{
    return withControl(id(), false, [&](ControlRef& c) {
        if (!paused)
            return ErrInvalidParam;
        *paused = c.paused->load();
        return Ok;
    });
}

Result ChannelControl::isPlaying(bool* playing) const
{
    return withControl(id(), false, [&](ControlRef& c) {
        if (!playing)
            return ErrInvalidParam;
        *playing = !c.channel || (!c.channel->ended.load() && c.channel->sound);
        return Ok;
    });
}

Result ChannelControl::stop() const
{
    return withControl(id(), true, [&](ControlRef& c) {
        if (c.channel) {
            c.channel->ended.store(true);
        } else {
            for (const auto& slot : c.system->channelSlots)
                slot->ended.store(true);
        }
        return Ok;
    });
}

Result ChannelControl::setVolume(float volume) const
{
    return withControl(id(), true, [&](ControlRef& c) {
        if (!std::isfinite(volume))
            return ErrInvalidFloat;
        c.volume->store(volume);
        return Ok;
    });
}

Result ChannelControl::getVolume(float* volume) const
{
    return withControl(id(), false, [&](ControlRef& c) {
        if (!volume)
            return ErrInvalidParam;
        *volume = c.volume->load();
        return Ok;
    });
}

Result ChannelControl::setMute(bool mute) const
{
    return withControl(id(), true, [&](ControlRef& c) {
        c.mute->store(mute);
        return Ok;
    });
}

Result ChannelControl::getMute(bool* mute) const
{
    return withControl(id(), false, [&](ControlRef& c) {
        if (!mute)
            return ErrInvalidParam;
        *mute = c.mute->load();
        return Ok;
    });
}

// ----------------------------------------------------------------- Channel

Result Channel::getPosition(unsigned* position, TimeUnit unit) const
{
    return with<ChannelImpl>(id(), Kind::Channel, [&](ChannelImpl* ch, SystemImpl* system) -> Result {
        if (!position)
            return ErrInvalidParam;
        const SoundImpl* s = ch->sound;
        if (!s || ch->ended.load())
            return ErrChannelStopped;
        std::uint64_t frames; // at the sound's own rate
        if (s->isStream()) {
            frames = s->stream->position() * static_cast<std::uint64_t>(s->rate) /
                     static_cast<std::uint64_t>(system->rate);
        } else {
            if (s->isStreamBuffer())
                takeWritten(ch);
            frames = ch->position.load();
        }
        return toTimeUnit(s, frames, unit, position);
    });
}

Result Channel::setPosition(unsigned position, TimeUnit unit) const
{
    return with<ChannelImpl>(id(), Kind::Channel, [&](ChannelImpl* ch, SystemImpl* system) -> Result {
        SoundImpl* s = ch->sound;
        if (!s || ch->ended.load())
            return ErrChannelStopped;
        const std::uint64_t frameBytes = s->frameBytes();
        std::uint64_t frames; // at the sound's own rate
        switch (unit) {
        case TimeUnitMs:
            frames = static_cast<std::uint64_t>(position) * static_cast<std::uint64_t>(s->rate) / 1000;
            break;
        case TimeUnitPcm:
            frames = position;
            break;
        case TimeUnitPcmBytes:
            frames = position / frameBytes;
            break;
        default:
            return ErrInvalidParam;
        }
        if (s->isStream()) {
            const std::uint64_t output =
                frames * static_cast<std::uint64_t>(system->rate) / static_cast<std::uint64_t>(s->rate);
            if (output >= s->stream->outputFrames())
                return ErrInvalidPosition;
            s->stream->requestSeek(output);
            system->streamsWake.notify_all();
            return Ok;
        }
        if (frames >= s->frames)
            return ErrInvalidPosition;
        if (s->isStreamBuffer()) {
            // What was taken in and not played is dropped when the mixer
            // applies the seek; later takes count from here.
            ch->seekTaken.store(ch->taken.load());
            ch->untakenFrames = 0;
        }
        ch->seekRequest.store(static_cast<std::int64_t>(frames), std::memory_order_release);
        ch->position.store(frames);
        return Ok;
    });
}

Result Channel::getBufferedFrames(unsigned* frames, std::uint64_t* dryFrames) const
{
    return with<ChannelImpl>(id(), Kind::Channel, [&](ChannelImpl* ch, SystemImpl*) -> Result {
        if (!frames)
            return ErrInvalidParam;
        if (!ch->sound || ch->ended.load())
            return ErrChannelStopped;
        if (!ch->sound->isStreamBuffer())
            return ErrBadCommand;
        const std::uint64_t taken = ch->taken.load();
        const std::uint64_t played = std::max(ch->played.load(), ch->seekTaken.load());
        *frames = static_cast<unsigned>(taken > played ? taken - played : 0);
        if (dryFrames)
            *dryFrames = ch->dryFrames.load(std::memory_order_relaxed);
        return Ok;
    });
}

Result Channel::getCurrentSound(Sound* sound) const
{
    return with<ChannelImpl>(id(), Kind::Channel, [&](ChannelImpl* ch, SystemImpl*) -> Result {
        if (!sound)
            return ErrInvalidParam;
        *sound = ch->sound ? Sound(ch->sound->handle) : Sound();
        return Ok;
    });
}

// ------------------------------------------------------------ ChannelGroup

namespace {

Result findDsp(std::uint64_t id, SystemImpl* system, DSPImpl** dsp)
{
    void* object = nullptr;
    SystemImpl* owner = nullptr;
    if (!HandleTable::instance().find(id, Kind::Dsp, &object, &owner))
        return ErrInvalidHandle;
    if (owner != system)
        return ErrDspOtherSystem;
    *dsp = static_cast<DSPImpl*>(object);
    return Ok;
}

} // namespace

Result ChannelGroup::addDSP(int index, DSP dsp) const
{
    return with<GroupImpl>(id(), Kind::Group, [&](GroupImpl* g, SystemImpl* system) -> Result {
        DSPImpl* unit = nullptr;
        if (Result r = findDsp(dsp.id(), system, &unit); r != Ok)
            return r;
        auto& chain = g->chain;
        const auto found = std::find(chain.begin(), chain.end(), unit);
        const int lengthWithout = static_cast<int>(chain.size()) - (found != chain.end() ? 1 : 0);
        if (index < 0 || index > lengthWithout)
            return ErrInvalidParam;
        if (found == chain.end() && chain.size() >= chain.capacity())
            return ErrDspChainFull;
        if (found != chain.end())
            chain.erase(found);
        chain.insert(chain.begin() + index, unit);
        unit->inChain = true;
        system->publish();
        return Ok;
    });
}

Result ChannelGroup::removeDSP(DSP dsp) const
{
    return with<GroupImpl>(id(), Kind::Group, [&](GroupImpl* g, SystemImpl* system) -> Result {
        DSPImpl* unit = nullptr;
        if (Result r = findDsp(dsp.id(), system, &unit); r != Ok)
            return r;
        const auto found = std::find(g->chain.begin(), g->chain.end(), unit);
        if (found == g->chain.end())
            return ErrDspNotFound;
        g->chain.erase(found);
        unit->inChain = false;
        system->publish();
        return Ok;
    });
}

Result ChannelGroup::getNumDSPs(int* count) const
{
    return with<GroupImpl>(id(), Kind::Group, [&](GroupImpl* g, SystemImpl*) -> Result {
        if (!count)
            return ErrInvalidParam;
        *count = static_cast<int>(g->chain.size());
        return Ok;
    });
}

Result ChannelGroup::getDSP(int index, DSP* dsp) const
{
    return with<GroupImpl>(id(), Kind::Group, [&](GroupImpl* g, SystemImpl*) -> Result {
        if (!dsp)
            return ErrInvalidParam;
        *dsp = DSP();
        if (index < 0 || index >= static_cast<int>(g->chain.size()))
            return ErrInvalidParam;
        *dsp = DSP(g->chain[static_cast<std::size_t>(index)]->handle);
        return Ok;
    });
}

Result ChannelGroup::getDSPIndex(DSP dsp, int* index) const
{
    return with<GroupImpl>(id(), Kind::Group, [&](GroupImpl* g, SystemImpl* system) -> Result {
        if (!index)
            return ErrInvalidParam;
        DSPImpl* unit = nullptr;
        if (Result r = findDsp(dsp.id(), system, &unit); r != Ok)
            return r;
        const auto found = std::find(g->chain.begin(), g->chain.end(), unit);
        if (found == g->chain.end())
            return ErrDspNotFound;
        *index = static_cast<int>(found - g->chain.begin());
        return Ok;
    });
}

// --------------------------------------------------------------------- DSP

Result DSP::setParameterFloat(int index, float value) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (std::isnan(value))
            return ErrInvalidFloat;
        if (d->unit)
            return d->unit->setParameter(index, value) ? Ok : ErrInvalidParam;
        if (index < 0 || index >= d->description.numParameters)
            return ErrInvalidParam;
        if (!d->description.setParameterFloat)
            return ErrUnsupported;
        return d->description.setParameterFloat(&d->state, index, value);
    });
}

Result DSP::getParameterFloat(int index, float* value, char* valueText, int valueTextLength) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!value)
            return ErrInvalidParam;
        char text[32] = {};
        if (d->unit) {
            if (index < 0 || index >= d->unit->info().parameterCount)
                return ErrInvalidParam;
            *value = d->unit->parameter(index);
            std::snprintf(text, sizeof text, "%g", static_cast<double>(*value));
        } else {
            if (index < 0 || index >= d->description.numParameters)
                return ErrInvalidParam;
            if (!d->description.getParameterFloat)
                return ErrUnsupported;
            if (Result r =
                    d->description.getParameterFloat(&d->state, index, value, valueText ? text : nullptr);
                r != Ok)
                return r;
        }
        copyText(text, valueText, valueTextLength);
        return Ok;
    });
}

Result DSP::getParameterData(int index, void** data, unsigned* length, char* valueText,
                             int valueTextLength) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!data || !length)
            return ErrInvalidParam;
        if (d->unit)
            return ErrInvalidParam; // built-in units have no data parameters
        if (index < 0 || index >= d->description.numParameters)
            return ErrInvalidParam;
        if (!d->description.getParameterData)
            return ErrUnsupported;
        char text[32] = {};
        if (Result r =
                d->description.getParameterData(&d->state, index, data, length, valueText ? text : nullptr);
            r != Ok)
            return r;
        copyText(text, valueText, valueTextLength);
        return Ok;
    });
}

Result DSP::getNumParameters(int* count) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!count)
            return ErrInvalidParam;
        *count = d->unit ? d->unit->info().parameterCount : d->description.numParameters;
        return Ok;
    });
}

Result DSP::setBypass(bool bypass) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        d->bypass.store(bypass);
        return Ok;
    });
}

Result DSP::getBypass(bool* bypass) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!bypass)
            return ErrInvalidParam;
        *bypass = d->bypass.load();
        return Ok;
    });
}

Result DSP::getType(int* type) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!type)
            return ErrInvalidParam;
        *type = d->type;
        return Ok;
    });
}

Result DSP::getLatency(int* frames) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!frames)
            return ErrInvalidParam;
        *frames = d->unit ? d->unit->latencyFrames() : 0;
        return Ok;
    });
}

Result DSP::getReductionFrames(std::uint64_t* frames) const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl*) -> Result {
        if (!frames)
            return ErrInvalidParam;
        return d->unit && d->unit->reductionFrames(frames) ? Ok : ErrUnsupported;
    });
}

Result DSP::release() const
{
    return with<DSPImpl>(id(), Kind::Dsp, [&](DSPImpl* d, SystemImpl* system) -> Result {
        if (d->inChain) {
            auto& chain = system->master.chain;
            chain.erase(std::remove(chain.begin(), chain.end(), d), chain.end());
            d->inChain = false;
            system->publish();
        }
        if (!d->unit && d->description.release)
            d->description.release(&d->state);
        HandleTable::instance().remove(d->handle);
        auto& dsps = system->dsps;
        dsps.erase(std::remove_if(dsps.begin(), dsps.end(), [d](const auto& p) { return p.get() == d; }),
                   dsps.end());
        return Ok;
    });
}

} // namespace zaudio
