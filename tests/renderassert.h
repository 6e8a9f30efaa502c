#ifndef RENDERASSERT_H
#define RENDERASSERT_H

// Pixel checks of the renderer: render a pattern state into an image the way
// the window's backing store holds it, read pixels back, compare frames.

#include "render.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(PatternState)

using FrameRenderer = void (*)(QPainter &, PatternState &, const QRect &, const QPoint &);

// What the image holds where the renderer drew nothing (outside the window's
// rectangle). No pattern uses it.
inline QRgb untouchedPixel() { return qRgba(1, 2, 3, 4); }
inline QRgb gray(int level) { return qRgb(level, level, level); }

// A state of `mode` on the base colour `solidColor`, without the information text.
inline PatternState patternState(int mode, const QColor &solidColor = Qt::black)
{
    PatternState state;
    state.mode = mode;
    state.solidColor = solidColor;
    state.infoVisible = false;
    return state;
}

// Entry `entry` of a colour-bar table: each entry a colour of its own.
inline QColor tableColor(int entry)
{
    return QColor::fromHsv((entry * 47) % 360, 255 - entry % 3 * 60, 255 - entry % 5 * 40);
}

inline PatternState colorTable(int columns, int rows, bool autoSize, int cellWidth, int cellHeight, bool tile)
{
    PatternState state = patternState(ColorBars, QColor(40, 90, 160));
    state.colorColumns = columns;
    state.colorRows = rows;
    for (int entry = 0; entry < columns * rows; ++entry)
        state.colorList.append(tableColor(entry));
    state.autoCellSize = autoSize;
    state.cellWidth = cellWidth;
    state.cellHeight = cellHeight;
    state.tileColorBars = tile;
    return state;
}

// A black-to-white ramp of `rampLength` pixels on blue; negative: the ball; 0: custom bars.
inline PatternState grayRamp(int rampLength, int reverse = 0, int rotate = 0)
{
    PatternState state = patternState(GrayBars, Qt::blue);
    state.rampLength = rampLength;
    state.rampReverse = reverse;
    state.rampRotate = rotate;
    state.rampDarkColor = Qt::black;
    state.rampLightColor = Qt::white;
    return state;
}

inline PatternState customBars(int width, int start, int spacing, int reverse = 0, int rotate = 0)
{
    PatternState state = grayRamp(0, reverse, rotate);
    state.grayBarWidth = width;
    state.grayBarStart = start;
    state.grayBarSpacing = spacing;
    return state;
}

// Renders `state` into an image of `size`. The window is the whole image
// unless `window` says otherwise; beyond it the image shows what the renderer
// drew past the window's edge.
inline QImage renderPattern(PatternState &state, const QSize &size, const QPoint &cursor = QPoint(0, 0),
                            FrameRenderer render = renderFrame, QRect window = QRect())
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(untouchedPixel());
    QPainter painter(&image);
    render(painter, state, window.isNull() ? image.rect() : window, cursor);
    return image;
}

// `text` centred in `rect` on `background`, drawn the way the renderer draws
// it: after an outline of `rect` when asked, as the toolkit blends text
// differently after an outlined rectangle.
inline QImage textOn(const QSize &size, QRgb background, const QRect &rect, const QColor &pen, const QFont &font,
                     const QString &text, bool outline = false)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(background));
    painter.drawRect(image.rect());
    painter.setPen(pen);
    if (outline)
        painter.drawRect(rect);
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter, text);
    return image;
}

// The first pixel of `area` with a channel farther than `tolerance` from `color`, in words; empty if none.
inline QString firstPixelUnlike(const QImage &image, const QRect &area, QRgb color, int tolerance = 0)
{
    if (!image.rect().contains(area))
        return QStringLiteral("the area lies outside the image");
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(color)) > tolerance || qAbs(qGreen(p) - qGreen(color)) > tolerance
                || qAbs(qBlue(p) - qBlue(color)) > tolerance || qAbs(qAlpha(p) - qAlpha(color)) > tolerance)
                return QStringLiteral("(%1,%2) is %3 instead of %4").arg(x).arg(y)
                    .arg(p, 8, 16, QLatin1Char('0')).arg(color, 8, 16, QLatin1Char('0'));
        }
    }
    return QString();
}

// The first pixel where two frames differ, in words; empty when they are the same bit for bit.
inline QString firstDifferingPixel(const QImage &actual, const QImage &expected)
{
    if (actual == expected)
        return QString();
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return firstPixelUnlike(actual, QRect(x, y, 1, 1), expected.pixel(x, y));
    return QString();
}

// Fails with the description unless it is empty.
#define VERIFY_NO_DIFFERENCE(description) \
    do { const QString difference_ = (description); \
         QVERIFY2(difference_.isEmpty(), qPrintable(difference_)); } while (false)

inline int countPixels(const QImage &image, const QRect &area, QRgb color)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

// A table of pixel checks, one row each: in a frame of `window` drawn from
// `state`, every pixel of `area` has `color` give or take `tolerance` per
// channel, or with `somewhere` at least one has it exactly. The image reaches
// 100 × 50 beyond the window.
const int somewhere = -1;

inline void addPixelColumns()
{
    QTest::addColumn<PatternState>("state");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<int>("tolerance");
}

inline void addPixelRow(const char *name, const PatternState &state, const QSize &window, const QRect &area,
                        QRgb color, int tolerance = 0)
{
    QTest::newRow(name) << state << window << area << color << tolerance;
}

inline void verifyPixelRow()
{
    QFETCH(PatternState, state);
    QFETCH(QSize, window);
    QFETCH(QRect, area);
    QFETCH(QRgb, color);
    QFETCH(int, tolerance);
    const QRect windowRect(QPoint(0, 0), window);
    const QImage image = renderPattern(state, window + QSize(100, 50), QPoint(0, 0), renderFrame, windowRect);
    if (tolerance == somewhere)
        QVERIFY2(countPixels(image, area, color) > 0, "no pixel of the area has the colour");
    else
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, area, color, tolerance));
}

#endif // RENDERASSERT_H
