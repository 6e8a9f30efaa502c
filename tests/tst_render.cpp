// Pixel checks of every pattern family at the coordinates and in the colours
// where its geometry is easiest to get wrong, and of the base fill dimmed by
// the gray offset under the information text.
#include "renderassert.h"
#include "fontsubstitutions.h"

namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb blue = qRgb(0, 0, 255);
const QRgb yellow = qRgb(255, 255, 0);
const QRgb base = qRgb(90, 30, 60);
const QSize fullHd(1920, 1080);

PatternState onBase(int mode, int type, bool labels = false) { return family(mode, type, QColor(base), labels); }

} // namespace

class RenderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void pixels_data();
    void pixels() { verifyPixelRow(); }
    void drawsNothingOnStatesThePanelCannotMake_data();
    void drawsNothingOnStatesThePanelCannotMake() { verifyPixelRow(); }
    void baseFillAndText_data();
    void baseFillAndText();
    void customBarsOfWidthFour();
    void rampOf64RepeatsAcross1920();
    void chartDirection2OnHeight700();
    void lineSetsSitWhereTheyShould_data();
    void lineSetsSitWhereTheyShould();
};

void RenderTest::pixels_data()
{
    addPixelColumns();
    const auto entry = [](int index) { return tableColor(index).rgb(); };
    const QRgb nothing = untouchedPixel();
    const PatternState twoCells = colorTable(2, 1, true, 0, 0, false);
    const QSize autoWindow(101, 50);
    addPixelRow("auto cells on 101 x 50: the first x 0 to 50", twoCells, autoWindow, QRect(0, 0, 51, 50), entry(0));
    addPixelRow("auto cells: the second x 51 to 101", twoCells, autoWindow, QRect(51, 0, 51, 50), entry(1));

    const PatternState tiled = colorTable(3, 2, false, 20, 20, true);
    const QSize tiledWindow(100, 50);
    addPixelRow("tiling on 100 x 50: row 3, column 4 has entry 4", tiled, tiledWindow, QRect(80, 60, 20, 20), entry(4));
    addPixelRow("tiling: no column 6", tiled, tiledWindow, QRect(120, 0, 80, 100), nothing);

    const PatternState descending = customBars(4, 200, 50, 1);
    addPixelRow("descending from 200 step 50: 255 first", descending, QSize(40, 10), QRect(1, 1, 3, 9), gray(255));
    addPixelRow("descending: then 205", descending, QSize(40, 10), QRect(5, 1, 3, 9), gray(205));

    const PatternState smooth = customBars(1, 0, 7);
    addPixelRow("width 1 from 0: smooth ramp, 64 at x = 64", smooth, QSize(256, 20), QRect(64, 1, 1, 19), gray(64), 2);
    addPixelRow("width 1 from 0: horizontal even when rotated", customBars(1, 0, 7, 0, 1), QSize(256, 20),
                QRect(128, 1, 1, 19), gray(128), 2);
    const PatternState narrow = customBars(1, 10, 1);
    addPixelRow("width 1 from 10: black columns 0 to 246", narrow, QSize(300, 10), QRect(0, 0, 247, 10), black);
    addPixelRow("width 1 from 10: base fill from column 247", narrow, QSize(300, 10), QRect(247, 0, 53, 10), blue);

    PatternState ball = grayRamp(-1);
    ball.rampDarkColor = QColor(200, 0, 0);
    ball.rampLightColor = QColor(0, 0, 200);
    addPixelRow("ball on 1920 x 1080: dark at the centre", ball, fullHd, QRect(540, 540, 1, 1), qRgb(200, 0, 0), 3);
    addPixelRow("ball: light colour at the right rim", ball, fullHd, QRect(1077, 540, 1, 1), qRgb(0, 0, 200), 4);
    addPixelRow("ball: black beyond the diameter of 1080", ball, fullHd, QRect(1081, 0, 839, 1080), black);

    // The square (30, 40, 20, 10) wins over the character test, which wins over all four line sets.
    const PatternState square = movingSquare({ 30, 40, 20, 10 }, Qt::black);
    const QSize window(800, 100);
    addPixelRow("square: white inside its outline", square, window, QRect(31, 41, 19, 9), white);
    addPixelRow("square: black above, over text and lines", square, window, QRect(0, 0, 800, 41), black);
    addPixelRow("square: black below, over the white half", square, window, QRect(0, 50, 800, 50), black);
    PatternState text = square;
    text.movingSquare = 0;
    addPixelRow("character test: white lower half right of the text", text, window, QRect(700, 50, 100, 50), white);
    addPixelRow("character test: no lines in the upper half", text, window, QRect(700, 1, 100, 49), blue);
    // On a window 100 high the second upper line stands on y = 5, the second lower one on y = 55.
    addPixelRow("character test: white text above y = 5", text, window, QRect(0, 0, 200, 5), white, somewhere);
    addPixelRow("character test: black text above y = 55", text, window, QRect(0, 50, 200, 5), black, somewhere);

    const auto dot = [](int x, int y) { return QRect(x, y, 1, 1); };
    // Gray blocks on 1920 x 1080: cells 111 x 56, 120 apart across and 67 down, from (8, 10).
    const PatternState blocks = onBase(GrayBlocks, 0);
    addPixelRow("gray blocks: level 0 at row 0, column 0", blocks, fullHd, QRect(8, 10, 111, 56), gray(0));
    addPixelRow("gray blocks: level 255 at row 15, column 15", blocks, fullHd, QRect(1808, 1015, 111, 56), gray(255));
    addPixelRow("gray blocks: black between columns 0 and 1", blocks, fullHd, QRect(119, 10, 9, 56), black);
    addPixelRow("gray blocks: hidden labels, black above a cell", blocks, fullHd, QRect(608, 134, 120, 10), black);
    // Shown, a label stands on the top of its cell from x = 52 + 120c, in white.
    const PatternState labels = onBase(GrayBlocks, 0, true);
    addPixelRow("labels: 16 from x = 52", labels, fullHd, QRect(52, 67, 12, 10), white, somewhere);
    addPixelRow("labels: nothing before x = 52", labels, fullHd, QRect(8, 67, 44, 10), black);
    addPixelRow("labels: 255 from x = 1852", labels, fullHd, QRect(1852, 1005, 12, 10), white, somewhere);
    addPixelRow("gray blocks on 100 x 500: no cells, no labels", labels, QSize(100, 500), QRect(0, 0, 100, 500), black);

    // Bright contrast: cells 190 wide, rows 267 apart and 260 high; row 0 holds 175, 183, ..., 247.
    const PatternState bright = onBase(GrayBlocks, 1);
    addPixelRow("bright: row 0, column 0 is 175", bright, fullHd, dot(10, 10), gray(175));
    addPixelRow("bright: row 0, column 9 is 247", bright, fullHd, dot(1899, 269), gray(247));
    addPixelRow("bright: a cell covers the grid line at its left edge", bright, fullHd, dot(200, 100), gray(183));
    addPixelRow("bright: grid line x = 10 in the top gap", bright, fullHd, dot(10, 9), black);
    addPixelRow("bright: grid line x = 200 between rows 0 and 1", bright, fullHd, dot(200, 272), black);
    addPixelRow("bright: white beside a grid line", bright, fullHd, dot(201, 272), white);
    addPixelRow("bright: no grid line at x = 1910", bright, fullHd, dot(1910, 272), white);
    addPixelRow("dark contrast without labels: the cell of 80 is plain", onBase(GrayBlocks, 2), fullHd,
                QRect(1720, 811, 190, 260), gray(80));

    // Grid and circles on 1600 x 800: lines every 100 pixels, corner ellipses 200 x 200, circles of
    // radius 400, 300, 200, 100 around (800, 400). Curves may land a pixel off the ideal: 3 x 3 around.
    const PatternState grid = onBase(Special, 2);
    const QSize gridSize(1600, 800);
    const auto around = [](int x, int y) { return QRect(x - 1, y - 1, 3, 3); };
    addPixelRow("grid: vertical line x = 100", grid, gridSize, dot(100, 650), white);
    addPixelRow("grid: between lines", grid, gridSize, dot(150, 450), base);
    addPixelRow("grid: white circle, radius 400, bottom", grid, gridSize, around(850, 797), white, somewhere);
    addPixelRow("grid: red circle, radius 300, top", grid, gridSize, around(750, 104), qRgb(255, 0, 0), somewhere);
    addPixelRow("grid: green circle, radius 200, left", grid, gridSize, around(606, 450), qRgb(0, 255, 0), somewhere);
    addPixelRow("grid: blue circle, radius 100, right", grid, gridSize, around(898, 380), qRgb(0, 0, 255), somewhere);
    addPixelRow("grid: top-left corner ellipse", grid, gridSize, around(13, 50), white, somewhere);
    addPixelRow("grid: outside the corner ellipse", grid, gridSize, dot(3, 3), base);

    // Cabinets of 216 x 216: outlines at x = 0 ... 1728 and y = 0 ... 864, the last ones clipped; a clock in each.
    const PatternState cabinets = cabinetClock({ 216, 216 }, QColor(base));
    addPixelRow("cabinets: the last column's outline", cabinets, fullHd, QRect(1728, 0, 1, 1080), white);
    addPixelRow("cabinets: the last row's outline", cabinets, fullHd, QRect(0, 864, 1920, 1), white);
    addPixelRow("cabinets: no outline at the clipped corner", cabinets, fullHd, QRect(1919, 1078, 1, 2), base);
    addPixelRow("cabinets: a clock in the first", cabinets, fullHd, QRect(60, 100, 96, 16), white, somewhere);
    addPixelRow("cabinets: a clock in the last, clipped", cabinets, fullHd, QRect(1788, 964, 96, 16), white, somewhere);
}

// The family draws nothing over the base fill, and does not crash.
void RenderTest::drawsNothingOnStatesThePanelCannotMake_data()
{
    addPixelColumns();
    PatternState shortList = colorTable(2, 2, false, 10, 10, true);
    shortList.colorRows = 3;
    const QList<QPair<const char *, PatternState>> states = {
        { "zero columns", colorTable(0, 2, false, 10, 10, true) },
        { "zero cell width", colorTable(2, 2, false, 0, 10, true) },
        { "negative cell height", colorTable(2, 2, false, 10, -5, true) },
        { "list shorter than the table", shortList },
        { "bars of width 0", customBars(0, 0, 1) },
        { "step 0", customBars(4, 0, 0) },
        { "negative start", customBars(4, -50, 1, 1) },
        { "ramp with stop position 2", grayRamp(64, 2) },
        { "gray-block type 3", onBase(GrayBlocks, 3) },
        { "special type 5", onBase(Special, 5) },
        { "cabinet width 0", cabinetClock({ 0, 216 }, QColor(base)) },
        { "picture never loaded", onBase(Special, 3) },
        { "unknown mode", patternState(99, Qt::green) },
    };
    for (const auto &row : states)
        addPixelRow(row.first, row.second, QSize(301, 200), QRect(0, 0, 301, 200), grayAdjusted(row.second.solidColor, 0).rgb());
    // Scan lines that cannot be drawn leave the background inside its black outline.
    const QRect inside(1, 1, 119, 79);
    addPixelRow("pitch 0", scanLines(0, 1, 15), QSize(120, 80), inside, blue);
    addPixelRow("font index past the list", characterTest(9, Qt::black), QSize(120, 80), inside, blue);
}

void RenderTest::baseFillAndText_data()
{
    QTest::addColumn<QColor>("solidColor");
    QTest::addColumn<int>("grayOffset");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QColor>("expectedBase");
    QTest::addColumn<QColor>("expectedPen");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("unset colour paints black, white 0") << QColor() << 0 << QPoint(1024, 37)
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (1024,37) ";
    QTest::newRow("red dimmed by 55 is 200, black text") << QColor(255, 0, 0) << 55 << QPoint(-3840, -2160)
        << QColor(200, 0, 0) << QColor(Qt::black) << "GrayValue:200 (-3840,-2160) ";
    QTest::newRow("value 100 takes the black pen") << QColor(100, 100, 100) << 0 << QPoint(5, 6)
        << QColor(100, 100, 100) << QColor(Qt::black) << "GrayValue:100 (5,6) ";
    QTest::newRow("value 99 takes the white pen") << QColor(99, 99, 99) << 0 << QPoint(5, 6)
        << QColor(99, 99, 99) << QColor(Qt::white) << "GrayValue:99 (5,6) ";
    QTest::newRow("offset equal to the value gives black and 0") << QColor(100, 100, 100) << 100 << QPoint(0, 0)
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (0,0) ";
    QTest::newRow("offset above the value gives black and 0") << QColor(30, 30, 30) << 31 << QPoint(0, 0)
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (0,0) ";
}

void RenderTest::baseFillAndText()
{
    QFETCH(QColor, solidColor);
    QFETCH(int, grayOffset);
    QFETCH(QPoint, cursor);
    QFETCH(QColor, expectedBase);
    QFETCH(QColor, expectedPen);
    QFETCH(QString, expectedText);
    PatternState state;
    state.solidColor = solidColor;
    state.grayOffset = grayOffset;
    const QSize size(320, 120);
    const QImage image = Frames().program(state, { size }, cursor);
    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(expectedBase);
    QPainter painter(&expected);
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(17);
    painter.setFont(font);
    painter.setPen(expectedPen);
    painter.drawText(expected.rect(), Qt::AlignCenter, expectedText);
    painter.end();
    QVERIFY2(countPixels(image, QRect(100, 52, 120, 16), expectedPen.rgba()) > 0, "no text in the pen colour in the centre");
    VERIFY_NO_DIFFERENCE(firstDifferingPixel(image, expected));
}

// 256 bars of levels 0 to 255, each with a black outline on its first column and on row 0.
void RenderTest::customBarsOfWidthFour()
{
    PatternState state = customBars(4, 0, 1);
    const QImage image = renderPattern(state, QSize(1030, 10));
    for (int level = 0; level < 256; ++level) {
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(4 * level, 0, 1, 10), black));
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(4 * level + 1, 1, 3, 9), gray(level)));
    }
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(0, 0, 1025, 1), black));
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(1024, 0, 1, 10), black));
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(1025, 0, 5, 10), blue));
}

void RenderTest::rampOf64RepeatsAcross1920()
{
    PatternState state = grayRamp(64);
    const QImage image = renderPattern(state, QSize(1920, 8));
    // The toolkit steps the gradient in fixed point along a row, so the far
    // ramps start up to a few pixels early; each still runs dark to light.
    QList<int> restarts;
    for (int x = 2; x < 1920; ++x) {
        const int step = qRed(image.pixel(x, 4)) - qRed(image.pixel(x - 1, 4));
        if (step < -128)
            restarts.append(x);
        else
            QVERIFY2(step >= 0 && step <= 5, qPrintable(QString::number(x)));
    }
    QCOMPARE(restarts.size(), 29);
    for (int ramp = 1; ramp < 30; ++ramp) {
        const int restart = restarts.at(ramp - 1);
        QVERIFY2(qAbs(restart - 64 * ramp) <= 3, qPrintable(QString::number(restart)));
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(restart, 4, 1, 1), black, 6));
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(restart - 1, 4, 1, 1), gray(255), 6));
    }
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(1, 4, 1, 1), black, 6));
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(0, 0, 1920, 1), black));
}

// Bands of height 90 at y = 5, 105, ..., 605, each from black at the left to its colour at the right.
void RenderTest::chartDirection2OnHeight700()
{
    PatternState state = grayRamp(64);
    state.colorRampChart = 1;
    state.colorRampDirection = 2;
    const QImage image = renderPattern(state, QSize(300, 700));
    const QRgb colours[7] = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255),
                              qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 0) };
    for (int band = 0; band < 7; ++band) {
        const int top = 5 + 100 * band;
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(150, top - 1, 1, 2), black));  // gap and outline
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(150, top + 90, 1, 1), black));
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(299, top + 45, 1, 1), colours[band], 2));
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(1, top + 45, 1, 1), black, 2));
        QVERIFY(image.pixel(150, top + 1) != black);
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(150, top + 1, 1, 89), image.pixel(150, top + 1)));
    }
}

void RenderTest::lineSetsSitWhereTheyShould_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<int>("lineCount");
    const QSize square(100, 100), wide(100, 50);
    QTest::newRow("horizontal forward from 0: y = 0 ... 100") << 0 << square << 0 << 1 << 0 << 6;
    QTest::newRow("horizontal backward offset 5: y = 15 ... 115") << 0 << square << 5 << -1 << 15 << 6;
    QTest::newRow("vertical backward offset 4: x = 16 ... 116") << 1 << square << 4 << -1 << 16 << 6;
    QTest::newRow("left-to-right, 22 lines from (0,-100) to (100,0)") << 2 << wide << 0 << 1 << 0 << 22;
    QTest::newRow("left-to-right, offset 3 backward") << 2 << wide << 3 << -1 << -3 << 22;
    QTest::newRow("right-to-left, 22 lines from (0,0) to (100,-100)") << 3 << wide << 0 << 1 << 0 << 22;
    QTest::newRow("right-to-left, offset 6 forward") << 3 << wide << 6 << 1 << 6 << 22;
}

// At pitch 20, line j of a set lies where c = firstLine + 20j: c is y for the
// horizontal set, x for the vertical, and for the diagonals from (0, c - 100)
// to (100, c) and from (0, c) to (100, c - 100), y - x + 100 and x + y.
void RenderTest::lineSetsSitWhereTheyShould()
{
    QFETCH(int, set);
    QFETCH(QSize, window);
    QFETCH(int, offset);
    QFETCH(int, direction);
    QFETCH(int, firstLine);
    QFETCH(int, lineCount);
    PatternState state = scanLines(20, 1, 0, offset, direction);
    int *const sets[] = { &state.scanHorizontal, &state.scanVertical, &state.scanDiagonalLR, &state.scanDiagonalRL };
    *sets[set] = 1;
    const QImage image = renderPattern(state, window);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const int along[] = { y, x, y - x + 100, x + y };
            const int c = along[set] - firstLine;
            const bool onLine = c >= 0 && c % 20 == 0 && c / 20 < lineCount;
            // The background's black outline covers the top row and the left column.
            const QRgb expected = onLine ? yellow : x == 0 || y == 0 ? black : blue;
            VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(x, y, 1, 1), expected));
        }
    }
}

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
