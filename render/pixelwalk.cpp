#include "cabinetgrid.h"
#include "families.h"
#include "framecount.h"
#include "keptpixels.h"
#include "offscreen.h"

#include <QPainter>

#include <algorithm>

namespace {

// Beyond this many cabinets in sight the lit pixels are set in an image
// rather than drawn one call each; a 1 x 1 cabinet lights every pixel.
constexpr qint64 drawnPixelsAtMost = 8192;

QSize walkCabinet(const PatternState &state)
{
    return QSize(qMax(1, state.cabinetWidth), qMax(1, state.cabinetHeight));
}

// Each lit pixel of `span` inside `shown`, given to `lit` in canvas coordinates.
template <typename Lit>
void forEachLitPixel(const QRect &canvas, const QSize &cabinet, const CabinetSpan &span, const QPoint &place,
                     const QRect &shown, Lit lit)
{
    for (int row = span.firstRow; row <= span.lastRow; ++row) {
        const int y = canvas.y() + row * cabinet.height() + place.y();
        if (y < shown.top() || y > shown.bottom())
            continue;
        for (int column = span.firstColumn; column <= span.lastColumn; ++column) {
            const int x = canvas.x() + column * cabinet.width() + place.x();
            if (x >= shown.left() && x <= shown.right())
                lit(x, y);
        }
    }
}

// Every lit row of the part looks alike: one row is made and laid over
// each lit row, over all rows at once when every row is lit.
void paintManyLit(QPainter &painter, const PatternState &state, const QRect &rect, const QRect &shown,
                  const CabinetSpan &span, qint64 step)
{
    const QSize cabinet = walkCabinet(state);
    const QPoint place = pixelWalkPlace(state, step);
    QImage litRow(shown.width(), 1, opaquePixelFormat(painter));
    litRow.fill(baseColor(state).rgb());
    const QRgb color = pixelWalkColor(state, step).rgb();
    QRgb *line = reinterpret_cast<QRgb *>(litRow.scanLine(0));
    for (int column = span.firstColumn; column <= span.lastColumn; ++column) {
        const int x = rect.x() + column * cabinet.width() + place.x() - shown.x();
        if (x >= 0 && x < shown.width())
            line[x] = color;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrushOrigin(shown.x(), 0);
    const QBrush rows(litRow);
    if (cabinet.height() == 1) {
        painter.fillRect(shown, rows);
        return;
    }
    fillBase(painter, state, shown);
    for (int row = span.firstRow; row <= span.lastRow; ++row) {
        const int y = rect.y() + row * cabinet.height() + place.y();
        if (y >= shown.top() && y <= shown.bottom())
            painter.fillRect(QRect(shown.x(), y, shown.width(), 1), rows);
    }
}

// Single pixels as one region at once: in bands from top to bottom, each
// left to right without overlaps or touching neighbours, as QRegion wants.
QRegion pixelRegion(QVector<QRect> pixels)
{
    std::sort(pixels.begin(), pixels.end(), [](const QRect &a, const QRect &b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    QVector<QRect> bands;
    for (const QRect &pixel : pixels) {
        if (!bands.isEmpty() && bands.last().y() == pixel.y() && bands.last().right() + 1 >= pixel.x())
            bands.last().setRight(qMax(bands.last().right(), pixel.right()));
        else
            bands << pixel;
    }
    QRegion region;
    region.setRects(bands.constData(), int(bands.size()));
    return region;
}

} // namespace

void paintPixelWalk(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &)
{
    const QRect shown = reachableRect(painter, rect);
    if (shown.isEmpty())
        return;
    painter.save();
    const qint64 step = pixelWalkStep(state);
    const QSize cabinet = walkCabinet(state);
    const CabinetSpan span = cabinetsMeeting(rect, cabinet, shown);
    if (span.count() > drawnPixelsAtMost) {
        paintManyLit(painter, state, rect, shown, span, step);
    } else {
        fillBase(painter, state, shown);
        const QColor color = pixelWalkColor(state, step);
        forEachLitPixel(rect, cabinet, span, pixelWalkPlace(state, step), shown,
                        [&](int x, int y) { painter.fillRect(x, y, 1, 1, color); });
    }
    painter.restore();
}

QRegion pixelWalkChange(const PatternState &before, const PatternState &after, const QRect &rect, const QRect &visible)
{
    const qint64 oldStep = pixelWalkStep(before);
    const qint64 newStep = pixelWalkStep(after);
    if (oldStep == newStep)
        return QRegion();
    const QSize cabinet = walkCabinet(after);
    const CabinetSpan span = cabinetsMeeting(rect, cabinet, visible);
    if (span.count() > drawnPixelsAtMost / 2)
        return QRegion(visible);
    QVector<QRect> pixels;
    const auto collect = [&pixels](int x, int y) { pixels << QRect(x, y, 1, 1); };
    forEachLitPixel(rect, cabinet, span, pixelWalkPlace(after, oldStep), visible, collect);
    forEachLitPixel(rect, cabinet, span, pixelWalkPlace(after, newStep), visible, collect);
    return pixelRegion(pixels);
}
