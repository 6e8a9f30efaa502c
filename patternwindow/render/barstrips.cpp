#include "barstrips.h"

#include <QPaintEngine>
#include <QPainter>

bool paintsDevicePixels(const QPainter &painter)
{
    return painter.combinedTransform().type() == QTransform::TxNone && !painter.hasClipping()
        && !painter.testRenderHint(QPainter::Antialiasing);
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
    if (width <= 0)
        return;
    const int end = top + count;
    int runStart = top;
    for (int y = top + 1; y <= end; ++y) {
        if (y < end && strip.pixel(stripColumn, y) == strip.pixel(stripColumn, runStart))
            continue;
        painter.fillRect(QRect(x, runStart, width, y - runStart), QColor::fromRgba(strip.pixel(stripColumn, runStart)));
        runStart = y;
    }
}

void copyImage(QPainter &painter, const QPoint &to, const QImage &image, const QRect &from)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(to, image, from);
    painter.setCompositionMode(mode);
}
