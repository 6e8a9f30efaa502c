#include "renderassert.h"

// The colour-bar table and the gray-bar patterns, checked pixel by pixel at
// the places where their geometry is easiest to get wrong.
class RenderBarsTest : public QObject
{
    Q_OBJECT

private slots:
    void pixels_data();
    void pixels() { verifyPixelRow(); }
    void customBarsOfWidthFour();
    void rampOf64RepeatsAcross1920();
    void chartDirection2OnHeight700();
};

const QRgb black = qRgb(0, 0, 0);
const QRgb blue = qRgb(0, 0, 255);

void RenderBarsTest::pixels_data()
{
    addPixelColumns();
    const auto entry = [](int index) { return tableColor(index).rgb(); };
    const QRgb nothing = untouchedPixel();
    const PatternState twoCells = colorTable(2, 1, true, 0, 0, false);
    const QSize autoWindow(101, 50);
    addPixelRow("auto cells on 101 x 50: the first x 0 to 50", twoCells, autoWindow, QRect(0, 0, 51, 50), entry(0));
    addPixelRow("auto cells: the second x 51 to 101", twoCells, autoWindow, QRect(51, 0, 51, 50), entry(1));
    addPixelRow("auto cells: nothing right of x 101", twoCells, autoWindow, QRect(102, 0, 99, 100), nothing);
    addPixelRow("auto cells: nothing below the window", twoCells, autoWindow, QRect(0, 50, 201, 50), nothing);

    const PatternState tiled = colorTable(3, 2, false, 20, 20, true);
    const QSize tiledWindow(100, 50);
    addPixelRow("tiling on 100 x 50: row 3, column 4 has entry 4", tiled, tiledWindow, QRect(80, 60, 20, 20), entry(4));
    addPixelRow("tiling: row 3, column 5 has entry 5", tiled, tiledWindow, QRect(100, 60, 20, 20), entry(5));
    addPixelRow("tiling: no column 6", tiled, tiledWindow, QRect(120, 0, 80, 100), nothing);
    addPixelRow("tiling: no row 4", tiled, tiledWindow, QRect(0, 80, 200, 20), nothing);

    const PatternState descending = customBars(4, 200, 50, 1);
    addPixelRow("descending from 200 step 50: 255 first", descending, QSize(40, 10), QRect(1, 1, 3, 9), gray(255));
    addPixelRow("descending: then 205", descending, QSize(40, 10), QRect(5, 1, 3, 9), gray(205));
    addPixelRow("descending: no bar of 155", descending, QSize(40, 10), QRect(9, 0, 31, 10), blue);

    const PatternState smooth = customBars(1, 0, 7);
    addPixelRow("width 1 from 0: smooth ramp, 64 at x = 64", smooth, QSize(256, 20), QRect(64, 1, 1, 19), gray(64), 2);
    addPixelRow("width 1 from 0: 255 at x = 255", smooth, QSize(256, 20), QRect(255, 1, 1, 19), gray(255), 2);
    addPixelRow("width 1 from 0: horizontal even when rotated", customBars(1, 0, 7, 0, 1), QSize(256, 20),
                QRect(128, 1, 1, 19), gray(128), 2);
    const PatternState narrow = customBars(1, 10, 1);
    addPixelRow("width 1 from 10: black columns 0 to 246", narrow, QSize(300, 10), QRect(0, 0, 247, 10), black);
    addPixelRow("width 1 from 10: base fill from column 247", narrow, QSize(300, 10), QRect(247, 0, 53, 10), blue);

    const QSize fullHd(1920, 1080);
    PatternState ball = grayRamp(-1);
    ball.rampDarkColor = QColor(200, 0, 0);
    ball.rampLightColor = QColor(0, 0, 200);
    addPixelRow("ball on 1920 x 1080: dark at the centre", ball, fullHd, QRect(540, 540, 1, 1), qRgb(200, 0, 0), 3);
    addPixelRow("ball: outline on the left edge", ball, fullHd, QRect(0, 540, 1, 1), black);
    addPixelRow("ball: light colour at the right rim", ball, fullHd, QRect(1077, 540, 1, 1), qRgb(0, 0, 200), 4);
    addPixelRow("ball: black beyond the diameter of 1080", ball, fullHd, QRect(1081, 0, 839, 1080), black);

    // States the panel cannot produce: the family draws nothing over the base fill.
    const auto addDrawsNothingRow = [](const char *name, const PatternState &state) {
        addPixelRow(name, state, QSize(101, 50), QRect(0, 0, 101, 50), grayAdjusted(state.solidColor, 0).rgb());
    };
    addDrawsNothingRow("zero columns", colorTable(0, 2, false, 10, 10, true));
    addDrawsNothingRow("zero rows", colorTable(2, 0, false, 10, 10, true));
    addDrawsNothingRow("negative columns and rows", colorTable(-2, -2, false, 10, 10, true));
    addDrawsNothingRow("zero cell width", colorTable(2, 2, false, 0, 10, true));
    addDrawsNothingRow("negative cell height", colorTable(2, 2, false, 10, -5, true));
    addDrawsNothingRow("auto size with zero columns", colorTable(0, 2, true, 10, 10, false));
    PatternState shortList = colorTable(2, 2, false, 10, 10, true);
    shortList.colorRows = 3;
    addDrawsNothingRow("list shorter than the table", shortList);
    addDrawsNothingRow("bars of width 0", customBars(0, 0, 1));
    addDrawsNothingRow("step 0", customBars(4, 0, 0));
    addDrawsNothingRow("step 0 descending", customBars(4, 0, 0, 1));
    addDrawsNothingRow("negative step", customBars(4, 10, -3));
    addDrawsNothingRow("negative start", customBars(4, -50, 1, 1));
    addDrawsNothingRow("start above 255", customBars(4, 300, 1));
    addDrawsNothingRow("ramp with stop position 2", grayRamp(64, 2));
}

// 256 bars of levels 0 to 255, each with a black outline on its first column and on row 0.
void RenderBarsTest::customBarsOfWidthFour()
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

void RenderBarsTest::rampOf64RepeatsAcross1920()
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
void RenderBarsTest::chartDirection2OnHeight700()
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

QTEST_MAIN(RenderBarsTest)
#include "tst_render_bars.moc"
