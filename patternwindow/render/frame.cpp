#include "render.h"

#include "grayramps.h"
#include "scanspecialframes.h"

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

static bool familyCoversWindow(const QPainter &painter, const PatternState &state, const QRect &rect)
{
    switch (state.mode) {
    case ColorBars:
        return colorBarsCoverWindow(painter, state, rect);
    case GrayBars:
        return grayBarsCoverWindow(painter, state, rect);
    default:
        return false;
    }
}

void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor)
{
    releaseBallImageUnlessShown(state);
    releaseUnusedKeptImages(state);

    const QColor base = grayAdjusted(state.solidColor, state.grayOffset);
    painter.setBrush(base);
    painter.setPen(Qt::NoPen);
    // A family that paints the whole window opaque would hide the base fill
    // at once; leaving it out saves a pass over the frame. The painter still
    // hands the family brush B and no pen.
    if (!familyCoversWindow(painter, state, rect))
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
