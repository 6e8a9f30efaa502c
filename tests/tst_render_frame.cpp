#include "render.h"
#include "renderassert.h"
#include "startup.h"

#include <QtTest>

Q_DECLARE_METATYPE(PatternState)

// The frame of every paint: the base fill dimmed by the gray offset and the
// information text over it.
class RenderFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void baseFillAndText_data();
    void baseFillAndText();
    void textLiesOverEveryFamily_data();
    void textLiesOverEveryFamily();
    void hiddenTextLeavesTheFamilyAlone_data();
    void hiddenTextLeavesTheFamilyAlone();
    void unknownModePaintsLikeSolid();
};

namespace {

const QSize windowSize(320, 120);

// The text exactly as the overlay must draw it, over a window of `base`.
QImage expectedFrame(const QColor &base, const QColor &pen, const QFont &painterFont, const QString &text)
{
    QImage image(windowSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(base);
    QPainter painter(&image);
    QFont font = painterFont;
    font.setPixelSize(17);
    font.setFamily(QStringLiteral("Century Gothic"));
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QRect(QPoint(0, 0), windowSize), Qt::AlignCenter, text);
    return image;
}

QRect centre()
{
    return QRect(windowSize.width() / 2 - 60, windowSize.height() / 2 - 8, 120, 16);
}

} // namespace

void RenderFrameTest::initTestCase()
{
    registerFontSubstitutions();
}

void RenderFrameTest::baseFillAndText_data()
{
    QTest::addColumn<QColor>("solidColor");
    QTest::addColumn<int>("grayOffset");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<bool>("boldPainterFont");
    QTest::addColumn<QColor>("expectedBase");
    QTest::addColumn<QColor>("expectedPen");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("unset colour paints black, white 0")
        << QColor() << 0 << QPoint(1024, 37) << false
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (1024,37) ";
    QTest::newRow("red dimmed by 55 is 200, black text")
        << QColor(255, 0, 0) << 55 << QPoint(-3840, -2160) << false
        << QColor(200, 0, 0) << QColor(Qt::black) << "GrayValue:200 (-3840,-2160) ";
    QTest::newRow("value 100 takes the black pen")
        << QColor(100, 100, 100) << 0 << QPoint(5, 6) << false
        << QColor(100, 100, 100) << QColor(Qt::black) << "GrayValue:100 (5,6) ";
    QTest::newRow("value 99 takes the white pen")
        << QColor(99, 99, 99) << 0 << QPoint(5, 6) << false
        << QColor(99, 99, 99) << QColor(Qt::white) << "GrayValue:99 (5,6) ";
    QTest::newRow("offset above the value gives black and 0")
        << QColor(30, 30, 30) << 31 << QPoint(0, 0) << false
        << QColor(Qt::black) << QColor(Qt::white) << "GrayValue:0 (0,0) ";
    QTest::newRow("a bold painter font carries over")
        << QColor(Qt::white) << 0 << QPoint(7, 8) << true
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

    QImage image(windowSize, QImage::Format_ARGB32_Premultiplied);
    QFont painterFont;
    painterFont.setBold(boldPainterFont);
    {
        QPainter painter(&image);
        painter.setFont(painterFont);
        renderFrame(painter, state, QRect(QPoint(0, 0), windowSize), cursor);
    }

    QCOMPARE(pixelColor(image, 0, 0), expectedBase);
    QCOMPARE(pixelColor(image, windowSize.width() - 1, windowSize.height() - 1), expectedBase);
    QVERIFY2(anyPixelEqual(image, centre(), expectedPen.rgba()), "no text in the pen colour in the centre");
    QCOMPARE(image, expectedFrame(expectedBase, expectedPen, painterFont, expectedText));
}

void RenderFrameTest::textLiesOverEveryFamily_data()
{
    QTest::addColumn<PatternState>("state");

    PatternState colorBars;
    colorBars.mode = ColorBars;
    colorBars.colorList = { QColor(Qt::red) };
    QTest::newRow("colour bars") << colorBars;

    PatternState ball;
    ball.mode = GrayBars;
    ball.rampLength = -1;
    ball.rampDarkColor = Qt::blue;
    ball.rampLightColor = Qt::blue;
    QTest::newRow("ball") << ball;

    PatternState chart;
    chart.mode = GrayBars;
    chart.colorRampChart = 1;
    chart.colorRampDirection = 2;
    QTest::newRow("seven-colour chart") << chart;
}

void RenderFrameTest::textLiesOverEveryFamily()
{
    QFETCH(PatternState, state);
    // Base black: the text is white, which none of these patterns paints in the centre.
    const QImage image = renderPattern(state, windowSize);
    QVERIFY(anyPixelEqual(image, centre(), qRgb(255, 255, 255)));
    state.infoVisible = false;
    QVERIFY(!anyPixelEqual(renderPattern(state, windowSize), centre(), qRgb(255, 255, 255)));
}

void RenderFrameTest::hiddenTextLeavesTheFamilyAlone_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("solid") << int(Solid) << QColor(Qt::white);
    QTest::newRow("colour bars") << int(ColorBars) << QColor(Qt::green);
    QTest::newRow("gray bars, ramp of one colour") << int(GrayBars) << QColor(Qt::green);
}

void RenderFrameTest::hiddenTextLeavesTheFamilyAlone()
{
    QFETCH(int, mode);
    QFETCH(QColor, expected);
    PatternState state;
    state.mode = mode;
    state.infoVisible = false;
    state.solidColor = Qt::white;
    state.colorList = { QColor(Qt::green) };
    state.rampLength = 64;
    state.rampDarkColor = Qt::green;
    state.rampLightColor = Qt::green;
    const QImage image = renderPattern(state, windowSize);
    // The ramp's black outline takes row 0 and column 0.
    QVERIFY(allPixelsEqual(image, QRect(1, 1, windowSize.width() - 1, windowSize.height() - 1), expected.rgba()));
}

void RenderFrameTest::unknownModePaintsLikeSolid()
{
    PatternState state;
    state.mode = 9;
    state.solidColor = QColor(10, 20, 30);
    state.infoVisible = false;
    QVERIFY(allPixelsEqual(renderPattern(state, windowSize), QRect(QPoint(0, 0), windowSize), qRgb(10, 20, 30)));
}

QTEST_MAIN(RenderFrameTest)
#include "tst_render_frame.moc"
