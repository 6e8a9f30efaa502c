#include "cabinetgrid.h"
#include "families.h"
#include "framecount.h"
#include "offscreen.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QColor outlineColor(64, 64, 64);

// Beyond this many cabinets in sight a step repaints the part whole.
constexpr qint64 listedCabinetsAtMost = 2048;

// The row of blocks: max(8, H / 8) high, centred in the cabinet's height.
QRect tickerRow(const QRect &cabinet)
{
    const int rowHeight = qMax(8, cabinet.height() / 8);
    return QRect(cabinet.left(), cabinet.top() + (cabinet.height() - rowHeight) / 2, cabinet.width(), rowHeight);
}

// Block i spans floor(i W / 60) .. floor((i + 1) W / 60) - 1 of the row.
QRect tickerBlock(const QRect &row, int block)
{
    const int left = int(qint64(block) * row.width() / TickerBlocks);
    const int right = int(qint64(block + 1) * row.width() / TickerBlocks) - 1;
    return QRect(row.left() + left, row.top(), right - left + 1, row.height());
}

// The frame number's box, under the row and as high as it.
QRect tickerDigits(const QRect &row)
{
    return QRect(row.left(), row.bottom() + 1, row.width(), row.height());
}

int litBlock(qint64 frame)
{
    return int(frame % TickerBlocks);
}

// The cabinets in `part`, or the whole canvas as one with cabinet=none.
template <typename Each>
qint64 forEachCabinet(const PatternState &state, const QRect &canvas, const QRect &part, Each each)
{
    if (state.cabinetWidth <= 0 || state.cabinetHeight <= 0) {
        each(canvas);
        return 1;
    }
    const QSize cabinet(state.cabinetWidth, state.cabinetHeight);
    const CabinetSpan span = cabinetsMeeting(canvas, cabinet, part);
    for (int row = span.firstRow; row <= span.lastRow; ++row) {
        for (int column = span.firstColumn; column <= span.lastColumn; ++column)
            each(cabinetRect(canvas, cabinet, column, row));
    }
    return qMax<qint64>(0, span.count());
}

void drawOutlines(QPainter &painter, const QRect &row)
{
    for (int block = 0; block < TickerBlocks; ++block) {
        const QRect box = tickerBlock(row, block);
        if (box.isEmpty())
            continue;
        painter.fillRect(box.left(), box.top(), box.width(), 1, outlineColor);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, outlineColor);
        painter.fillRect(box.left(), box.top(), 1, box.height(), outlineColor);
        painter.fillRect(box.right(), box.top(), 1, box.height(), outlineColor);
    }
}

// One row of outlined blocks on the base, drawn once for every cabinet's
// row and kept while its size and the base stay.
const QImage &outlinedRow(const QPainter &painter, const PatternState &state, const QSize &size,
                          Kept<KeptImage> &kept)
{
    KeptImage &row = kept.use();
    const QString key = QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(baseColor(state).rgba());
    if (row.key != key) {
        row.image = makeStrip(painter, size.width(), size.height());
        row.image.fill(baseColor(state));
        QPainter outlines(&row.image);
        drawOutlines(outlines, QRect(QPoint(0, 0), size));
        outlines.end();
        row.key = key;
    }
    return row.image;
}

QFont digitsFont(int boxHeight)
{
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(qMax(6, boxHeight * 3 / 4));
    return font;
}

// The frame number drawn once, as wide as it is, then copied centred
// under every cabinet's row: the box around it holds only the base.
QImage digitsImage(const QPainter &painter, const PatternState &state, const QSize &box, qint64 frame)
{
    const QString text = QString::number(frame);
    const QFont font = digitsFont(box.height());
    const int width = qMin(box.width(), QFontMetrics(font, painter.device()).horizontalAdvance(text) + 4);
    QImage digits = makeStrip(painter, width, box.height());
    digits.setDotsPerMeterX(qRound(painter.device()->logicalDpiX() / 0.0254));
    digits.setDotsPerMeterY(qRound(painter.device()->logicalDpiY() / 0.0254));
    digits.fill(baseColor(state));
    QPainter pen(&digits);
    pen.setFont(font);
    pen.setPen(state.markColor);
    pen.drawText(digits.rect(), Qt::AlignHCenter | Qt::AlignTop, text);
    return digits;
}

} // namespace

void paintTicker(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    const QRect shown = reachableRect(painter, rect);
    if (shown.isEmpty())
        return;
    painter.save();
    painter.setClipRect(shown, Qt::IntersectClip);
    fillBase(painter, state, shown);
    const qint64 frame = tickerFrame(state);
    QImage digits;
    forEachCabinet(state, rect, shown, [&](const QRect &cabinet) {
        const QRect row = tickerRow(cabinet);
        copyImage(painter, row.topLeft(), outlinedRow(painter, state, row.size(), cache.tickerRow));
        painter.fillRect(tickerBlock(row, litBlock(frame)), state.markColor);
        const QRect digitsBox = tickerDigits(row);
        if (!digitsBox.intersects(shown))
            return;
        if (digits.isNull())
            digits = digitsImage(painter, state, digitsBox.size(), frame);
        copyImage(painter, QPoint(digitsBox.x() + (digitsBox.width() - digits.width()) / 2, digitsBox.y()), digits);
    });
    painter.restore();
}

QRegion tickerChange(const PatternState &before, const PatternState &after, const QRect &rect, const QRect &visible)
{
    const qint64 oldFrame = tickerFrame(before);
    const qint64 newFrame = tickerFrame(after);
    if (oldFrame == newFrame)
        return QRegion();
    QVector<QRect> boxes;
    const qint64 cabinets = forEachCabinet(after, rect, visible, [&](const QRect &cabinet) {
        const QRect row = tickerRow(cabinet);
        boxes << tickerBlock(row, litBlock(oldFrame)) << tickerBlock(row, litBlock(newFrame)) << tickerDigits(row);
    });
    if (cabinets > listedCabinetsAtMost)
        return QRegion(visible);
    QRegion changed;
    for (const QRect &box : boxes)
        changed += box & visible;
    return changed;
}
