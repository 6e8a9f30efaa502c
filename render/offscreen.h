#ifndef OFFSCREEN_H
#define OFFSCREEN_H

// Drawing off-screen and copying the result, for the fast paths of the
// painters. A pattern whose rows repeat, or a frame that stands still, is
// drawn by the toolkit once, off-screen, with the very same calls as on the
// target, and then copied pixel for pixel. That gives the same pixels only on
// a plain raster painter, so every fast path first asks paintsDevicePixels or
// canCopyFrames.

#include "framecache.h"
#include "patternstate.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;

// True when the painter maps pattern coordinates straight onto device
// pixels, at most moved by whole pixels (a part of a canvas), the condition
// under which a strip drawn off-screen lands on the same pixels.
bool paintsDevicePixels(const QPainter &painter);

// Whether a whole frame drawn off-screen can stand in for drawing on this
// painter: the raster engine, no transformation or clipping, source-over at
// full opacity, one device pixel per pixel, and 32-bit pixels.
bool canCopyFrames(const QPainter &painter);

// Whether a frame drawn off-screen and kept can stand in for drawing on this
// painter: as canCopyFrames, but the painter may be moved by whole pixels,
// as it is for a window that shows a part of a canvas.
bool canKeepFrames(const QPainter &painter);

// The part of `rect` the painter can reach: its device, and its clip when it
// has one, in the painter's coordinates.
QRect reachableRect(const QPainter &painter, const QRect &rect);

// An off-screen strip in the pixel format of the painter's target, so that it
// holds exactly what drawing on the target would have left there.
QImage makeStrip(const QPainter &painter, int width, int height);

// An empty off-screen frame with the resolution of the painter's device, so
// fonts come out at the same pixel sizes.
QImage offscreenFrame(const QPainter &painter, const QSize &size);

// Copies a part of `image` onto the target at `to`, replacing what was there.
void copyImage(QPainter &painter, const QPoint &to, const QImage &image, const QRect &from);
void copyImage(QPainter &painter, const QPoint &to, const QImage &image);

// Copies row `stripRow` of `strip` onto rows top .. top + count - 1 of the
// target, starting at x = 0, replacing what was there.
void repeatRowDown(QPainter &painter, const QImage &strip, int stripRow, int top, int count);

// Fills, for each row y from top to top + count - 1, the pixels x .. x + width - 1
// with the colour of strip pixel (stripColumn, y); the strip's rows are the
// window's rows. Neighbouring rows of one colour are filled together.
void fillRowsFromColumn(QPainter &painter, const QImage &strip, int stripColumn, int x, int width, int top,
                        int count);

// The pixels a raster painter writes into, for a painter that copies many
// small pieces of rows: on a window repainting a region of many rectangles,
// the toolkit clips every piece against every rectangle of the region,
// while a piece written straight into the image costs its copy alone.
struct DirectPixels
{
    QImage *image = nullptr;
    QPoint offset;  // the device pixel of pattern pixel (0, 0)
    QRegion area;   // what this paint may change, in device pixels
};

// Whether the painter allows it (as canKeepFrames, on an image of 32-bit
// pixels that nothing else shares) and, if so, where and what to write.
bool directPixels(QPainter &painter, DirectPixels *pixels);

// Text naming the painter's device resolution and a rectangle's size, the
// part every kept image's key shares.
QString frameKey(const QPainter &painter, const QRect &rect);
QString frameKey(const QPaintDevice *device, const QRect &rect);

// Draws the frame with `drawFamily` into `kept` when the key differs from
// the kept one, then copies it onto the painter. The frame starts with the
// base fill, as the window's frame starts: the toolkit blends text
// differently depending on what was drawn before with which pen. On a part
// of a canvas only the part is kept.
void drawKeptFrame(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept,
                   const QString &key, const std::function<void(QPainter &)> &drawFamily);

#endif // OFFSCREEN_H
