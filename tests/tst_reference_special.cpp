// The gray-block and special families drawn by the renderer against the
// drawing steps followed literally: the same pixels, bit for bit.
#include "reference.h"
#include "renderassert.h"
#include "startup.h"

#include <QLinearGradient>
#include <QtTest>

namespace {

QString compareWithSteps(PatternState &state, const QSize &size)
{
    const QImage expected = renderPattern(state, size, QPoint(7, 9), reference::renderFrame);
    const QString difference = firstDifferingPixel(renderPattern(state, size, QPoint(7, 9)), expected);
    if (difference.isEmpty())
        return difference;
    return QStringLiteral("mode %1 type %2/%3 on %4x%5: %6").arg(state.mode).arg(state.grayBlockType)
        .arg(state.specialType).arg(size.width()).arg(size.height()).arg(difference);
}

PatternState familyState(int mode, int type, const QColor &base)
{
    PatternState state;
    state.mode = mode;
    state.grayBlockType = type;
    state.specialType = type;
    state.solidColor = base;
    state.delayTime = QTime(0, 12, 34, 567);
    return state;
}

QImage gradientPicture(const QSize &size, QImage::Format format, int alpha)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(255, 0, 0, alpha));
    gradient.setColorAt(1, QColor(0, 90, 255, alpha));
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    return picture.convertToFormat(format);
}

} // namespace

class ReferenceSpecialTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void charts_data();
    void charts();
    void clocksAndGrid_data();
    void clocksAndGrid();
    void fullWindowClockEveryDigit_data();
    void fullWindowClockEveryDigit();
    void pictures_data();
    void pictures();
    void oneStateObjectAcrossFrames();
};

void ReferenceSpecialTest::charts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hideText");
    QTest::addColumn<QSize>("size");
    for (int type : { 0, 1, 2 }) {
        for (const QSize &size : { QSize(50, 50), QSize(101, 50), QSize(1921, 1081) }) {
            for (bool hideText : { false, true })
                QTest::addRow("type %d, %s, %dx%d", type, hideText ? "no labels" : "labels", size.width(), size.height())
                    << type << hideText << size;
        }
    }
    QTest::newRow("gray blocks with labels, 4K") << 0 << false << QSize(3840, 2160);
    QTest::newRow("dark contrast with labels, 4K") << 2 << false << QSize(3840, 2160);
}

void ReferenceSpecialTest::charts()
{
    QFETCH(int, type);
    QFETCH(bool, hideText);
    QFETCH(QSize, size);
    for (const QColor &base : { QColor(Qt::white), QColor(Qt::black) }) {
        PatternState state = familyState(GrayBlocks, type, base);
        state.hideBlockText = hideText;
        // The second frame is the kept copy of the first.
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
    }
}

void ReferenceSpecialTest::clocksAndGrid_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QSize>("cabinet");
    QTest::addColumn<QSize>("size");
    const QSize sizes[] = { QSize(50, 50), QSize(101, 50), QSize(1921, 1081) };
    for (const QSize &size : sizes) {
        QTest::addRow("full-window clock %dx%d", size.width(), size.height()) << 0 << QSize(216, 216) << size;
        QTest::addRow("cabinet clock 216 %dx%d", size.width(), size.height()) << 1 << QSize(216, 216) << size;
        QTest::addRow("cabinet clock 50 x 70 %dx%d", size.width(), size.height()) << 1 << QSize(50, 70) << size;
        QTest::addRow("grid and circles %dx%d", size.width(), size.height()) << 2 << QSize(216, 216) << size;
    }
    QTest::newRow("cabinet clock too small for its text") << 1 << QSize(12, 30) << QSize(300, 200);
    QTest::newRow("cabinet clock 4K") << 1 << QSize(216, 216) << QSize(3840, 2160);
    QTest::newRow("grid and circles 4K") << 2 << QSize(216, 216) << QSize(3840, 2160);
}

void ReferenceSpecialTest::clocksAndGrid()
{
    QFETCH(int, type);
    QFETCH(QSize, cabinet);
    QFETCH(QSize, size);
    for (const QColor &base : { QColor(Qt::white), QColor(20, 40, 60) }) {
        PatternState state = familyState(Special, type, base);
        state.cabinetWidth = cabinet.width();
        state.cabinetHeight = cabinet.height();
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.delayTime = state.delayTime.addMSecs(1);
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
    }
}

void ReferenceSpecialTest::fullWindowClockEveryDigit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<bool>("kept");
    QTest::newRow("1921 x 1081 on white") << QSize(1921, 1081) << QColor(Qt::white) << true;
    QTest::newRow("1921 x 1081 on dark blue") << QSize(1921, 1081) << QColor(20, 40, 60) << true;
    QTest::newRow("4K on orange") << QSize(3840, 2160) << QColor(200, 100, 50) << true;
    QTest::newRow("640 x 360 on black") << QSize(640, 360) << QColor(Qt::black) << true;
    QTest::newRow("small text, 300 x 200") << QSize(300, 200) << QColor(90, 90, 90) << false;
    QTest::newRow("text wider than the window, 1000 x 1000") << QSize(1000, 1000) << QColor(90, 90, 90) << false;
}

// The clock's characters change place by place: every digit at every place,
// each frame compared with the text drawn as it is.
void ReferenceSpecialTest::fullWindowClockEveryDigit()
{
    QFETCH(QSize, size);
    QFETCH(QColor, base);
    QFETCH(bool, kept);
    PatternState state = familyState(Special, 0, base);
    // The toolkit's first drawing of a large text after another picture may
    // differ at the edges of the outlines from the drawings that follow, so
    // the comparisons start with the second.
    renderPattern(state, size, QPoint(7, 9), reference::renderFrame);
    for (int digit = 0; digit < 10; ++digit) {
        state.delayTime = QTime(0, digit % 6 * 10 + 9 - digit, (digit + 3) % 6 * 10 + digit, digit * 111 + (9 - digit) % 10);
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
    }
    if (kept)
        QCOMPARE(state.keptClockGlyphs.masks.size(), 90);
}

void ReferenceSpecialTest::pictures_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSize>("size");
    const QSize uhd(3840, 2160);
    QTest::newRow("opaque 640 x 480 on 1921 x 1081") << gradientPicture(QSize(640, 480), QImage::Format_RGB32, 255) << QSize(1921, 1081);
    QTest::newRow("translucent 640 x 480 on 101 x 50") << gradientPicture(QSize(640, 480), QImage::Format_ARGB32, 140) << QSize(101, 50);
    QTest::newRow("gray 8 bit 33 x 17 on 50 x 50") << gradientPicture(QSize(33, 17), QImage::Format_Grayscale8, 255) << QSize(50, 50);
    QTest::newRow("indexed 200 x 100 on 101 x 50") << gradientPicture(QSize(200, 100), QImage::Format_Indexed8, 255) << QSize(101, 50);
    QTest::newRow("opaque 2000 x 600 on 1921 x 1081") << gradientPicture(QSize(2000, 600), QImage::Format_RGB32, 255) << QSize(1921, 1081);
    QTest::newRow("4K opaque on 4K") << gradientPicture(QSize(4096, 2160), QImage::Format_RGB32, 255) << uhd;
}

void ReferenceSpecialTest::pictures()
{
    QFETCH(QImage, picture);
    QFETCH(QSize, size);
    for (bool fit : { false, true }) {
        PatternState state = familyState(Special, 3, QColor(Qt::white));
        state.picture = picture;
        state.pictureFit = fit;
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
    }
}

// One window's state painted while it changes: nothing kept may go stale.
void ReferenceSpecialTest::oneStateObjectAcrossFrames()
{
    PatternState state = familyState(GrayBlocks, 0, QColor(Qt::white));
    state.hideBlockText = false;
    const QImage first = gradientPicture(QSize(300, 200), QImage::Format_RGB32, 255);
    const QImage second = gradientPicture(QSize(150, 100), QImage::Format_RGB32, 255);
    for (const QSize &size : { QSize(400, 300), QSize(400, 300), QSize(300, 400) }) {
        state.mode = GrayBlocks;
        for (int type : { 0, 2, 1 }) {
            state.grayBlockType = type;
            QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        }
        state.mode = Special;
        for (int type : { 2, 1, 3 }) {
            state.specialType = type;
            state.picture = type == 3 ? first : QImage();
            QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        }
        state.picture = second;
        state.pictureFit = !state.pictureFit;
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.grayOffset = 100;
        state.specialType = 2;
        QVERIFY2(compareWithSteps(state, size).isEmpty(), qPrintable(compareWithSteps(state, size)));
        state.grayOffset = 0;
    }
}

QTEST_MAIN(ReferenceSpecialTest)
#include "tst_reference_special.moc"
