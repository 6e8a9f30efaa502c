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

inline void drawColorBars(QPainter &painter, PatternState &state, const QRect &rect)
{
    const int columns = state.colorColumns;
    const int rows = state.colorRows;
    if (columns < 1 || rows < 1 || state.colorList.size() < qint64(columns) * rows)
        return;
    if (state.autoCellSize) {
        state.cellWidth = rect.width() / columns + (rect.width() % columns ? 1 : 0);
        state.cellHeight = rect.height() / rows + (rect.height() % rows ? 1 : 0);
    }
    if (state.cellWidth < 1 || state.cellHeight < 1)
        return;
    int hRep = 1;
    int vRep = 1;
    if (state.tileColorBars) {
        hRep = rect.width() / (columns * state.cellWidth) + 1;
        vRep = rect.height() / (rows * state.cellHeight) + 1;
    }
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < vRep * rows; ++r) {
        for (int c = 0; c < hRep * columns; ++c) {
            painter.setBrush(state.colorList.at((r % rows) * columns + c % columns));
            painter.drawRect(c * state.cellWidth, r * state.cellHeight, state.cellWidth, state.cellHeight);
        }
    }
}

inline void setRampStops(QGradient &gradient, const PatternState &state)
{
    gradient.setColorAt(state.rampReverse, state.rampDarkColor);
    gradient.setColorAt(1 - state.rampReverse, state.rampLightColor);
}

inline void drawChart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const Qt::GlobalColor colours[7] = { Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow };
    const int w = rect.width();
    const int h = rect.height();
    painter.setBrush(QColor(Qt::black));
    painter.drawRect(rect);
    const int cw = w / 7;
    const int ch = h / 7;
    for (int i = 0; i < 7; ++i) {
        QLinearGradient gradient;
        QRect bar;
        switch (state.colorRampDirection) {
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
        case 3:
            gradient = QLinearGradient(0, 0, w, 0);
            bar = QRect(0, 5 + i * ch, w, ch - 10);
            break;
        default:
            return;
        }
        gradient.setColorAt(0, colours[i]);
        gradient.setColorAt(1, Qt::black);
        painter.setBrush(gradient);
        painter.drawRect(bar);
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
        setRampStops(gradient, state);
        painter.setBrush(gradient);
        painter.drawEllipse(QRect(0, 0, d, d));
    } else if (state.rampLength > 0 || (state.grayBarWidth == 1 && state.grayBarStart == 0)) {
        const int length = state.rampLength > 0 ? state.rampLength : w;
        const bool down = state.rampLength > 0 && state.rampRotate;
        QLinearGradient gradient(0, 0, down ? 0 : length, down ? length : 0);
        setRampStops(gradient, state);
        gradient.setSpread(QGradient::RepeatSpread);
        painter.setBrush(gradient);
        painter.drawRect(rect);
    } else {
        const int b = state.grayBarWidth;
        const int s = state.grayBarStart;
        const int t = state.grayBarSpacing;
        QList<int> levels;
        if (state.rampReverse == 0) {
            for (int v = s; v <= 255; v += t)
                levels.append(v);
        } else {
            for (int v = 255; v >= s; v -= t)
                levels.append(v);
        }
        for (int k = 0; k < levels.size(); ++k) {
            QColor gray;
            gray.setHsv(0, 0, levels.at(k));
            painter.setBrush(gray);
            if (state.rampRotate)
                painter.drawRect(0, k * b, w, b);
            else
                painter.drawRect(k * b, 0, b, h);
        }
    }
}

inline void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor)
{
    const int v = grayAdjusted(state.solidColor, state.grayOffset).value();
    painter.setPen(v <= 99 ? QColor(Qt::white) : QColor(Qt::black));
    QFont font = painter.font();
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter,
                     QStringLiteral("GrayValue:%1 (%2,%3) ").arg(v).arg(cursor.x()).arg(cursor.y()));
}

// One whole frame: base fill, the family, the information text.
inline void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor)
{
    painter.setBrush(grayAdjusted(state.solidColor, state.grayOffset));
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
    if (state.mode == ColorBars)
        reference::drawColorBars(painter, state, rect);
    else if (state.mode == GrayBars)
        reference::drawGrayBars(painter, state, rect);
    if (state.infoVisible)
        reference::drawInfoOverlay(painter, state, rect, cursor);
}

} // namespace reference

#endif // REFERENCE_BARS_H
