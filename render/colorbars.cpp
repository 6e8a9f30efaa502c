#include "families.h"
#include "offscreen.h"
#include "render.h"
#include "scangeometry.h"

#include <QPainter>

#include <climits>

namespace {

QColor cellColor(const PatternState &state, int row, int column)
{
    return state.colorList.at((row % state.colorRows) * state.colorColumns + column % state.colorColumns);
}

// One rectangle per cell, `columns` × `rows` cells from the top-left corner.
void drawCells(QPainter &painter, const PatternState &state, const QSize &cell, qint64 columns, qint64 rows)
{
    const int cellWidth = cell.width();
    const int cellHeight = cell.height();
    painter.setPen(Qt::NoPen);
    for (qint64 r = 0; r < rows && r * cellHeight <= INT_MAX - cellHeight; ++r) {
        for (qint64 c = 0; c < columns && c * cellWidth <= INT_MAX - cellWidth; ++c) {
            painter.setBrush(cellColor(state, int(r), int(c)));
            painter.drawRect(int(c * cellWidth), int(r * cellHeight), cellWidth, cellHeight);
        }
    }
}

bool opaqueTable(const PatternState &state)
{
    for (int i = 0; i < state.colorColumns * state.colorRows; ++i) {
        const QColor &color = state.colorList.at(i);
        if (!color.isValid() || color.alpha() != 255)
            return false;
    }
    return true;
}

// A repeated table is drawn once per period, a few periods wide so that the
// copies go in long runs, and tiled over the part of the target it covers.
void drawTiledCells(QPainter &painter, const PatternState &state, const QSize &cell, qint64 columns, qint64 rows)
{
    const int cellWidth = cell.width();
    const int cellHeight = cell.height();
    const qint64 periodWidth = qint64(state.colorColumns) * cellWidth;
    const qint64 periodHeight = qint64(state.colorRows) * cellHeight;
    const QRect covered = QRect(0, 0, int(qMin<qint64>(columns * cellWidth, INT_MAX)),
                                int(qMin<qint64>(rows * cellHeight, INT_MAX)))
        & reachableRect(painter, QRect(0, 0, INT_MAX, INT_MAX));
    if (covered.isEmpty())
        return;

    const qint64 periodsAcross = qMax<qint64>(1, (1024 + periodWidth - 1) / periodWidth);
    // The tile starts at the table's corner, so it reaches to the covered part's far edge.
    const int tileWidth = int(qMin<qint64>(covered.right() + 1, periodsAcross * periodWidth));
    const int tileHeight = int(qMin<qint64>(covered.bottom() + 1, periodHeight));
    QImage tile = makeStrip(painter, tileWidth, tileHeight);
    {
        QPainter tilePainter(&tile);
        for (int r = 0; qint64(r) * cellHeight < tileHeight; ++r)
            for (int c = 0; qint64(c) * cellWidth < tileWidth; ++c)
                tilePainter.fillRect(QRect(c * cellWidth, r * cellHeight, cellWidth, cellHeight), cellColor(state, r, c));
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(covered, QBrush(tile));
    painter.restore();
}

bool validTable(const PatternState &state)
{
    return state.colorColumns >= 1 && state.colorRows >= 1
        && state.colorList.size() >= qint64(state.colorColumns) * state.colorRows;
}

// The cell size for a window of `size`: the state's own, or with automatic
// size the window divided by the table, rounded up so that the last cell
// reaches the edge.
QSize colorBarCellSize(const PatternState &state, const QSize &size)
{
    if (state.autoCellSize && state.colorColumns >= 1 && state.colorRows >= 1)
        return QSize(ceilDiv(size.width(), state.colorColumns), ceilDiv(size.height(), state.colorRows));
    return QSize(state.cellWidth, state.cellHeight);
}

} // namespace

void paintColorBars(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &)
{
    painter.save();
    const int colorColumns = state.colorColumns;
    const int colorRows = state.colorRows;
    const QSize cell = colorBarCellSize(state, rect.size());
    // States the panel cannot produce show the base rather than divide by
    // zero or read past the list.
    if (!validTable(state) || cell.width() < 1 || cell.height() < 1) {
        fillBase(painter, state, rect);
        painter.restore();
        return;
    }

    // The +1 holds even for an exact fit: one whole copy then lies beyond the edge.
    qint64 hRep = 1;
    qint64 vRep = 1;
    if (state.tileColorBars) {
        hRep = rect.width() / (qint64(colorColumns) * cell.width()) + 1;
        vRep = rect.height() / (qint64(colorRows) * cell.height()) + 1;
    }
    const qint64 columns = hRep * colorColumns;
    const qint64 rows = vRep * colorRows;

    // Opaque cells that reach both edges hide the base fill; leaving it out
    // saves a pass over the frame.
    const bool opaque = opaqueTable(state);
    const bool coversWindow = paintsDevicePixels(painter) && opaque && columns * cell.width() >= rect.width()
        && rows * cell.height() >= rect.height();
    if (!coversWindow)
        fillBase(painter, state, rect);

    if (hRep * vRep > 1 && paintsDevicePixels(painter) && rect.topLeft() == QPoint(0, 0) && opaque)
        drawTiledCells(painter, state, cell, columns, rows);
    else
        drawCells(painter, state, cell, columns, rows);
    painter.restore();
}
