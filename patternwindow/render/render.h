#ifndef RENDER_H
#define RENDER_H

#include "patternstate.h"

#include <QPoint>
#include <QRect>

class QPainter;

// One frame of the test pattern: base fill, the family of state.mode, then
// the information text. `cursor` is the global cursor position the text shows.
// The renderer only reads the state, except that the colour bars with
// automatic cell size write the computed cell size back.
void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor);

// The base colour dimmed by the gray offset (see dialog::grayAdjusted).
QColor grayAdjusted(const QColor &color, int grayOffset);

// Family painters, one per file, all called by renderFrame.
void drawColorBars(QPainter &painter, PatternState &state, const QRect &rect);
void drawGrayBars(QPainter &painter, const PatternState &state, const QRect &rect);
void drawScanLines(QPainter &painter, const PatternState &state, const QRect &rect);
void drawGrayBlocks(QPainter &painter, const PatternState &state, const QRect &rect);
void drawSpecial(QPainter &painter, const PatternState &state, const QRect &rect);
void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor);

#endif // RENDER_H
