#ifndef REFERENCE_SPECIAL_H
#define REFERENCE_SPECIAL_H

// The drawing steps of the gray-block and special families followed
// literally; the frame and the information text come from reference_scan.h.

#include "reference_scan.h"

namespace reference {

inline void drawGrayBlocks(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int W = rect.width();
    const int H = rect.height();
    painter.setFont(QFont(QStringLiteral("Century Gothic"), 10));
    if (state.grayBlockType == 0) {
        painter.setBrush(Qt::black);
        painter.drawRect(rect);
        if (W <= 100 || H <= 100)
            return;
        for (int g = 0; g < 256; ++g) {
            const int r = g / 16;
            const int c = g % 16;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(g, g, g));
            painter.drawRect(8 + c * (W / 16), 10 + r * (H / 16), (W - 16) / 16 - 8, (H - 20) / 16 - 10);
            painter.setPen(Qt::white);
            if (!state.hideBlockText)
                painter.drawText(QPoint(W / 32 - 8 + c * (W / 16), 10 + r * (H / 16)), QString::number(g));
        }
        return;
    }
    if (state.grayBlockType != 1 && state.grayBlockType != 2)
        return;
    const bool bright = state.grayBlockType == 1;
    const int bases[2][4] = { { 1, 2, 4, 8 }, { 175, 215, 235, 245 } };
    const int steps[2][4] = { { 1, 2, 4, 8 }, { 8, 4, 2, 1 } };
    painter.setBrush(bright ? Qt::white : Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
    painter.setPen(bright ? Qt::black : Qt::white);
    const int cw = (W - 20) / 10;
    QVector<QLine> lines;
    for (int k = 0; k < 10; ++k)
        lines.append(QLine(10 + k * cw, 0, 10 + k * cw, H));
    painter.drawLines(lines);
    if (W <= 100 || H <= 100)
        return;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 10; ++c) {
            const int L = bases[bright][r] + c * steps[bright][r];
            const QRect cell(10 + c * cw, 10 + r * ((H - 10) / 4), cw, (H - 40) / 4);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(L, L, L));
            painter.drawRect(cell);
            painter.setPen(bright ? Qt::black : Qt::white);
            if (!state.hideBlockText)
                painter.drawText(cell, Qt::AlignCenter, QStringLiteral("%1% \n%2 / %3").arg(L * 100.0 / 255, 0, 'g', 6).arg(L).arg(255));
        }
    }
}

inline void drawSpecial(QPainter &painter, const PatternState &state, const QImage &picture, const QRect &rect)
{
    const int W = rect.width();
    const int H = rect.height();
    const QString text = state.delayTime.toString(QStringLiteral("mm:ss.zzz"));
    switch (state.specialType) {
    case 0:
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Century Gothic"), std::min(W, H) / 7));
        painter.drawText(rect, Qt::AlignCenter, text);
        break;
    case 1:
        painter.setPen(Qt::white);
        for (int x = 0; x <= W - 1; x += state.cabinetWidth) {
            for (int y = 0; y <= H - 1; y += state.cabinetHeight) {
                painter.drawRect(x, y, state.cabinetWidth, state.cabinetHeight);
                painter.setFont(QFont(QStringLiteral("Century Gothic"), std::min(state.cabinetWidth, state.cabinetHeight) / 10));
                painter.drawText(QRect(x, y, state.cabinetWidth, state.cabinetHeight), Qt::AlignCenter, text);
            }
        }
        break;
    case 2: {
        QVector<QLine> lines;
        for (int i = 1; i <= 16; ++i)
            lines.append(QLine(W * i / 16, 0, W * i / 16, H - 1));
        for (int i = 1; i <= 8; ++i)
            lines.append(QLine(0, H * i / 8, W - 1, H * i / 8));
        painter.setPen(Qt::white);
        painter.setBrush(Qt::transparent);
        painter.drawEllipse(0, 0, W / 8, H / 4);
        painter.drawEllipse(0, H - H / 4, W / 8, H / 4);
        painter.drawEllipse(W - W / 8, 0, W / 8, H / 4);
        painter.drawEllipse(W - W / 8, H - H / 4, W / 8, H / 4);
        const QColor pens[5] = { QColor(), Qt::blue, Qt::green, Qt::red, Qt::white };
        for (int n = 4; n >= 1; --n) {
            const int rho = H * n / 8;
            painter.setPen(pens[n]);
            painter.drawEllipse(W / 2 - rho, H / 2 - rho, 2 * rho, 2 * rho);
        }
        painter.setPen(Qt::white);
        painter.drawLines(lines);
        break;
    }
    case 3:
        if (picture.isNull())
            break;
        if (state.pictureFit)
            painter.drawImage(0, 0, picture.scaled(W, H, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        else
            painter.drawImage(0, 0, picture);
        break;
    default:
        break;
    }
}

} // namespace reference

#endif // REFERENCE_SPECIAL_H
