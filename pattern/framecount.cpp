#include "framecount.h"

namespace {

qint64 cabinetPixels(const PatternState &state)
{
    return qMax<qint64>(1, qint64(state.cabinetWidth) * state.cabinetHeight);
}

} // namespace

qint64 pixelWalkStep(const PatternState &state)
{
    const qint64 steps = cabinetPixels(state) * (state.walkSubpixel ? 3 : 1);
    const qint64 step = qMax<qint64>(0, state.elapsedMs) * state.walkRate / 1000;
    return step % steps;
}

QPoint pixelWalkPlace(const PatternState &state, qint64 step)
{
    const qint64 place = state.walkSubpixel ? step / 3 : step;
    const int cabinetWidth = qMax(1, state.cabinetWidth);
    return QPoint(int(place % cabinetWidth), int(place / cabinetWidth));
}

QColor pixelWalkColor(const PatternState &state, qint64 step)
{
    if (!state.walkSubpixel)
        return state.markColor;
    static const QColor subpixels[] = { QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255) };
    return subpixels[step % 3];
}

int tickerRate(const PatternState &state)
{
    if (state.tickerFps > 0)
        return state.tickerFps;
    return state.frameRate > 0 ? state.frameRate : 60;
}

qint64 tickerFrame(const PatternState &state)
{
    return qMax<qint64>(0, state.elapsedMs) * tickerRate(state) / 1000;
}
