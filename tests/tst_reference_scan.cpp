// The scan-line family drawn by the renderer against the drawing steps
// followed literally: the same pixels, bit for bit, over a grid of states.
#include "reference.h"
#include "renderassert.h"
#include "startup.h"

#include <QtTest>

namespace {

PatternState scanState(int pitch, int width, int sets)
{
    PatternState state;
    state.mode = ScanLines;
    state.solidColor = QColor(200, 180, 40);
    state.scanBackground = QColor(10, 40, 90);
    state.scanLineColor = QColor(250, 240, 20);
    state.scanPitch = pitch;
    state.scanLineWidth = width;
    state.scanHorizontal = sets & 1;
    state.scanVertical = (sets >> 1) & 1;
    state.scanDiagonalLR = (sets >> 2) & 1;
    state.scanDiagonalRL = (sets >> 3) & 1;
    return state;
}

// Renders `state` both ways and reports the first differing pixel.
QString compareWithSteps(PatternState &state, const QSize &size)
{
    const QImage expected = renderPattern(state, size, QPoint(7, 9), reference::renderFrame);
    const QImage actual = renderPattern(state, size, QPoint(7, 9));
    const QString difference = firstDifferingPixel(actual, expected);
    if (difference.isEmpty())
        return difference;
    return QStringLiteral("pitch %1 width %2 offset %3 direction %4 sets %5%6%7%8 on %9x%10: %11")
        .arg(state.scanPitch).arg(state.scanLineWidth).arg(state.scanOffset).arg(state.scanDirection)
        .arg(state.scanHorizontal).arg(state.scanVertical).arg(state.scanDiagonalLR).arg(state.scanDiagonalRL)
        .arg(size.width()).arg(size.height()).arg(difference);
}

} // namespace

class ReferenceScanTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void smallWindowsEveryOffset_data();
    void smallWindowsEveryOffset();
    void largeWindows_data();
    void largeWindows();
    void oneStateObjectAcrossFrames();
    void movingSquare_data();
    void movingSquare();
    void characterTest_data();
    void characterTest();
};

void ReferenceScanTest::smallWindowsEveryOffset_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("width");
    for (const QSize &size : { QSize(50, 50), QSize(101, 50) }) {
        for (int pitch : { 2, 3, 20, 64 }) {
            for (int width : { 1, 2, 3, 4, 5, 7, 9 }) {
                if (width >= pitch && pitch != 3)
                    continue;
                if ((width == 3 || width == 4 || width >= 7) && pitch != 20)
                    continue;
                QTest::addRow("%dx%d pitch %d width %d", size.width(), size.height(), pitch, width) << size << pitch << width;
            }
        }
    }
}

// Every set alone and all four together, at every offset from 0 to pitch + step, both directions.
void ReferenceScanTest::smallWindowsEveryOffset()
{
    QFETCH(QSize, size);
    QFETCH(int, pitch);
    QFETCH(int, width);
    for (int sets : { 1, 2, 4, 8, 15 }) {
        for (int direction : { 1, -1 }) {
            for (int offset = 0; offset <= pitch + 1; ++offset) {
                PatternState state = scanState(pitch, width, sets);
                state.scanOffset = offset;
                state.scanDirection = direction;
                const QString difference = compareWithSteps(state, size);
                QVERIFY2(difference.isEmpty(), qPrintable(difference));
            }
        }
    }
}

void ReferenceScanTest::largeWindows_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("sets");
    const QSize odd(1921, 1081);
    const QSize uhd(3840, 2160);
    QTest::newRow("odd size, pitch 2, all sets") << odd << 2 << 1 << 1 << 1 << 15;
    QTest::newRow("odd size, pitch 3 width 2, backward") << odd << 3 << 2 << 4 << -1 << 15;
    QTest::newRow("odd size, pitch 20 width 5, offset 21") << odd << 20 << 5 << 21 << 1 << 15;
    QTest::newRow("odd size, pitch 64 width 5, diagonals backward") << odd << 64 << 5 << 40 << -1 << 12;
    QTest::newRow("odd size, pitch 64, horizontal and vertical, offset 65") << odd << 64 << 1 << 65 << 1 << 3;
    QTest::newRow("4K, pitch 2, all sets backward") << uhd << 2 << 1 << 3 << -1 << 15;
    QTest::newRow("4K, pitch 20 width 5, all sets") << uhd << 20 << 5 << 13 << 1 << 15;
    QTest::newRow("4K, pitch 64 width 2, rising diagonals") << uhd << 64 << 2 << 0 << 1 << 8;
}

void ReferenceScanTest::largeWindows()
{
    QFETCH(QSize, size);
    QFETCH(int, pitch);
    QFETCH(int, width);
    QFETCH(int, offset);
    QFETCH(int, direction);
    QFETCH(int, sets);
    PatternState state = scanState(pitch, width, sets);
    state.scanOffset = offset;
    state.scanDirection = direction;
    const QString difference = compareWithSteps(state, size);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// One window's state painted again and again while it changes, as the
// window paints it: nothing kept from an earlier frame may show.
void ReferenceScanTest::oneStateObjectAcrossFrames()
{
    PatternState state = scanState(20, 2, 15);
    const QSize sizes[] = { QSize(300, 200), QSize(300, 200), QSize(200, 300) };
    for (const QSize &size : sizes) {
        for (int offset : { 0, 5, 21 }) {
            state.scanOffset = offset;
            QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        }
        state.fontTest = 1;
        state.testFonts = { QFont(QStringLiteral("Arial")) };
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.scanBackground = QColor(Qt::darkGreen);
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.fontTest = 0;
        state.scanLineColor = QColor(0, 0, 0, 128);
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.scanBackground = QColor(0, 128, 0, 100);
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.scanLineColor = QColor(Qt::white);
        state.scanBackground = QColor(Qt::darkGreen);
    }
}

void ReferenceScanTest::movingSquare_data()
{
    QTest::addColumn<QRect>("square");
    QTest::addColumn<QColor>("base");
    QTest::newRow("inside, text black") << QRect(30, 40, 99, 99) << QColor(Qt::white);
    QTest::newRow("inside, text white") << QRect(30, 40, 20, 20) << QColor(Qt::black);
    QTest::newRow("sticking out at the top left") << QRect(-8, -5, 30, 30) << QColor(Qt::white);
    QTest::newRow("sticking out at the bottom right") << QRect(1900, 1070, 30, 30) << QColor(Qt::black);
    QTest::newRow("one pixel") << QRect(500, 500, 1, 1) << QColor(Qt::white);
}

void ReferenceScanTest::movingSquare()
{
    QFETCH(QRect, square);
    QFETCH(QColor, base);
    PatternState state = scanState(2, 1, 15);
    state.fontTest = 1;
    state.movingSquare = 1;
    state.solidColor = base;
    state.squareX = square.x();
    state.squareY = square.y();
    state.squareWidth = square.width();
    state.squareHeight = square.height();
    const QString difference = compareWithSteps(state, QSize(1921, 1081));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void ReferenceScanTest::characterTest_data()
{
    QTest::addColumn<int>("fontIndex");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("base");
    QTest::newRow("Times New Roman, 400 high") << 0 << QSize(600, 400) << QColor(Qt::white);
    QTest::newRow("Arial bold, 1921 x 1081") << 3 << QSize(1921, 1081) << QColor(Qt::black);
    QTest::newRow("Courier bold, 50 x 50") << 5 << QSize(50, 50) << QColor(Qt::white);
    QTest::newRow("宋体 bold, 101 x 50") << 7 << QSize(101, 50) << QColor(Qt::black);
}

void ReferenceScanTest::characterTest()
{
    QFETCH(int, fontIndex);
    QFETCH(QSize, size);
    QFETCH(QColor, base);
    PatternState state = scanState(2, 1, 15);
    state.fontTest = 1;
    state.solidColor = base;
    const QString families[] = { QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                                 QStringLiteral("Courier"), QStringLiteral("宋体") };
    for (const QString &family : families) {
        for (bool bold : { false, true }) {
            QFont font(family, 4);
            font.setWeight(bold ? QFont::Bold : -1);
            state.testFonts.append(font);
        }
    }
    state.fontIndex = fontIndex;
    // Twice: the second frame is the copy of the first.
    QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
    QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
}

QTEST_MAIN(ReferenceScanTest)
#include "tst_reference_scan.moc"
