// Test sound files made with libsndfile, and what the audio tests measure on
// rendered signals.
#pragma once

#include "tonemeasure.h"

#include <zaudio/zaudio.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
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

// English speech from espeak-ng at 48000 Hz mono (sox converts it), scaled so
// its peak is `peak`, with the quiet before and after it that espeak leaves;
// files go to `directory`. Empty with `error` set when a tool is missing or fails.
inline std::vector<float> speech(const QString& directory, double peak, QString* error)
{
    for (const char* tool : {"espeak-ng", "sox"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            *error = QStringLiteral("%1 is not installed (scripts/install-deps installs it)").arg(tool);
            return {};
        }
    }
    const QString raw = directory + QStringLiteral("/espeak.wav");
    const QString converted = directory + QStringLiteral("/speech.wav");
    const auto run = [error](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return true;
        *error =
            program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    };
    if (!run(QStringLiteral("espeak-ng"),
             {QStringLiteral("-v"), QStringLiteral("en"), QStringLiteral("-s"), QStringLiteral("160"),
              QStringLiteral("-w"), raw,
              QStringLiteral("Hello, can you hear me? This is my voice, at the level I always speak.")}) ||
        !run(QStringLiteral("sox"),
             {raw, QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-e"),
              QStringLiteral("float"), QStringLiteral("-b"), QStringLiteral("32"), converted}))
        return {};
    SF_INFO info = {};
    SNDFILE* file = sf_open(QFile::encodeName(converted).constData(), SFM_READ, &info);
    if (!file || info.channels != 1 || info.samplerate != 48000) {
        if (file)
            sf_close(file);
        *error = QStringLiteral("cannot read %1").arg(converted);
        return {};
    }
    std::vector<float> x(static_cast<std::size_t>(info.frames));
    x.resize(static_cast<std::size_t>(sf_readf_float(file, x.data(), info.frames)));
    sf_close(file);
    float loudest = 0.0f;
    for (float v : x)
        loudest = std::max(loudest, std::fabs(v));
    if (!(loudest > 0.0f)) {
        *error = QStringLiteral("espeak-ng made silence");
        return {};
    }
    for (float& v : x)
        v = static_cast<float>(v * peak / loudest);
    return x;
}

// Samples at full scale: what a 16-bit stream holds at its top (32767) or
// bottom, or past it in float.
inline int fullScaleSamples(const std::vector<float>& x)
{
    return static_cast<int>(
        std::count_if(x.begin(), x.end(), [](float v) { return std::fabs(v) >= 32767.0f / 32768.0f; }));
}

// Flat tops of clipping: runs of four or more samples of one channel that
// stay within one 16-bit step of each other while loud (0.25 or more). A
// smooth peak, however lowered, never holds still for four samples; a
// clipped one holds for a good part of its period.
inline int flatTops(const std::vector<float>& interleaved, int channels)
{
    int runs = 0;
    for (int c = 0; c < channels; ++c) {
        int length = 1;
        for (std::size_t i = static_cast<std::size_t>(c + channels); i < interleaved.size();
             i += static_cast<std::size_t>(channels)) {
            const float now = interleaved[i];
            const float before = interleaved[i - static_cast<std::size_t>(channels)];
            const bool still = std::fabs(now) >= 0.25f && std::fabs(now - before) <= 1.0f / 32768.0f;
            length = still ? length + 1 : 1;
            if (length == 4)
                ++runs;
        }
    }
    return runs;
}

inline float peak(const std::vector<float>& x)
{
    float value = 0.0f;
    for (float v : x)
        value = std::max(value, std::fabs(v));
    return value;
}

} // namespace audiosignal
