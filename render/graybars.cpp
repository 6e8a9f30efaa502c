#include "families.h"
#include "grayramps.h"
#include "offscreen.h"
#include "render.h"

#include <QPainter>

namespace {

// The custom bars drawn one rectangle each, onto whatever painter is given.
void drawCustomBarRects(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int grayBarWidth = state.grayBarWidth;
    const int grayBarStart = state.grayBarStart;
    const int grayBarSpacing = state.grayBarSpacing;
    const bool descending = state.rampReverse != 0;
    // Bars are laid out from the device origin; those past the window's far edge show nothing.
    const int reach = state.rampRotate ? rect.y() + rect.height() : rect.x() + rect.width();

    qint64 level = descending ? 255 : grayBarStart;
    for (int k = 0; descending ? level >= grayBarStart : level <= 255; ++k) {
        const qint64 offset = qint64(k) * grayBarWidth;
        // A bar that starts past the window's edge shows nothing, nor do the later ones.
        if (offset > reach)
            break;
        QColor gray;
        gray.setHsv(0, 0, int(level));
        painter.setBrush(gray);
        if (state.rampRotate)
            painter.drawRect(0, int(offset), rect.width(), grayBarWidth);
        else
            painter.drawRect(int(offset), 0, grayBarWidth, rect.height());
        level += descending ? -grayBarSpacing : grayBarSpacing;
    }
}

// The bars over the base fill, drawn into a strip two pixels thick across
// the bars; every further row (or column) repeats the second one.
QImage customBarStrip(QPainter &painter, const PatternState &state, const QRect &rect, const QSize &size)
{
    QImage strip = makeStrip(painter, size.width(), size.height());
    QPainter stripPainter(&strip);
    stripPainter.setPen(Qt::NoPen);
    stripPainter.setBrush(baseColor(state));
    stripPainter.drawRect(rect);
    stripPainter.setPen(painter.pen());
    drawCustomBarRects(stripPainter, state, rect);
    return strip;
}

// Levels outside 0..255 or a step that never ends the list cannot come from
// the panel; nothing is drawn for them.
bool validCustomBars(const PatternState &state)
{
    return state.grayBarWidth >= 1 && state.grayBarSpacing >= 1 && state.grayBarStart >= 0;
}

// The strip road, which paints the base fill into its strip too.
bool customBarsFromStrip(const QPainter &painter, const PatternState &state, const QRect &rect)
{
    return validCustomBars(state) && paintsDevicePixels(painter) && rect.topLeft() == QPoint(0, 0)
        && rect.width() >= 3 && rect.height() >= 3;
}

void drawCustomGrayBars(QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (!customBarsFromStrip(painter, state, rect)) {
        fillBase(painter, state, rect);
        painter.setPen(QColor(Qt::black));
        if (validCustomBars(state))
            drawCustomBarRects(painter, state, rect);
        return;
    }
    if (state.rampRotate) {
        const QImage strip = customBarStrip(painter, state, rect, QSize(2, rect.height()));
        copyImage(painter, QPoint(0, 0), strip, QRect(0, 0, 1, rect.height()));
        fillRowsFromColumn(painter, strip, 1, 1, rect.width() - 1, 0, rect.height());
    } else {
        const QImage strip = customBarStrip(painter, state, rect, QSize(rect.width(), 2));
        copyImage(painter, QPoint(0, 0), strip, QRect(0, 0, rect.width(), 1));
        repeatRowDown(painter, strip, 1, 1, rect.height() - 1);
    }
}

// A ramp of opaque colours hides the base under it.
void drawRamp(QPainter &painter, const PatternState &state, const QRect &rect, const QPointF &end)
{
    if (!validRampReverse(state) || !opaqueRampStops(state)) {
        fillBase(painter, state, rect);
        painter.setPen(QColor(Qt::black));
    }
    drawRepeatedRamp(painter, state, rect, end);
}

} // namespace

// The chart and the ball start with a black window of their own.
void paintGrayBars(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    if (!paintsDevicePixels(painter))
        fillBase(painter, state, rect);
    painter.setPen(QColor(Qt::black));
    if (state.colorRampChart)
        drawColorRampChart(painter, state, rect);
    else if (state.rampLength == BallRamp)
        drawBall(painter, state, rect, cache.ball);
    else if (state.rampLength > 0)
        drawRamp(painter, state, rect, state.rampRotate ? QPointF(0, state.rampLength) : QPointF(state.rampLength, 0));
    else if (state.grayBarWidth == 1 && state.grayBarStart == 0)
        drawRamp(painter, state, rect, QPointF(rect.width(), 0));
    else
        drawCustomGrayBars(painter, state, rect);
    painter.restore();
}
