#include "animation.h"

void Animation::run(qint64 now, int newIntervalMs)
{
    banked = ticks(now);
    since = now;
    intervalMs = qMax(0, newIntervalMs);
}

void Animation::restart(qint64 now)
{
    banked = 0;
    since = now;
}

// A clock that went back (an export replayed, a test's instant) shows the
// ticks banked, never fewer.
qint64 Animation::ticks(qint64 now) const
{
    if (intervalMs <= 0 || now <= since)
        return banked;
    return banked + (now - since) / intervalMs;
}
