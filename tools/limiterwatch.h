#pragma once

// While live or board runs: once a second, every output limiter that held the
// level down for more than 1 % of that second gets a warning line on standard
// error, so the user sees that a volume or an effect is set too hot (the
// limiter keeps it from clipping, but the sound is squeezed).

#include "zaudio/zaudio.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QVector>

#include <cstdint>
#include <cstdio>

namespace cli {

class LimiterWatch
{
public:
    explicit LimiterWatch(std::FILE* err);
    LimiterWatch(const LimiterWatch&) = delete;
    LimiterWatch& operator=(const LimiterWatch&) = delete;

    // `what` names the output in the warning ("the speakers and the cable").
    void add(const QString& what, const zaudio::DSP& limiter, int rate);
    // Checks every second from now on.
    void start();
    // Compares each limiter with the last check; prints what was too hot.
    void check();

private:
    // The share of the time above which a warning is printed.
    static constexpr double kWarnShare = 0.01;

    // The warning for `reduced` frames held down in `seconds` at `rate`, or
    // empty when that is no more than kWarnShare of the time.
    static QString warning(const QString& what, std::uint64_t reduced, double seconds, int rate);

    struct Watched
    {
        QString what;
        zaudio::DSP limiter;
        int rate;
        std::uint64_t last;
    };

    std::FILE* m_err;
    QVector<Watched> m_watched;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace cli
