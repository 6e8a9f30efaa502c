#include "offscreen.h"

#include "families.h"
#include "render.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace {

bool hasCopyablePixels(const QPaintDevice *device)
{
    if (device->devType() == QInternal::Widget)
        return true;
    if (device->devType() != QInternal::Image)
        return false;
    const QImage::Format format = static_cast<const QImage *>(device)->format();
    return format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB32;
}

} // namespace

namespace {

bool movesWholePixels(const QTransform &transform)
{
    return transform.type() <= QTransform::TxTranslate && transform.dx() == qRound(transform.dx())
        && transform.dy() == qRound(transform.dy());
}

} // namespace

bool paintsDevicePixels(const QPainter &painter)
{
    return movesWholePixels(painter.combinedTransform()) && !painter.hasClipping()
        && !painter.testRenderHint(QPainter::Antialiasing);
}

bool canCopyFrames(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return painter.isActive() && device && painter.paintEngine()->type() == QPaintEngine::Raster
        && hasCopyablePixels(device) && device->devicePixelRatioF() == 1.0
        && painter.worldTransform().isIdentity() && !painter.hasClipping()
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0
        && !painter.testRenderHint(QPainter::Antialiasing);
}

bool canKeepFrames(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return painter.isActive() && device && painter.paintEngine()->type() == QPaintEngine::Raster
        && hasCopyablePixels(device) && device->devicePixelRatioF() == 1.0 && movesWholePixels(painter.worldTransform())
        && !painter.hasClipping()
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0
        && !painter.testRenderHint(QPainter::Antialiasing);
}

QRect reachableRect(const QPainter &painter, const QRect &rect)
{
    const QPaintDevice *device = painter.device();
    QRect reachable = painter.combinedTransform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    if (painter.hasClipping())
        reachable &= painter.clipBoundingRect().toAlignedRect();
    return reachable & rect;
}

bool directPixels(QPainter &painter, DirectPixels *pixels)
{
    if (!canKeepFrames(painter) || !movesWholePixels(painter.deviceTransform()))
        return false;
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *target = engine->paintDevice();
    if (!target || target->devType() != QInternal::Image)
        return false;
    auto *image = static_cast<QImage *>(target);
    // A shared image would be copied on the first write, away from the painter.
    if ((image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32)
        || !image->isDetached())
        return false;
    pixels->image = image;
    pixels->offset = QPoint(qRound(painter.deviceTransform().dx()), qRound(painter.deviceTransform().dy()));
    const QRegion clip = engine->systemClip();
    pixels->area = clip.isEmpty() ? QRegion(image->rect()) : clip & image->rect();
    return true;
}

QImage makeStrip(const QPainter &painter, int width, int height)
{
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *target = engine ? engine->paintDevice() : painter.device();
    if (target && target->devType() == QInternal::Image)
        format = static_cast<const QImage *>(target)->format();
    return QImage(width, height, format);
}

QImage offscreenFrame(const QPainter &painter, const QSize &size)
{
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    const QPaintDevice *device = painter.device();
    // QImage reports qRound(dotsPerMeter * 0.0254) as its resolution.
    frame.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
    frame.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    return frame;
}

void copyImage(QPainter &painter, const QPoint &to, const QImage &image, const QRect &from)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(to, image, from);
    painter.setCompositionMode(mode);
}

void copyImage(QPainter &painter, const QPoint &to, const QImage &image)
{
    copyImage(painter, to, image, image.rect());
}

void repeatRowDown(QPainter &painter, const QImage &strip, int stripRow, int top, int count)
{
    if (count <= 0)
        return;
    const QImage row = strip.copy(0, stripRow, strip.width(), 1);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrushOrigin(0, top);
    painter.fillRect(QRect(0, top, row.width(), count), QBrush(row));
    painter.restore();
}

void fillRowsFromColumn(QPainter &painter, const QImage &strip, int stripColumn, int x, int width, int top,
                        int count)
{
    // Only the rows the painter reaches: on a part of a canvas most lie outside.
    const QRect reached = reachableRect(painter, QRect(x, top, width, count));
    if (reached.isEmpty())
        return;
    top = reached.top();
    count = reached.height();
    const int end = top + count;
    int runStart = top;
    for (int y = top + 1; y <= end; ++y) {
        if (y < end && strip.pixel(stripColumn, y) == strip.pixel(stripColumn, runStart))
            continue;
        painter.fillRect(QRect(x, runStart, width, y - runStart), QColor::fromRgba(strip.pixel(stripColumn, runStart)));
        runStart = y;
    }
}

QString frameKey(const QPainter &painter, const QRect &rect)
{
    return frameKey(painter.device(), rect);
}

QString frameKey(const QPaintDevice *device, const QRect &rect)
{
    return QStringLiteral("%1x%2@%3x%4").arg(rect.width()).arg(rect.height()).arg(device->logicalDpiX()).arg(device->logicalDpiY());
}

// The toolkit draws a glyph that crosses the device's edge otherwise than one
// inside it, so a part is drawn with a margin inside the canvas and cut
// out: glyphs then cross an edge only where they cross the canvas's.
void drawKeptFrame(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept,
                   const QString &key, const std::function<void(QPainter &)> &drawFamily)
{
    const int margin = 64;
    const QRect shown = reachableRect(painter, rect);
    if (shown.isEmpty())
        return;
    KeptImage &frame = kept.use();
    const QString fullKey = frameKey(painter, rect) + QLatin1Char('|') + QString::number(baseColor(state).rgba())
        + QLatin1Char('|') + key + QStringLiteral("|%1,%2 %3x%4").arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height());
    if (frame.key != fullKey || frame.image.size() != shown.size()) {
        const QRect drawn = shown == rect ? rect : shown.adjusted(-margin, -margin, margin, margin) & rect;
        frame.image = offscreenFrame(painter, drawn.size());
        QPainter offscreen(&frame.image);
        offscreen.setFont(painter.font());
        offscreen.translate(-drawn.topLeft());
        fillBase(offscreen, state, drawn);
        drawFamily(offscreen);
        offscreen.end();
        if (drawn != shown)
            frame.image = frame.image.copy(shown.translated(-drawn.topLeft()));
        frame.key = fullKey;
    }
    copyImage(painter, shown.topLeft(), frame.image);
}
