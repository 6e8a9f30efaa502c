#ifndef SCANROWS_H
#define SCANROWS_H

#include "framecache.h"
#include "patternstate.h"

#include <QRect>

class QPainter;

// The scan lines drawn row by row instead of line by line: every row of the
// window is built from the pixels one line of the pen covers, measured once
// per paint with the painter itself, and the rows that repeat with the pitch
// are built once and tiled. The result equals drawing the line lists with
// QPainter pixel for pixel. Returns false, drawing nothing, when the state or
// the painter does not allow it (a colour that is not opaque, a painter that
// cannot take copied pixels); the caller then draws the lines itself.
// `rows` keeps the memory of the rows between frames.
bool drawScanLineRows(QPainter &painter, const PatternState &state, const QRect &rect, Kept<QVector<QVector<quint32>>> &rows);

// The rows a horizontal line of the state's width covers and the columns a
// vertical one covers, as offsets low .. high from its position, measured
// as the drawing measures them, and how far from the window's top (left)
// edge lines may cover a row (column) more.
struct StraightLineCover
{
    int rowsLow = 0;
    int rowsHigh = 0;
    int columnsLow = 0;
    int columnsHigh = 0;
    int edgeZone = 0;
};

// False when the pen covers no single run.
bool straightLineCover(const PatternState &state, StraightLineCover *cover);

#endif // SCANROWS_H
