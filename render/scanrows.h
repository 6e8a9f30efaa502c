#ifndef SCANROWS_H
#define SCANROWS_H

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
bool drawScanLineRows(QPainter &painter, const PatternState &state, const QRect &rect);

// The rows (columns) that a horizontal (vertical) line of the state's width
// covers, as offsets low .. high from its position, measured as the drawing
// measures them, and how far from the window's top (left) edge lines may
// cover a row more. False when the pen covers no single run.
bool straightLineCover(const PatternState &state, bool horizontal, int *low, int *high, int *edgeZone);

#endif // SCANROWS_H
