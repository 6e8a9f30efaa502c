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
    void textLiesOnTopOfEveryFamily() { verifyPixelRow(); }
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

    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    const QImage expected = textOn(windowSize, expectedBase.rgb(), image.rect(), expectedPen, font, expectedText);
    QVERIFY2(countPixels(image, centre, expectedPen.rgba()) > 0, "no text in the pen colour in the centre");
    VERIFY_NO_DIFFERENCE(firstDifferingPixel(image, expected));
}

// Each family paints the window green (its outline aside) over a base of
// another colour, on which the text is black.
void RenderFrameTest::textLiesOnTopOfEveryFamily_data()
{
    addPixelColumns();
    const auto addFamily = [](const QString &name, PatternState state) {
        addPixelRow(qPrintable(name + ", text hidden: the family alone"), state, windowSize,
                    QRect(1, 1, windowSize.width() - 1, windowSize.height() - 1), qRgb(0, 255, 0));
        state.infoVisible = true;
        addPixelRow(qPrintable(name + ": the text on top"), state, windowSize, centre, qRgb(0, 0, 0), somewhere);
    };
    addFamily("solid", patternState(Solid, Qt::green));
    addFamily("unknown mode, like solid", patternState(9, Qt::green));
    PatternState state = colorTable(1, 1, true, 0, 0, false);
    state.colorList = { QColor(Qt::green) };
    addFamily("colour bars", state);
    state = grayRamp(64);
    state.rampDarkColor = state.rampLightColor = Qt::green;
    addFamily("gray bars, ramp of one colour", state);
    state = patternState(ScanLines, Qt::white);
    state.scanBackground = Qt::green;
    addFamily("scan lines, no line set", state);
    state = patternState(Special, Qt::white);
    state.specialType = 3;
    state.picturePath = QStringLiteral("green.png");
    state.picture = QImage(8, 8, QImage::Format_RGB32);
    state.picture.fill(Qt::green);
    state.pictureFit = true;
    addFamily("custom picture, fitted", state);
}

QTEST_MAIN(RenderFrameTest)
#include "tst_render_frame.moc"
