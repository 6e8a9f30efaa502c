// What a step of the scan lines changes: the rows of the horizontal set and
// the columns of the vertical set, as many strips as there are lines.
#include "families.h"

#include <QVector>

namespace {

// The pen of width w covers the w rows around a line's position; one more
// on each side holds whatever the toolkit rounds there.
int bandReach(const PatternState &state)
{
    return state.scanLineWidth / 2 + 1;
}

// The strips around every line of a set at the state's offset, as the
// drawing places them: line j at shift + pitch * (j + half), j = 0 .. length / pitch.
QRegion lineStrips(const PatternState &state, const QRect &rect, bool horizontal)
{
    const int length = horizontal ? rect.height() : rect.width();
    const int sign = state.scanDirection;
    const int shift = sign * state.scanOffset;
    const int half = (1 - sign) / 2;
    const int reach = bandReach(state);
    QRegion strips;
    for (int j = 0; j <= length / state.scanPitch; ++j) {
        const int at = shift + state.scanPitch * (j + half);
        strips += horizontal ? QRect(rect.left(), rect.top() + at - reach, rect.width(), 2 * reach + 1)
                             : QRect(rect.left() + at - reach, rect.top(), 2 * reach + 1, rect.height());
    }
    return strips & rect;
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
        const QRegion strips = lineStrips(before, rect, horizontal) + lineStrips(after, rect, horizontal);
        area += areaOf(strips);
        parts.append(strips);
    }
    if (area * 4 > qint64(rect.width()) * rect.height() * 3)
        return whole;
    return parts;
}
