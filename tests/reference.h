#ifndef REFERENCE_H
#define REFERENCE_H

// The drawing steps of every pattern followed literally, with plain QPainter
// calls: the oracle the renderer's fast paths are compared with, bit for bit.
#include "reference_bars.h"
#include "reference_special.h"

namespace reference {

inline void drawOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor)
{
    const int value = grayAdjusted(state.solidColor, state.grayOffset).value();
    painter.setPen(value <= 99 ? Qt::white : Qt::black);
    QFont font = painter.font();
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter, QStringLiteral("GrayValue:%1 (%2,%3) ").arg(value).arg(cursor.x()).arg(cursor.y()));
}

// One whole frame: base fill, the family, the information text. `picture`
// is the decoded custom picture.
inline void renderFrame(QPainter &painter, const PatternState &state, const QImage &picture, const QRect &rect,
                        const QPoint &cursor)
{
    painter.setBrush(grayAdjusted(state.solidColor, state.grayOffset));
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
    // The information text starts from a painter in its starting state,
    // whatever the family drew before it, in the font the family left.
    painter.save();
    switch (state.mode) {
    case ColorBars: reference::drawColorBars(painter, state, rect); break;
    case GrayBars: reference::drawGrayBars(painter, state, rect); break;
    case ScanLines: reference::drawScanLines(painter, state, rect); break;
    case GrayBlocks: reference::drawGrayBlocks(painter, state, rect); break;
    case Special: reference::drawSpecial(painter, state, picture, rect); break;
    default: break;
    }
    const QFont familyFont = painter.font();
    painter.restore();
    painter.setFont(familyFont);
    if (state.infoVisible)
        reference::drawOverlay(painter, state, rect, cursor);
}

} // namespace reference

#endif // REFERENCE_H
