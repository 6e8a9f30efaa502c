#include "render.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

// The seven chart colours, each fading to black across the window.
const Qt::GlobalColor chartColors[7] = { Qt::red, Qt::green, Qt::blue, Qt::white,
                                         Qt::cyan, Qt::magenta, Qt::yellow };

bool validReverse(const PatternState &state)
{
    return state.rampReverse == 0 || state.rampReverse == 1;
}

void setRampStops(QGradient &gradient, const PatternState &state)
{
    gradient.setColorAt(state.rampReverse, state.rampDarkColor);
    gradient.setColorAt(1 - state.rampReverse, state.rampLightColor);
}

void drawColorRampChart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int w = rect.width();
    const int h = rect.height();
    painter.setBrush(QColor(Qt::black));
    painter.drawRect(rect);

    const int direction = state.colorRampDirection;
    if (direction < 0 || direction > 3)
        return;
    const int cw = w / 7;
    const int ch = h / 7;
    for (int i = 0; i < 7; ++i) {
        QLinearGradient gradient;
        QRect bar;
        switch (direction) {
        case 0:
            gradient = QLinearGradient(0, 0, 0, h);
            bar = QRect(5 + i * cw, 0, cw - 10, h);
            break;
        case 1:
            gradient = QLinearGradient(0, h, 0, 0);
            bar = QRect(5 + i * cw, 0, cw - 10, h);
            break;
        case 2:
            gradient = QLinearGradient(w, 0, 0, 0);
            bar = QRect(0, 5 + i * ch, w, ch - 10);
            break;
        default:
            gradient = QLinearGradient(0, 0, w, 0);
            bar = QRect(0, 5 + i * ch, w, ch - 10);
            break;
        }
        gradient.setColorAt(0, chartColors[i]);
        gradient.setColorAt(1, Qt::black);
        painter.setBrush(gradient);
        painter.drawRect(bar);
    }
}

void drawBall(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.setBrush(QColor(Qt::black));
    painter.drawRect(rect);
    if (!validReverse(state))
        return;
    const int d = qMin(rect.width(), rect.height());
    const int r = d / 2;
    QRadialGradient gradient(r, r, r, r, r);
    setRampStops(gradient, state);
    painter.setBrush(gradient);
    painter.drawEllipse(QRect(0, 0, d, d));
}

// One linear ramp from (0, 0) to `end`, repeated over the whole window.
void drawRepeatedRamp(QPainter &painter, const PatternState &state, const QRect &rect, const QPointF &end)
{
    if (!validReverse(state))
        return;
    QLinearGradient gradient(QPointF(0, 0), end);
    setRampStops(gradient, state);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(rect);
}

void drawCustomGrayBars(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int grayBarWidth = state.grayBarWidth;
    const int grayBarStart = state.grayBarStart;
    const int grayBarSpacing = state.grayBarSpacing;
    if (grayBarWidth < 1 || grayBarSpacing < 1 || grayBarStart < 0)
        return;

    const bool descending = state.rampReverse != 0;
    int level = descending ? 255 : grayBarStart;
    for (int k = 0; descending ? level >= grayBarStart : level <= 255; ++k) {
        const qint64 offset = qint64(k) * grayBarWidth;
        // Bars past the window's edge are clipped away; stop at the edge.
        if (offset > (state.rampRotate ? rect.height() : rect.width()))
            break;
        QColor gray;
        gray.setHsv(0, 0, level);
        painter.setBrush(gray);
        if (state.rampRotate)
            painter.drawRect(0, int(offset), rect.width(), grayBarWidth);
        else
            painter.drawRect(int(offset), 0, grayBarWidth, rect.height());
        level += descending ? -grayBarSpacing : grayBarSpacing;
    }
}

} // namespace

void drawGrayBars(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.setPen(QColor(Qt::black));
    if (state.colorRampChart)
        drawColorRampChart(painter, state, rect);
    else if (state.rampLength < 0)
        drawBall(painter, state, rect);
    else if (state.rampLength > 0)
        drawRepeatedRamp(painter, state, rect,
                         state.rampRotate ? QPointF(0, state.rampLength) : QPointF(state.rampLength, 0));
    else if (state.grayBarWidth == 1 && state.grayBarStart == 0)
        drawRepeatedRamp(painter, state, rect, QPointF(rect.width(), 0));
    else
        drawCustomGrayBars(painter, state, rect);
}
