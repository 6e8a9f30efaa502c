#include "families.h"
#include "offscreen.h"
#include "render.h"

#include <QLine>
#include <QPainter>
#include <QVector>

namespace {

// One row of a contrast chart: the level of column c is base + c * step.
struct ContrastRow
{
    int base;
    int step;
};

const ContrastRow brightRows[4] = { { 175, 8 }, { 215, 4 }, { 235, 2 }, { 245, 1 } };
const ContrastRow darkRows[4] = { { 1, 1 }, { 2, 2 }, { 4, 4 }, { 8, 8 } };

} // namespace

QString contrastLabel(int level)
{
    const double percent = level * 100.0 / 255;
    return QStringLiteral("%1% \n%2 / %3").arg(QString::number(percent, 'g', 6)).arg(level).arg(255);
}

static void drawAllGrayLevels(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int width = rect.width();
    const int height = rect.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect);
    if (width <= 100 || height <= 100)
        return;

    const int columnPitch = width / 16;
    const int rowPitch = height / 16;
    const int cellWidth = (width - 16) / 16 - 8;
    const int cellHeight = (height - 20) / 16 - 10;
    for (int level = 0; level < 256; ++level) {
        const int row = level / 16;
        const int column = level % 16;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(level, level, level));
        painter.drawRect(8 + column * columnPitch, 10 + row * rowPitch, cellWidth, cellHeight);
        painter.setPen(Qt::white);
        if (!state.hideBlockText)
            painter.drawText(QPoint(width / 32 - 8 + column * columnPitch, 10 + row * rowPitch), QString::number(level));
    }
}

static void drawContrastChart(QPainter &painter, const PatternState &state, const QRect &rect, bool bright)
{
    const int width = rect.width();
    const int height = rect.height();
    const QColor background = bright ? Qt::white : Qt::black;
    const QColor ink = bright ? Qt::black : Qt::white;
    const ContrastRow *rows = bright ? brightRows : darkRows;

    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRect(rect);

    painter.setPen(ink);
    const int columnWidth = (width - 20) / 10;
    QVector<QLine> gridLines;
    for (int k = 0; k < 10; ++k)
        gridLines.append(QLine(10 + k * columnWidth, 0, 10 + k * columnWidth, height));
    painter.drawLines(gridLines);
    if (width <= 100 || height <= 100)
        return;

    const int rowPitch = (height - 10) / 4;
    const int cellHeight = (height - 40) / 4;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int level = rows[row].base + column * rows[row].step;
            const QRect cell(10 + column * columnWidth, 10 + row * rowPitch, columnWidth, cellHeight);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(level, level, level));
            painter.drawRect(cell);
            painter.setPen(ink);
            if (!state.hideBlockText)
                painter.drawText(cell, Qt::AlignCenter, contrastLabel(level));
        }
    }
}

static void drawChart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    switch (state.grayBlockType) {
    case AllGrayLevels:
        drawAllGrayLevels(painter, state, rect);
        break;
    case BrightContrast:
    case DarkContrast:
        drawContrastChart(painter, state, rect, state.grayBlockType == BrightContrast);
        break;
    default:
        break;
    }
}

// The charts stand still, so each is drawn once per window size and copied.
void paintGrayBlocks(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    const QFont labelFont(QStringLiteral("Century Gothic"), 10);
    painter.setFont(labelFont);
    const int type = state.grayBlockType;
    if (type < AllGrayLevels || type > DarkContrast) {
        fillBase(painter, state, rect);
    } else if (!canKeepFrames(painter) || !rect.topLeft().isNull()) {
        fillBase(painter, state, rect);
        drawChart(painter, state, rect);
    } else {
        const QString key = QStringLiteral("grayblocks|%1|%2").arg(type).arg(state.hideBlockText);
        drawKeptFrame(painter, state, rect, cache.staticFrame, key, [&](QPainter &offscreen) {
            offscreen.setFont(labelFont);
            drawChart(offscreen, state, rect);
        });
    }
    painter.restore();
}
