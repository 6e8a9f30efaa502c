#include "motion.h"

namespace {

const qint64 msPerDay = 24LL * 3600 * 1000;
const qint64 msPerHour = 3600LL * 1000;

qint64 floorMod(qint64 value, qint64 modulus)
{
    const qint64 rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

// The triangle wave that climbs from 0 to `peak` and back in 2 * peak steps.
qint64 triangle(qint64 value, qint64 peak)
{
    if (peak <= 0)
        return 0;
    return peak - qAbs(floorMod(value, 2 * peak) - peak);
}

} // namespace

qint64 systemTicks(qint64 utcMs, int intervalMs)
{
    if (intervalMs <= 0)
        return 0;
    const qint64 ticks = utcMs / intervalMs;
    return utcMs < 0 && ticks * intervalMs != utcMs ? ticks - 1 : ticks;
}

SquarePlace squareBounceAt(qint64 ticks, const QSize &canvas, const QSize &square)
{
    const qint64 peakX = canvas.width() - square.width();
    const qint64 peakY = canvas.height() - square.height();
    SquarePlace place;
    place.x = int(triangle(7 * ticks, peakX));
    place.y = int(triangle(5 * ticks, peakY));
    place.dx = int(triangle(7 * (ticks + 1), peakX)) - place.x;
    place.dy = int(triangle(5 * (ticks + 1), peakY)) - place.y;
    return place;
}

int scanOffsetAt(qint64 ticks, int step, int pitch)
{
    if (step <= 0 || pitch <= 0 || ticks <= 0)
        return 0;
    const qint64 stepsToPitch = (qint64(pitch) + step - 1) / step;
    return int(ticks % (stepsToPitch + 1)) * step;
}

int sweepOffsetAt(qint64 ticks)
{
    return int(floorMod(ticks - 1, 256));
}

int sweepStepAt(qint64 ticks)
{
    return int(floorMod(ticks, 256));
}

QTime clockTimeAt(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(floorMod(ms, msPerDay)));
}

QTime utcClockTime(qint64 utcMs)
{
    return QTime(0, 0).addMSecs(int(floorMod(utcMs, msPerHour)));
}

void SquareWalk::restart(quint32 newSeed, const SquarePlace &from)
{
    seed = newSeed;
    start = from;
    place = from;
    taken = 0;
    random.seed(seed);
}

SquarePlace SquareWalk::at(qint64 steps, const QSize &area, const QSize &square)
{
    if (steps < taken)
        restart(seed, start);
    for (; taken < steps; ++taken)
        stepOnce(area, square);
    return place;
}

void SquareWalk::stepOnce(const QSize &area, const QSize &square)
{
    const auto drawSpeed = [this] { return int(random.generate() & 0x7fffffffu) % 10; };
    if (place.x >= area.width() - square.width())
        place.dx = -drawSpeed();
    if (place.x <= 0)
        place.dx = drawSpeed();
    if (place.y >= area.height() - square.height())
        place.dy = -drawSpeed();
    if (place.y <= 0)
        place.dy = drawSpeed();
    place.x += place.dx;
    place.y += place.dy;
}
