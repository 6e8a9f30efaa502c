#ifndef FRAMECOUNT_H
#define FRAMECOUNT_H

#include "patternstate.h"

#include <QColor>
#include <QPoint>

// Where the pixel walk and the frame ticker stand at the state's
// elapsedMs, counted in 64-bit integers so that the computer's clock since
// the epoch gives the same step on every computer of a wall.

// The walk's step: floor(ms * rate / 1000) around the cabinet's pixels,
// three times as many with subpixels.
qint64 pixelWalkStep(const PatternState &state);
// The lit pixel inside each cabinet at `step`.
QPoint pixelWalkPlace(const PatternState &state, qint64 step);
// Its colour: the state's, or red, green or blue in turn with subpixels.
QColor pixelWalkColor(const PatternState &state, qint64 step);

// The ticker's rate: its own, else the frame rate of what shows it, else 60.
int tickerRate(const PatternState &state);
// floor(ms * rate / 1000); the lit block is this modulo 60.
qint64 tickerFrame(const PatternState &state);

constexpr int TickerBlocks = 60;

#endif // FRAMECOUNT_H
