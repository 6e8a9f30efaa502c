#include "render.h"

#include <QPainter>

// The text shows the same number the base fill shows, with a pen that stays
// readable on it, and the global cursor position so an operator can read off
// where a faulty pixel sits on the desktop.
void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor)
{
    const int grayValue = grayAdjusted(state.solidColor, state.grayOffset).value();
    painter.setPen(grayValue <= 99 ? QColor(Qt::white) : QColor(Qt::black));

    // A copy of the current font, so a weight or style the family left on
    // the painter carries over.
    QFont font = painter.font();
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    painter.setFont(font);

    const QString text = QStringLiteral("GrayValue:") + QString::number(grayValue)
        + QStringLiteral(" (") + QString::number(cursor.x()) + QLatin1Char(',')
        + QString::number(cursor.y()) + QStringLiteral(") ");
    painter.drawText(rect, Qt::AlignCenter, text);
}
