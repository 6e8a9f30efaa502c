// What a step of the scan lines changes: the rows of the horizontal set and
// the columns of the vertical set, as many strips as there are lines.
#include "families.h"
#include "scanrows.h"

#include <QVector>

namespace {

// The strips around every line of a set at the state's offset, as the
// drawing places them: line j at shift + pitch * (j + half), j = 0 .. length / pitch.
// A line covers the rows the pen's footprint gives; near the top or left
// edge, where the toolkit's rounding may reach one row further, one more on
// each side. False when the footprint cannot be measured.
bool lineStrips(const PatternState &state, const QRect &rect, bool horizontal, QRegion *strips)
{
    int low = 0;
    int high = 0;
    int edgeZone = 0;
    if (!straightLineCover(state, horizontal, &low, &high, &edgeZone))
        return false;
    const int length = horizontal ? rect.height() : rect.width();
    const int sign = state.scanDirection;
    const int shift = sign * state.scanOffset;
    const int half = (1 - sign) / 2;
    for (int j = 0; j <= length / state.scanPitch; ++j) {
        const int at = shift + state.scanPitch * (j + half);
        const int margin = at + low <= edgeZone + 1 ? 1 : 0;
        const int first = at + low - margin;
        const int count = high - low + 1 + 2 * margin;
        *strips += horizontal ? QRect(rect.left(), rect.top() + first, rect.width(), count)
                              : QRect(rect.left() + first, rect.top(), count, rect.height());
    }
    *strips &= rect;
    return true;
}

qint64 areaOf(const QRegion &region)
{
    qint64 area = 0;
    for (const QRect &part : region)
        area += qint64(part.width()) * part.height();
    return area;
}

} // namespace

// One part while one set moves. With both sets the union of row and column
// strips is a region of thousands of rectangles, which the toolkit clips
// and flushes one by one, so each set is its own part. Diagonal lines, and
// pitches so small that the strips cover most of the window, repaint whole.
QVector<QRegion> scanLinesChange(const PatternState &before, const PatternState &after, const QRect &rect)
{
    const QVector<QRegion> whole{ QRegion(rect) };
    if (after.scanDiagonalLR || after.scanDiagonalRL || after.scanPitch < 1 || before.scanDirection != after.scanDirection)
        return whole;
    QVector<QRegion> parts;
    qint64 area = 0;
    for (const bool horizontal : { true, false }) {
        if (!(horizontal ? after.scanHorizontal : after.scanVertical))
            continue;
        QRegion strips;
        if (!lineStrips(before, rect, horizontal, &strips) || !lineStrips(after, rect, horizontal, &strips))
            return whole;
        area += areaOf(strips);
        parts.append(strips);
    }
    if (area * 4 > qint64(rect.width()) * rect.height() * 3)
        return whole;
    return parts;
}
