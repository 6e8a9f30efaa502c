#include "render.h"

#include "grayramps.h"

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
    case ScanLines:
        return scanLinesCoverWindow(painter, state, rect);
    case GrayBlocks:
        return grayBlocksCoverWindow(painter, state, rect);
    case Special:
        return specialCoversWindow(painter, state, rect);
    default:
        return false;
    }
}

static void release(QImage &image, QString &key, bool keep)
{
    if (!keep && !image.isNull()) {
        image = QImage();
        key.clear();
    }
}

// The images kept between paints are held only while their pattern is on
// screen, so that a 4K wall holds at most the images of what it shows.
static void releaseImagesOfHiddenPatterns(const PatternState &state)
{
    const bool special = state.mode == Special;
    release(state.ballImage, state.ballKey, state.mode == GrayBars && !state.colorRampChart && state.rampLength < 0);
    release(state.keptFrame, state.keptFrameKey, (state.mode == ScanLines && state.fontTest && !state.movingSquare)
                                                     || state.mode == GrayBlocks || (special && state.specialType == 2));
    release(state.keptClockCell, state.keptClockCellKey, special && state.specialType == 1);
    release(state.keptPicture, state.keptPictureKey, special && state.specialType == 3);
    if (!(special && state.specialType == 0) && !state.keptClockGlyphs.key.isEmpty())
        state.keptClockGlyphs = ClockGlyphs();
}

void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor)
{
    releaseImagesOfHiddenPatterns(state);

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
