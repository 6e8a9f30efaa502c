#include "scanrows.h"

#include "offscreen.h"
#include "scangeometry.h"

#include <QHash>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

// The pixels one line of the pen covers, as offsets from the line's position:
// rows y - y0 of a horizontal line, columns x - x0 of a vertical one,
// y - x - (c - W) of a falling diagonal and x + y - c of a rising one.
struct Span
{
    int low = 0;
    int high = -1;
};

struct PenFootprint
{
    Span horizontal;
    Span vertical;
    Span falling;
    Span rising;
};

// The covered pixels along one row or column of the probe, which must be one run.
bool coveredRun(const QImage &probe, bool alongRow, int index, Span &run)
{
    run = Span();
    bool seen = false;
    bool ended = false;
    const int length = alongRow ? probe.width() : probe.height();
    for (int i = 0; i < length; ++i) {
        const bool covered = qAlpha(alongRow ? probe.pixel(i, index) : probe.pixel(index, i)) != 0;
        if (covered && ended)
            return false;
        if (covered && !seen)
            run.low = i;
        if (covered)
            run.high = i;
        ended = ended || (seen && !covered);
        seen = seen || covered;
    }
    return seen;
}

bool measureLine(const QPen &pen, int size, const QLine &line, bool alongRow, Span &run)
{
    QImage probe(size, size, QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    QPainter painter(&probe);
    painter.setPen(pen);
    painter.drawLines(QVector<QLine>{ line });
    painter.end();
    return coveredRun(probe, alongRow, size / 2, run);
}

// Draws one long line of each kind with the pen and reads off what it covers
// in the middle, far from its ends.
bool measureFootprint(const QPen &pen, PenFootprint &footprint)
{
    const int size = 64 + 4 * pen.width();
    const int mid = size / 2;
    if (!measureLine(pen, size, QLine(0, mid, size, mid), false, footprint.horizontal)
        || !measureLine(pen, size, QLine(mid, 0, mid, size), true, footprint.vertical)
        || !measureLine(pen, size, QLine(0, 0, size, size), true, footprint.falling)
        || !measureLine(pen, size, QLine(0, size, size, 0), true, footprint.rising))
        return false;
    footprint.horizontal = { footprint.horizontal.low - mid, footprint.horizontal.high - mid };
    footprint.vertical = { footprint.vertical.low - mid, footprint.vertical.high - mid };
    // Row mid of the falling line (c - W = 0): d = mid - x.
    footprint.falling = { mid - footprint.falling.high, mid - footprint.falling.low };
    // Row mid of the rising line (c = size): e = x + mid - size.
    footprint.rising = { footprint.rising.low + mid - size, footprint.rising.high + mid - size };
    return true;
}

// A horizontal or vertical line of odd width from 3 up has its edges exactly
// on pixel centres. The toolkit computes those edges in floating point with
// an error of a few units in the last place of the half width, so which edge
// rows it fills depends on the line's position only while an edge lies close
// to the window's top or left border, where those units are not yet rounded
// away. Lines with an edge that close are drawn as the steps draw them; every
// other line covers exactly the rows of its nominal width.
int straightEdgeZone(const PatternState &state)
{
    const int width = state.scanLineWidth;
    if (width <= 2 || width % 2 == 0)
        return 0;
    return std::max(32, 4 * width);
}

// The first line of a horizontal or vertical set that lies wholly beyond the edge zone.
int firstLineBeyondEdgeZone(const PatternState &state, const Span &footprint)
{
    const int zone = straightEdgeZone(state);
    if (zone == 0)
        return 0;
    const int origin = state.scanDirection * state.scanOffset + state.scanPitch * ((1 - state.scanDirection) / 2);
    return std::max(0, ceilDiv(zone + 1 - footprint.low - origin, state.scanPitch));
}

// Builds rows of the scan-line pattern. Line j of a set sits at
// shift + pitch * (j + half) (horizontal, vertical) or c = shift + pitch * j
// (diagonals), as the drawing steps place it.
class ScanRowBuilder
{
public:
    ScanRowBuilder(const PatternState &state, const QRect &rect, const PenFootprint &footprint)
        : width(rect.width())
        , height(rect.height())
        , pitch(state.scanPitch)
        , shift(state.scanDirection * state.scanOffset)
        , half((1 - state.scanDirection) / 2)
        , diagonalCount(4 * (std::max(width, height) / pitch) + 2)
        , firstHorizontal(firstLineBeyondEdgeZone(state, footprint.horizontal))
        , firstVertical(firstLineBeyondEdgeZone(state, footprint.vertical))
        , horizontal(state.scanHorizontal)
        , vertical(state.scanVertical)
        , falling(state.scanDiagonalLR)
        , rising(state.scanDiagonalRL)
        , pen(footprint)
        , lineColor(QColor(state.scanLineColor).rgba())
        , backgroundColor(state.scanBackground.isValid() ? state.scanBackground.rgba() : qRgb(0, 0, 0))
    {
        plainRow = backgroundRow(backgroundColor);
        topRow = backgroundRow(qRgb(0, 0, 0));
    }

    // Whether row y shows what an endless repetition of the lines would show.
    bool isRegular(int y) const
    {
        if (y == 0)
            return false;
        if (horizontal && !withinSet(horizontalLines(y), height / pitch, firstHorizontal))
            return false;
        if (falling && !withinSet(fallingLines(y), diagonalCount - 1))
            return false;
        if (rising && !withinSet(risingLines(y), diagonalCount - 1))
            return false;
        return true;
    }

    void buildRow(int y, quint32 *row) const
    {
        if (horizontal) {
            const Range lines = clamp(horizontalLines(y), height / pitch, firstHorizontal);
            if (lines.first <= lines.second) {
                std::fill(row, row + width, lineColor);
                return;
            }
        }
        const QVector<quint32> &start = y == 0 ? topRow : plainRow;
        std::memcpy(row, start.constData(), sizeof(quint32) * size_t(width));
        if (falling) {
            const auto lines = clamp(fallingLines(y), diagonalCount - 1);
            for (int j = lines.first; j <= lines.second; ++j) {
                const int x = y - (shift + pitch * j) + width;
                fillSpan(row, x - pen.falling.high, x - pen.falling.low);
            }
        }
        if (rising) {
            const auto lines = clamp(risingLines(y), diagonalCount - 1);
            for (int j = lines.first; j <= lines.second; ++j) {
                const int x = shift + pitch * j - y;
                fillSpan(row, x + pen.rising.low, x + pen.rising.high);
            }
        }
    }

private:
    using Range = std::pair<int, int>;

    static bool withinSet(const Range &lines, int last, int first = 0)
    {
        return lines.first > lines.second || (lines.first >= first && lines.second <= last);
    }

    static Range clamp(const Range &lines, int last, int first = 0)
    {
        return { std::max(lines.first, first), std::min(lines.second, last) };
    }

    // Lines whose pixels reach row y, before limiting j to the set.
    Range horizontalLines(int y) const
    {
        const int origin = shift + pitch * half;
        return { ceilDiv(y - pen.horizontal.high - origin, pitch), floorDiv(y - pen.horizontal.low - origin, pitch) };
    }

    Range fallingLines(int y) const
    {
        return { ceilDiv(y - pen.falling.high + 1 - shift, pitch), floorDiv(y + width - pen.falling.low - shift, pitch) };
    }

    Range risingLines(int y) const
    {
        return { ceilDiv(y - pen.rising.high - shift, pitch), floorDiv(y + width - 1 - pen.rising.low - shift, pitch) };
    }

    void fillSpan(quint32 *row, int from, int to) const
    {
        from = std::max(from, 0);
        to = std::min(to, width - 1);
        if (from <= to)
            std::fill(row + from, row + to + 1, lineColor);
    }

    // The background's outline covers column 0; the vertical lines cover every row.
    QVector<quint32> backgroundRow(QRgb fill) const
    {
        QVector<quint32> row(width, fill);
        row[0] = qRgb(0, 0, 0);
        if (vertical) {
            for (int j = firstVertical; j <= width / pitch; ++j) {
                const int x = shift + pitch * (j + half);
                const int from = std::max(x + pen.vertical.low, 0);
                const int to = std::min(x + pen.vertical.high, width - 1);
                if (from <= to)
                    std::fill(row.begin() + from, row.begin() + to + 1, lineColor);
            }
        }
        return row;
    }

    const int width;
    const int height;
    const int pitch;
    const int shift;
    const int half;
    const int diagonalCount;
    const int firstHorizontal;
    const int firstVertical;
    const bool horizontal;
    const bool vertical;
    const bool falling;
    const bool rising;
    const PenFootprint pen;
    const quint32 lineColor;
    const quint32 backgroundColor;
    QVector<quint32> plainRow;
    QVector<quint32> topRow;
};

QImage buildRows(const QPainter &painter, const ScanRowBuilder &builder, int width, int first, int count)
{
    QImage rows = offscreenFrame(painter, QSize(width, count));
    for (int i = 0; i < count; ++i)
        builder.buildRow(first + i, reinterpret_cast<quint32 *>(rows.scanLine(i)));
    return rows;
}

// The longest run of regular rows: those repeat with the pitch and are tiled.
std::pair<int, int> longestRegularRun(const ScanRowBuilder &builder, int height)
{
    std::pair<int, int> best(0, -1);
    int start = -1;
    for (int y = 0; y <= height; ++y) {
        const bool regular = y < height && builder.isRegular(y);
        if (regular && start < 0)
            start = y;
        if (!regular && start >= 0) {
            if (y - 1 - start > best.second - best.first)
                best = { start, y - 1 };
            start = -1;
        }
    }
    return best;
}

// Every row through the painter: the irregular ones copied, the regular
// ones filled with a tile of whole periods.
void drawRows(QPainter &painter, const ScanRowBuilder &builder, int width, int height, std::pair<int, int> run,
              int tileHeight)
{
    const int runLength = run.second - run.first + 1;
    if (run.first > 0)
        copyImage(painter, QPoint(0, 0), buildRows(painter, builder, width, 0, run.first));
    if (run.second + 1 < height)
        copyImage(painter, QPoint(0, run.second + 1), buildRows(painter, builder, width, run.second + 1, height - run.second - 1));

    if (runLength > 0 && runLength <= tileHeight) {
        copyImage(painter, QPoint(0, run.first), buildRows(painter, builder, width, run.first, runLength));
    } else if (runLength > 0) {
        const QImage tile = buildRows(painter, builder, width, run.first, tileHeight);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setBrushOrigin(0, run.first);
        painter.fillRect(QRect(0, run.first, width, runLength), QBrush(tile));
        painter.setBrushOrigin(0, 0);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// The rows of the pattern by index, each built once, when first asked for:
// the regular rows repeat with the pitch, so one period of them serves
// all, built in memory kept from frame to frame.
class PatternRows
{
public:
    PatternRows(const ScanRowBuilder &builder, int width, std::pair<int, int> run, int pitch,
                QVector<QVector<quint32>> &period)
        : builder(builder)
        , width(width)
        , run(run)
        , pitch(pitch)
        , period(period)
        , built(pitch, false)
    {
        period.resize(pitch);
    }

    const quint32 *row(int y)
    {
        if (y >= run.first && y <= run.second) {
            const int index = (y - run.first) % pitch;
            if (!built[index]) {
                build(run.first + index, period[index]);
                built[index] = true;
            }
            return period[index].constData();
        }
        QVector<quint32> &pixels = others[y];
        if (pixels.isEmpty())
            build(y, pixels);
        return pixels.constData();
    }

private:
    const ScanRowBuilder &builder;
    const int width;
    const std::pair<int, int> run;
    const int pitch;
    QVector<QVector<quint32>> &period;
    QVector<bool> built;
    QHash<int, QVector<quint32>> others;

    void build(int y, QVector<quint32> &pixels) const
    {
        pixels.resize(width);
        builder.buildRow(y, pixels.data());
    }
};

// Column strips are a few pixels wide: a call to memcpy for each would cost
// more than the copy.
void copyPixels(quint32 *to, const quint32 *from, int count)
{
    switch (count) {
    case 4:
        to[3] = from[3];
        [[fallthrough]];
    case 3:
        to[2] = from[2];
        [[fallthrough]];
    case 2:
        to[1] = from[1];
        [[fallthrough]];
    case 1:
        to[0] = from[0];
        break;
    default:
        std::memcpy(to, from, sizeof(quint32) * size_t(count));
    }
}

// Writes the pattern's pixels into the part of the device the paint may
// change, band by band of the region and row by row, so the writes run
// along the image's memory.
void writeRows(const DirectPixels &direct, PatternRows &rows, const QRect &rect)
{
    const QRegion area = direct.area & rect.translated(direct.offset);
    uchar *const bits = direct.image->bits();
    const qsizetype stride = direct.image->bytesPerLine();
    const int dx = direct.offset.x();
    for (auto band = area.begin(); band != area.end();) {
        auto bandEnd = band;
        while (bandEnd != area.end() && bandEnd->top() == band->top())
            ++bandEnd;
        for (int y = band->top(); y <= band->bottom(); ++y) {
            const quint32 *source = rows.row(y - direct.offset.y());
            auto *target = reinterpret_cast<quint32 *>(bits + y * stride);
            for (auto piece = band; piece != bandEnd; ++piece)
                copyPixels(target + piece->left(), source + (piece->left() - dx), piece->width());
        }
        band = bandEnd;
    }
}

// The horizontal and vertical lines in the edge zone, drawn as the steps draw them.
void drawEdgeZoneLines(QPainter &painter, const PatternState &state, const QRect &rect, const QPen &pen,
                       const PenFootprint &footprint)
{
    const int pitch = state.scanPitch;
    const int shift = state.scanDirection * state.scanOffset;
    const int half = (1 - state.scanDirection) / 2;
    painter.setPen(pen);
    if (state.scanHorizontal) {
        QVector<QLine> lines;
        const int count = std::min(firstLineBeyondEdgeZone(state, footprint.horizontal), rect.height() / pitch + 1);
        for (int j = 0; j < count; ++j)
            lines.append(QLine(0, shift + pitch * (j + half), rect.width(), shift + pitch * (j + half)));
        painter.drawLines(lines);
    }
    if (state.scanVertical) {
        QVector<QLine> lines;
        const int count = std::min(firstLineBeyondEdgeZone(state, footprint.vertical), rect.width() / pitch + 1);
        for (int j = 0; j < count; ++j)
            lines.append(QLine(shift + pitch * (j + half), 0, shift + pitch * (j + half), rect.height()));
        painter.drawLines(lines);
    }
}

} // namespace

bool straightLineCover(const PatternState &state, StraightLineCover *cover)
{
    PenFootprint footprint;
    if (state.scanLineWidth < 1 || !measureFootprint(QPen(Qt::white, state.scanLineWidth), footprint))
        return false;
    *cover = { footprint.horizontal.low, footprint.horizontal.high, footprint.vertical.low, footprint.vertical.high,
               straightEdgeZone(state) };
    return true;
}

bool drawScanLineRows(QPainter &painter, const PatternState &state, const QRect &rect, Kept<QVector<QVector<quint32>>> &keptRows)
{
    const bool anySet = state.scanHorizontal || state.scanVertical || state.scanDiagonalLR || state.scanDiagonalRL;
    const QColor background = state.scanBackground.isValid() ? state.scanBackground : QColor(Qt::black);
    if (!anySet || state.scanPitch < 1 || !state.scanLineColor.isValid() || state.scanLineColor.alpha() != 255
        || background.alpha() != 255 || state.scanLineWidth < 1 || state.scanLineWidth > 64
        || !rect.topLeft().isNull() || rect.isEmpty() || !canKeepFrames(painter))
        return false;

    const QPen pen(state.scanLineColor, state.scanLineWidth);
    PenFootprint footprint;
    if (!measureFootprint(pen, footprint))
        return false;

    const int width = rect.width();
    const int height = rect.height();
    const ScanRowBuilder builder(state, rect, footprint);
    const std::pair<int, int> run = longestRegularRun(builder, height);

    DirectPixels direct;
    if (directPixels(painter, &direct)) {
        PatternRows rows(builder, width, run, state.scanPitch, keptRows.use());
        writeRows(direct, rows, rect);
    } else {
        // A tile of whole periods, at least 32 rows high, so the copies stay long.
        drawRows(painter, builder, width, height, run, state.scanPitch * ((32 + state.scanPitch - 1) / state.scanPitch));
    }
    drawEdgeZoneLines(painter, state, rect, pen, footprint);
    return true;
}
