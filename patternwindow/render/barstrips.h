#ifndef BARSTRIPS_H
#define BARSTRIPS_H

// Helpers for the fast paths of the colour-bar and gray-bar painters. A
// pattern whose rows (or columns) repeat is drawn by the toolkit once, into a
// strip one or two pixels thick laid out exactly as in the window, and the
// strip is then copied over the window pixel for pixel. Drawing the strip with
// the very same calls as the whole window keeps every pixel identical to a
// step-by-step drawing, rounding of gradients and outlines included.

#include <QImage>
#include <QRect>

class QPainter;

// True when the painter maps pattern coordinates straight onto device pixels,
// the condition under which a strip drawn off-screen lands on the same pixels.
bool paintsDevicePixels(const QPainter &painter);

// An off-screen strip in the pixel format of the painter's target, so that it
// holds exactly what drawing on the target would have left there.
QImage makeStrip(const QPainter &painter, int width, int height);

// Copies row `stripRow` of `strip` onto rows top .. top + count - 1 of the
// target, starting at x = 0, replacing what was there.
void repeatRowDown(QPainter &painter, const QImage &strip, int stripRow, int top, int count);

// Fills, for each row y from top to top + count - 1, the pixels x .. x + width - 1
// with the colour of strip pixel (stripColumn, y); the strip's rows are the
// window's rows. Neighbouring rows of one colour are filled together.
void fillRowsFromColumn(QPainter &painter, const QImage &strip, int stripColumn, int x, int width, int top,
                        int count);

// Copies a part of `image` onto the target at `to`, replacing what was there.
void copyImage(QPainter &painter, const QPoint &to, const QImage &image, const QRect &from);

#endif // BARSTRIPS_H
