// Test sound files made with libsndfile, and what the audio tests measure on
// rendered signals.
#pragma once

#include <zaudio/zaudio.h>

#include <QByteArray>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <sndfile.h>
#include <vector>

namespace zaudio {
// Lets QCOMPARE print a result as its code and text.
inline char* toString(Result r)
{
    return qstrdup(QByteArray::number(static_cast<int>(r)).append(" ").append(errorString(r)).constData());
}
} // namespace zaudio

namespace audiosignal {

// A sine of `amplitude` on every channel; false when libsndfile refuses.
inline bool writeSine(const QByteArray& path, int format, int rate, int channels, double seconds, double hz,
                      double amplitude)
{
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = static_cast<sf_count_t>(std::lround(seconds * rate));
    std::vector<float> data(static_cast<std::size_t>(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i) {
        const float v =
            static_cast<float>(amplitude * std::sin(2 * M_PI * hz * static_cast<double>(i) / rate));
        for (int c = 0; c < channels; ++c)
            data[static_cast<std::size_t>(i * channels + c)] = v;
    }
    const bool ok = sf_writef_float(file, data.data(), frames) == frames;
    return sf_close(file) == 0 && ok;
}

// Channel `channel` of interleaved stereo frames [from, to).
inline std::vector<float> channelOf(const std::vector<float>& stereo, std::size_t from, std::size_t to,
                                    int channel = 0)
{
    std::vector<float> out;
    for (std::size_t i = from; i < to && 2 * i + 1 < stereo.size(); ++i)
        out.push_back(stereo[2 * i + static_cast<std::size_t>(channel)]);
    return out;
}

inline double rms(const std::vector<float>& x)
{
    double sum = 0;
    for (float v : x)
        sum += static_cast<double>(v) * v;
    return x.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(x.size()));
}

inline double decibels(double level)
{
    return 20 * std::log10(std::max(level, 1e-12));
}

// Frequency from the median period between rising zero crossings, each placed
// between its two samples by linear interpolation: a dropout moves only a few
// periods. 0 without two crossings.
inline double frequency(const std::vector<float>& x, int rate)
{
    std::vector<double> periods;
    double last = -1;
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (x[i - 1] < 0 && x[i] >= 0) {
            const double at = static_cast<double>(i - 1) + x[i - 1] / (x[i - 1] - x[i]);
            if (last >= 0)
                periods.push_back(at - last);
            last = at;
        }
    }
    if (periods.empty())
        return 0.0;
    std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
    return rate / periods[periods.size() / 2];
}

} // namespace audiosignal
