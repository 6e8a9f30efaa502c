#include "families.h"
#include "offscreen.h"
#include "render.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

// The clock's text changes on every frame, and text this large is filled as
// outlines each time, which costs several plain fills of the window. When
// every digit of the font has the same advance and no pair of characters is
// kerned, each character of "mm:ss.zzz" sits at the same place whatever the
// time. Each place's possible characters are then drawn once as coverage
// masks: white text on a transparent image holds its coverage in every
// channel. Blending such a premultiplied mask onto the frame is the
// arithmetic the painter uses for white text, coverage * white + (255 -
// coverage) * base / 255, so the frame gets the same pixels. Whenever that
// cannot be made sure of (the font, the size, text reaching the window's edge,
// glyphs that touch), the text is drawn as it is.

namespace {

const int places = 9;          // "mm:ss.zzz"
const int digits = 10;

// The clock's text with every digit `digit`.
QString uniformText(int digit)
{
    QString text = clockText(QTime(0, 0));
    text.replace(QLatin1Char('0'), QChar('0' + digit));
    return text;
}

bool placesAreFixed(const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    const QString characters = QStringLiteral("0123456789:.");
    for (int digit = 1; digit < digits; ++digit) {
        if (metrics.horizontalAdvance(characters.at(digit)) != metrics.horizontalAdvance(characters.at(0)))
            return false;
    }
    for (const QChar first : characters) {
        for (const QChar second : characters) {
            const qreal apart = metrics.horizontalAdvance(first) + metrics.horizontalAdvance(second);
            if (metrics.horizontalAdvance(QString(first) + second) != apart)
                return false;
        }
    }
    return true;
}

QImage textCoverage(const QPainter &painter, const QFont &font, const QRect &rect, const QRect &box, const QString &text)
{
    QImage mask = offscreenFrame(painter, box.size());
    mask.fill(Qt::transparent);
    QPainter maskPainter(&mask);
    maskPainter.setPen(Qt::white);
    maskPainter.setFont(font);
    maskPainter.drawText(rect.translated(-box.topLeft()), Qt::AlignCenter, text);
    return mask;
}

// Which columns and rows have coverage in any of the masks.
struct Ink
{
    QVector<bool> columns;
    QVector<bool> rows;
};

Ink inkOf(const QVector<QImage> &masks)
{
    const QSize size = masks.first().size();
    Ink ink{ QVector<bool>(size.width(), false), QVector<bool>(size.height(), false) };
    for (const QImage &mask : masks) {
        for (int y = 0; y < size.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (line[x]) {
                    ink.columns[x] = true;
                    ink.rows[y] = true;
                }
            }
        }
    }
    return ink;
}

// The runs of inked columns, each as [first, last + 1).
QVector<QPair<int, int>> inkedRuns(const QVector<bool> &columns)
{
    QVector<QPair<int, int>> runs;
    for (int x = 0; x < columns.size(); ++x) {
        if (!columns.at(x))
            continue;
        if (runs.isEmpty() || runs.last().second != x)
            runs.append(qMakePair(x, x + 1));
        else
            runs.last().second = x + 1;
    }
    return runs;
}

void blendGlyphs(QPainter &painter, const ClockGlyphs &glyphs, const QString &text, const QPoint &offset)
{
    for (int place = 0; place < places; ++place) {
        const QChar character = text.at(place);
        const int digit = character.isDigit() ? character.digitValue() : 0;
        painter.drawImage(glyphs.positions.at(place) + offset, glyphs.masks.at(place * digits + digit));
    }
}

// Draws one time both ways on a coloured ground and compares.
bool blendsAsTextDoes(const QPainter &painter, const ClockGlyphs &glyphs, const QFont &font,
                      const QRect &rect, const QRect &box)
{
    const QString text = clockText(QTime(0, 37, 59, 486));
    QImage drawn = offscreenFrame(painter, box.size());
    QImage blended = drawn;
    for (QImage *image : { &drawn, &blended }) {
        QPainter imagePainter(image);
        imagePainter.setBrush(QColor(90, 140, 200));
        imagePainter.setPen(Qt::NoPen);
        imagePainter.drawRect(image->rect());
        imagePainter.setPen(Qt::white);
        imagePainter.setFont(font);
        if (image == &drawn)
            imagePainter.drawText(rect.translated(-box.topLeft()), Qt::AlignCenter, text);
        else
            blendGlyphs(imagePainter, glyphs, text, -box.topLeft());
    }
    return drawn == blended;
}

void keepGlyphs(const QPainter &painter, ClockGlyphs &glyphs, const QRect &rect, const QFont &font)
{
    const QPaintDevice *device = painter.device();
    const QFontMetrics metrics(font, device);
    const int margin = metrics.height() / 2;
    const QRect box = metrics.boundingRect(rect, Qt::AlignCenter, uniformText(0)).adjusted(-margin, -margin, margin, margin);
    if (!rect.contains(box) || !QRect(0, 0, device->width(), device->height()).contains(box)
        || !placesAreFixed(font, device))
        return;

    // The toolkit may outline a font's glyphs a little differently the first
    // time it draws them after loading the font; the masks are taken from
    // the drawings that follow.
    textCoverage(painter, font, rect, box, uniformText(8));
    QVector<QImage> masks;
    for (int digit = 0; digit < digits; ++digit)
        masks.append(textCoverage(painter, font, rect, box, uniformText(digit)));
    const Ink ink = inkOf(masks);
    const QVector<QPair<int, int>> runs = inkedRuns(ink.columns);
    // Ink on the edge of the box may have been cut off; fewer runs than
    // places means characters touch.
    if (runs.size() != places || ink.columns.first() || ink.columns.last() || ink.rows.first() || ink.rows.last())
        return;
    const int top = int(ink.rows.indexOf(true));
    const int height = int(ink.rows.lastIndexOf(true)) - top + 1;

    const QString layout = uniformText(0);
    for (int place = 0; place < places; ++place) {
        const QRect glyph(runs.at(place).first, top, runs.at(place).second - runs.at(place).first, height);
        glyphs.positions.append(box.topLeft() + glyph.topLeft());
        // A separator's one mask stands, shared, for all ten digits.
        const QImage separator = layout.at(place).isDigit() ? QImage() : masks.at(0).copy(glyph);
        for (int digit = 0; digit < digits; ++digit)
            glyphs.masks.append(separator.isNull() ? masks.at(digit).copy(glyph) : separator);
    }
    if (!blendsAsTextDoes(painter, glyphs, font, rect, box)) {
        glyphs.masks.clear();
        glyphs.positions.clear();
    }
}

// A window is drawn as text at a new size first: while the operator drags
// its edge every paint has a new size, and making masks would only slow it.
bool glyphsKept(const QPainter &painter, ClockGlyphs &kept, const QRect &rect, const QFont &font)
{
    if (!canCopyFrames(painter) || !rect.topLeft().isNull())
        return false;
    const QString key = frameKey(painter, rect) + QLatin1Char('|') + QString::number(font.pointSize());
    if (kept.key != key) {
        kept = ClockGlyphs();
        kept.key = key;
    }
    if (kept.paints < 2 && ++kept.paints == 2)
        keepGlyphs(painter, kept, rect, font);
    return !kept.masks.isEmpty();
}

} // namespace

void drawFullWindowClock(QPainter &painter, const PatternState &state, const QRect &rect, Kept<ClockGlyphs> &kept)
{
    const int pointSize = std::min(rect.width(), rect.height()) / 7;
    if (pointSize < 1)
        return;
    const QFont font = clockFont(pointSize);
    painter.setPen(Qt::white);
    painter.setFont(font);
    const QString text = clockText(state.delayTime);
    ClockGlyphs &glyphs = kept.use();
    if (text.size() == places && glyphsKept(painter, glyphs, rect, font))
        blendGlyphs(painter, glyphs, text, QPoint(0, 0));
    else
        painter.drawText(rect, Qt::AlignCenter, text);
}

// Each character's width is fixed when the places are, so the text keeps
// its place and only the characters from the first change on are drawn
// anew. Otherwise drawn text centres itself on its whole width, and both
// texts' boxes change. The margin holds the glyphs' overhang past their
// advance and the blended pixels at their edges.
QRect clockTextChange(const QFont &font, const QPaintDevice *device, const QRect &area, const QString &before,
                      const QString &after)
{
    const QFontMetrics metrics(font, device);
    const int margin = metrics.height() / 8 + 2;
    const QRect now = metrics.boundingRect(area, Qt::AlignCenter, after);
    int first = 0;
    while (first < before.size() && first < after.size() && before.at(first) == after.at(first))
        ++first;
    if (first == before.size() && first == after.size())
        return QRect();
    QRect changed = now;
    if (before.size() == after.size() && placesAreFixed(font, device))
        changed.setLeft(now.left() + metrics.horizontalAdvance(after.left(first)));
    else
        changed |= metrics.boundingRect(area, Qt::AlignCenter, before);
    return changed.adjusted(-margin, -margin, margin, margin);
}

// With the characters kept as masks, the masks of the changed places are
// all that can change.
QRegion fullWindowClockChange(const QPaintDevice *device, const QTime &before, const QTime &after, const QRect &rect,
                              const ClockGlyphs &glyphs)
{
    const int pointSize = std::min(rect.width(), rect.height()) / 7;
    const QString was = clockText(before);
    const QString now = clockText(after);
    if (pointSize < 1 || was == now)
        return QRegion();
    const QFont font = clockFont(pointSize);
    const QString key = frameKey(device, rect) + QLatin1Char('|') + QString::number(font.pointSize());
    if (glyphs.key != key || glyphs.masks.isEmpty() || was.size() != places || now.size() != places)
        return clockTextChange(font, device, rect, was, now);
    QRegion changed;
    for (int place = 0; place < places; ++place) {
        if (was.at(place) != now.at(place))
            changed += QRect(glyphs.positions.at(place), glyphs.masks.at(place * digits).size());
    }
    return changed;
}
