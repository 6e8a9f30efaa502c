#ifndef MOTION_H
#define MOTION_H

#include <QRandomGenerator>
#include <QSize>
#include <QTime>

// The moving patterns' rules, as functions of their tick counts.

// The scan lines' offset after `ticks` steps: 0, step, 2 * step, ... up to
// the first value at or past the pitch, then 0 again.
int scanOffsetAt(qint64 ticks, int step, int pitch);

// The gray sweep after `ticks` steps: the dimmer runs 0 .. 255, then 0
// again; the step is the level the next tick shows.
int sweepOffsetAt(qint64 ticks);
int sweepStepAt(qint64 ticks);

// The frame-delay clock `ms` after it started, and the clock of the
// computer at `utcMs` after the Unix epoch: minutes, seconds and
// milliseconds, which computers kept in step show alike.
QTime clockTimeAt(qint64 ms);
QTime utcClockTime(qint64 utcMs);

// The moving square's place and step.
struct SquarePlace
{
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
};

// The moving square's random walk: at each wall of its area it turns back
// with a new speed of 0..9 pixels a step, drawn from a generator seeded
// when the walk starts. It keeps the last place it computed and goes on
// from there; a step count before that replays the walk from its seed.
// The ticks of an animation of `intervalMs` counted from the Unix epoch:
// floor(utcMs / intervalMs), the same on every computer whose clock agrees.
qint64 systemTicks(qint64 utcMs, int intervalMs);

// The square after `ticks` steps counted from the epoch: it bounces on the
// canvas, x = tri(7n, Wc - size), y = tri(5n, Hc - size), where
// tri(v, m) = m - |(v mod 2m) - m|. A random walk cannot be replayed to a
// tick count of some 10^12, this can.
SquarePlace squareBounceAt(qint64 ticks, const QSize &canvas, const QSize &square);

class SquareWalk
{
public:
    void restart(quint32 seed, const SquarePlace &from);
    SquarePlace at(qint64 steps, const QSize &area, const QSize &square);
    SquarePlace last() const { return place; }

private:
    void stepOnce(const QSize &area, const QSize &square);

    quint32 seed = 0;
    SquarePlace start;
    SquarePlace place;
    qint64 taken = 0;
    QRandomGenerator random;
};

#endif // MOTION_H
