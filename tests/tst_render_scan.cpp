// Pixel checks of the scan-line family: line sets, moving square, character test.
#include "render.h"
#include "startup.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

const QRgb background = qRgb(0, 0, 255);
const QRgb lineColor = qRgb(255, 255, 0);

QImage renderState(PatternState &state, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    renderFrame(painter, state, image.rect(), QPoint(0, 0));
    return image;
}

PatternState scanState(int pitch, int offset, int direction)
{
    PatternState state;
    state.mode = ScanLines;
    state.infoVisible = false;
    state.scanBackground = QColor(background);
    state.scanLineColor = QColor(lineColor);
    state.scanLineWidth = 1;
    state.scanPitch = pitch;
    state.scanOffset = offset;
    state.scanDirection = direction;
    return state;
}

// The background's black outline covers the top row and the left column.
QRgb backgroundAt(int x, int y)
{
    return (x == 0 || y == 0) ? qRgb(0, 0, 0) : background;
}

int countPixels(const QImage &image, const QRect &area, QRgb color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

} // namespace

class RenderScanTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void horizontalLinesSitAtTheirRows_data();
    void horizontalLinesSitAtTheirRows();
    void diagonalLinesCoverTheWholeWindow_data();
    void diagonalLinesCoverTheWholeWindow();
    void onePatternWins_data();
    void onePatternWins();
    void characterTestLinesSitOnTheirBaselines_data();
    void characterTestLinesSitOnTheirBaselines();
    void characterTestPrefixFollowsTheFont();
    void impossibleStatesDrawOnlyTheBackground_data();
    void impossibleStatesDrawOnlyTheBackground();
};

void RenderScanTest::horizontalLinesSitAtTheirRows_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("forward from 0: y = 0 ... 100") << 0 << 1 << QList<int>{ 0, 20, 40, 60, 80 };
    QTest::newRow("backward offset 5: y = 15 ... 115") << 5 << -1 << QList<int>{ 15, 35, 55, 75, 95 };
    QTest::newRow("forward offset 7: y = 7 ... 107") << 7 << 1 << QList<int>{ 7, 27, 47, 67, 87 };
}

void RenderScanTest::horizontalLinesSitAtTheirRows()
{
    QFETCH(int, offset);
    QFETCH(int, direction);
    QFETCH(QList<int>, rows);
    PatternState state = scanState(20, offset, direction);
    state.scanHorizontal = 1;
    const QImage image = renderState(state, 200, 100);
    for (int y = 0; y < 100; ++y) {
        const QRgb expected = rows.contains(y) ? lineColor : backgroundAt(50, y);
        QCOMPARE(image.pixel(50, y), expected);
        QCOMPARE(image.pixel(199, y), expected);
    }
}

void RenderScanTest::diagonalLinesCoverTheWholeWindow_data()
{
    QTest::addColumn<bool>("fallingToTheRight");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("direction");
    QTest::newRow("left-to-right, 22 lines from (0,-100) to (100,0)") << true << 0 << 1;
    QTest::newRow("left-to-right, offset 3 backward") << true << 3 << -1;
    QTest::newRow("right-to-left, 22 lines from (0,0) to (100,-100)") << false << 0 << 1;
    QTest::newRow("right-to-left, offset 6 forward") << false << 6 << 1;
}

void RenderScanTest::diagonalLinesCoverTheWholeWindow()
{
    QFETCH(bool, fallingToTheRight);
    QFETCH(int, offset);
    QFETCH(int, direction);
    PatternState state = scanState(20, offset, direction);
    state.scanDiagonalLR = fallingToTheRight;
    state.scanDiagonalRL = !fallingToTheRight;
    const QImage image = renderState(state, 100, 50);
    // Line j runs through (0, c - 100) to (100, c) or (0, c) to (100, c - 100), c = s*o + 20j, j = 0 ... 21.
    const int shift = direction * offset;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            const int c = fallingToTheRight ? y - x + 100 : x + y;
            const int j = (c - shift) / 20;
            const bool onLine = (c - shift) % 20 == 0 && j >= 0 && j <= 21;
            QCOMPARE(image.pixel(x, y), onLine ? lineColor : backgroundAt(x, y));
        }
    }
}

void RenderScanTest::onePatternWins_data()
{
    QTest::addColumn<bool>("square");
    QTest::addColumn<bool>("fontTest");
    QTest::newRow("square over character test and lines") << true << true;
    QTest::newRow("character test over all four line sets") << false << true;
}

void RenderScanTest::onePatternWins()
{
    QFETCH(bool, square);
    QFETCH(bool, fontTest);
    PatternState state = scanState(4, 0, 1);
    for (int i = 0; i < 8; ++i)
        state.testFonts.append(QFont(QStringLiteral("Arial")));
    state.scanHorizontal = state.scanVertical = state.scanDiagonalLR = state.scanDiagonalRL = 1;
    state.movingSquare = square;
    state.fontTest = fontTest;
    state.squareX = 30;
    state.squareY = 40;
    state.squareWidth = 20;
    state.squareHeight = 10;
    const QImage image = renderState(state, 800, 100);
    QCOMPARE(countPixels(image, image.rect(), lineColor), 0);
    if (square) {
        // White inside the black outline (30, 40) to (50, 50); black everywhere else.
        QCOMPARE(countPixels(image, QRect(31, 41, 19, 9), qRgb(255, 255, 255)), 19 * 9);
        QCOMPARE(countPixels(image, image.rect(), qRgb(0, 0, 0)), 800 * 100 - 19 * 9);
    } else {
        // Right of the text the lower half is white and the upper half the background.
        QCOMPARE(countPixels(image, QRect(700, 50, 100, 50), qRgb(255, 255, 255)), 100 * 50);
        QCOMPARE(image.pixel(799, 49), background);
    }
}

void RenderScanTest::characterTestLinesSitOnTheirBaselines_data()
{
    QTest::addColumn<int>("fontIndex");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("Times New Roman") << 0 << QStringLiteral("Font Test:");
    QTest::newRow("Courier bold, the last Latin font") << 5 << QStringLiteral("Font Test:");
    QTest::newRow("宋体, Chinese prefix") << 6 << QStringLiteral("字符测试:");
}

// The upper lines' baselines are at y = 15, 35, ..., 195 and the lower ones at
// 215, ..., 395 on a window 400 high; the lower half from y = 200 is white.
void RenderScanTest::characterTestLinesSitOnTheirBaselines()
{
    QFETCH(int, fontIndex);
    QFETCH(QString, prefix);
    PatternState state = scanState(20, 0, 1);
    const QString families[] = { QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                                 QStringLiteral("Courier"), QStringLiteral("宋体") };
    for (const QString &family : families) {
        for (bool bold : { false, true }) {
            QFont font(family, 4);
            font.setWeight(bold ? QFont::Bold : -1);
            state.testFonts.append(font);
        }
    }
    state.fontTest = 1;
    state.fontIndex = fontIndex;
    const QImage image = renderState(state, 600, 400);

    QImage expected(600, 400, QImage::Format_ARGB32_Premultiplied);
    expected.fill(background);
    QPainter painter(&expected);
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, 599, 0);
    painter.drawLine(0, 0, 0, 399);
    painter.fillRect(0, 200, 600, 200, Qt::white);
    QFont font = state.testFonts.at(fontIndex);
    const QString family = QFontInfo(font).family();
    for (int i = 0; i < 10; ++i) {
        font.setPointSize(10 + 2 * i);
        painter.setFont(font);
        const QString text = prefix + family + " Size:" + QString::number(10 + 2 * i);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(0, 15 + 20 * i), text);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(0, 215 + 20 * i), text);
    }
    painter.end();
    QCOMPARE(image, expected);
    QVERIFY(countPixels(image, QRect(0, 0, 600, 200), qRgb(255, 255, 255)) > 500);
}

void RenderScanTest::characterTestPrefixFollowsTheFont()
{
    QCOMPARE(fontTestText(5, QStringLiteral("Liberation Mono"), 14), QStringLiteral("Font Test:Liberation Mono Size:14"));
    QCOMPARE(fontTestText(6, QStringLiteral("Noto Serif CJK SC"), 28), QStringLiteral("字符测试:Noto Serif CJK SC Size:28"));
}

void RenderScanTest::impossibleStatesDrawOnlyTheBackground_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("fontIndex");
    QTest::newRow("pitch 0") << 0 << 0;
    QTest::newRow("negative pitch") << -3 << 0;
    QTest::newRow("font index past the list") << 20 << 9;
}

void RenderScanTest::impossibleStatesDrawOnlyTheBackground()
{
    QFETCH(int, pitch);
    QFETCH(int, fontIndex);
    PatternState state = scanState(pitch, 0, 1);
    state.scanHorizontal = state.scanVertical = state.scanDiagonalLR = state.scanDiagonalRL = 1;
    state.fontTest = fontIndex > 7;
    state.fontIndex = fontIndex;
    const QImage image = renderState(state, 120, 80);
    QCOMPARE(countPixels(image, QRect(1, 1, 119, 79), background), 119 * 79);
}

QTEST_MAIN(RenderScanTest)
#include "tst_render_scan.moc"
