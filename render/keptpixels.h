#ifndef KEPTPIXELS_H
#define KEPTPIXELS_H

#include "framecache.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// Fills `image`, the part `shown` of the pattern, pixel by pixel.
using PixelFill = std::function<void(QImage &image, const QRect &shown)>;

// The format of images filled with opaque QRgb values that copies onto the
// painter's target fastest: the target's own when it is one of those.
QImage::Format opaquePixelFormat(const QPainter &painter);

// For patterns computed per pixel rather than drawn: the part of `rect` the
// painter reaches is computed into `kept` when `key` or the part differs
// from what is kept, and copied onto the painter. Only the part is kept,
// never the whole canvas.
void drawKeptPixels(QPainter &painter, const QRect &rect, Kept<KeptImage> &kept, const QString &key,
                    const PixelFill &fill);

#endif // KEPTPIXELS_H
