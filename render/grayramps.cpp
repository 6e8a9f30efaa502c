#include "grayramps.h"

#include "offscreen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

bool validRampReverse(const PatternState &state)
{
    return state.rampReverse == 0 || state.rampReverse == 1;
}

void setRampStops(QGradient &gradient, const PatternState &state)
{
    gradient.setColorAt(state.rampReverse, state.rampDarkColor);
    gradient.setColorAt(1 - state.rampReverse, state.rampLightColor);
}

bool opaqueRampStops(const PatternState &state)
{
    return state.rampDarkColor.isValid() && state.rampLightColor.isValid() && state.rampDarkColor.alpha() == 255
        && state.rampLightColor.alpha() == 255;
}

namespace {

// The toolkit steps a gradient along a row in fixed point from the row's
// first pixel, so a row is not exactly periodic; but every row below the
// outline starts at x = 0 and comes out the same. Draw two rows, copy the
// second one down.
void drawRampAcross(QPainter &painter, const QRect &rect)
{
    QImage strip = makeStrip(painter, rect.width(), 2);
    strip.fill(Qt::transparent);
    {
        QPainter stripPainter(&strip);
        stripPainter.setPen(painter.pen());
        stripPainter.setBrush(painter.brush());
        stripPainter.drawRect(rect);
    }
    copyImage(painter, QPoint(0, 0), strip, QRect(0, 0, rect.width(), 1));
    repeatRowDown(painter, strip, 1, 1, rect.height() - 1);
}

// A ramp down the window gives each row one colour right of the outline
// column: draw two columns, fill each row from the second.
void drawRampDown(QPainter &painter, const QRect &rect)
{
    QImage strip = makeStrip(painter, 2, rect.height());
    strip.fill(Qt::transparent);
    {
        QPainter stripPainter(&strip);
        stripPainter.setPen(painter.pen());
        stripPainter.setBrush(painter.brush());
        stripPainter.drawRect(rect);
    }
    copyImage(painter, QPoint(0, 0), strip, QRect(0, 0, 1, rect.height()));
    fillRowsFromColumn(painter, strip, 1, 1, rect.width() - 1, 0, rect.height());
}

QString ballKey(const QPainter &painter, const PatternState &state, const QRect &rect)
{
    const QImage probe = makeStrip(painter, 1, 1);
    return QStringLiteral("%1x%2 %3 %4 %5 %6 %7 %8")
        .arg(rect.width())
        .arg(rect.height())
        .arg(state.rampDarkColor.isValid())
        .arg(state.rampDarkColor.rgba64())
        .arg(state.rampLightColor.isValid())
        .arg(state.rampLightColor.rgba64())
        .arg(state.rampReverse)
        .arg(int(probe.format()));
}

} // namespace

void drawRepeatedRamp(QPainter &painter, const PatternState &state, const QRect &rect, const QPointF &end)
{
    if (!validRampReverse(state))
        return;
    QLinearGradient gradient(QPointF(0, 0), end);
    setRampStops(gradient, state);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);

    const bool fast = opaqueRampStops(state) && paintsDevicePixels(painter) && rect.topLeft() == QPoint(0, 0)
        && rect.width() >= 3 && rect.height() >= 3;
    if (!fast)
        painter.drawRect(rect);
    else if (end.x() != 0)
        drawRampAcross(painter, rect);
    else
        drawRampDown(painter, rect);
}

void drawBall(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept)
{
    painter.setBrush(QColor(Qt::black));
    const int d = qMin(rect.width(), rect.height());
    const int r = d / 2;
    QRadialGradient gradient(r, r, r, r, r);
    setRampStops(gradient, state);
    const QRect ball(0, 0, d, d);

    if (!validRampReverse(state) || !paintsDevicePixels(painter) || rect.topLeft() != QPoint(0, 0) || d < 1) {
        painter.drawRect(rect);
        if (validRampReverse(state)) {
            painter.setBrush(gradient);
            painter.drawEllipse(ball);
        }
        return;
    }

    // The corner that holds the ball reaches a few pixels past its
    // bounding square, or to the window's edge, so that its outline is
    // clipped exactly where the window clips it.
    KeptImage &corner = kept.use();
    const QString key = ballKey(painter, state, rect);
    if (corner.key != key) {
        corner.image = makeStrip(painter, qMin(rect.width(), d + 4), qMin(rect.height(), d + 4));
        QPainter cornerPainter(&corner.image);
        cornerPainter.setPen(painter.pen());
        cornerPainter.setBrush(QColor(Qt::black));
        cornerPainter.drawRect(rect);
        cornerPainter.setBrush(gradient);
        cornerPainter.drawEllipse(ball);
        cornerPainter.end();
        corner.key = key;
    }
    const QSize cornerSize = corner.image.size();
    copyImage(painter, QPoint(0, 0), corner.image);
    painter.fillRect(QRect(cornerSize.width(), 0, rect.width() - cornerSize.width(), rect.height()), Qt::black);
    painter.fillRect(QRect(0, cornerSize.height(), cornerSize.width(), rect.height() - cornerSize.height()), Qt::black);
}
