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
// each side.
void addLineStrips(const PatternState &state, const QRect &rect, bool horizontal, const StraightLineCover &cover,
                   QRegion *strips)
{
    const int low = horizontal ? cover.rowsLow : cover.columnsLow;
    const int high = horizontal ? cover.rowsHigh : cover.columnsHigh;
    const int edgeZone = cover.edgeZone;
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
    // The pen is measured once a step: only the offset may differ between
    // the two states, else the window is repainted whole anyway.
    StraightLineCover cover;
    if (after.scanDiagonalLR || after.scanDiagonalRL || after.scanPitch < 1 || before.scanDirection != after.scanDirection
        || before.scanPitch != after.scanPitch || before.scanLineWidth != after.scanLineWidth
        || !straightLineCover(after, &cover))
        return whole;
    QVector<QRegion> parts;
    qint64 area = 0;
    for (const bool horizontal : { true, false }) {
        if (!(horizontal ? after.scanHorizontal : after.scanVertical))
            continue;
        QRegion strips;
        addLineStrips(before, rect, horizontal, cover, &strips);
        addLineStrips(after, rect, horizontal, cover, &strips);
        area += areaOf(strips);
        parts.append(strips);
    }
    if (area * 4 > qint64(rect.width()) * rect.height() * 3)
        return whole;
    return parts;
}
