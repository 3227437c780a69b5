#include "limiterwatch.h"

#include "outputlimiter.h"

#include <algorithm>
#include <cmath>

namespace cli {

LimiterWatch::LimiterWatch(std::FILE* err) : m_err(err)
{
    m_timer.setInterval(1000);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
}

void LimiterWatch::add(const QString& what, const zaudio::DSP& limiter, int rate)
{
    if (!limiter.isNull())
        m_watched.append({what, limiter, rate, OutputLimiter::reducedFrames(limiter)});
}

void LimiterWatch::start()
{
    m_clock.start();
    m_timer.start();
}

void LimiterWatch::check()
{
    const double seconds = static_cast<double>(m_clock.restart()) / 1000.0;
    for (Watched& watched : m_watched) {
        const std::uint64_t now = OutputLimiter::reducedFrames(watched.limiter);
        const QString text = warning(watched.what, now - watched.last, seconds, watched.rate);
        watched.last = now;
        if (!text.isEmpty()) {
            std::fprintf(m_err, "zelvani-cli: %s\n", text.toUtf8().constData());
            std::fflush(m_err);
        }
    }
}

QString LimiterWatch::warning(const QString& what, std::uint64_t reduced, double seconds, int rate)
{
    if (!(seconds > 0.0) || rate <= 0)
        return {};
    const double share = static_cast<double>(reduced) / (seconds * rate);
    if (share <= kWarnShare)
        return {};
    return QStringLiteral("warning: too loud for %1: the limiter held the level down for %2 % of the last "
                          "second (lower the volume or the effect's gain)")
        .arg(what)
        .arg(std::min(100L, std::lround(share * 100.0)));
}

} // namespace cli
