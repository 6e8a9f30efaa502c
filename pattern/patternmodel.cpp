#include "patternmodel.h"

PatternModel::PatternModel(QObject *parent)
    : QObject(parent)
{
}

void PatternModel::start(const PatternName &name, PatternState *state, qint64 now, quint32 walkSeed)
{
    const PatternTiming timing = applyPatternName(name, state);
    if (timing.scanIntervalMs >= 0)
        runScan(now, timing.scanIntervalMs);
    runSweep(now, timing.sweepIntervalMs);
    holdGray(now);
    if (state->mode == ScanLines && state->movingSquare)
        restartWalk(now, walkSeed);
    if (state->mode == Special || countsMilliseconds(*state))
        restartClock(now);
    runClock(now, countsMilliseconds(*state));
}

void PatternModel::runScan(qint64 now, int intervalMs)
{
    scanLines.run(now, intervalMs);
    square.run(now, intervalMs);
}

void PatternModel::runSweep(qint64 now, int intervalMs)
{
    sweep.run(now, intervalMs);
}

void PatternModel::runClock(qint64 now, bool on)
{
    // The clock shows milliseconds.
    clock.run(now, on ? 1 : 0);
}

void PatternModel::restartClock(qint64 now)
{
    clock.restart(now);
}

void PatternModel::holdGray(qint64 now)
{
    grayHeldAt = sweep.ticks(now);
    grayHeldSince = now;
}

void PatternModel::restartWalk(qint64 now, quint32 seed)
{
    walkStart = square.ticks(now);
    walk.restart(seed, walk.last());
}

// On the computer's clock a running animation counts the ticks since the
// epoch, so that every computer of a wall shows the same frame; stopped, it
// keeps the place it has.
qint64 PatternModel::ticksOf(const Animation &animation, const PatternState &state, qint64 now, qint64 utcMs)
{
    if (state.clockSource == ClockSystemUtc && animation.running())
        return systemTicks(utcMs, animation.interval());
    return animation.ticks(now);
}

PatternState PatternModel::frameAt(const PatternState &state, qint64 now, qint64 utcMs, const QSize &area)
{
    PatternState frame = state;
    const bool system = state.clockSource == ClockSystemUtc;
    frame.scanOffset = scanOffsetAt(ticksOf(scanLines, state, now, utcMs), state.scanStep, state.scanPitch);

    // A level set by hand shows until the sweep's next tick after it was set.
    const qint64 sweepTicks = ticksOf(sweep, state, now, utcMs);
    const qint64 heldTicks = system && sweep.running() ? ticksOf(sweep, state, now, utcMs - (now - grayHeldSince))
                                                       : grayHeldAt;
    if (sweepTicks > heldTicks)
        frame.grayOffset = sweepOffsetAt(sweepTicks);
    frame.autoGrayStep = sweepStepAt(sweepTicks);

    const QSize squareSize(state.squareWidth, state.squareHeight);
    const QSize canvas = state.canvas.isSet() ? state.canvas.size : area;
    const SquarePlace place = system && square.running()
        ? squareBounceAt(ticksOf(square, state, now, utcMs), canvas, squareSize)
        : walk.at(qMax<qint64>(0, square.ticks(now) - walkStart), canvas, squareSize);
    frame.squareX = place.x;
    frame.squareY = place.y;
    frame.squareDx = place.dx;
    frame.squareDy = place.dy;

    frame.delayTime = system ? utcClockTime(utcMs) : clockTimeAt(clock.ticks(now));
    frame.elapsedMs = system ? utcMs : clock.ticks(now);
    return frame;
}
