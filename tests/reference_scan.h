#ifndef REFERENCE_SCAN_H
#define REFERENCE_SCAN_H

// The drawing steps of the frame and of the scan-line family followed
// literally, one QPainter call per step, with nothing kept between frames.
// The renderer's fast paths must give the same pixels.

#include "patternstate.h"
#include "render.h"

#include <QFontInfo>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>
#include <functional>

namespace reference {

inline void drawScanLines(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int W = rect.width();
    const int H = rect.height();
    painter.setBrush(state.scanBackground);
    painter.setPen(Qt::black);
    painter.drawRect(rect);

    if (state.movingSquare) {
        painter.setBrush(Qt::black);
        painter.drawRect(rect);
        painter.setBrush(Qt::white);
        painter.drawRect(state.squareX, state.squareY, state.squareWidth, state.squareHeight);
        return;
    }
    if (state.fontTest) {
        if (state.fontIndex < 0 || state.fontIndex >= characterTestFontCount)
            return;
        QFont font = characterTestFont(state.fontIndex);
        const QString family = QFontInfo(font).family();
        const QString prefix = state.fontIndex <= 5 ? QStringLiteral("Font Test:") : QStringLiteral("字符测试:");
        painter.setPen(Qt::white);
        for (int i = 0; i < 10; ++i) {
            font.setPointSize(10 + 2 * i);
            painter.setFont(font);
            painter.drawText(QPoint(0, (i + 1) * H / 20 - 5), prefix + family + " Size:" + QString::number(10 + 2 * i));
        }
        painter.setBrush(Qt::white);
        painter.drawRect(0, H / 2, W, H / 2);
        painter.setPen(Qt::black);
        for (int i = 0; i < 10; ++i) {
            font.setPointSize(10 + 2 * i);
            painter.setFont(font);
            painter.drawText(QPoint(0, (i + 1) * H / 20 + H / 2 - 5), prefix + family + " Size:" + QString::number(10 + 2 * i));
        }
        return;
    }

    const int P = state.scanPitch;
    if (P < 1)
        return;
    const int o = state.scanOffset;
    const int s = state.scanDirection;
    const int h = (1 - s) / 2;
    painter.setPen(QPen(state.scanLineColor, state.scanLineWidth));
    if (state.scanHorizontal) {
        QVector<QLine> lines;
        for (int j = 0; j <= H / P; ++j)
            lines.append(QLine(0, s * o + P * (j + h), W, s * o + P * (j + h)));
        painter.drawLines(lines);
    }
    if (state.scanVertical) {
        QVector<QLine> lines;
        for (int j = 0; j <= W / P; ++j)
            lines.append(QLine(s * o + P * (j + h), 0, s * o + P * (j + h), H));
        painter.drawLines(lines);
    }
    const int count = 4 * (std::max(W, H) / P) + 2;
    if (state.scanDiagonalLR) {
        QVector<QLine> lines;
        for (int j = 0; j < count; ++j)
            lines.append(QLine(0, s * o + P * j - W, W, s * o + P * j));
        painter.drawLines(lines);
    }
    if (state.scanDiagonalRL) {
        QVector<QLine> lines;
        for (int j = 0; j < count; ++j)
            lines.append(QLine(0, s * o + P * j, W, s * o + P * j - W));
        painter.drawLines(lines);
    }
}

} // namespace reference

#endif // REFERENCE_SCAN_H
