#include "stream.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace zaudio {

namespace {

constexpr unsigned kChunkFrames = 1024;  // source frames per decode step
constexpr unsigned kOutputChunk = 4096;  // output frames per resampler call
constexpr unsigned kPadAllowance = 1024; // a pass short by more than this ended early (damaged file)

int bytesPerSampleOf(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 1;
    case SF_FORMAT_PCM_24:
        return 3;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 4;
    case SF_FORMAT_DOUBLE:
        return 8;
    default:
        return 2;
    }
}

// Counts frames by decoding: compressed formats may only estimate them.
sf_count_t countFrames(SNDFILE* file, int channels)
{
    std::vector<float> buffer(static_cast<std::size_t>(kChunkFrames) * channels);
    sf_count_t total = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(file, buffer.data(), kChunkFrames);
        if (got <= 0)
            break;
        total += got;
    }
    sf_seek(file, 0, SEEK_SET);
    return total;
}

} // namespace

Stream::~Stream()
{
    if (m_resampler)
        soxr_delete(m_resampler);
    if (m_file)
        sf_close(m_file);
}

Result Stream::open(const char* path, int mixRate, bool accurate, std::unique_ptr<Stream>* stream)
{
    if (!path || !*path || !stream)
        return ErrInvalidParam;
    struct stat st;
    if (::stat(path, &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ErrFileNotFound : ErrFileBad;
    if (!S_ISREG(st.st_mode))
        return ErrFileBad;

    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) {
        const int error = sf_error(nullptr);
        return error == SF_ERR_UNRECOGNISED_FORMAT ? ErrFormat : ErrFileBad;
    }
    std::unique_ptr<Stream> s(new Stream);
    s->m_file = file;
    if (info.channels < 1 || info.channels > Unit::kMaxChannels || info.samplerate < 1000 ||
        info.samplerate > 768000)
        return ErrFormat;
    s->m_channels = info.channels;
    s->m_sourceRate = info.samplerate;
    s->m_mixRate = mixRate;
    s->m_bytesPerSample = bytesPerSampleOf(info.format);

    sf_count_t frames = info.frames;
    const bool estimated = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
    if (frames <= 0 || frames >= SF_COUNT_MAX / mixRate || (accurate && estimated))
        frames = countFrames(file, info.channels);
    if (frames <= 0)
        return ErrFileBad;
    s->m_sourceFrames = static_cast<std::uint64_t>(frames);
    s->m_outputFrames = (s->m_sourceFrames * static_cast<std::uint64_t>(mixRate) + info.samplerate / 2) /
                        static_cast<std::uint64_t>(info.samplerate);

    if (info.samplerate != mixRate) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        s->m_resampler = soxr_create(info.samplerate, mixRate, static_cast<unsigned>(info.channels), &error,
                                     &io, &quality, nullptr);
        if (!s->m_resampler || error)
            return ErrMemory;
    }

    s->m_ringFrames = static_cast<unsigned>(mixRate / 2);
    s->m_ring.assign(static_cast<std::size_t>(s->m_ringFrames) * s->m_channels, 0.0f);
    s->m_input.assign(static_cast<std::size_t>(kChunkFrames) * s->m_channels, 0.0f);
    s->m_output.assign(static_cast<std::size_t>(kOutputChunk) * s->m_channels, 0.0f);
    s->startPass(0);
    s->service();
    if (s->m_written.load() == 0)
        return ErrFileBad;
    *stream = std::move(s);
    return Ok;
}

unsigned Stream::ringFree() const
{
    const std::uint64_t used =
        m_written.load(std::memory_order_relaxed) - m_read.load(std::memory_order_acquire);
    return m_ringFrames - static_cast<unsigned>(std::min<std::uint64_t>(used, m_ringFrames));
}

void Stream::ringWrite(const float* frames, unsigned count)
{
    std::uint64_t at = m_written.load(std::memory_order_relaxed);
    while (count > 0) {
        const unsigned slot = static_cast<unsigned>(at % m_ringFrames);
        const unsigned run = std::min(count, m_ringFrames - slot);
        std::memcpy(&m_ring[static_cast<std::size_t>(slot) * m_channels], frames,
                    sizeof(float) * run * static_cast<unsigned>(m_channels));
        frames += static_cast<std::size_t>(run) * m_channels;
        count -= run;
        at += run;
    }
    m_written.store(at, std::memory_order_release);
}

void Stream::startPass(std::uint64_t outputFrame)
{
    const std::uint64_t sourceFrame =
        outputFrame * static_cast<std::uint64_t>(m_sourceRate) / static_cast<std::uint64_t>(m_mixRate);
    m_eof = sf_seek(m_file, static_cast<sf_count_t>(sourceFrame), SEEK_SET) < 0;
    if (m_resampler)
        soxr_clear(m_resampler);
    m_passTarget = m_outputFrames > outputFrame ? m_outputFrames - outputFrame : 0;
    m_passWritten = 0;
    m_passDone = false;
    m_inputOffset = 0;
    m_inputFrames = 0;
}

void Stream::finishPass()
{
    // The resampler may come out a frame or two short of the exact length; a
    // damaged file comes out much shorter and ends where its data ends.
    const std::uint64_t missing = m_passTarget - m_passWritten;
    if (missing > 0 && missing <= kPadAllowance) {
        if (ringFree() < missing)
            return;
        std::fill(m_output.begin(), m_output.end(), 0.0f);
        std::uint64_t left = missing;
        while (left > 0) {
            const unsigned run = static_cast<unsigned>(std::min<std::uint64_t>(left, kOutputChunk));
            ringWrite(m_output.data(), run);
            left -= run;
        }
        m_passWritten = m_passTarget;
    }
    const std::uint32_t slot = m_boundaryWritten.load(std::memory_order_relaxed);
    if (slot - m_boundaryRead.load(std::memory_order_acquire) >= kBoundaries)
        return;
    m_boundaries[slot % kBoundaries] = {m_written.load(std::memory_order_relaxed), m_producerSerial};
    m_boundaryWritten.store(slot + 1, std::memory_order_release);
    m_passDone = true;
    m_lastPassEmpty = m_passWritten == 0;
}

bool Stream::decodeChunk()
{
    if (m_passDone) {
        // Decode the next pass ahead; the consumer decides at the boundary
        // whether it plays. A file that gave nothing is not read again.
        if (m_lastPassEmpty || !m_loopHint.load(std::memory_order_relaxed))
            return false;
        startPass(0);
    }
    const unsigned space = ringFree();
    if (space < kChunkFrames * 2)
        return false;
    const unsigned capacity = std::min(space, kOutputChunk);

    if (m_inputOffset == m_inputFrames && !m_eof) {
        const sf_count_t got = sf_readf_float(m_file, m_input.data(), kChunkFrames);
        m_inputOffset = 0;
        m_inputFrames = got > 0 ? static_cast<unsigned>(got) : 0;
        m_eof = got <= 0;
    }

    unsigned produced = 0;
    if (!m_resampler) {
        produced = std::min(m_inputFrames - m_inputOffset, capacity);
        std::memcpy(m_output.data(), &m_input[static_cast<std::size_t>(m_inputOffset) * m_channels],
                    sizeof(float) * produced * static_cast<unsigned>(m_channels));
        m_inputOffset += produced;
    } else if (m_inputOffset < m_inputFrames) {
        size_t used = 0;
        size_t done = 0;
        soxr_process(m_resampler, &m_input[static_cast<std::size_t>(m_inputOffset) * m_channels],
                     m_inputFrames - m_inputOffset, &used, m_output.data(), capacity, &done);
        m_inputOffset += static_cast<unsigned>(used);
        produced = static_cast<unsigned>(done);
    } else if (m_eof) {
        size_t done = 0;
        soxr_process(m_resampler, nullptr, 0, nullptr, m_output.data(), capacity, &done);
        produced = static_cast<unsigned>(done);
    }

    const std::uint64_t room = m_passTarget - m_passWritten;
    const unsigned kept = static_cast<unsigned>(std::min<std::uint64_t>(produced, room));
    if (kept > 0) {
        ringWrite(m_output.data(), kept);
        m_passWritten += kept;
    }
    const bool drained = m_eof && m_inputOffset == m_inputFrames && produced == 0;
    if (drained || m_passWritten >= m_passTarget) {
        finishPass();
        return m_passDone;
    }
    return true;
}

void Stream::service()
{
    const std::uint32_t wanted = m_seekSerial.load(std::memory_order_acquire);
    if (wanted != m_producerSerial) {
        const std::uint64_t target = m_seekTarget.load(std::memory_order_acquire);
        m_producerSerial = wanted;
        startPass(target);
        m_servedStart.store(m_written.load(std::memory_order_relaxed), std::memory_order_relaxed);
        m_servedTarget.store(target, std::memory_order_relaxed);
        m_servedSerial.store(wanted, std::memory_order_release);
    }
    while (decodeChunk()) {
    }
}

bool Stream::wantsService() const
{
    return m_seekSerial.load(std::memory_order_relaxed) != m_producerSerial || ringFree() >= kChunkFrames * 2;
}

void Stream::requestSeek(std::uint64_t outputFrame)
{
    m_seekTarget.store(std::min(outputFrame, m_outputFrames), std::memory_order_release);
    m_seekSerial.fetch_add(1, std::memory_order_acq_rel);
    m_position.store(std::min(outputFrame, m_outputFrames), std::memory_order_relaxed);
}

unsigned Stream::pull(float* out, unsigned frames, bool loop, bool* ended)
{
    std::uint64_t position = m_position.load(std::memory_order_relaxed);
    std::uint64_t read = m_read.load(std::memory_order_relaxed);
    const std::uint32_t wanted = m_seekSerial.load(std::memory_order_acquire);
    if (wanted != m_consumerSerial) {
        if (m_servedSerial.load(std::memory_order_acquire) != wanted)
            return 0; // the producer has not reached the new place yet
        m_consumerSerial = wanted;
        read = m_servedStart.load(std::memory_order_relaxed);
        position = m_servedTarget.load(std::memory_order_relaxed);
        m_read.store(read, std::memory_order_release);
    }

    unsigned done = 0;
    int wraps = 0;
    while (done < frames) {
        const std::uint64_t written = m_written.load(std::memory_order_acquire);
        std::uint64_t boundary = UINT64_MAX;
        for (;;) {
            const std::uint32_t head = m_boundaryRead.load(std::memory_order_relaxed);
            if (head == m_boundaryWritten.load(std::memory_order_acquire))
                break;
            const Boundary& b = m_boundaries[head % kBoundaries];
            if (b.serial != m_consumerSerial || b.index < read) {
                m_boundaryRead.store(head + 1, std::memory_order_release); // left over from before a seek
                continue;
            }
            boundary = b.index;
            break;
        }
        if (read == boundary) {
            m_boundaryRead.fetch_add(1, std::memory_order_acq_rel);
            if (!loop) {
                *ended = true;
                break;
            }
            position = 0;
            if (++wraps > 2)
                break; // passes without data: never spin here
            continue;
        }
        const std::uint64_t available = std::min(written, boundary) - read;
        const unsigned take = static_cast<unsigned>(std::min<std::uint64_t>(available, frames - done));
        if (take == 0)
            break; // starved: the caller outputs silence and the position holds
        for (unsigned i = 0; i < take; ++i) {
            const std::size_t slot = static_cast<std::size_t>((read + i) % m_ringFrames) * m_channels;
            for (int c = 0; c < m_channels; ++c)
                out[(static_cast<std::size_t>(done) + i) * m_channels + c] = m_ring[slot + c];
        }
        read += take;
        position += take;
        done += take;
        m_read.store(read, std::memory_order_release);
    }
    if (!loop && done == frames && !*ended) {
        // A pass that ends exactly with this block ends now, not one block later.
        const std::uint32_t head = m_boundaryRead.load(std::memory_order_relaxed);
        if (head != m_boundaryWritten.load(std::memory_order_acquire)) {
            const Boundary& b = m_boundaries[head % kBoundaries];
            if (b.serial == m_consumerSerial && b.index == read) {
                m_boundaryRead.store(head + 1, std::memory_order_release);
                *ended = true;
            }
        }
    }
    m_position.store(position, std::memory_order_relaxed);
    return done;
}

} // namespace zaudio
