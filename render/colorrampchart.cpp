#include "grayramps.h"

#include "offscreen.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The seven chart colours, each fading to black across the whole window.
const Qt::GlobalColor chartColors[7] = { Qt::red, Qt::green, Qt::blue, Qt::white,
                                         Qt::cyan, Qt::magenta, Qt::yellow };

bool columnsDirection(int direction)
{
    return direction == 0 || direction == 1;
}

QLinearGradient chartGradient(int direction, int i, const QRect &rect)
{
    const int w = rect.width();
    const int h = rect.height();
    QLinearGradient gradient;
    switch (direction) {
    case 0:
        gradient = QLinearGradient(0, 0, 0, h);
        break;
    case 1:
        gradient = QLinearGradient(0, h, 0, 0);
        break;
    case 2:
        gradient = QLinearGradient(w, 0, 0, 0);
        break;
    default:
        gradient = QLinearGradient(0, 0, w, 0);
        break;
    }
    gradient.setColorAt(0, chartColors[i]);
    gradient.setColorAt(1, Qt::black);
    return gradient;
}

QRect chartBar(int direction, int i, const QRect &rect)
{
    const int cw = rect.width() / 7;
    const int ch = rect.height() / 7;
    if (columnsDirection(direction))
        return QRect(5 + i * cw, 0, cw - 10, rect.height());
    return QRect(0, 5 + i * ch, rect.width(), ch - 10);
}

// Each band's inner rows are one row of its gradient repeated: draw that row
// once, copy it down, and fill the rows between bands black.
void drawChartBands(QPainter &painter, int direction, const QRect &rect)
{
    int done = 0;
    for (int i = 0; i < 7; ++i) {
        const QRect bar = chartBar(direction, i, rect);
        painter.fillRect(QRect(0, done, rect.width(), bar.top() + 1 - done), Qt::black);
        QImage strip = makeStrip(painter, rect.width(), 1);
        {
            QPainter stripPainter(&strip);
            stripPainter.setPen(painter.pen());
            stripPainter.setBrush(chartGradient(direction, i, rect));
            stripPainter.drawRect(QRect(0, -1, rect.width(), 3));
        }
        repeatRowDown(painter, strip, 0, bar.top() + 1, bar.height() - 1);
        done = bar.top() + bar.height();
    }
    painter.fillRect(QRect(0, done, rect.width(), rect.height() - done), Qt::black);
}

// A column's gradient runs down the window, so the toolkit gives each row
// one colour wherever a span starts: the black outline and gaps are plain
// fills, and the inside of each column one gradient fill without outline.
void drawChartColumns(QPainter &painter, int direction, const QRect &rect)
{
    painter.fillRect(QRect(0, 0, rect.width(), 1), Qt::black);
    painter.save();
    painter.setPen(Qt::NoPen);
    int done = 0;
    for (int i = 0; i < 7; ++i) {
        const QRect bar = chartBar(direction, i, rect);
        painter.fillRect(QRect(done, 1, bar.left() + 1 - done, rect.height() - 1), Qt::black);
        painter.setBrush(chartGradient(direction, i, rect));
        painter.drawRect(QRect(bar.left() + 1, 1, bar.width() - 1, rect.height() - 1));
        done = bar.left() + bar.width();
    }
    painter.restore();
    painter.fillRect(QRect(done, 1, rect.width() - done, rect.height() - 1), Qt::black);
}

} // namespace

void drawColorRampChart(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int direction = state.colorRampDirection;
    painter.setBrush(QColor(Qt::black));
    if (direction < 0 || direction > 3) {
        painter.drawRect(rect);
        return;
    }

    const int barThickness = columnsDirection(direction) ? rect.width() / 7 - 10 : rect.height() / 7 - 10;
    const bool fast = paintsDevicePixels(painter) && rect.topLeft() == QPoint(0, 0) && barThickness >= 2
        && rect.width() >= 2 && rect.height() >= 2;
    if (fast && columnsDirection(direction)) {
        drawChartColumns(painter, direction, rect);
        return;
    }
    if (fast) {
        drawChartBands(painter, direction, rect);
        return;
    }

    painter.drawRect(rect);
    for (int i = 0; i < 7; ++i) {
        painter.setBrush(chartGradient(direction, i, rect));
        painter.drawRect(chartBar(direction, i, rect));
    }
}
