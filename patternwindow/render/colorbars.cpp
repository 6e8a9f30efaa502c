#include "render.h"

#include <QPainter>

// Ceiling of size / count: the last cell reaches the window's edge.
static int ceilDiv(int size, int count)
{
    return size / count + (size % count != 0 ? 1 : 0);
}

void drawColorBars(QPainter &painter, PatternState &state, const QRect &rect)
{
    const int colorColumns = state.colorColumns;
    const int colorRows = state.colorRows;
    // States the panel cannot produce draw nothing rather than divide by zero
    // or read past the list.
    if (colorColumns < 1 || colorRows < 1
        || state.colorList.size() < qint64(colorColumns) * colorRows)
        return;

    if (state.autoCellSize) {
        state.cellWidth = ceilDiv(rect.width(), colorColumns);
        state.cellHeight = ceilDiv(rect.height(), colorRows);
    }
    const int cellWidth = state.cellWidth;
    const int cellHeight = state.cellHeight;
    if (cellWidth < 1 || cellHeight < 1)
        return;

    // The +1 holds even for an exact fit: one whole copy then lies beyond the edge.
    int hRep = 1;
    int vRep = 1;
    if (state.tileColorBars) {
        hRep = int(rect.width() / (qint64(colorColumns) * cellWidth)) + 1;
        vRep = int(rect.height() / (qint64(colorRows) * cellHeight)) + 1;
    }

    painter.setPen(Qt::NoPen);
    for (int r = 0; r < vRep * colorRows; ++r) {
        for (int c = 0; c < hRep * colorColumns; ++c) {
            painter.setBrush(state.colorList.at((r % colorRows) * colorColumns + c % colorColumns));
            painter.drawRect(c * cellWidth, r * cellHeight, cellWidth, cellHeight);
        }
    }
}
