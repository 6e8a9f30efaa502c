// Pixel checks of the gray blocks, contrast charts, clocks, grid and circles
// and the custom picture.
#include "renderassert.h"
#include "startup.h"

class RenderSpecialTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void pixels_data();
    void pixels() { verifyPixelRow(); }
    void textsDrawnExactly_data();
    void textsDrawnExactly();
    void cabinetClockDrawsOneClockPerCabinet();
};

namespace {

const QRgb base = qRgb(90, 30, 60);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QSize fullHd(1920, 1080);

PatternState family(int mode, int type, bool labels = false)
{
    PatternState state = patternState(mode, QColor(base));
    state.grayBlockType = state.specialType = type;
    state.hideBlockText = !labels;
    return state;
}

// A 640 x 480 picture of four quadrants: red, green / blue, yellow.
PatternState quadrants(bool fit)
{
    QImage picture(640, 480, QImage::Format_RGB32);
    QPainter painter(&picture);
    const Qt::GlobalColor colours[] = { Qt::red, Qt::green, Qt::blue, Qt::yellow };
    for (int i = 0; i < 4; ++i)
        painter.fillRect(320 * (i % 2), 240 * (i / 2), 320, 240, colours[i]);
    painter.end();
    PatternState state = family(Special, 3);
    state.picturePath = QStringLiteral("quadrants.png");
    state.picture = picture;
    state.pictureFit = fit;
    return state;
}

} // namespace

void RenderSpecialTest::pixels_data()
{
    addPixelColumns();
    const auto dot = [](int x, int y) { return QRect(x, y, 1, 1); };
    // Gray blocks on 1920 x 1080: cells 111 x 56, 120 apart across and 67 down, from (8, 10).
    const PatternState blocks = family(GrayBlocks, 0);
    addPixelRow("gray blocks: level 0 at row 0, column 0", blocks, fullHd, QRect(8, 10, 111, 56), gray(0));
    addPixelRow("gray blocks: level 17 at row 1, column 1", blocks, fullHd, QRect(128, 77, 111, 56), gray(17));
    addPixelRow("gray blocks: level 200 at row 12, column 8", blocks, fullHd, QRect(968, 814, 111, 56), gray(200));
    addPixelRow("gray blocks: level 255 at row 15, column 15", blocks, fullHd, QRect(1808, 1015, 111, 56), gray(255));
    addPixelRow("gray blocks: black between columns 0 and 1", blocks, fullHd, QRect(119, 10, 9, 56), black);
    addPixelRow("gray blocks: black between rows 0 and 1", blocks, fullHd, QRect(8, 66, 111, 11), black);
    addPixelRow("gray blocks: hidden labels, black above a cell", blocks, fullHd, QRect(608, 134, 120, 10), black);
    // Shown, a label stands on the top of its cell from x = 52 + 120c, in white.
    const PatternState labels = family(GrayBlocks, 0, true);
    addPixelRow("labels: 16 from x = 52", labels, fullHd, QRect(52, 67, 12, 10), white, somewhere);
    addPixelRow("labels: nothing before x = 52", labels, fullHd, QRect(8, 67, 44, 10), black);
    addPixelRow("labels: 37 from x = 652", labels, fullHd, QRect(652, 134, 12, 10), white, somewhere);
    addPixelRow("labels: nothing before x = 652", labels, fullHd, QRect(608, 134, 44, 10), black);
    addPixelRow("labels: 255 from x = 1852", labels, fullHd, QRect(1852, 1005, 12, 10), white, somewhere);
    addPixelRow("labels: nothing before x = 1852", labels, fullHd, QRect(1808, 1005, 44, 10), black);
    addPixelRow("gray blocks on 100 x 500: no cells, no labels", labels, QSize(100, 500), QRect(0, 0, 100, 500), black);

    // Bright contrast: cells 190 wide, rows 267 apart and 260 high; row 0 holds 175, 183, ..., 247.
    const PatternState bright = family(GrayBlocks, 1);
    addPixelRow("bright: row 0, column 0 is 175", bright, fullHd, dot(10, 10), gray(175));
    addPixelRow("bright: row 0, column 9 is 247", bright, fullHd, dot(1899, 269), gray(247));
    addPixelRow("bright: row 1, column 0 is 215", bright, fullHd, dot(10, 277), gray(215));
    addPixelRow("bright: row 3, column 9 is 254", bright, fullHd, dot(1899, 1070), gray(254));
    addPixelRow("bright: a cell covers the grid line at its left edge", bright, fullHd, dot(200, 100), gray(183));
    addPixelRow("bright: grid line x = 10 in the top gap", bright, fullHd, dot(10, 9), black);
    addPixelRow("bright: grid line x = 200 between rows 0 and 1", bright, fullHd, dot(200, 272), black);
    addPixelRow("bright: grid line x = 1720 below the last row", bright, fullHd, dot(1720, 1075), black);
    addPixelRow("bright: white beside a grid line", bright, fullHd, dot(201, 272), white);
    addPixelRow("bright: white right of the last cell", bright, fullHd, dot(1912, 100), white);
    addPixelRow("bright: no grid line at x = 1910", bright, fullHd, dot(1910, 272), white);
    addPixelRow("dark contrast without labels: the cell of 80 is plain", family(GrayBlocks, 2), fullHd,
                QRect(1720, 811, 190, 260), gray(80));

    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    addPixelRow("picture, own size: top-left corner", quadrants(false), fullHd, dot(0, 0), red);
    addPixelRow("picture, own size: last picture pixel", quadrants(false), fullHd, dot(639, 479), yellow);
    addPixelRow("picture, own size: base fill to the right", quadrants(false), fullHd, dot(640, 0), base);
    addPixelRow("picture, own size: base fill below", quadrants(false), fullHd, dot(0, 480), base);
    addPixelRow("picture, fit: top-left corner", quadrants(true), fullHd, dot(0, 0), red);
    addPixelRow("picture, fit: bottom-right corner", quadrants(true), fullHd, dot(1919, 1079), yellow);
    addPixelRow("picture, fit: right of the middle", quadrants(true), fullHd, dot(962, 537), green);
    addPixelRow("picture, fit: below the middle", quadrants(true), fullHd, dot(957, 542), blue);

    // Grid and circles on 1600 x 800: lines every 100 pixels, corner ellipses 200 x 200, circles of
    // radius 400, 300, 200, 100 around (800, 400). Curves may land a pixel off the ideal: 3 x 3 around.
    const PatternState grid = family(Special, 2);
    const QSize gridSize(1600, 800);
    const auto around = [](int x, int y) { return QRect(x - 1, y - 1, 3, 3); };
    addPixelRow("grid: vertical line x = 100", grid, gridSize, dot(100, 650), white);
    addPixelRow("grid: vertical line x = 1500", grid, gridSize, dot(1500, 0), white);
    addPixelRow("grid: horizontal line y = 100", grid, gridSize, dot(1550, 100), white);
    addPixelRow("grid: horizontal line y = 700", grid, gridSize, dot(5, 700), white);
    addPixelRow("grid: no line at x = 0", grid, gridSize, dot(0, 50), base);
    addPixelRow("grid: no line at y = 0", grid, gridSize, dot(50, 0), base);
    addPixelRow("grid: between lines", grid, gridSize, dot(150, 450), base);
    addPixelRow("grid: white circle, radius 400, bottom", grid, gridSize, around(850, 797), white, somewhere);
    addPixelRow("grid: red circle, radius 300, top", grid, gridSize, around(750, 104), qRgb(255, 0, 0), somewhere);
    addPixelRow("grid: green circle, radius 200, left", grid, gridSize, around(606, 450), qRgb(0, 255, 0), somewhere);
    addPixelRow("grid: blue circle, radius 100, right", grid, gridSize, around(898, 380), qRgb(0, 0, 255), somewhere);
    addPixelRow("grid: top-left corner ellipse", grid, gridSize, around(13, 50), white, somewhere);
    addPixelRow("grid: bottom-right corner ellipse", grid, gridSize, around(1587, 650), white, somewhere);
    addPixelRow("grid: outside the corner ellipse", grid, gridSize, dot(3, 3), base);
    addPixelRow("grid: inside the blue circle", grid, gridSize, dot(850, 350), base);

    // States the panel cannot produce draw only the base fill.
    const QRect whole(0, 0, 300, 200);
    addPixelRow("gray-block type 3", family(GrayBlocks, 3), whole.size(), whole, base);
    addPixelRow("gray-block type -1", family(GrayBlocks, -1), whole.size(), whole, base);
    addPixelRow("special type 5", family(Special, 5), whole.size(), whole, base);
    PatternState cabinet = family(Special, 1);
    cabinet.cabinetWidth = 0;
    addPixelRow("cabinet width 0", cabinet, whole.size(), whole, base);
    cabinet.cabinetWidth = 216;
    cabinet.cabinetHeight = -5;
    addPixelRow("cabinet height -5", cabinet, whole.size(), whole, base);
    addPixelRow("picture never loaded", family(Special, 3), whole.size(), whole, base);
}

// White text in Century Gothic centred in `area` over `background`.
void RenderSpecialTest::textsDrawnExactly_data()
{
    QTest::addColumn<PatternState>("state");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("text");
    // Level 80 is row 3, column 9 of the dark chart.
    QTest::newRow("dark contrast: the label of 80") << family(GrayBlocks, 2, true) << fullHd
        << QRect(1720, 811, 190, 260) << gray(80) << 10 << "31.3725% \n80 / 255";
    PatternState clock = family(Special, 0);
    clock.delayTime = QTime(0, 1, 2, 500);
    QTest::newRow("full-window clock on 1920 x 1080: 154 points") << clock << fullHd << QRect(QPoint(0, 0), fullHd)
        << base << 154 << "01:02.500";
    clock.delayTime = QTime(3, 59, 7, 4);
    QTest::newRow("full-window clock on 400 x 900: 57 points, no hours") << clock << QSize(400, 900)
        << QRect(0, 0, 400, 900) << base << 57 << "59:07.004";
}

void RenderSpecialTest::textsDrawnExactly()
{
    QFETCH(PatternState, state);
    QFETCH(QSize, size);
    QFETCH(QRect, area);
    QFETCH(QRgb, background);
    QFETCH(int, pointSize);
    QFETCH(QString, text);
    const QImage image = renderPattern(state, size).copy(area);
    const QFont font(QStringLiteral("Century Gothic"), pointSize);
    const QImage expected = textOn(area.size(), background, image.rect(), Qt::white, font, text);
    VERIFY_NO_DIFFERENCE(firstDifferingPixel(image, expected));
}

// Cabinets of 216 x 216 on 1920 x 1080: 9 columns (x = 0 ... 1728, the last
// clipped) and 5 rows (y = 0 ... 864, the last ending at the bottom), 45 clocks at 21 points.
void RenderSpecialTest::cabinetClockDrawsOneClockPerCabinet()
{
    PatternState state = family(Special, 1);
    state.delayTime = QTime(0, 0, 3, 21);
    const QImage image = renderPattern(state, fullHd);
    for (int column = 0; column < 9; ++column)
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(216 * column, 0, 1, 1080), white));
    for (int row = 0; row < 5; ++row)
        VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(0, 216 * row, 1920, 1), white));
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(1919, 1078, 1, 2), base));
    const QImage cell = textOn(QSize(217, 217), base, QRect(0, 0, 216, 216), Qt::white,
                               QFont(QStringLiteral("Century Gothic"), 21), QStringLiteral("00:03.021"), true);
    int clocks = 0;
    for (int x = 0; x < 1920; x += 216) {
        for (int y = 0; y < 1080; y += 216) {
            const QRect inside = QRect(x + 1, y + 1, 215, 215) & image.rect();
            clocks += image.copy(inside) == cell.copy(1, 1, inside.width(), inside.height());
        }
    }
    QCOMPARE(clocks, 45);
}

QTEST_MAIN(RenderSpecialTest)
#include "tst_render_special.moc"
