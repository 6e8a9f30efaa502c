#include "framemeter.h"

namespace {

const qint64 windowMs = 1000;

} // namespace

void FrameMeter::frameShown(qint64 now)
{
    // One redraw before the second is kept: the first gap starts there.
    int expired = 0;
    while (expired + 1 < shown.size() && shown.at(expired + 1) <= now - windowMs)
        ++expired;
    shown.remove(0, expired);
    shown.append(now);
}

FrameFigures FrameMeter::figures(qint64 now) const
{
    FrameFigures figures;
    qint64 previous = now - windowMs;
    for (const qint64 at : shown) {
        if (at <= now - windowMs) {
            previous = at;
            continue;
        }
        ++figures.perSecond;
        figures.longestGapMs = int(qMax<qint64>(figures.longestGapMs, qMin(at - previous, windowMs)));
        previous = at;
    }
    figures.longestGapMs = int(qMax<qint64>(figures.longestGapMs, qMin(now - previous, windowMs)));
    return figures;
}
