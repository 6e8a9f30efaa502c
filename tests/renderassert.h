#ifndef RENDERASSERT_H
#define RENDERASSERT_H

// Small helpers for pixel checks of the renderer: render a pattern state into
// an image the way the window's backing store holds it, and read pixels back.

#include "render.h"

#include <QImage>
#include <QPainter>

// What the image holds where the renderer drew nothing (outside the window's
// rectangle). No pattern uses it.
inline QRgb untouchedPixel()
{
    return qRgba(1, 2, 3, 4);
}

// Renders `state` into an image of `imageSize`, passing `window` as the
// window's rectangle; the image may be larger than the window, so a test can
// see what the renderer drew beyond the window's edge.
inline QImage renderPattern(PatternState &state, const QSize &imageSize, const QRect &window,
                            const QPoint &cursor = QPoint(0, 0))
{
    QImage image(imageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(untouchedPixel());
    QPainter painter(&image);
    renderFrame(painter, state, window, cursor);
    return image;
}

inline QImage renderPattern(PatternState &state, const QSize &size, const QPoint &cursor = QPoint(0, 0))
{
    return renderPattern(state, size, QRect(QPoint(0, 0), size), cursor);
}

inline QColor pixelColor(const QImage &image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

inline bool allPixelsEqual(const QImage &image, const QRect &area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != color)
                return false;
    return true;
}

inline bool anyPixelEqual(const QImage &image, const QRect &area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color)
                return true;
    return false;
}

#endif // RENDERASSERT_H
