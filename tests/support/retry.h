// Retrying a measurement until it passes, by wall time.
#pragma once

#include <QElapsedTimer>
#include <QTest>

// Calls `check` until it returns true or `ms` of wall time have passed,
// letting events run between calls. Each call is judged once: QTRY evaluates
// its expression again after it passed, so a take of the sound server that
// matched and the next one, spoilt by a busy machine, would fail there.
template <typename Check> bool retryUntil(Check&& check, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() >= ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}
