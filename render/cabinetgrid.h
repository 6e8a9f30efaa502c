#ifndef CABINETGRID_H
#define CABINETGRID_H

#include <QRect>
#include <QSize>

// The cabinets of a wall, counted from the canvas's corner, that meet a
// part of it: columns first..last and rows first..last, so that a window
// on a large canvas walks only its own cabinets.
struct CabinetSpan
{
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;

    qint64 count() const { return qint64(lastColumn - firstColumn + 1) * (lastRow - firstRow + 1); }
};

// The cabinets of size `cabinet` on the canvas `canvas` that meet `part`.
CabinetSpan cabinetsMeeting(const QRect &canvas, const QSize &cabinet, const QRect &part);

// Cabinet (column, row) on the canvas.
inline QRect cabinetRect(const QRect &canvas, const QSize &cabinet, int column, int row)
{
    return QRect(canvas.x() + column * cabinet.width(), canvas.y() + row * cabinet.height(), cabinet.width(),
                 cabinet.height());
}

#endif // CABINETGRID_H
