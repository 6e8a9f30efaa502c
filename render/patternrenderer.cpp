#include "patternrenderer.h"

#include "families.h"
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

QColor baseColor(const PatternState &state)
{
    return grayAdjusted(state.solidColor, state.grayOffset);
}

void fillBase(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.setBrush(baseColor(state));
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
}

void paintSolid(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &)
{
    painter.save();
    fillBase(painter, state, rect);
    painter.restore();
}

namespace {

// Indexed by PatternMode.
const FamilyPainter familyPainters[] = { paintSolid,      paintColorBars, paintGrayBars, paintScanLines,
                                         paintGrayBlocks, paintSpecial,   paintChecker,  paintZonePlate,
                                         paintPixelWalk,  paintTicker,    paintIdent };

FamilyPainter familyPainterOf(const PatternState &state)
{
    const bool known = state.mode >= 0 && state.mode < int(std::size(familyPainters));
    return familyPainters[known ? state.mode : Solid];
}

} // namespace

void PatternRenderer::render(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor)
{
    if (state.canvas.isSet() && state.mode != Ident)
        paintPart(painter, state, rect);
    else
        familyPainterOf(state)(painter, state, rect, cache);
    cache.endFrame();
    if (state.infoVisible)
        drawInfoOverlay(painter, state, rect, cursor);
}

// A window on a canvas paints its rectangle of what a window of the
// canvas's size shows: the family paints the canvas through a painter moved
// to the canvas's corner, and skips what lies outside the window. Past the
// canvas's edge the base shows.
void PatternRenderer::paintPart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const QRect canvas = canvasRect(state.canvas, rect);
    painter.save();
    if (!canvas.contains(rect)) {
        fillBase(painter, state, rect);
        painter.setClipRect(canvas & rect, Qt::IntersectClip);
    }
    painter.translate(canvas.topLeft());
    familyPainterOf(state)(painter, state, QRect(QPoint(0, 0), canvas.size()), cache);
    painter.restore();
}

// On a canvas the changes are found in canvas coordinates and brought back
// into the window.
QVector<QRegion> PatternRenderer::changedParts(const PatternState &before, const PatternState &after,
                                               const QRect &rect, const QPaintDevice *device) const
{
    if (!after.canvas.isSet())
        return canvasChanges(before, after, rect, rect, device);
    const QRect canvas = canvasRect(after.canvas, rect);
    const QRect canvasArea(QPoint(0, 0), canvas.size());
    const QRect visible = rect.translated(-canvas.topLeft()) & canvasArea;
    QVector<QRegion> parts = canvasChanges(before, after, canvasArea, visible, device);
    for (QRegion &part : parts)
        part = part.translated(canvas.topLeft()) & rect;
    return parts;
}

QVector<QRegion> PatternRenderer::canvasChanges(const PatternState &before, const PatternState &after,
                                                const QRect &rect, const QRect &visible,
                                                const QPaintDevice *device) const
{
    if (before.grayOffset != after.grayOffset)
        return { QRegion(rect) };
    QVector<QRegion> parts{ QRegion() };
    if (scanLinesShown(after) && before.scanOffset != after.scanOffset)
        parts = scanLinesChange(before, after, rect);
    QRegion &first = parts.first();
    if (after.mode == Special && before.delayTime != after.delayTime) {
        if (after.specialType == DelayClock)
            first += fullWindowClockChange(device, before.delayTime, after.delayTime, rect, cache.clockGlyphs.peek());
        else if (after.specialType == CabinetClock)
            first += cabinetClockChange(device, after, before.delayTime, after.delayTime, rect);
    }
    if (after.mode == ScanLines && after.movingSquare)
        first += movingSquareChange(before, after, rect);
    if (after.mode == PixelWalk)
        first += pixelWalkChange(before, after, rect, visible);
    else if (after.mode == Ticker)
        first += tickerChange(before, after, rect, visible);
    return parts;
}

QRegion PatternRenderer::changedRegion(const PatternState &before, const PatternState &after, const QRect &rect,
                                       const QPaintDevice *device) const
{
    QRegion changed;
    for (const QRegion &part : changedParts(before, after, rect, device))
        changed += part;
    return changed;
}

QRect PatternRenderer::infoTextBox(const PatternState &state, const QRect &rect, const QPoint &cursor,
                                   const QPaintDevice *device)
{
    return infoOverlayBox(state, rect, cursor, device);
}

void PatternRenderer::setPicture(const QImage &picture)
{
    cache.picture = picture;
}
