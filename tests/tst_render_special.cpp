// Pixel checks of the gray blocks, contrast charts, clocks, grid and circles
// and the custom picture.
#include "render.h"
#include "startup.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

const QRgb base = qRgb(90, 30, 60);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

QImage renderState(PatternState &state, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    renderFrame(painter, state, image.rect(), QPoint(0, 0));
    return image;
}

PatternState familyState(int mode, int type)
{
    PatternState state;
    state.mode = mode;
    state.infoVisible = false;
    state.solidColor = QColor(base);
    state.grayBlockType = type;
    state.specialType = type;
    return state;
}

QRgb gray(int level)
{
    return qRgb(level, level, level);
}

int countPixels(const QImage &image, const QRect &area, QRgb color)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

// The expected clock drawn on the base colour, the cabinet's outline first.
// The painter's steps follow the renderer's, as the toolkit blends text
// differently after an outlined rectangle.
QImage clockOnBase(int width, int height, const QRect &cell, int pointSize, const QString &text, bool outline = false)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(base));
    painter.drawRect(image.rect());
    painter.setPen(Qt::white);
    if (outline)
        painter.drawRect(cell);
    painter.setFont(QFont(QStringLiteral("Century Gothic"), pointSize));
    painter.drawText(cell, Qt::AlignCenter, text);
    return image;
}

} // namespace

class RenderSpecialTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void grayBlocksSitInTheirCells_data();
    void grayBlocksSitInTheirCells();
    void grayBlockLabelsStandAboveTheirCells_data();
    void grayBlockLabelsStandAboveTheirCells();
    void grayBlocksNeedMoreThan100Pixels();
    void brightContrastChartGeometry_data();
    void brightContrastChartGeometry();
    void contrastLabelsHaveTwoLines_data();
    void contrastLabelsHaveTwoLines();
    void darkContrastLabelIsWhite_data();
    void darkContrastLabelIsWhite();
    void clockShowsMinutesSecondsMilliseconds_data();
    void clockShowsMinutesSecondsMilliseconds();
    void fullWindowClockPointSize_data();
    void fullWindowClockPointSize();
    void cabinetClockDrawsOneClockPerCabinet();
    void gridLinesAndCircles_data();
    void gridLinesAndCircles();
    void pictureWithAndWithoutFit_data();
    void pictureWithAndWithoutFit();
    void impossibleStatesDrawOnlyTheBaseFill_data();
    void impossibleStatesDrawOnlyTheBaseFill();
};

void RenderSpecialTest::grayBlocksSitInTheirCells_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QRect>("cell");
    QTest::newRow("level 0 at row 0, column 0") << 0 << QRect(8, 10, 111, 56);
    QTest::newRow("level 17 at row 1, column 1") << 17 << QRect(128, 77, 111, 56);
    QTest::newRow("level 200 at row 12, column 8") << 200 << QRect(968, 814, 111, 56);
    QTest::newRow("level 255 at row 15, column 15") << 255 << QRect(1808, 1015, 111, 56);
}

void RenderSpecialTest::grayBlocksSitInTheirCells()
{
    QFETCH(int, level);
    QFETCH(QRect, cell);
    PatternState state = familyState(GrayBlocks, 0);
    const QImage image = renderState(state, 1920, 1080);
    QCOMPARE(countPixels(image, cell, gray(level)), cell.width() * cell.height());
    if (level == 0)
        return;
    // The black chart shows around the cell.
    QCOMPARE(image.pixel(cell.left() - 1, cell.top()), black);
    QCOMPARE(image.pixel(cell.right() + 1, cell.bottom()), black);
    QCOMPARE(image.pixel(cell.left(), cell.top() - 1), black);
    QCOMPARE(image.pixel(cell.right(), cell.bottom() + 1), black);
}

void RenderSpecialTest::grayBlockLabelsStandAboveTheirCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("label 0 from x = 52") << 0 << 0;
    QTest::newRow("label 37 from x = 652") << 5 << 2;
    QTest::newRow("label 255 from x = 1852") << 15 << 15;
}

void RenderSpecialTest::grayBlockLabelsStandAboveTheirCells()
{
    QFETCH(int, column);
    QFETCH(int, row);
    PatternState state = familyState(GrayBlocks, 0);
    state.hideBlockText = false;
    const QImage shown = renderState(state, 1920, 1080);
    state.hideBlockText = true;
    const QImage hidden = renderState(state, 1920, 1080);

    // The label's baseline is the top of its cell; its text starts at x = 52 + 120c.
    const int labelX = 52 + 120 * column;
    const int cellTop = 10 + 67 * row;
    const QRect band(8 + 120 * column, cellTop - 10, 120, 10);
    const QRect beforeLabel(band.left(), band.top(), labelX - band.left(), 10);
    QVERIFY(countPixels(shown, QRect(labelX, cellTop - 10, 12, 10), black) < 12 * 10 - 5);
    QCOMPARE(countPixels(shown, beforeLabel, black), beforeLabel.width() * beforeLabel.height());
    QCOMPARE(countPixels(hidden, band, black), (band & hidden.rect()).width() * band.height());
}

void RenderSpecialTest::grayBlocksNeedMoreThan100Pixels()
{
    PatternState state = familyState(GrayBlocks, 0);
    state.hideBlockText = false;
    const QImage image = renderState(state, 100, 500);
    QCOMPARE(countPixels(image, image.rect(), black), 100 * 500);
}

void RenderSpecialTest::brightContrastChartGeometry_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("color");
    // Cells are 190 wide, rows 267 apart and 260 high; row 0 holds 175, 183, ..., 247.
    QTest::newRow("row 0, column 0 is 175") << QPoint(10, 10) << gray(175);
    QTest::newRow("row 0, column 9 is 247") << QPoint(1899, 269) << gray(247);
    QTest::newRow("row 1, column 0 is 215") << QPoint(10, 277) << gray(215);
    QTest::newRow("row 3, column 9 is 254") << QPoint(1899, 1070) << gray(254);
    QTest::newRow("a cell covers the grid line at its left edge") << QPoint(200, 100) << gray(183);
    QTest::newRow("grid line x = 10 in the top gap") << QPoint(10, 9) << black;
    QTest::newRow("grid line x = 200 between rows 0 and 1") << QPoint(200, 272) << black;
    QTest::newRow("grid line x = 1720 below the last row") << QPoint(1720, 1075) << black;
    QTest::newRow("white beside a grid line") << QPoint(201, 272) << white;
    QTest::newRow("white right of the last cell") << QPoint(1912, 100) << white;
    QTest::newRow("no grid line at x = 1910") << QPoint(1910, 272) << white;
}

void RenderSpecialTest::brightContrastChartGeometry()
{
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, color);
    PatternState state = familyState(GrayBlocks, 1);
    const QImage image = renderState(state, 1920, 1080);
    QCOMPARE(image.pixel(pixel), color);
}

void RenderSpecialTest::contrastLabelsHaveTwoLines_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("label");
    QTest::newRow("80") << 80 << QStringLiteral("31.3725% \n80 / 255");
    QTest::newRow("175") << 175 << QStringLiteral("68.6275% \n175 / 255");
    QTest::newRow("1") << 1 << QStringLiteral("0.392157% \n1 / 255");
    QTest::newRow("255 drops trailing zeros") << 255 << QStringLiteral("100% \n255 / 255");
}

void RenderSpecialTest::contrastLabelsHaveTwoLines()
{
    QFETCH(int, level);
    QFETCH(QString, label);
    QCOMPARE(contrastLabel(level), label);
}

void RenderSpecialTest::darkContrastLabelIsWhite_data()
{
    QTest::addColumn<bool>("hideText");
    QTest::newRow("labels shown") << false;
    QTest::newRow("labels hidden") << true;
}

void RenderSpecialTest::darkContrastLabelIsWhite()
{
    QFETCH(bool, hideText);
    PatternState state = familyState(GrayBlocks, 2);
    state.hideBlockText = hideText;
    const QImage image = renderState(state, 1920, 1080);
    // Level 80 is row 3, column 9: (1720, 811, 190, 260); its centre is y = 941.
    const QRect upperLine(1720, 901, 190, 40);
    const QRect lowerLine(1720, 941, 190, 40);
    QCOMPARE(countPixels(image, upperLine, gray(80)) < 190 * 40 - 20, !hideText);
    QCOMPARE(countPixels(image, lowerLine, gray(80)) < 190 * 40 - 20, !hideText);
    QCOMPARE(image.pixel(1725, 820), gray(80));

    if (hideText)
        return;
    QImage expected(190, 260, QImage::Format_ARGB32_Premultiplied);
    expected.fill(gray(80));
    QPainter painter(&expected);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Century Gothic"), 10));
    painter.drawText(expected.rect(), Qt::AlignCenter, QStringLiteral("31.3725% \n80 / 255"));
    painter.end();
    QCOMPARE(image.copy(1720, 811, 190, 260), expected);
}

void RenderSpecialTest::clockShowsMinutesSecondsMilliseconds_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 minute 2.5 seconds") << QTime(0, 1, 2, 500) << QStringLiteral("01:02.500");
    QTest::newRow("zero") << QTime(0, 0, 0, 0) << QStringLiteral("00:00.000");
    QTest::newRow("hours are not shown") << QTime(3, 59, 7, 4) << QStringLiteral("59:07.004");
}

void RenderSpecialTest::clockShowsMinutesSecondsMilliseconds()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(clockText(time), text);
}

void RenderSpecialTest::fullWindowClockPointSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("1920 x 1080: 154 points") << QSize(1920, 1080) << 154;
    QTest::newRow("400 x 900: 57 points") << QSize(400, 900) << 57;
}

void RenderSpecialTest::fullWindowClockPointSize()
{
    QFETCH(QSize, size);
    QFETCH(int, pointSize);
    PatternState state = familyState(Special, 0);
    state.delayTime = QTime(0, 1, 2, 500);
    const QImage image = renderState(state, size.width(), size.height());
    const QRect window(QPoint(0, 0), size);
    QCOMPARE(image, clockOnBase(size.width(), size.height(), window, pointSize, QStringLiteral("01:02.500")));
    QVERIFY(image != clockOnBase(size.width(), size.height(), window, pointSize - 1, QStringLiteral("01:02.500")));
}

// Cabinets of 216 x 216 on 1920 x 1080: 9 columns (x = 0 ... 1728, the last
// clipped) and 5 rows (y = 0 ... 864, the last ending at the bottom), 45 clocks at 21 points.
void RenderSpecialTest::cabinetClockDrawsOneClockPerCabinet()
{
    PatternState state = familyState(Special, 1);
    state.delayTime = QTime(0, 0, 3, 21);
    const QImage image = renderState(state, 1920, 1080);
    for (int column = 0; column < 9; ++column)
        QCOMPARE(countPixels(image, QRect(216 * column, 0, 1, 1080), white), 1080);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(countPixels(image, QRect(0, 216 * row, 1920, 1), white), 1920);
    QCOMPARE(image.pixel(1919, 1079), base);
    QCOMPARE(image.pixel(1919, 1078), base);

    const QImage cell = clockOnBase(217, 217, QRect(0, 0, 216, 216), 21, QStringLiteral("00:03.021"), true);
    int clocks = 0;
    for (int x = 0; x < 1920; x += 216) {
        for (int y = 0; y < 1080; y += 216) {
            const QRect inside = QRect(x + 1, y + 1, 215, 215) & image.rect();
            clocks += image.copy(inside) == cell.copy(1, 1, inside.width(), inside.height());
        }
    }
    QCOMPARE(clocks, 45);
}

void RenderSpecialTest::gridLinesAndCircles_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("color");
    // On 1600 x 800: lines every 100 pixels, corner ellipses 200 x 200,
    // circles of radius 400, 300, 200, 100 around (800, 400).
    QTest::newRow("vertical line x = 100") << QPoint(100, 650) << white;
    QTest::newRow("vertical line x = 1500") << QPoint(1500, 0) << white;
    QTest::newRow("horizontal line y = 100") << QPoint(1550, 100) << white;
    QTest::newRow("horizontal line y = 700") << QPoint(5, 700) << white;
    QTest::newRow("no line at x = 0") << QPoint(0, 50) << base;
    QTest::newRow("no line at y = 0") << QPoint(50, 0) << base;
    QTest::newRow("between lines") << QPoint(150, 450) << base;
    QTest::newRow("white circle, radius 400, bottom") << QPoint(850, 797) << white;
    QTest::newRow("red circle, radius 300, top") << QPoint(750, 104) << qRgb(255, 0, 0);
    QTest::newRow("green circle, radius 200, left") << QPoint(606, 450) << qRgb(0, 255, 0);
    QTest::newRow("blue circle, radius 100, right") << QPoint(898, 380) << qRgb(0, 0, 255);
    QTest::newRow("top-left corner ellipse") << QPoint(13, 50) << white;
    QTest::newRow("bottom-right corner ellipse") << QPoint(1587, 650) << white;
    QTest::newRow("outside the corner ellipse") << QPoint(3, 3) << base;
    QTest::newRow("inside the blue circle") << QPoint(850, 350) << base;
}

void RenderSpecialTest::gridLinesAndCircles()
{
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, color);
    PatternState state = familyState(Special, 2);
    const QImage image = renderState(state, 1600, 800);
    // Circles and ellipses may land a pixel off the ideal curve: look at a 3 x 3 neighbourhood.
    if (pixel.x() % 100 != 0 && pixel.y() % 100 != 0 && color != base) {
        QVERIFY(countPixels(image, QRect(pixel - QPoint(1, 1), QSize(3, 3)), color) > 0);
        return;
    }
    QCOMPARE(image.pixel(pixel), color);
}

void RenderSpecialTest::pictureWithAndWithoutFit_data()
{
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("color");
    // The 640 x 480 picture has four quadrants: red, green / blue, yellow.
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    QTest::newRow("own size: top-left corner") << false << QPoint(0, 0) << red;
    QTest::newRow("own size: last picture pixel") << false << QPoint(639, 479) << yellow;
    QTest::newRow("own size: quadrant edge") << false << QPoint(320, 239) << green;
    QTest::newRow("own size: base fill to the right") << false << QPoint(640, 0) << base;
    QTest::newRow("own size: base fill below") << false << QPoint(0, 480) << base;
    QTest::newRow("fit: top-left corner") << true << QPoint(0, 0) << red;
    QTest::newRow("fit: bottom-right corner") << true << QPoint(1919, 1079) << yellow;
    QTest::newRow("fit: left of the middle") << true << QPoint(957, 537) << red;
    QTest::newRow("fit: right of the middle") << true << QPoint(962, 537) << green;
    QTest::newRow("fit: below the middle") << true << QPoint(957, 542) << blue;
    QTest::newRow("fit: no base fill right") << true << QPoint(1919, 0) << green;
}

void RenderSpecialTest::pictureWithAndWithoutFit()
{
    QFETCH(bool, fit);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, color);
    QImage picture(640, 480, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 320, 240, Qt::red);
    painter.fillRect(320, 0, 320, 240, Qt::green);
    painter.fillRect(0, 240, 320, 240, Qt::blue);
    painter.fillRect(320, 240, 320, 240, Qt::yellow);
    painter.end();

    PatternState state = familyState(Special, 3);
    state.picturePath = QStringLiteral("quadrants.png");
    state.picture = picture;
    state.pictureFit = fit;
    const QImage image = renderState(state, 1920, 1080);
    QCOMPARE(image.pixel(pixel), color);
}

void RenderSpecialTest::impossibleStatesDrawOnlyTheBaseFill_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("cabinet");
    QTest::newRow("gray-block type 3") << int(GrayBlocks) << 3 << QSize(216, 216);
    QTest::newRow("gray-block type -1") << int(GrayBlocks) << -1 << QSize(216, 216);
    QTest::newRow("special type 4") << int(Special) << 4 << QSize(216, 216);
    QTest::newRow("cabinet width 0") << int(Special) << 1 << QSize(0, 216);
    QTest::newRow("cabinet height -5") << int(Special) << 1 << QSize(216, -5);
    QTest::newRow("picture never loaded") << int(Special) << 3 << QSize(216, 216);
}

void RenderSpecialTest::impossibleStatesDrawOnlyTheBaseFill()
{
    QFETCH(int, mode);
    QFETCH(int, type);
    QFETCH(QSize, cabinet);
    PatternState state = familyState(mode, type);
    state.cabinetWidth = cabinet.width();
    state.cabinetHeight = cabinet.height();
    state.picturePath = QStringLiteral("/no/such/picture.png");
    const QImage image = renderState(state, 300, 200);
    QCOMPARE(countPixels(image, image.rect(), base), 300 * 200);
}

QTEST_MAIN(RenderSpecialTest)
#include "tst_render_special.moc"
