#include "cabinetgrid.h"

CabinetSpan cabinetsMeeting(const QRect &canvas, const QSize &cabinet, const QRect &part)
{
    const QRect seen = part & canvas;
    CabinetSpan span;
    if (seen.isEmpty() || cabinet.isEmpty())
        return span;
    span.firstColumn = (seen.left() - canvas.left()) / cabinet.width();
    span.lastColumn = (seen.right() - canvas.left()) / cabinet.width();
    span.firstRow = (seen.top() - canvas.top()) / cabinet.height();
    span.lastRow = (seen.bottom() - canvas.top()) / cabinet.height();
    return span;
}
