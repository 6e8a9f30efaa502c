#include "families.h"
#include "offscreen.h"
#include "render.h"
#include "scanrows.h"

#include <QFontInfo>
#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>

namespace {
enum ScanLineSet { ScanHorizontal, ScanVertical, ScanDiagonalLR, ScanDiagonalRL };
}

QFont characterTestFont(int index)
{
    static const char *const families[] = { "Times New Roman", "Arial", "Courier", "宋体" };
    QFont font;
    font.setFamily(QString::fromUtf8(families[qBound(0, index, characterTestFontCount - 1) / 2]));
    font.setPointSize(4);
    font.setItalic(false);
    if (index % 2)
        font.setWeight(QFont::Bold);
    return font;
}

QString fontTestText(int fontIndex, const QString &family, int pointSize)
{
    // The two Chinese fonts get a Chinese prefix so the operator can read them.
    const QString prefix = fontIndex <= 5 ? QStringLiteral("Font Test:") : QStringLiteral("字符测试:");
    return prefix + family + QStringLiteral(" Size:") + QString::number(pointSize);
}

static void drawScanBackground(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.setBrush(state.scanBackground);
    painter.setPen(Qt::black);
    painter.drawRect(rect);
}

static void drawMovingSquare(QPainter &painter, const PatternState &state, const QRect &rect)
{
    // The black field covers the background whole, so one fill replaces both
    // outlined rectangles; the square is drawn as the steps draw it.
    if (canKeepFrames(painter) && rect.topLeft().isNull()) {
        painter.fillRect(rect, Qt::black);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(state.squareX, state.squareY, state.squareWidth, state.squareHeight);
        return;
    }
    fillBase(painter, state, rect);
    drawScanBackground(painter, state, rect);
    painter.setBrush(Qt::black);
    painter.drawRect(rect);
    painter.setBrush(Qt::white);
    painter.drawRect(state.squareX, state.squareY, state.squareWidth, state.squareHeight);
}

// The square's outline reaches one pixel past its width and height.
QRegion movingSquareChange(const PatternState &before, const PatternState &after, const QRect &rect)
{
    const QRect was(before.squareX, before.squareY, before.squareWidth + 1, before.squareHeight + 1);
    const QRect now(after.squareX, after.squareY, after.squareWidth + 1, after.squareHeight + 1);
    if (was == now)
        return QRegion();
    return (QRegion(was) + now) & rect;
}

static void drawFontTestLines(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int height = rect.height();
    QFont font = characterTestFont(state.fontIndex);
    // The name shown is the family the system really matched, before any size change.
    const QString family = QFontInfo(font).family();

    painter.setPen(Qt::white);
    for (int i = 0; i < 10; ++i) {
        const int pointSize = 10 + 2 * i;
        font.setPointSize(pointSize);
        painter.setFont(font);
        painter.drawText(QPoint(0, (i + 1) * height / 20 - 5), fontTestText(state.fontIndex, family, pointSize));
    }

    painter.setBrush(Qt::white);
    painter.drawRect(0, height / 2, rect.width(), height / 2);

    painter.setPen(Qt::black);
    for (int i = 0; i < 10; ++i) {
        const int pointSize = 10 + 2 * i;
        font.setPointSize(pointSize);
        painter.setFont(font);
        painter.drawText(QPoint(0, (i + 1) * height / 20 + height / 2 - 5), fontTestText(state.fontIndex, family, pointSize));
    }
}

// The character test stands still until the font or the window changes, so
// its frame is drawn once and copied.
static void drawFontTest(QPainter &painter, const PatternState &state, const QRect &rect, Kept<KeptImage> &kept)
{
    if (state.fontIndex < 0 || state.fontIndex >= characterTestFontCount) {
        fillBase(painter, state, rect);
        drawScanBackground(painter, state, rect);
        return;
    }
    if (!canKeepFrames(painter) || !rect.topLeft().isNull()) {
        fillBase(painter, state, rect);
        drawScanBackground(painter, state, rect);
        drawFontTestLines(painter, state, rect);
        return;
    }
    const QString key = QStringLiteral("fonttest|%1|%2|%3")
                            .arg(state.fontIndex)
                            .arg(characterTestFont(state.fontIndex).key())
                            .arg(QColor(state.scanBackground).rgba());
    drawKeptFrame(painter, state, rect, kept, key, [&](QPainter &offscreen) {
        drawScanBackground(offscreen, state, rect);
        drawFontTestLines(offscreen, state, rect);
    });
}

static QVector<QLine> scanLineSet(const PatternState &state, const QRect &rect, ScanLineSet set)
{
    QVector<QLine> lines;
    const int scanPitch = state.scanPitch;
    if (scanPitch < 1)
        return lines;
    const int width = rect.width();
    const int height = rect.height();
    const int sign = state.scanDirection;
    const int shift = sign * state.scanOffset;
    const int half = (1 - sign) / 2;

    switch (set) {
    case ScanHorizontal:
        for (int j = 0; j <= height / scanPitch; ++j) {
            const int y = shift + scanPitch * (j + half);
            lines.append(QLine(0, y, width, y));
        }
        break;
    case ScanVertical:
        for (int j = 0; j <= width / scanPitch; ++j) {
            const int x = shift + scanPitch * (j + half);
            lines.append(QLine(x, 0, x, height));
        }
        break;
    case ScanDiagonalLR:
    case ScanDiagonalRL: {
        const int count = 4 * (std::max(width, height) / scanPitch) + 2;
        lines.reserve(count);
        for (int j = 0; j < count; ++j) {
            const int c = shift + scanPitch * j;
            if (set == ScanDiagonalLR)
                lines.append(QLine(0, c - width, width, c));
            else
                lines.append(QLine(0, c, width, c - width));
        }
        break;
    }
    }
    return lines;
}

// Opaque lines on an opaque background, built row by row, replace every
// pixel; anything else shows the base under the background's outline.
static void drawLineSets(QPainter &painter, const PatternState &state, const QRect &rect, Kept<QVector<QVector<quint32>>> &rows)
{
    const bool opaqueBackground = state.scanBackground.isValid() && state.scanBackground.alpha() == 255;
    if (!opaqueBackground || !canKeepFrames(painter) || !rect.topLeft().isNull())
        fillBase(painter, state, rect);
    if (state.scanPitch < 1) {
        drawScanBackground(painter, state, rect);
        return;
    }
    if (drawScanLineRows(painter, state, rect, rows))
        return;
    drawScanBackground(painter, state, rect);
    painter.setPen(QPen(state.scanLineColor, state.scanLineWidth));
    const std::pair<int, ScanLineSet> sets[] = { { state.scanHorizontal, ScanHorizontal },
                                                 { state.scanVertical, ScanVertical },
                                                 { state.scanDiagonalLR, ScanDiagonalLR },
                                                 { state.scanDiagonalRL, ScanDiagonalRL } };
    for (const auto &set : sets) {
        if (set.first)
            painter.drawLines(scanLineSet(state, rect, set.second));
    }
}

// Each pattern draws the family's background itself, or a copy that covers it.
void paintScanLines(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    if (state.movingSquare)
        drawMovingSquare(painter, state, rect);
    else if (state.fontTest)
        drawFontTest(painter, state, rect, cache.staticFrame);
    else
        drawLineSets(painter, state, rect, cache.scanRows);
    painter.restore();
}
