#include "renderassert.h"
#include "startup.h"

// The frame of every paint: the base fill dimmed by the gray offset and the
// information text drawn last, over every family.
class RenderFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void baseFillAndText_data();
    void baseFillAndText();
    void textLiesOnTopOfEveryFamily_data();
    void textLiesOnTopOfEveryFamily();
};

namespace {

const QSize windowSize(320, 120);
const QRect centre(100, 52, 120, 16);

} // namespace

void RenderFrameTest::baseFillAndText_data()
{
    QTest::addColumn<QColor>("solidColor");
    QTest::addColumn<int>("grayOffset");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("boldPainterFont");
    QTest::addColumn<QColor>("expectedBase");
    QTest::addColumn<QColor>("expectedPen");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("unset colour paints black, white 0") << QColor() << 0 << QPoint(1024, 37) << false
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (1024,37) ";
    QTest::newRow("red dimmed by 55 is 200, black text") << QColor(255, 0, 0) << 55 << QPoint(-3840, -2160) << false
        << QColor(200, 0, 0) << QColor(Qt::black) << "GrayValue:200 (-3840,-2160) ";
    QTest::newRow("value 100 takes the black pen") << QColor(100, 100, 100) << 0 << QPoint(5, 6) << false
        << QColor(100, 100, 100) << QColor(Qt::black) << "GrayValue:100 (5,6) ";
    QTest::newRow("value 99 takes the white pen") << QColor(99, 99, 99) << 0 << QPoint(5, 6) << false
        << QColor(99, 99, 99) << QColor(Qt::white) << "GrayValue:99 (5,6) ";
    QTest::newRow("offset above the value gives black and 0") << QColor(30, 30, 30) << 31 << QPoint(0, 0) << false
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (0,0) ";
    QTest::newRow("a bold painter font carries over") << QColor(Qt::white) << 0 << QPoint(7, 8) << true
        << QColor(Qt::white) << QColor(Qt::black) << "GrayValue:255 (7,8) ";
}

void RenderFrameTest::baseFillAndText()
{
    QFETCH(QColor, solidColor);
    QFETCH(int, grayOffset);
    QFETCH(QPoint, cursor);
    QFETCH(bool, boldPainterFont);
    QFETCH(QColor, expectedBase);
    QFETCH(QColor, expectedPen);
    QFETCH(QString, expectedText);
    PatternState state;
    state.solidColor = solidColor;
    state.grayOffset = grayOffset;
    QFont font;
    font.setBold(boldPainterFont);
    QImage image(windowSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setFont(font);
    renderFrame(painter, state, image.rect(), cursor);
    painter.end();

    QImage expected(windowSize, QImage::Format_ARGB32_Premultiplied);
    expected.fill(expectedBase);
    painter.begin(&expected);
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    painter.setFont(font);
    painter.setPen(expectedPen);
    painter.drawText(expected.rect(), Qt::AlignCenter, expectedText);
    painter.end();
    QVERIFY2(countPixels(image, centre, expectedPen.rgba()) > 0, "no text in the pen colour in the centre");
    VERIFY_NO_DIFFERENCE(firstDifferingPixel(image, expected));
}

void RenderFrameTest::textLiesOnTopOfEveryFamily_data()
{
    // Each family paints the window green, on which the text is black.
    QTest::addColumn<PatternState>("state");
    PatternState state = patternState(Solid, Qt::green);
    QTest::newRow("solid") << state;
    state = colorTable(1, 1, true, 0, 0, false);
    state.colorList = { QColor(Qt::green) };
    QTest::newRow("colour bars") << state;
    state = grayRamp(64);
    state.rampDarkColor = state.rampLightColor = Qt::green;
    QTest::newRow("gray bars, ramp of one colour") << state;
    state = patternState(ScanLines);
    state.scanBackground = Qt::green;
    QTest::newRow("scan lines, no line set") << state;
    state = patternState(Special);
    state.specialType = 3;
    state.picturePath = QStringLiteral("green.png");
    state.picture = QImage(8, 8, QImage::Format_RGB32);
    state.picture.fill(Qt::green);
    state.pictureFit = true;
    QTest::newRow("custom picture, fitted") << state;
    state = patternState(9, Qt::green);
    QTest::newRow("unknown mode paints like solid") << state;
}

void RenderFrameTest::textLiesOnTopOfEveryFamily()
{
    QFETCH(PatternState, state);
    // A white base, which only the families that paint nothing else would show.
    if (state.mode != Solid && state.mode != 9)
        state.solidColor = Qt::white;
    // The outline of ramps and scan lines takes row 0 and column 0.
    const QRect inside(1, 1, windowSize.width() - 1, windowSize.height() - 1);
    VERIFY_NO_DIFFERENCE(firstPixelUnlike(renderPattern(state, windowSize), inside, qRgb(0, 255, 0)));
    state.infoVisible = true;
    QVERIFY(countPixels(renderPattern(state, windowSize), centre, qRgb(0, 0, 0)) > 0);
}

QTEST_MAIN(RenderFrameTest)
#include "tst_render_frame.moc"
