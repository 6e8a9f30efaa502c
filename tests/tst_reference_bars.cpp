#include "reference_bars.h"
#include "render.h"

#include <QtTest>

Q_DECLARE_METATYPE(PatternState)

// Every colour-bar and gray-bar pattern, rendered by the program, must equal
// bit for bit the step-by-step drawing of reference_bars.h, at small, odd and
// 4K sizes, with the information text on top.
class ReferenceBarsTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsStepByStep_data();
    void sameAsStepByStep();
    void followsStateAndSizeChanges();

private:
    QImage expectedImage;
    QImage actualImage;
};

namespace {

const QPoint cursor(1234, 567);

// Renders into `image`, which keeps its buffer from one case to the next:
// allocating a 4K frame per case would cost more than drawing it.
const QImage &render(QImage &image, PatternState &state, const QSize &size, bool stepByStep)
{
    if (image.size() != size)
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgba(1, 2, 3, 4));
    QPainter painter(&image);
    if (stepByStep)
        reference::renderFrame(painter, state, QRect(QPoint(0, 0), size), cursor);
    else
        renderFrame(painter, state, QRect(QPoint(0, 0), size), cursor);
    return image;
}

// Where the two images differ, in words, or an empty string when they agree.
QString difference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    qint64 count = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < actual.height(); ++y) {
        const QRgb *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const QRgb *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        if (memcmp(a, e, size_t(actual.width()) * 4) == 0)
            continue;
        for (int x = 0; x < actual.width(); ++x) {
            if (a[x] == e[x])
                continue;
            if (count++ == 0)
                first = QPoint(x, y);
        }
    }
    if (count == 0)
        return QString();
    return QStringLiteral("%1 pixels differ, first at (%2,%3): %4 instead of %5")
        .arg(count)
        .arg(first.x())
        .arg(first.y())
        .arg(actual.pixel(first), 8, 16, QLatin1Char('0'))
        .arg(expected.pixel(first), 8, 16, QLatin1Char('0'));
}

PatternState colorTable(int columns, int rows, bool autoSize, int cellWidth, int cellHeight, bool tile)
{
    PatternState state;
    state.mode = ColorBars;
    state.solidColor = QColor(40, 90, 160);
    state.colorColumns = columns;
    state.colorRows = rows;
    for (int cell = 0; cell < columns * rows; ++cell)
        state.colorList.append(QColor::fromHsv((cell * 47) % 360, 255 - cell % 3 * 60, 255 - cell % 5 * 40));
    state.autoCellSize = autoSize;
    state.cellWidth = cellWidth;
    state.cellHeight = cellHeight;
    state.tileColorBars = tile;
    return state;
}

PatternState grayBars(int rampLength, int reverse, int rotate)
{
    PatternState state;
    state.mode = GrayBars;
    state.solidColor = QColor(200, 30, 30);
    state.rampLength = rampLength;
    state.rampReverse = reverse;
    state.rampRotate = rotate;
    state.rampDarkColor = QColor(10, 20, 90);
    state.rampLightColor = QColor(250, 240, 5);
    return state;
}

PatternState customBars(int width, int start, int spacing, int reverse, int rotate)
{
    PatternState state = grayBars(0, reverse, rotate);
    state.grayBarWidth = width;
    state.grayBarStart = start;
    state.grayBarSpacing = spacing;
    return state;
}

PatternState chart(int direction)
{
    PatternState state = grayBars(64, 0, 0);
    state.colorRampChart = 1;
    state.colorRampDirection = direction;
    return state;
}

QList<QPair<QString, PatternState>> patterns()
{
    QList<QPair<QString, PatternState>> list;
    PatternState solid;
    solid.solidColor = QColor(99, 99, 99);
    list.append({ "plain fill", solid });
    list.append({ "table 8x2 auto", colorTable(8, 2, true, 0, 0, false) });
    list.append({ "table 8x2 auto tiled", colorTable(8, 2, true, 0, 0, true) });
    list.append({ "table 3x2 tiled 20x20", colorTable(3, 2, false, 20, 20, true) });
    list.append({ "table 7x13 tiled 5x3", colorTable(7, 13, false, 5, 3, true) });
    list.append({ "table 2x2 of 10x10", colorTable(2, 2, false, 10, 10, false) });
    list.append({ "table 1x1 tiled 1x1", colorTable(1, 1, false, 1, 1, true) });
    for (int length : { 32, 64, 128, 256 }) {
        for (int rotate : { 0, 1 }) {
            for (int reverse : { 0, 1 })
                list.append({ QStringLiteral("ramp %1%2%3").arg(length).arg(rotate ? " rotated" : "")
                                  .arg(reverse ? " reversed" : ""), grayBars(length, reverse, rotate) });
        }
    }
    list.append({ "ramp 5", grayBars(5, 0, 0) });
    list.append({ "ramp 3 rotated", grayBars(3, 1, 1) });
    list.append({ "full-width ramp", customBars(1, 0, 1, 0, 0) });
    list.append({ "full-width ramp reversed, rotation ignored", customBars(1, 0, 9, 1, 1) });
    list.append({ "custom bars 4 from 0", customBars(4, 0, 1, 0, 0) });
    list.append({ "custom bars 4 from 0 rotated reversed", customBars(4, 0, 1, 1, 1) });
    list.append({ "custom bars 1 from 10", customBars(1, 10, 1, 0, 0) });
    list.append({ "custom bars 1 from 10 rotated", customBars(1, 10, 1, 0, 1) });
    list.append({ "custom bars 200 step 16", customBars(200, 0, 16, 0, 0) });
    list.append({ "custom bars 3 from 200 step 50 reversed", customBars(3, 200, 50, 1, 0) });
    list.append({ "custom bars 7 from 5 step 3 rotated", customBars(7, 5, 3, 0, 1) });
    list.append({ "custom bars 1920 rotated", customBars(1920, 100, 100, 0, 1) });
    list.append({ "ball", grayBars(-1, 0, 0) });
    list.append({ "ball reversed", grayBars(-1, 1, 1) });
    for (int direction : { 0, 1, 2, 3, 4 })
        list.append({ QStringLiteral("chart %1").arg(direction), chart(direction) });
    return list;
}

} // namespace

void ReferenceBarsTest::sameAsStepByStep_data()
{
    QTest::addColumn<PatternState>("state");
    QTest::addColumn<QSize>("size");
    const QSize sizes[] = { QSize(50, 50), QSize(101, 50), QSize(1921, 1081), QSize(3840, 2160) };
    for (const auto &pattern : patterns()) {
        for (const QSize &size : sizes) {
            const QString name = QStringLiteral("%1 at %2x%3").arg(pattern.first).arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable(name)) << pattern.second << size;
        }
    }
}

void ReferenceBarsTest::sameAsStepByStep()
{
    QFETCH(PatternState, state);
    QFETCH(QSize, size);
    PatternState referenceState = state;
    const QImage &expected = render(expectedImage, referenceState, size, true);
    const QImage &actual = render(actualImage, state, size, false);
    const QString problem = difference(actual, expected);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(state.cellWidth, referenceState.cellWidth);
    QCOMPARE(state.cellHeight, referenceState.cellHeight);
}

// Whatever the renderer keeps between paints must follow every change.
void ReferenceBarsTest::followsStateAndSizeChanges()
{
    PatternState state = grayBars(-1, 0, 0);
    const QList<std::function<void(PatternState &)>> changes = {
        [](PatternState &) {},
        [](PatternState &s) { s.rampLightColor = Qt::green; },
        [](PatternState &s) { s.rampReverse = 1; },
        [](PatternState &s) { s.grayOffset = 100; },
        [](PatternState &s) { s.rampLength = 64; },
        [](PatternState &s) { s.rampDarkColor = Qt::red; },
        [](PatternState &s) { s.colorRampChart = 1; },
        [](PatternState &s) { s.colorRampDirection = 3; },
        [](PatternState &s) { s.rampLength = -1; s.colorRampChart = 0; },
    };
    const QSize sizes[] = { QSize(640, 360), QSize(360, 640), QSize(641, 361) };
    for (const auto &change : changes) {
        change(state);
        for (const QSize &size : sizes) {
            PatternState referenceState = state;
            const QString problem = difference(render(actualImage, state, size, false),
                                               render(expectedImage, referenceState, size, true));
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }
    // What was kept for the ball is let go once it is no longer shown.
    state.rampLength = 64;
    render(actualImage, state, QSize(64, 64), false);
    QVERIFY(state.ballImage.isNull());
}

QTEST_MAIN(ReferenceBarsTest)
#include "tst_reference_bars.moc"
