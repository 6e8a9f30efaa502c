#include "render.h"
#include "renderassert.h"

#include <QtTest>

Q_DECLARE_METATYPE(PatternState)

// The colour-bar table and the gray-bar patterns, checked pixel by pixel at
// the places where their geometry is easiest to get wrong.
class RenderBarsTest : public QObject
{
    Q_OBJECT

private slots:
    void autoCellSizeIsWrittenBack();
    void tilingRepeatsTheTable();
    void customBarsOfWidthFour();
    void descendingBarsStopAtTheStart();
    void widthOneFromZeroIsTheSmoothRamp_data();
    void widthOneFromZeroIsTheSmoothRamp();
    void widthOneFromAboveZeroIsBlack();
    void rampOf64RepeatsAcross1920();
    void ballTouchesTheLeftEdge();
    void chartDirection2OnHeight700();
    void impossibleStatesDrawNothing_data();
    void impossibleStatesDrawNothing();
};

namespace {

const QRgb black = qRgb(0, 0, 0);

QRgb gray(int level)
{
    return qRgb(level, level, level);
}

PatternState grayBars()
{
    PatternState state;
    state.mode = GrayBars;
    state.infoVisible = false;
    state.solidColor = Qt::blue;
    state.rampDarkColor = Qt::black;
    state.rampLightColor = Qt::white;
    return state;
}

PatternState customBars(int width, int start, int spacing, int reverse)
{
    PatternState state = grayBars();
    state.rampLength = 0;
    state.grayBarWidth = width;
    state.grayBarStart = start;
    state.grayBarSpacing = spacing;
    state.rampReverse = reverse;
    return state;
}

bool near(QRgb pixel, QRgb expected, int tolerance)
{
    return qAbs(qRed(pixel) - qRed(expected)) <= tolerance && qAbs(qGreen(pixel) - qGreen(expected)) <= tolerance
        && qAbs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

} // namespace

void RenderBarsTest::autoCellSizeIsWrittenBack()
{
    PatternState state;
    state.mode = ColorBars;
    state.infoVisible = false;
    state.colorList = { QColor(Qt::red), QColor(Qt::green) };
    state.colorColumns = 2;
    state.colorRows = 1;
    state.autoCellSize = true;
    // A wider image shows how far the second cell reaches past the window.
    const QImage image = renderPattern(state, QSize(110, 60), QRect(0, 0, 101, 50));
    QCOMPARE(state.cellWidth, 51);
    QCOMPARE(state.cellHeight, 50);
    QCOMPARE(image.pixel(50, 49), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(51, 0), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(101, 49), qRgb(0, 255, 0));
    QCOMPARE(image.pixel(102, 10), untouchedPixel());
    QCOMPARE(image.pixel(10, 50), untouchedPixel());
}

void RenderBarsTest::tilingRepeatsTheTable()
{
    PatternState state;
    state.mode = ColorBars;
    state.infoVisible = false;
    for (int entry = 0; entry < 6; ++entry)
        state.colorList.append(QColor(10 * entry, 20, 30));
    state.colorColumns = 3;
    state.colorRows = 2;
    state.autoCellSize = false;
    state.cellWidth = 20;
    state.cellHeight = 20;
    state.tileColorBars = true;
    const QImage image = renderPattern(state, QSize(200, 100), QRect(0, 0, 100, 50));
    // hRep 2 and vRep 2: columns 0 to 5 and rows 0 to 3, even beyond the window.
    QCOMPARE(image.pixel(85, 65), qRgb(40, 20, 30));        // row 3, column 4: entry 4
    QCOMPARE(image.pixel(5, 25), qRgb(30, 20, 30));         // row 1, column 0: entry 3
    QCOMPARE(image.pixel(65, 5), qRgb(0, 20, 30));          // column 3 starts the table again
    QCOMPARE(image.pixel(119, 79), qRgb(50, 20, 30));       // row 3, column 5: entry 5
    QCOMPARE(image.pixel(120, 5), untouchedPixel());        // no column 6
    QCOMPARE(image.pixel(5, 80), untouchedPixel());         // no row 4
}

void RenderBarsTest::customBarsOfWidthFour()
{
    PatternState state = customBars(4, 0, 1, 0);
    const QImage image = renderPattern(state, QSize(1030, 10));
    for (int level = 0; level < 256; ++level) {
        const int x = 4 * level;
        QCOMPARE(image.pixel(x, 5), black);
        for (int inside = 1; inside < 4; ++inside)
            QCOMPARE(image.pixel(x + inside, 5), gray(level));
        QCOMPARE(image.pixel(x + 2, 0), black);
    }
    QCOMPARE(image.pixel(1024, 5), black);                  // the last bar's right outline
    QCOMPARE(image.pixel(1025, 5), qRgb(0, 0, 255));        // base fill beyond the bars
}

void RenderBarsTest::descendingBarsStopAtTheStart()
{
    PatternState state = customBars(4, 200, 50, 1);
    const QImage image = renderPattern(state, QSize(40, 10));
    QCOMPARE(image.pixel(2, 5), gray(255));
    QCOMPARE(image.pixel(6, 5), gray(205));
    QCOMPARE(image.pixel(8, 5), black);
    QCOMPARE(image.pixel(9, 5), qRgb(0, 0, 255));           // no bar of 155
}

void RenderBarsTest::widthOneFromZeroIsTheSmoothRamp_data()
{
    QTest::addColumn<int>("rampRotate");
    QTest::newRow("not rotated") << 0;
    QTest::newRow("horizontal even when rotated") << 1;
}

void RenderBarsTest::widthOneFromZeroIsTheSmoothRamp()
{
    QFETCH(int, rampRotate);
    PatternState state = customBars(1, 0, 7, 0);
    state.rampRotate = rampRotate;
    const QImage image = renderPattern(state, QSize(256, 20));
    for (int x = 1; x < 256; ++x) {
        QVERIFY2(near(image.pixel(x, 5), gray(x), 2), qPrintable(QString::number(x)));
        QCOMPARE(image.pixel(x, 19), image.pixel(x, 1));
    }
    QCOMPARE(image.pixel(0, 5), black);
    QCOMPARE(image.pixel(100, 0), black);
}

void RenderBarsTest::widthOneFromAboveZeroIsBlack()
{
    PatternState state = customBars(1, 10, 1, 0);
    const QImage image = renderPattern(state, QSize(300, 10));
    // Levels 10 to 255: 246 bars, whose outlines cover columns 0 to 246.
    QVERIFY(allPixelsEqual(image, QRect(0, 0, 247, 10), black));
    QCOMPARE(image.pixel(247, 5), qRgb(0, 0, 255));
}

void RenderBarsTest::rampOf64RepeatsAcross1920()
{
    PatternState state = grayBars();
    state.rampLength = 64;
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
        QVERIFY(near(image.pixel(restart, 4), black, 6));
        QVERIFY(near(image.pixel(restart - 1, 4), gray(255), 6));
    }
    QVERIFY(near(image.pixel(1, 4), black, 6));
    QVERIFY(allPixelsEqual(image, QRect(0, 0, 1920, 1), black));
}

void RenderBarsTest::ballTouchesTheLeftEdge()
{
    PatternState state = grayBars();
    state.rampLength = -1;
    state.rampDarkColor = QColor(200, 0, 0);
    state.rampLightColor = QColor(0, 0, 200);
    const QImage image = renderPattern(state, QSize(1920, 1080));
    QVERIFY(near(image.pixel(540, 540), qRgb(200, 0, 0), 3));     // dark colour at the centre
    QCOMPARE(image.pixel(0, 540), black);                          // outline on the left edge
    QVERIFY(near(image.pixel(2, 540), qRgb(0, 0, 200), 4));        // light colour at the rim
    QVERIFY(near(image.pixel(1077, 540), qRgb(0, 0, 200), 4));
    QCOMPARE(image.pixel(1082, 540), black);                       // beyond the diameter
    QVERIFY(allPixelsEqual(image, QRect(1081, 0, 839, 1080), black));
}

void RenderBarsTest::chartDirection2OnHeight700()
{
    PatternState state = grayBars();
    state.colorRampChart = 1;
    state.colorRampDirection = 2;
    const QImage image = renderPattern(state, QSize(300, 700));
    const QRgb colours[7] = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255),
                              qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 0) };
    for (int band = 0; band < 7; ++band) {
        const int top = 5 + 100 * band;
        QCOMPARE(image.pixel(150, top - 1), black);            // gap above the band
        QCOMPARE(image.pixel(150, top), black);                // outline
        QVERIFY(near(image.pixel(299, top + 45), colours[band], 2));
        QVERIFY(near(image.pixel(1, top + 45), black, 2));
        QVERIFY(image.pixel(150, top + 1) != black);
        QCOMPARE(image.pixel(150, top + 89), image.pixel(150, top + 1));
        QCOMPARE(image.pixel(150, top + 90), black);           // bottom outline
    }
}

void RenderBarsTest::impossibleStatesDrawNothing_data()
{
    QTest::addColumn<PatternState>("state");

    PatternState table;
    table.mode = ColorBars;
    table.colorList = { QColor(Qt::red), QColor(Qt::green), QColor(Qt::red), QColor(Qt::green) };
    table.colorColumns = 2;
    table.colorRows = 2;
    table.autoCellSize = false;
    table.tileColorBars = true;

    PatternState noColumns = table;
    noColumns.colorColumns = 0;
    QTest::newRow("zero columns") << noColumns;
    PatternState noRows = table;
    noRows.colorRows = 0;
    QTest::newRow("zero rows") << noRows;
    PatternState negativeColumns = table;
    negativeColumns.colorColumns = -2;
    negativeColumns.colorRows = -2;
    QTest::newRow("negative columns and rows") << negativeColumns;
    PatternState noWidth = table;
    noWidth.cellWidth = 0;
    QTest::newRow("zero cell width") << noWidth;
    PatternState noHeight = table;
    noHeight.cellHeight = -5;
    QTest::newRow("negative cell height") << noHeight;
    PatternState shortList = table;
    shortList.colorRows = 3;
    QTest::newRow("list shorter than the table") << shortList;
    PatternState autoNoColumns = table;
    autoNoColumns.autoCellSize = true;
    autoNoColumns.colorColumns = 0;
    QTest::newRow("auto size with zero columns") << autoNoColumns;

    QTest::newRow("bars of width 0") << customBars(0, 0, 1, 0);
    QTest::newRow("step 0") << customBars(4, 0, 0, 0);
    QTest::newRow("step 0 descending") << customBars(4, 0, 0, 1);
    QTest::newRow("negative step") << customBars(4, 10, -3, 0);
    QTest::newRow("negative start") << customBars(4, -50, 1, 1);
    QTest::newRow("start above 255") << customBars(4, 300, 1, 0);

    PatternState ramp = grayBars();
    ramp.rampLength = 64;
    ramp.rampReverse = 2;
    QTest::newRow("ramp with stop position 2") << ramp;
}

void RenderBarsTest::impossibleStatesDrawNothing()
{
    QFETCH(PatternState, state);
    state.infoVisible = false;
    state.solidColor = QColor(1, 2, 3);
    const int cellWidth = state.cellWidth;
    const QImage image = renderPattern(state, QSize(101, 50));
    QVERIFY(allPixelsEqual(image, image.rect(), qRgb(1, 2, 3)));
    if (state.mode == ColorBars && state.colorColumns < 1)
        QCOMPARE(state.cellWidth, cellWidth);
}

QTEST_MAIN(RenderBarsTest)
#include "tst_render_bars.moc"
