#include "render.h"

#include <QPainter>

QColor grayAdjusted(const QColor &color, int grayOffset)
{
    const QColor source = color.isValid() ? color : QColor(Qt::black);
    const int value = source.value() - grayOffset;
    if (value < 0)
        return QColor(Qt::black);
    QColor adjusted;
    adjusted.setHsv(source.hslHue(), source.saturation(), value, 255);
    return adjusted;
}

void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor)
{
    const QColor base = grayAdjusted(state.solidColor, state.grayOffset);
    painter.setBrush(base);
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);

    switch (state.mode) {
    case ColorBars:
        drawColorBars(painter, state, rect);
        break;
    case GrayBars:
        drawGrayBars(painter, state, rect);
        break;
    case ScanLines:
        drawScanLines(painter, state, rect);
        break;
    case GrayBlocks:
        drawGrayBlocks(painter, state, rect);
        break;
    case Special:
        drawSpecial(painter, state, rect);
        break;
    default:
        break;
    }

    if (state.infoVisible)
        drawInfoOverlay(painter, state, rect, cursor);
}
