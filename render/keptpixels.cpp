#include "keptpixels.h"

#include "offscreen.h"

#include <QPainter>

QImage::Format opaquePixelFormat(const QPainter &painter)
{
    const QImage::Format target = makeStrip(painter, 1, 1).format();
    return target == QImage::Format_ARGB32_Premultiplied ? target : QImage::Format_RGB32;
}

void drawKeptPixels(QPainter &painter, const QRect &rect, Kept<KeptImage> &kept, const QString &key,
                    const PixelFill &fill)
{
    const QRect shown = reachableRect(painter, rect);
    if (shown.isEmpty())
        return;
    KeptImage &pixels = kept.use();
    const QString fullKey = key + QStringLiteral("|%1,%2 %3x%4 of %5x%6").arg(shown.x()).arg(shown.y())
        .arg(shown.width()).arg(shown.height()).arg(rect.width()).arg(rect.height());
    if (pixels.key != fullKey) {
        pixels.image = QImage(shown.size(), opaquePixelFormat(painter));
        fill(pixels.image, shown);
        pixels.key = fullKey;
    }
    copyImage(painter, shown.topLeft(), pixels.image);
}
