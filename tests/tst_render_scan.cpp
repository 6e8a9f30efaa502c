// Pixel checks of the scan-line family: line sets, moving square, character test.
#include "renderassert.h"
#include "startup.h"

#include <QFontInfo>

class RenderScanTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void lineSetsSitWhereTheyShould_data();
    void lineSetsSitWhereTheyShould();
    void characterTestLinesSitOnTheirBaselines_data();
    void characterTestLinesSitOnTheirBaselines();
    void pixels_data();
    void pixels() { verifyPixelRow(); }
};

namespace {

const QRgb background = qRgb(0, 0, 255);
const QRgb lineColor = qRgb(255, 255, 0);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

PatternState scanLines(int pitch, int offset = 0, int direction = 1, bool allSets = false)
{
    PatternState state = patternState(ScanLines);
    state.scanBackground = QColor(background);
    state.scanLineColor = QColor(lineColor);
    state.scanPitch = pitch;
    state.scanOffset = offset;
    state.scanDirection = direction;
    state.scanHorizontal = state.scanVertical = state.scanDiagonalLR = state.scanDiagonalRL = allSets;
    return state;
}

} // namespace

void RenderScanTest::lineSetsSitWhereTheyShould_data()
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
void RenderScanTest::lineSetsSitWhereTheyShould()
{
    QFETCH(int, set);
    QFETCH(QSize, window);
    QFETCH(int, offset);
    QFETCH(int, direction);
    QFETCH(int, firstLine);
    QFETCH(int, lineCount);
    PatternState state = scanLines(20, offset, direction);
    int *const sets[] = { &state.scanHorizontal, &state.scanVertical, &state.scanDiagonalLR, &state.scanDiagonalRL };
    *sets[set] = 1;
    const QImage image = renderPattern(state, window);
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const int along[] = { y, x, y - x + 100, x + y };
            const int c = along[set] - firstLine;
            const bool onLine = c >= 0 && c % 20 == 0 && c / 20 < lineCount;
            // The background's black outline covers the top row and the left column.
            const QRgb expected = onLine ? lineColor : x == 0 || y == 0 ? black : background;
            VERIFY_NO_DIFFERENCE(firstPixelUnlike(image, QRect(x, y, 1, 1), expected));
        }
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
    PatternState state = scanLines(20);
    for (const char *family : { "Times New Roman", "Arial", "Courier", "宋体" }) {
        for (int weight : { -1, int(QFont::Bold) })
            state.testFonts.append(QFont(QString::fromUtf8(family), 4, weight));
    }
    state.fontTest = 1;
    state.fontIndex = fontIndex;
    const QImage image = renderPattern(state, QSize(600, 400));

    QImage expected(600, 400, QImage::Format_ARGB32_Premultiplied);
    expected.fill(background);
    QPainter painter(&expected);
    painter.fillRect(0, 0, 600, 1, Qt::black);
    painter.fillRect(0, 0, 1, 400, Qt::black);
    painter.fillRect(0, 200, 600, 200, Qt::white);
    QFont font = state.testFonts.at(fontIndex);
    const QString text = prefix + QFontInfo(font).family() + " Size:";
    for (int i = 0; i < 10; ++i) {
        font.setPointSize(10 + 2 * i);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(0, 15 + 20 * i), text + QString::number(10 + 2 * i));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(0, 215 + 20 * i), text + QString::number(10 + 2 * i));
    }
    painter.end();
    VERIFY_NO_DIFFERENCE(firstDifferingPixel(image, expected));
    QVERIFY(countPixels(image, QRect(0, 0, 600, 200), white) > 500);
}

void RenderScanTest::pixels_data()
{
    addPixelColumns();
    // The square (30, 40, 20, 10) wins over the character test, which wins over all four line sets.
    PatternState square = scanLines(4, 0, 1, true);
    square.testFonts = QVector<QFont>(8, QFont(QStringLiteral("Arial"))).toList();
    square.fontTest = square.movingSquare = 1;
    square.squareX = 30;
    square.squareY = 40;
    square.squareWidth = 20;
    square.squareHeight = 10;
    const QSize window(800, 100);
    addPixelRow("square: white inside its outline", square, window, QRect(31, 41, 19, 9), white);
    addPixelRow("square: black above, over text and lines", square, window, QRect(0, 0, 800, 41), black);
    addPixelRow("square: black below, over the white half", square, window, QRect(0, 50, 800, 50), black);
    PatternState text = square;
    text.movingSquare = 0;
    addPixelRow("character test: white lower half right of the text", text, window, QRect(700, 50, 100, 50), white);
    addPixelRow("character test: no lines in the upper half", text, window, QRect(700, 1, 100, 49), background);

    // States the panel cannot produce draw only the background.
    const QRect inside(1, 1, 119, 79);
    addPixelRow("pitch 0", scanLines(0, 0, 1, true), QSize(120, 80), inside, background);
    addPixelRow("negative pitch", scanLines(-3, 0, 1, true), QSize(120, 80), inside, background);
    PatternState pastTheList = scanLines(20, 0, 1, true);
    pastTheList.fontTest = 1;
    pastTheList.fontIndex = 9;
    addPixelRow("font index past the list", pastTheList, QSize(120, 80), inside, background);
}

QTEST_MAIN(RenderScanTest)
#include "tst_render_scan.moc"
