#ifndef REFERENCE_BARS_H
#define REFERENCE_BARS_H

// The colour-bar and gray-bar patterns drawn step by step, one toolkit call
// per rectangle, exactly as the drawing steps read. The program draws the same
// patterns along faster roads; the tests hold it to these pixels.

#include "render.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace reference {

inline void drawColorBars(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int columns = state.colorColumns;
    const int rows = state.colorRows;
    if (columns < 1 || rows < 1 || state.colorList.size() < qint64(columns) * rows)
        return;
    // Automatic cells: the window divided by the table, rounded up.
    const int cw = state.autoCellSize ? rect.width() / columns + (rect.width() % columns ? 1 : 0) : state.cellWidth;
    const int ch = state.autoCellSize ? rect.height() / rows + (rect.height() % rows ? 1 : 0) : state.cellHeight;
    if (cw < 1 || ch < 1)
        return;
    const int hRep = state.tileColorBars ? rect.width() / (columns * cw) + 1 : 1;
    const int vRep = state.tileColorBars ? rect.height() / (rows * ch) + 1 : 1;
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < vRep * rows; ++r) {
        for (int c = 0; c < hRep * columns; ++c) {
            painter.setBrush(state.colorList.at((r % rows) * columns + c % columns));
            painter.drawRect(c * cw, r * ch, cw, ch);
        }
    }
}

inline void drawChart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const Qt::GlobalColor colours[7] = { Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow };
    const int w = rect.width();
    const int h = rect.height();
    painter.setBrush(QColor(Qt::black));
    painter.drawRect(rect);
    const int direction = state.colorRampDirection;
    if (direction < 0 || direction > 3)
        return;
    // Gradient axis per direction: down, up, right to left, left to right.
    const QLineF axes[4] = { QLineF(0, 0, 0, h), QLineF(0, h, 0, 0), QLineF(w, 0, 0, 0), QLineF(0, 0, w, 0) };
    for (int i = 0; i < 7; ++i) {
        QLinearGradient gradient(axes[direction].p1(), axes[direction].p2());
        gradient.setColorAt(0, colours[i]);
        gradient.setColorAt(1, Qt::black);
        painter.setBrush(gradient);
        if (direction < 2)
            painter.drawRect(QRect(5 + i * (w / 7), 0, w / 7 - 10, h));
        else
            painter.drawRect(QRect(0, 5 + i * (h / 7), w, h / 7 - 10));
    }
}

inline void drawGrayBars(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int w = rect.width();
    const int h = rect.height();
    painter.setPen(QColor(Qt::black));
    if (state.colorRampChart) {
        drawChart(painter, state, rect);
    } else if (state.rampLength < 0) {
        painter.setBrush(QColor(Qt::black));
        painter.drawRect(rect);
        const int d = qMin(w, h);
        const int r = d / 2;
        QRadialGradient gradient(r, r, r, r, r);
        gradient.setColorAt(state.rampReverse, state.rampDarkColor);
        gradient.setColorAt(1 - state.rampReverse, state.rampLightColor);
        painter.setBrush(gradient);
        painter.drawEllipse(QRect(0, 0, d, d));
    } else if (state.rampLength > 0 || (state.grayBarWidth == 1 && state.grayBarStart == 0)) {
        const int length = state.rampLength > 0 ? state.rampLength : w;
        const bool down = state.rampLength > 0 && state.rampRotate;
        QLinearGradient gradient(0, 0, down ? 0 : length, down ? length : 0);
        gradient.setColorAt(state.rampReverse, state.rampDarkColor);
        gradient.setColorAt(1 - state.rampReverse, state.rampLightColor);
        gradient.setSpread(QGradient::RepeatSpread);
        painter.setBrush(gradient);
        painter.drawRect(rect);
    } else {
        const int b = state.grayBarWidth;
        const int s = state.grayBarStart;
        const int t = state.grayBarSpacing;
        // Levels from the start up, or from 255 down to the start.
        const bool descending = state.rampReverse != 0;
        for (int k = 0, v = descending ? 255 : s; descending ? v >= s : v <= 255; ++k, v += descending ? -t : t) {
            painter.setBrush(QColor::fromHsv(0, 0, v));
            painter.drawRect(state.rampRotate ? QRect(0, k * b, w, b) : QRect(k * b, 0, b, h));
        }
    }
}

} // namespace reference

#endif // REFERENCE_BARS_H
