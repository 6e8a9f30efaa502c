// What a step of the scan lines changes: the rows of the horizontal set and
// the columns of the vertical set, as many strips as there are lines.
#include "families.h"
#include "scanrows.h"

#include <QVector>

#include <algorithm>

namespace {

using Interval = std::pair<int, int>;  // first, one past the last

// The columns of the window for each column strip it repaints, at least.
constexpr int columnsPerStrip = 64;

// The strips around every line of a set at the state's offset, as the
// drawing places them: line j at shift + pitch * (j + half), j = 0 .. length / pitch,
// as rows (horizontal) or columns (vertical) from the rectangle's edge.
// A line covers the rows the pen's footprint gives; near the top or left
// edge, where the toolkit's rounding may reach one row further, one more on
// each side.
void addLineStrips(const PatternState &state, int length, bool horizontal, const StraightLineCover &cover,
                   QVector<Interval> *strips)
{
    const int low = horizontal ? cover.rowsLow : cover.columnsLow;
    const int high = horizontal ? cover.rowsHigh : cover.columnsHigh;
    const int sign = state.scanDirection;
    const int shift = sign * state.scanOffset;
    const int half = (1 - sign) / 2;
    for (int j = 0; j <= length / state.scanPitch; ++j) {
        const int at = shift + state.scanPitch * (j + half);
        const int margin = at + low <= cover.edgeZone + 1 ? 1 : 0;
        const int first = std::max(at + low - margin, 0);
        const int end = std::min(at + high + 1 + margin, length);
        if (first < end)
            strips->append({ first, end });
    }
}

// The strips of both states as one region. Built from sorted, joined
// strips at once: adding thousands of strips to a region one by one
// copies it every time.
QRegion stripRegion(QVector<Interval> strips, const QRect &rect, bool horizontal)
{
    std::sort(strips.begin(), strips.end());
    QVector<QRect> rects;
    Interval joined(0, -1);
    for (int i = 0; i <= strips.size(); ++i) {
        if (i < strips.size() && strips[i].first <= joined.second) {
            joined.second = std::max(joined.second, strips[i].second);
            continue;
        }
        if (joined.first < joined.second) {
            rects.append(horizontal ? QRect(rect.left(), rect.top() + joined.first, rect.width(), joined.second - joined.first)
                                    : QRect(rect.left() + joined.first, rect.top(), joined.second - joined.first, rect.height()));
        }
        if (i < strips.size())
            joined = strips[i];
    }
    QRegion region;
    region.setRects(rects.constData(), rects.size());
    return region;
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
// strips is a region of thousands of rectangles, which the toolkit flushes
// one by one, so each set is its own part. Diagonal lines, and pitches so
// small that the strips cover most of the window, repaint whole.
//
// Column strips cost far more than their area. Every row of a strip lies
// in another part of memory, so the copy to the screen misses the cache
// once per row of every strip; measured under X at 3840 x 2160, a row of a
// column strip costs about as much as 40 pixels of a whole row. With more
// than one strip per 64 columns (the default pitch of 21 everywhere) the
// window is repainted whole, which is twice as fast there.
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
        const int length = horizontal ? rect.height() : rect.width();
        QVector<Interval> strips;
        addLineStrips(before, length, horizontal, cover, &strips);
        addLineStrips(after, length, horizontal, cover, &strips);
        const QRegion region = stripRegion(strips, rect, horizontal);
        if (!horizontal && region.rectCount() * columnsPerStrip > rect.width())
            return whole;
        area += areaOf(region);
        parts.append(region);
    }
    if (area * 4 > qint64(rect.width()) * rect.height() * 3)
        return whole;
    return parts;
}
