#include "families.h"
#include "offscreen.h"
#include "render.h"

#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>

QString clockText(const QTime &delayTime)
{
    return delayTime.toString(QStringLiteral("mm:ss.zzz"));
}

QFont clockFont(int pointSize)
{
    return QFont(QStringLiteral("Century Gothic"), pointSize);
}

// The cabinets, counted from the canvas's corner, that reach into `area`,
// with `spare` more on each side.
static QRect cabinetsWithin(const QRect &area, const QSize &cabinet, int spare)
{
    if (area.isEmpty())
        return QRect();
    return QRect(QPoint(area.left() / cabinet.width() - spare, area.top() / cabinet.height() - spare),
                 QPoint(area.right() / cabinet.width() + spare, area.bottom() / cabinet.height() + spare));
}

static void drawCabinet(QPainter &painter, const QRect &cabinet, int pointSize, const QString &text)
{
    painter.drawRect(cabinet);
    if (pointSize < 1)
        return;
    painter.setFont(clockFont(pointSize));
    painter.drawText(cabinet, Qt::AlignCenter, text);
}

// Each cabinet is filled with the base colour inside its outline.
static void drawCabinetClockLiterally(QPainter &painter, const PatternState &state, const QRect &rect,
                                      const QSize &cabinet, int pointSize, const QString &text)
{
    painter.setPen(Qt::white);
    painter.setBrush(baseColor(state));
    // A text wider than its cabinet reaches into the next one.
    const QRect shown = cabinetsWithin(reachableRect(painter, rect), cabinet, 1);
    for (int column = std::max(0, shown.left()); column <= shown.right(); ++column) {
        const int x = column * cabinet.width();
        for (int row = std::max(0, shown.top()); row <= shown.bottom(); ++row) {
            const int y = row * cabinet.height();
            if (x <= rect.width() - 1 && y <= rect.height() - 1)
                drawCabinet(painter, QRect(QPoint(x, y), cabinet), pointSize, text);
        }
    }
}

// Every cabinet shows the same clock on the same base colour, so one cabinet
// is drawn off-screen and its text copied into the others; the outlines are
// one grid of white lines. That holds while the text stays inside the outline.
static bool drawCabinetClockCopied(QPainter &painter, const PatternState &state, const QRect &rect,
                                   Kept<KeptImage> &kept, const QSize &cabinet, int pointSize, const QString &text)
{
    if (pointSize < 1 || !canKeepFrames(painter) || !rect.topLeft().isNull())
        return false;
    const QRect cell(QPoint(0, 0), cabinet);
    const QFont font = clockFont(pointSize);
    const QRect textBox = QFontMetrics(font, painter.device()).boundingRect(cell, Qt::AlignCenter, text).adjusted(-3, -3, 3, 3);
    if (!cell.adjusted(1, 1, -1, -1).contains(textBox))
        return false;

    KeptImage &cabinetCell = kept.use();
    const QString key = frameKey(painter, rect) + QStringLiteral("|%1|%2|%3")
        .arg(baseColor(state).rgba()).arg(pointSize).arg(text);
    if (cabinetCell.key != key || cabinetCell.image.size() != cabinet + QSize(1, 1)) {
        cabinetCell.image = offscreenFrame(painter, cabinet + QSize(1, 1));
        QPainter offscreen(&cabinetCell.image);
        fillBase(offscreen, state, cabinetCell.image.rect());
        offscreen.setPen(Qt::white);
        drawCabinet(offscreen, cell, pointSize, text);
        offscreen.end();
        cabinetCell.key = key;
    }

    const int columns = (rect.width() + cabinet.width() - 1) / cabinet.width();
    const int rows = (rect.height() + cabinet.height() - 1) / cabinet.height();
    const QRect shown = cabinetsWithin(reachableRect(painter, rect), cabinet, 0) & QRect(0, 0, columns, rows);
    for (int column = shown.left(); column <= shown.right(); ++column) {
        for (int row = shown.top(); row <= shown.bottom(); ++row) {
            const QPoint corner(column * cabinet.width(), row * cabinet.height());
            copyImage(painter, corner + textBox.topLeft(), cabinetCell.image, textBox);
        }
    }
    for (int column = shown.left(); column <= shown.right() + 1; ++column)
        painter.fillRect(column * cabinet.width(), 0, 1, rows * cabinet.height() + 1, Qt::white);
    for (int row = shown.top(); row <= shown.bottom() + 1; ++row)
        painter.fillRect(0, row * cabinet.height(), columns * cabinet.width() + 1, 1, Qt::white);
    return true;
}

static void drawCabinetClock(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept)
{
    const QSize cabinet(state.cabinetWidth, state.cabinetHeight);
    if (cabinet.width() < 1 || cabinet.height() < 1 || rect.isEmpty())
        return;
    const int pointSize = std::min(cabinet.width(), cabinet.height()) / 10;
    const QString text = clockText(state.delayTime);
    if (!drawCabinetClockCopied(painter, state, rect, kept, cabinet, pointSize, text))
        drawCabinetClockLiterally(painter, state, rect, cabinet, pointSize, text);
}

// The same characters change in every cabinet, drawn or copied alike.
QRegion cabinetClockChange(const QPaintDevice *device, const PatternState &state, const QTime &before,
                           const QTime &after, const QRect &rect)
{
    const QSize cabinet(state.cabinetWidth, state.cabinetHeight);
    const int pointSize = std::min(cabinet.width(), cabinet.height()) / 10;
    if (cabinet.width() < 1 || cabinet.height() < 1 || pointSize < 1)
        return QRegion();
    const QRect changed = clockTextChange(clockFont(pointSize), device, QRect(QPoint(0, 0), cabinet),
                                          clockText(before), clockText(after));
    if (changed.isEmpty())
        return QRegion();
    QRegion region;
    for (int x = 0; x <= rect.width() - 1; x += cabinet.width()) {
        for (int y = 0; y <= rect.height() - 1; y += cabinet.height())
            region += changed.translated(x, y);
    }
    return region & rect;
}

static void drawGridAndCirclesLiterally(QPainter &painter, const QRect &rect)
{
    const int width = rect.width();
    const int height = rect.height();
    QVector<QLine> gridLines;
    for (int i = 1; i <= 16; ++i)
        gridLines.append(QLine(width * i / 16, 0, width * i / 16, height - 1));
    for (int i = 1; i <= 8; ++i)
        gridLines.append(QLine(0, height * i / 8, width - 1, height * i / 8));

    painter.setPen(Qt::white);
    painter.setBrush(Qt::transparent);
    const int cornerWidth = width / 8;
    const int cornerHeight = height / 4;
    painter.drawEllipse(0, 0, cornerWidth, cornerHeight);
    painter.drawEllipse(0, height - cornerHeight, cornerWidth, cornerHeight);
    painter.drawEllipse(width - cornerWidth, 0, cornerWidth, cornerHeight);
    painter.drawEllipse(width - cornerWidth, height - cornerHeight, cornerWidth, cornerHeight);

    const QColor ringColors[4] = { Qt::blue, Qt::green, Qt::red, Qt::white };
    for (int n = 4; n >= 1; --n) {
        const int radius = height * n / 8;
        painter.setPen(ringColors[n - 1]);
        painter.drawEllipse(width / 2 - radius, height / 2 - radius, 2 * radius, 2 * radius);
    }

    painter.setPen(Qt::white);
    painter.drawLines(gridLines);
}

// The chart stands still: drawn once per size and base colour, then copied.
static void drawGridAndCircles(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept)
{
    if (!canKeepFrames(painter) || !rect.topLeft().isNull()) {
        fillBase(painter, state, rect);
        drawGridAndCirclesLiterally(painter, rect);
        return;
    }
    drawKeptFrame(painter, state, rect, kept, QStringLiteral("grid"), [&](QPainter &offscreen) {
        drawGridAndCirclesLiterally(offscreen, rect);
    });
}

// Scaling a large picture costs many frames, so a fitted picture is scaled
// once and kept until the picture or the window size changes. It is kept
// from the second paint at a size on: while the operator drags the window's
// edge, or a picture for the new size is still decoding, every paint has a
// new key, and keeping a 4K copy for each would only cost memory. A picture
// shown at its own size, or one that already has the window's size, is
// shared as it is: a 4K picture costs no second copy.
static QImage shownPicture(const QImage &picture, bool fit, const QRect &rect, Kept<KeptImage> &kept)
{
    if (!fit || picture.size() == rect.size())
        return picture;
    KeptImage &fitted = kept.use();
    const QString key = QStringLiteral("%1|%2x%3").arg(picture.cacheKey()).arg(rect.width()).arg(rect.height());
    if (fitted.key == key && !fitted.image.isNull())
        return fitted.image;
    const QImage scaled = picture.scaled(rect.width(), rect.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool seenBefore = fitted.key == key;
    fitted.image = seenBefore ? scaled : QImage();
    fitted.key = key;
    return scaled;
}

// An opaque picture that covers the window replaces it whole; anything else
// shows the base under and around it.
static void drawPicture(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    const QImage &picture = cache.picture;
    if (state.canvas.isSet()) {
        // Decoded for this part of the canvas alone, already fitted.
        const QRect placed(state.canvas.origin, picture.size());
        const bool coversPart = placed.contains(reachableRect(painter, rect));
        if (picture.hasAlphaChannel() || !coversPart || !canKeepFrames(painter)) {
            fillBase(painter, state, rect);
            painter.drawImage(placed.topLeft(), picture);
        } else {
            copyImage(painter, placed.topLeft(), picture);
        }
        return;
    }
    if (!canCopyFrames(painter) || !rect.topLeft().isNull() || picture.isNull()) {
        fillBase(painter, state, rect);
        if (!picture.isNull())
            painter.drawImage(0, 0, state.pictureFit
                                  ? picture.scaled(rect.width(), rect.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                  : picture);
        return;
    }
    const QImage shown = shownPicture(picture, state.pictureFit, rect, cache.fittedPicture);
    const bool coversWindow = shown.width() >= rect.width() && shown.height() >= rect.height();
    if (shown.hasAlphaChannel() || !coversWindow)
        fillBase(painter, state, rect);
    if (!shown.hasAlphaChannel())
        copyImage(painter, QPoint(0, 0), shown, shown.rect() & rect);
    else
        painter.drawImage(0, 0, shown);
}

void paintSpecial(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    switch (state.specialType) {
    case DelayClock:
        fillBase(painter, state, rect);
        drawFullWindowClock(painter, state, rect, cache.clockGlyphs);
        break;
    case CabinetClock:
        fillBase(painter, state, rect);
        drawCabinetClock(painter, state, rect, cache.cabinetCell);
        break;
    case GridCircles:
        drawGridAndCircles(painter, state, rect, cache.staticFrame);
        break;
    case CustomPicture:
        drawPicture(painter, state, rect, cache);
        break;
    case CabinetMap:
        drawCabinetMap(painter, state, rect);
        break;
    default:
        fillBase(painter, state, rect);
        break;
    }
    painter.restore();
}
