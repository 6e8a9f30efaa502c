#include "families.h"
#include "keptpixels.h"

#include <QPainter>

#include <cstring>

namespace {

// The row of a cell row with even j: the cell of column i is colour a when
// i is even. An odd cell row swaps the colours.
QVector<QRgb> checkerRow(const PatternState &state, const QRect &shown, bool oddRow)
{
    const QRgb a = state.checkerColorA.rgb();
    const QRgb b = state.checkerColorB.rgb();
    const int cellWidth = qMax(1, state.checkerWidth);
    QVector<QRgb> row(shown.width());
    for (int x = 0; x < shown.width(); ++x) {
        const int column = (shown.x() + x) / cellWidth;
        row[x] = ((column % 2 == 1) != oddRow) ? b : a;
    }
    return row;
}

void fillChecker(const PatternState &state, QImage &image, const QRect &shown)
{
    const int cellHeight = qMax(1, state.checkerHeight);
    const QVector<QRgb> even = checkerRow(state, shown, false);
    const QVector<QRgb> odd = checkerRow(state, shown, true);
    const size_t rowBytes = size_t(shown.width()) * sizeof(QRgb);
    for (int y = 0; y < shown.height(); ++y) {
        const int row = (shown.y() + y) / cellHeight;
        std::memcpy(image.scanLine(y), (row % 2 == 1 ? odd : even).constData(), rowBytes);
    }
}

} // namespace

void paintChecker(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    const QString key = QStringLiteral("checker %1x%2 %3 %4").arg(state.checkerWidth).arg(state.checkerHeight)
                            .arg(state.checkerColorA.rgb()).arg(state.checkerColorB.rgb());
    // Cells count from the canvas's corner: rect's top-left is it.
    painter.translate(rect.topLeft());
    drawKeptPixels(painter, QRect(QPoint(0, 0), rect.size()), cache.checker, key,
                   [&state](QImage &image, const QRect &shown) { fillChecker(state, image, shown); });
    painter.restore();
}
