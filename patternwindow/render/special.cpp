#include "render.h"
#include "scanspecialframes.h"

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

static void drawCabinet(QPainter &painter, const QRect &cabinet, int pointSize, const QString &text)
{
    painter.drawRect(cabinet);
    if (pointSize < 1)
        return;
    painter.setFont(clockFont(pointSize));
    painter.drawText(cabinet, Qt::AlignCenter, text);
}

static void drawCabinetClockLiterally(QPainter &painter, const QRect &rect, const QSize &cabinet, int pointSize, const QString &text)
{
    painter.setPen(Qt::white);
    for (int x = 0; x <= rect.width() - 1; x += cabinet.width()) {
        for (int y = 0; y <= rect.height() - 1; y += cabinet.height())
            drawCabinet(painter, QRect(QPoint(x, y), cabinet), pointSize, text);
    }
}

// Every cabinet shows the same clock on the same base colour, so one cabinet
// is drawn off-screen and its text copied into the others; the outlines are
// one grid of white lines. That holds while the text stays inside the outline.
static bool drawCabinetClockCopied(QPainter &painter, const PatternState &state, const QRect &rect,
                                   const QSize &cabinet, int pointSize, const QString &text)
{
    if (pointSize < 1 || !canCopyFrames(painter) || !rect.topLeft().isNull())
        return false;
    const QRect cell(QPoint(0, 0), cabinet);
    const QFont font = clockFont(pointSize);
    const QRect textBox = QFontMetrics(font, painter.device()).boundingRect(cell, Qt::AlignCenter, text).adjusted(-3, -3, 3, 3);
    if (!cell.adjusted(1, 1, -1, -1).contains(textBox))
        return false;

    const QString key = frameKey(painter, rect) + QStringLiteral("|%1|%2|%3")
        .arg(grayAdjusted(state.solidColor, state.grayOffset).rgba()).arg(pointSize).arg(text);
    if (state.keptClockCellKey != key || state.keptClockCell.size() != cabinet + QSize(1, 1)) {
        state.keptClockCell = offscreenFrame(painter, cabinet + QSize(1, 1));
        QPainter offscreen(&state.keptClockCell);
        fillBase(offscreen, state, state.keptClockCell.rect());
        offscreen.setPen(Qt::white);
        drawCabinet(offscreen, cell, pointSize, text);
        offscreen.end();
        state.keptClockCellKey = key;
    }

    const int columns = (rect.width() + cabinet.width() - 1) / cabinet.width();
    const int rows = (rect.height() + cabinet.height() - 1) / cabinet.height();
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const QPoint corner(column * cabinet.width(), row * cabinet.height());
            copyFrame(painter, state.keptClockCell, corner + textBox.topLeft(), textBox);
        }
    }
    for (int column = 0; column <= columns; ++column)
        painter.fillRect(column * cabinet.width(), 0, 1, rows * cabinet.height() + 1, Qt::white);
    for (int row = 0; row <= rows; ++row)
        painter.fillRect(0, row * cabinet.height(), columns * cabinet.width() + 1, 1, Qt::white);

    // The last cabinet once more as the steps draw it, which leaves the
    // painter as they leave it.
    painter.setPen(Qt::white);
    drawCabinet(painter, QRect(QPoint((columns - 1) * cabinet.width(), (rows - 1) * cabinet.height()), cabinet), pointSize, text);
    return true;
}

static void drawCabinetClock(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const QSize cabinet(state.cabinetWidth, state.cabinetHeight);
    if (cabinet.width() < 1 || cabinet.height() < 1 || rect.isEmpty())
        return;
    const int pointSize = std::min(cabinet.width(), cabinet.height()) / 10;
    const QString text = clockText(state.delayTime);
    if (!drawCabinetClockCopied(painter, state, rect, cabinet, pointSize, text))
        drawCabinetClockLiterally(painter, rect, cabinet, pointSize, text);
}

static QLine lastGridLine(const QRect &rect)
{
    return QLine(0, rect.height(), rect.width() - 1, rect.height());
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
static void drawGridAndCircles(QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (!canCopyFrames(painter) || !rect.topLeft().isNull()) {
        drawGridAndCirclesLiterally(painter, rect);
        return;
    }
    drawKeptFrame(painter, state, rect, QStringLiteral("grid"), [&](QPainter &offscreen) {
        drawGridAndCirclesLiterally(offscreen, rect);
    });
    // The last grid line lies outside the window: drawing it again changes no
    // pixel and leaves the painter as the steps leave it.
    painter.setBrush(Qt::transparent);
    painter.setPen(Qt::white);
    painter.drawLines(QVector<QLine>{ lastGridLine(rect) });
}

// Scaling a large picture costs many frames, so a fitted picture is scaled
// once and kept until the picture or the window size changes. A picture
// shown at its own size, or one that already has the window's size, is
// shared as it is: a 4K picture costs no second copy.
static QImage shownPicture(const PatternState &state, const QRect &rect)
{
    if (!state.pictureFit || state.picture.size() == rect.size())
        return state.picture;
    const QString key = QStringLiteral("%1|%2x%3").arg(state.picture.cacheKey()).arg(rect.width()).arg(rect.height());
    if (state.keptPictureKey != key) {
        state.keptPicture = QImage();
        state.keptPicture = state.picture.scaled(rect.width(), rect.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        state.keptPictureKey = key;
    }
    return state.keptPicture;
}

static void drawPicture(QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (state.picture.isNull())
        return;
    if (canCopyFrames(painter) && rect.topLeft().isNull()) {
        const QImage picture = shownPicture(state, rect);
        // An opaque picture replaces what is under it; one with alpha is blended.
        if (!picture.hasAlphaChannel())
            copyFrame(painter, picture, QPoint(0, 0), picture.rect() & rect);
        else
            painter.drawImage(0, 0, picture);
        return;
    }
    if (state.pictureFit)
        painter.drawImage(0, 0, state.picture.scaled(rect.width(), rect.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    else
        painter.drawImage(0, 0, state.picture);
}

bool specialCoversWindow(const QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (!canCopyFrames(painter) || !rect.topLeft().isNull())
        return false;
    // The kept chart replaces every pixel.
    if (state.specialType == 2)
        return true;
    if (state.specialType != 3 || state.picture.isNull() || state.picture.hasAlphaChannel())
        return false;
    // A fitted picture is scaled to the window; one shown at its own size
    // covers the window only when it is at least as large.
    return state.pictureFit || (state.picture.width() >= rect.width() && state.picture.height() >= rect.height());
}

void drawSpecial(QPainter &painter, const PatternState &state, const QRect &rect)
{
    switch (state.specialType) {
    case 0:
        drawFullWindowClock(painter, state, rect);
        break;
    case 1:
        drawCabinetClock(painter, state, rect);
        break;
    case 2:
        drawGridAndCircles(painter, state, rect);
        break;
    case 3:
        drawPicture(painter, state, rect);
        break;
    case 4:
        drawCabinetMap(painter, state, rect);
        break;
    default:
        break;
    }
}
