// Writing the benchmarks' own test signals for the engine to process.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

// Writes a mono signal on both channels of a float WAV: the engine always
// processes a stereo mix, so the peers get the same two channels. False when
// the file cannot be written whole.
inline bool writeMonoAsStereo(const std::string& path, const std::vector<float>& mono, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::vector<float> stereo(2 * mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i)
        stereo[2 * i] = stereo[2 * i + 1] = mono[i];
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = static_cast<sf_count_t>(mono.size());
    const bool whole = sf_writef_float(file, stereo.data(), frames) == frames;
    return sf_close(file) == 0 && whole;
}
