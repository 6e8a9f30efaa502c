#include "families.h"
#include "offscreen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

QString rectText(const QRect &r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

QStringList identLines(const PatternState &state, const QRect &rect)
{
    const WindowFacts &facts = state.facts;
    QStringList lines;
    lines << (facts.hostName.isEmpty() ? QStringLiteral("?") : facts.hostName);
    lines << QStringLiteral("window %1").arg(rectText(facts.placement.isValid() ? facts.placement : rect));
    if (state.canvas.isSet()) {
        lines << QStringLiteral("canvas %1x%2, part %3").arg(state.canvas.size.width()).arg(state.canvas.size.height())
                     .arg(rectText(QRect(state.canvas.origin, rect.size())));
    } else {
        lines << QStringLiteral("canvas %1x%2, whole").arg(rect.width()).arg(rect.height());
    }
    if (!facts.remoteAddress.isEmpty())
        lines << QStringLiteral("remote %1").arg(facts.remoteAddress);
    if (!facts.wallGroup.isEmpty())
        lines << QStringLiteral("group %1, %2 members").arg(facts.wallGroup).arg(facts.groupMembers);
    return lines;
}

// As large as the longest line fits the width and all lines the height.
QFont identFont(const QStringList &lines, const QRect &area)
{
    QFont font(QStringLiteral("Century Gothic"));
    const int trialSize = 100;
    font.setPixelSize(trialSize);
    const QFontMetrics metrics(font);
    int widest = 1;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int byWidth = int(qint64(trialSize) * area.width() / widest);
    const int byHeight = int(qint64(trialSize) * area.height() / qMax(1, metrics.lineSpacing() * int(lines.size())));
    font.setPixelSize(qMax(1, qMin(byWidth, byHeight)));
    return font;
}

// A triangle at the middle of each edge behind which the canvas goes on,
// pointing at the neighbouring part.
void drawNeighbourArrows(QPainter &painter, const PatternState &state, const QRect &rect, int size)
{
    if (!state.canvas.isSet())
        return;
    const QRect part(state.canvas.origin, rect.size());
    const QPoint centre = rect.center();
    const int half = size / 2;
    QVector<QPolygon> arrows;
    if (part.left() > 0)
        arrows << QPolygon({ QPoint(rect.left(), centre.y()), QPoint(rect.left() + size, centre.y() - half),
                             QPoint(rect.left() + size, centre.y() + half) });
    if (part.right() < state.canvas.size.width() - 1)
        arrows << QPolygon({ QPoint(rect.right(), centre.y()), QPoint(rect.right() - size, centre.y() - half),
                             QPoint(rect.right() - size, centre.y() + half) });
    if (part.top() > 0)
        arrows << QPolygon({ QPoint(centre.x(), rect.top()), QPoint(centre.x() - half, rect.top() + size),
                             QPoint(centre.x() + half, rect.top() + size) });
    if (part.bottom() < state.canvas.size.height() - 1)
        arrows << QPolygon({ QPoint(centre.x(), rect.bottom()), QPoint(centre.x() - half, rect.bottom() - size),
                             QPoint(centre.x() + half, rect.bottom() - size) });
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPolygon &arrow : arrows)
        painter.drawPolygon(arrow);
}

void drawIdent(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int arrowSize = qMax(8, qMin(rect.width(), rect.height()) / 8);
    drawNeighbourArrows(painter, state, rect, arrowSize);
    const QStringList lines = identLines(state, rect);
    const QRect area = rect.adjusted(arrowSize * 3 / 2, arrowSize * 3 / 2, -arrowSize * 3 / 2, -arrowSize * 3 / 2);
    if (!area.isEmpty()) {
        painter.setFont(identFont(lines, area));
        painter.setPen(Qt::white);
        painter.drawText(area, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
    }
}

} // namespace

// Drawn in the window's own coordinates: what it tells belongs to the
// window, not to the canvas. Large text is slow to draw, so the frame is
// kept while the facts stay.
void paintIdent(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    if (!canKeepFrames(painter) || !rect.topLeft().isNull()) {
        fillBase(painter, state, rect);
        drawIdent(painter, state, rect);
    } else {
        const QString key = QStringLiteral("ident|") + identLines(state, rect).join(QLatin1Char('|'))
            + QStringLiteral("|%1,%2").arg(state.canvas.origin.x()).arg(state.canvas.origin.y());
        drawKeptFrame(painter, state, rect, cache.staticFrame, key,
                      [&](QPainter &offscreen) { drawIdent(offscreen, state, rect); });
    }
    painter.restore();
}
