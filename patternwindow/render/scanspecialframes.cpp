#include "scanspecialframes.h"

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

bool canCopyFrames(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return painter.isActive() && device && painter.paintEngine()->type() == QPaintEngine::Raster
        && hasCopyablePixels(device) && device->devicePixelRatioF() == 1.0
        && painter.worldTransform().isIdentity() && !painter.hasClipping()
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0
        && !painter.testRenderHint(QPainter::Antialiasing);
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

void fillBase(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.setBrush(grayAdjusted(state.solidColor, state.grayOffset));
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
}

void copyFrame(QPainter &painter, const QImage &frame, const QPoint &topLeft)
{
    copyFrame(painter, frame, topLeft, frame.rect());
}

void copyFrame(QPainter &painter, const QImage &frame, const QPoint &topLeft, const QRect &source)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(topLeft, frame, source);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QString frameKey(const QPainter &painter, const QRect &rect)
{
    const QPaintDevice *device = painter.device();
    return QStringLiteral("%1x%2@%3x%4").arg(rect.width()).arg(rect.height()).arg(device->logicalDpiX()).arg(device->logicalDpiY());
}

void drawKeptFrame(QPainter &painter, const PatternState &state, const QRect &rect, const QString &key,
                   const std::function<void(QPainter &)> &drawFamily)
{
    const QString fullKey = frameKey(painter, rect) + QLatin1Char('|')
        + QString::number(grayAdjusted(state.solidColor, state.grayOffset).rgba()) + QLatin1Char('|') + key;
    if (state.keptFrameKey != fullKey || state.keptFrame.size() != rect.size()) {
        state.keptFrame = offscreenFrame(painter, rect.size());
        QPainter offscreen(&state.keptFrame);
        offscreen.setFont(painter.font());
        const QRect frameRect(QPoint(0, 0), rect.size());
        fillBase(offscreen, state, frameRect);
        drawFamily(offscreen);
        offscreen.end();
        state.keptFrameKey = fullKey;
    }
    copyFrame(painter, state.keptFrame, rect.topLeft());
}
