#ifndef GRAYRAMPS_H
#define GRAYRAMPS_H

// The gradient patterns of the gray-bar family, called by paintGrayBars with
// the black outline pen already set.

#include "framecache.h"
#include "patternstate.h"

#include <QPointF>
#include <QRect>

class QGradient;
class QPainter;

// Ramp stops sit at rampReverse and 1 - rampReverse; other values have no
// meaning and draw no gradient.
bool validRampReverse(const PatternState &state);
void setRampStops(QGradient &gradient, const PatternState &state);

// Both stop colours set and opaque: a ramp of them hides what lies under it.
bool opaqueRampStops(const PatternState &state);

// A linear ramp from (0, 0) to `end`, repeated over the whole window.
void drawRepeatedRamp(QPainter &painter, const PatternState &state, const QRect &rect, const QPointF &end);

// Black window with the radial ball at its top-left corner.
void drawBall(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept);

// Seven colours fading to black, in four directions (colorrampchart.cpp).
void drawColorRampChart(QPainter &painter, const PatternState &state, const QRect &rect);

#endif // GRAYRAMPS_H
