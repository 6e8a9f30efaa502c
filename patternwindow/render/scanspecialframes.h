#ifndef SCANSPECIALFRAMES_H
#define SCANSPECIALFRAMES_H

#include "patternstate.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// Frames drawn off-screen and copied for the scan-line, gray-block and
// special families. A copied frame must equal, pixel for pixel, what the
// painter would have drawn itself; that holds only for a plain raster painter
// on 32-bit pixels, so every fast path first asks canCopyFrames.

// Whether a frame drawn off-screen can stand in for drawing on this painter:
// the raster engine, no transformation or clipping, source-over at full
// opacity, one device pixel per pixel, and 32-bit pixels.
bool canCopyFrames(const QPainter &painter);

// An empty off-screen frame with the resolution of the painter's device, so
// fonts come out at the same pixel sizes.
QImage offscreenFrame(const QPainter &painter, const QSize &size);

// The base fill exactly as renderFrame draws it. The toolkit blends text
// differently depending on what was drawn before with which pen, so an
// off-screen frame starts the way the window's frame starts.
void fillBase(QPainter &painter, const PatternState &state, const QRect &rect);

// Copies `frame` onto the painter with its top-left pixel at `topLeft`,
// replacing what is there.
void copyFrame(QPainter &painter, const QImage &frame, const QPoint &topLeft = QPoint(0, 0));
void copyFrame(QPainter &painter, const QImage &frame, const QPoint &topLeft, const QRect &source);

// Draws the frame with `drawFamily` (base fill first) into state.keptFrame
// when `key` differs from the kept one, then copies it onto the painter.
void drawKeptFrame(QPainter &painter, const PatternState &state, const QRect &rect, const QString &key,
                   const std::function<void(QPainter &)> &drawFamily);

// Text naming the painter's device resolution and a rectangle's size, the
// part every cache key shares.
QString frameKey(const QPainter &painter, const QRect &rect);


#endif // SCANSPECIALFRAMES_H
