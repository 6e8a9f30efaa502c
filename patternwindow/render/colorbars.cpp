#include "render.h"

#include "barstrips.h"

#include <QPainter>

#include <climits>

namespace {

// Ceiling of size / count: the last cell reaches the window's edge.
int ceilDiv(int size, int count)
{
    return size / count + (size % count != 0 ? 1 : 0);
}

QColor cellColor(const PatternState &state, int row, int column)
{
    return state.colorList.at((row % state.colorRows) * state.colorColumns + column % state.colorColumns);
}

// One rectangle per cell, `columns` × `rows` cells from the top-left corner.
void drawCells(QPainter &painter, const PatternState &state, qint64 columns, qint64 rows)
{
    const int cellWidth = state.cellWidth;
    const int cellHeight = state.cellHeight;
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
void drawTiledCells(QPainter &painter, const PatternState &state, qint64 columns, qint64 rows)
{
    const qint64 periodWidth = qint64(state.colorColumns) * state.cellWidth;
    const qint64 periodHeight = qint64(state.colorRows) * state.cellHeight;
    const QRect covered = QRect(0, 0, int(qMin<qint64>(columns * state.cellWidth, INT_MAX)),
                                int(qMin<qint64>(rows * state.cellHeight, INT_MAX)))
        & QRect(0, 0, painter.device()->width(), painter.device()->height());
    if (covered.isEmpty())
        return;

    const qint64 periodsAcross = qMax<qint64>(1, (1024 + periodWidth - 1) / periodWidth);
    const int tileWidth = int(qMin<qint64>(covered.width(), periodsAcross * periodWidth));
    const int tileHeight = int(qMin<qint64>(covered.height(), periodHeight));
    QImage tile = makeStrip(painter, tileWidth, tileHeight);
    {
        QPainter tilePainter(&tile);
        for (int r = 0; qint64(r) * state.cellHeight < tileHeight; ++r)
            for (int c = 0; qint64(c) * state.cellWidth < tileWidth; ++c)
                tilePainter.fillRect(QRect(c * state.cellWidth, r * state.cellHeight, state.cellWidth,
                                           state.cellHeight), cellColor(state, r, c));
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(covered, QBrush(tile));
    painter.restore();
}

// The cell size the painter will use, without writing it back.
QSize cellSize(const PatternState &state, const QRect &rect)
{
    if (state.autoCellSize)
        return QSize(ceilDiv(rect.width(), state.colorColumns), ceilDiv(rect.height(), state.colorRows));
    return QSize(state.cellWidth, state.cellHeight);
}

bool validTable(const PatternState &state)
{
    return state.colorColumns >= 1 && state.colorRows >= 1
        && state.colorList.size() >= qint64(state.colorColumns) * state.colorRows;
}

} // namespace

bool colorBarsCoverWindow(const QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (!paintsDevicePixels(painter) || !validTable(state))
        return false;
    const QSize cell = cellSize(state, rect);
    if (cell.width() < 1 || cell.height() < 1 || !opaqueTable(state))
        return false;
    return state.tileColorBars
        || (qint64(state.colorColumns) * cell.width() >= rect.width()
            && qint64(state.colorRows) * cell.height() >= rect.height());
}

void drawColorBars(QPainter &painter, PatternState &state, const QRect &rect)
{
    const int colorColumns = state.colorColumns;
    const int colorRows = state.colorRows;
    // States the panel cannot produce draw nothing rather than divide by zero
    // or read past the list.
    if (!validTable(state))
        return;

    if (state.autoCellSize) {
        const QSize cell = cellSize(state, rect);
        state.cellWidth = cell.width();
        state.cellHeight = cell.height();
    }
    const int cellWidth = state.cellWidth;
    const int cellHeight = state.cellHeight;
    if (cellWidth < 1 || cellHeight < 1)
        return;

    // The +1 holds even for an exact fit: one whole copy then lies beyond the edge.
    qint64 hRep = 1;
    qint64 vRep = 1;
    if (state.tileColorBars) {
        hRep = rect.width() / (qint64(colorColumns) * cellWidth) + 1;
        vRep = rect.height() / (qint64(colorRows) * cellHeight) + 1;
    }
    const qint64 columns = hRep * colorColumns;
    const qint64 rows = vRep * colorRows;

    if (hRep * vRep > 1 && paintsDevicePixels(painter) && rect.topLeft() == QPoint(0, 0) && opaqueTable(state)) {
        painter.setPen(Qt::NoPen);
        drawTiledCells(painter, state, columns, rows);
    } else {
        drawCells(painter, state, columns, rows);
    }
}
