#pragma once

// A sound file decoded ahead and resampled to the mixer rate.
//
// Producer (the system's worker, or the offline render call): service()
// decodes into a single-producer single-consumer ring. Consumer (the mixer):
// pull() takes frames, stopping at the end of each pass through the file,
// where it loops or ends according to the loop mode of that moment. Seeks
// are requested by serial number; the producer answers with the ring index
// where the new data starts, and the consumer drops everything before it.

#include "zaudio/unit.h"
#include "zaudio/zaudio.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

struct sf_private_tag;
struct soxr;

namespace zaudio {

class Stream
{
public:
    ~Stream();
    // Opens and checks the file and decodes its first frames. `accurate`
    // counts the frames of formats whose header only estimates them.
    static Result open(const char* path, int mixRate, bool accurate, std::unique_ptr<Stream>* stream);

    int channels() const { return m_channels; }
    int sourceRate() const { return m_sourceRate; }
    std::uint64_t sourceFrames() const { return m_sourceFrames; }
    std::uint64_t outputFrames() const { return m_outputFrames; }
    int bytesPerSample() const { return m_bytesPerSample; }

    // Producer.
    void service();
    bool wantsService() const;

    // API side.
    void requestSeek(std::uint64_t outputFrame);
    // Whether the next pass is decoded ahead when one ends; the consumer
    // still decides at the end of the pass with the loop mode of that moment.
    void setLoopHint(bool loop) { m_loopHint.store(loop, std::memory_order_relaxed); }
    std::uint64_t position() const { return m_position.load(std::memory_order_relaxed); }

    // Consumer: writes up to `frames` frames of channels() floats to `out`.
    // Sets `ended` when a pass ends while `loop` is false.
    unsigned pull(float* out, unsigned frames, bool loop, bool* ended);

private:
    Stream() = default;
    bool decodeChunk();
    void startPass(std::uint64_t outputFrame);
    void finishPass();
    unsigned ringFree() const;
    void ringWrite(const float* frames, unsigned count);

    sf_private_tag* m_file = nullptr;
    soxr* m_resampler = nullptr;
    int m_channels = 0;
    int m_sourceRate = 0;
    int m_mixRate = 0;
    int m_bytesPerSample = 2;
    std::uint64_t m_sourceFrames = 0;
    std::uint64_t m_outputFrames = 0;

    // Ring of interleaved frames; counters are absolute frame counts.
    std::vector<float> m_ring;
    unsigned m_ringFrames = 0;
    std::atomic<std::uint64_t> m_written{0};
    std::atomic<std::uint64_t> m_read{0};

    // Ends of passes: ring index, tagged with the seek serial they belong to.
    struct Boundary
    {
        std::uint64_t index;
        std::uint32_t serial;
    };
    static constexpr unsigned kBoundaries = 64;
    Boundary m_boundaries[kBoundaries] = {};
    std::atomic<std::uint32_t> m_boundaryWritten{0};
    std::atomic<std::uint32_t> m_boundaryRead{0};

    // Seeks: requested by the API, served by the producer, taken by the consumer.
    std::atomic<std::uint32_t> m_seekSerial{0};
    std::atomic<std::uint64_t> m_seekTarget{0};
    std::atomic<std::uint32_t> m_servedSerial{0};
    std::atomic<std::uint64_t> m_servedStart{0};
    std::atomic<std::uint64_t> m_servedTarget{0};
    std::uint32_t m_consumerSerial = 0;
    std::atomic<std::uint64_t> m_position{0};
    std::atomic<bool> m_loopHint{false};

    // Producer state of the current pass.
    std::uint32_t m_producerSerial = 0;
    std::uint64_t m_passTarget = 0;
    std::uint64_t m_passWritten = 0;
    bool m_passDone = false;
    bool m_lastPassEmpty = false;
    std::vector<float> m_input;
    unsigned m_inputOffset = 0;
    unsigned m_inputFrames = 0;
    bool m_eof = false;
    std::vector<float> m_output;
};

} // namespace zaudio
