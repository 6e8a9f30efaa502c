#include "families.h"
#include "render.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The text's font keeps the weight of the character test's font while that
// test is shown, so that the text reads as part of it.
QFont infoTextFont(const PatternState &state)
{
    const bool characterTest = characterTestShown(state) && state.fontIndex >= 0 && state.fontIndex < characterTestFontCount;
    QFont font = characterTest ? characterTestFont(state.fontIndex) : QFont();
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    return font;
}

QString infoText(const PatternState &state, const QPoint &cursor)
{
    return QStringLiteral("GrayValue:") + QString::number(baseColor(state).value())
        + QStringLiteral(" (") + QString::number(cursor.x()) + QLatin1Char(',')
        + QString::number(cursor.y()) + QStringLiteral(") ");
}

} // namespace

// The text shows the same number the base fill shows, with a pen that stays
// readable on it, and the global cursor position so an operator can read off
// where a faulty pixel sits on the desktop.
void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor)
{
    const int grayValue = baseColor(state).value();
    painter.save();
    painter.setPen(grayValue <= 99 ? QColor(Qt::white) : QColor(Qt::black));
    painter.setFont(infoTextFont(state));
    // On a window repainting a region of many rectangles, text drawn through
    // the whole region makes the toolkit lay out a clip for every row of the
    // window; the box holds all the text's pixels.
    painter.setClipRect(infoOverlayBox(state, rect, cursor, painter.device()), Qt::IntersectClip);
    painter.drawText(rect, Qt::AlignCenter, infoText(state, cursor));
    painter.restore();
}

// The layout box with a margin of half a line, wide enough for any glyph's
// overhang and the blending at its edges, inside the window.
QRect infoOverlayBox(const PatternState &state, const QRect &rect, const QPoint &cursor, const QPaintDevice *device)
{
    if (!state.infoVisible)
        return QRect();
    const QFontMetrics metrics(infoTextFont(state), device);
    const int margin = metrics.height() / 2;
    return metrics.boundingRect(rect, Qt::AlignCenter, infoText(state, cursor)).adjusted(-margin, -margin, margin, margin) & rect;
}
