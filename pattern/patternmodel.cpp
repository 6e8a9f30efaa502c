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
    if (state->mode == Special)
        restartClock(now);
    runClock(now, clockShown(*state));
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
}

void PatternModel::restartWalk(qint64 now, quint32 seed)
{
    walkStart = square.ticks(now);
    walk.restart(seed, walk.last());
}

PatternState PatternModel::frameAt(const PatternState &state, qint64 now, qint64 utcMs, const QSize &area)
{
    PatternState frame = state;
    frame.scanOffset = scanOffsetAt(scanLines.ticks(now), state.scanStep, state.scanPitch);

    const qint64 sweepTicks = sweep.ticks(now);
    if (sweepTicks > grayHeldAt)
        frame.grayOffset = sweepOffsetAt(sweepTicks);
    frame.autoGrayStep = sweepStepAt(sweepTicks);

    const SquarePlace place = walk.at(qMax<qint64>(0, square.ticks(now) - walkStart), area,
                                      QSize(state.squareWidth, state.squareHeight));
    frame.squareX = place.x;
    frame.squareY = place.y;
    frame.squareDx = place.dx;
    frame.squareDy = place.dy;

    frame.delayTime = state.clockSource == ClockSystemUtc ? utcClockTime(utcMs) : clockTimeAt(clock.ticks(now));
    return frame;
}
