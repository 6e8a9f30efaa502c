#ifndef RENDERASSERT_H
#define RENDERASSERT_H

// Pixel checks of the renderer: the pattern states the tests draw, frames
// drawn by the program or by the step-by-step reference (reference.h), and
// pixels read back and compared. Every frame a test draws is drawn by Frames.

#include "reference.h"
#include "render.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(PatternState)

// What the image holds where the renderer drew nothing. No pattern uses it.
inline QRgb untouchedPixel() { return qRgba(1, 2, 3, 4); }
inline QRgb gray(int level) { return qRgb(level, level, level); }

// ---- Pattern states ----

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

// Yellow lines of `width` every `pitch` pixels on blue; `sets` has a bit per
// set: horizontal, vertical, left-to-right, right-to-left.
inline PatternState scanLines(int pitch, int width = 1, int sets = 0, int offset = 0, int direction = 1)
{
    PatternState state = patternState(ScanLines);
    state.scanBackground = QColor(0, 0, 255);
    state.scanLineColor = QColor(255, 255, 0);
    state.scanPitch = pitch;
    state.scanLineWidth = width;
    state.scanOffset = offset;
    state.scanDirection = direction;
    state.scanHorizontal = sets & 1;
    state.scanVertical = (sets >> 1) & 1;
    state.scanDiagonalLR = (sets >> 2) & 1;
    state.scanDiagonalRL = (sets >> 3) & 1;
    return state;
}

// A gray-block chart or a special pattern of `type` on `base`, the clock at 12:34.567.
inline PatternState family(int mode, int type, const QColor &base, bool labels = false)
{
    PatternState state = patternState(mode, base);
    state.grayBlockType = state.specialType = type;
    state.hideBlockText = !labels;
    state.delayTime = QTime(0, 12, 34, 567);
    return state;
}

// The character test in font `fontIndex`, or the square `rect` over it, on lines of every set.
inline PatternState characterTest(int fontIndex, const QColor &base)
{
    PatternState state = scanLines(2, 1, 15);
    state.fontTest = 1;
    state.fontIndex = fontIndex;
    state.solidColor = base;
    return state;
}

inline PatternState movingSquare(const QRect &rect, const QColor &base)
{
    PatternState state = characterTest(0, base);
    state.movingSquare = 1;
    state.squareX = rect.x();
    state.squareY = rect.y();
    state.squareWidth = rect.width();
    state.squareHeight = rect.height();
    return state;
}

inline PatternState cabinetClock(const QSize &cabinet, const QColor &base)
{
    PatternState state = family(Special, 1, base);
    state.cabinetWidth = cabinet.width();
    state.cabinetHeight = cabinet.height();
    return state;
}

// ---- Drawing frames ----

// Where a frame is drawn: an image of `size` in `format` of which the window
// covers `window` (the whole image when null).
struct Target
{
    QSize size;
    QRect window = {};
    QImage::Format format = QImage::Format_ARGB32_Premultiplied;
};
Q_DECLARE_METATYPE(Target)

inline QRect windowOf(const Target &target)
{
    return target.window.isNull() ? QRect(QPoint(0, 0), target.size) : target.window;
}

// Draws frames one after another as one window paints them, so that what the
// renderer keeps from frame to frame carries over; or as the reference draws
// them, keeping nothing. A picture set here is the decoded custom picture.
class Frames
{
public:
    void setPicture(const QImage &picture)
    {
        shownPicture = picture;
        renderer.setPicture(picture);
    }

    // Drawn by one renderer, as the window draws: a second frame of the same
    // state comes from what the renderer kept.
    QImage program(const PatternState &state, const Target &target, const QPoint &cursor = QPoint(0, 0))
    {
        QImage image = blank(target);
        QPainter painter(&image);
        renderer.render(painter, state, windowOf(target), cursor);
        return image;
    }

    QImage reference(const PatternState &state, const Target &target, const QPoint &cursor = QPoint(0, 0)) const
    {
        QImage image = blank(target);
        QPainter painter(&image);
        reference::renderFrame(painter, state, shownPicture, windowOf(target), cursor);
        return image;
    }

private:
    static QImage blank(const Target &target)
    {
        QImage image(target.size, target.format);
        image.fill(untouchedPixel());
        return image;
    }
    QImage shownPicture;
    PatternRenderer renderer;
};

// A frame of the window `size` drawn by the program alone.
inline QImage renderPattern(PatternState state, const QSize &size)
{
    return Frames().program(state, { size });
}

// ---- Comparing ----

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
    if (actual.size() != expected.size() || actual.format() != expected.format())
        return QStringLiteral("sizes or formats differ");
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return firstPixelUnlike(actual, QRect(x, y, 1, 1), expected.pixel(x, y));
    return QString();
}

// Draws `state` on `target` by the program, as the next frame of `frames`,
// and by the reference; the first difference inside the window in words.
inline QString differenceFromReference(Frames &frames, PatternState &state, const Target &target)
{
    const QPoint cursor(1234, 567);
    const QRect window = windowOf(target);
    const QImage actual = frames.program(state, target, cursor).copy(window);
    const QString difference = firstDifferingPixel(actual, frames.reference(state, target, cursor).copy(window));
    return difference.isEmpty() ? difference : QStringLiteral("in the window at (%1, %2): %3").arg(window.x()).arg(window.y()).arg(difference);
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
    const QImage image = Frames().program(state, { window + QSize(100, 50), QRect(QPoint(0, 0), window) });
    if (tolerance == somewhere)
        QVERIFY2(countPixels(image, area, color) > 0, "no pixel of the area has the colour");
    else
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, area, color, tolerance));
}

#endif // RENDERASSERT_H
