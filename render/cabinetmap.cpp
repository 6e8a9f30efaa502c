#include "families.h"
#include "offscreen.h"
#include "render.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QString cabinetLabel(int column, int row)
{
    return QStringLiteral("%1-%2").arg(column + 1).arg(row + 1);
}

// About a third of the cabinet's height, smaller where the widest label
// would not fit between the cabinet's outlines.
QFont labelFont(const QSize &cabinet, const QString &widestLabel)
{
    QFont font(QStringLiteral("Century Gothic"));
    font.setStyleStrategy(QFont::NoAntialias);
    int pixelSize = std::max(1, cabinet.height() / 3);
    font.setPixelSize(pixelSize);
    const int room = cabinet.width() * 9 / 10;
    const int width = QFontMetrics(font).horizontalAdvance(widestLabel);
    if (width > room && width > 0) {
        pixelSize = std::max(1, pixelSize * room / width);
        font.setPixelSize(pixelSize);
    }
    return font;
}

// The outline lies on the cabinet's own first and last columns and rows, so
// neighbours show two lines and the wall's last cabinet keeps its outline
// inside the window.
void drawOutline(QPainter &painter, const QRect &cabinet)
{
    painter.fillRect(cabinet.left(), cabinet.top(), cabinet.width(), 1, Qt::white);
    painter.fillRect(cabinet.left(), cabinet.bottom(), cabinet.width(), 1, Qt::white);
    painter.fillRect(cabinet.left(), cabinet.top(), 1, cabinet.height(), Qt::white);
    painter.fillRect(cabinet.right(), cabinet.top(), 1, cabinet.height(), Qt::white);
}

} // namespace

void drawCabinetMap(QPainter &painter, const PatternState &state, const QRect &rect)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(rect, Qt::black);
    const QSize cabinet(state.cabinetWidth, state.cabinetHeight);
    if (cabinet.width() >= 1 && cabinet.height() >= 1 && !rect.isEmpty()) {
        const int columns = (rect.width() + cabinet.width() - 1) / cabinet.width();
        const int rows = (rect.height() + cabinet.height() - 1) / cabinet.height();
        painter.setFont(labelFont(cabinet, cabinetLabel(columns - 1, rows - 1)));
        painter.setPen(Qt::white);
        // Only the cabinets the painter reaches: a part of a canvas shows few.
        const QRect shown = reachableRect(painter, rect).translated(-rect.topLeft());
        const int firstColumn = std::max(0, shown.left() / cabinet.width());
        const int firstRow = std::max(0, shown.top() / cabinet.height());
        const int lastColumn = std::min(columns - 1, shown.right() / cabinet.width());
        const int lastRow = std::min(rows - 1, shown.bottom() / cabinet.height());
        for (int column = firstColumn; column <= lastColumn; ++column) {
            for (int row = firstRow; row <= lastRow; ++row) {
                const QRect cell(rect.x() + column * cabinet.width(), rect.y() + row * cabinet.height(),
                                 cabinet.width(), cabinet.height());
                drawOutline(painter, cell);
                painter.drawText(cell, Qt::AlignCenter, cabinetLabel(column, row));
            }
        }
    }
    painter.restore();
}
