#include "reference.h"
#include "renderassert.h"

// Every colour-bar and gray-bar pattern, rendered by the program, must equal
// bit for bit the step-by-step drawing of reference_bars.h, at small, odd and
// 4K sizes, with the information text on top.
class ReferenceBarsTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsStepByStep_data();
    void sameAsStepByStep();
    void followsStateAndSizeChanges();
};

namespace {

// Ramp colours that differ on every channel catch more than black to white would.
PatternState withColours(PatternState state)
{
    state.infoVisible = true;
    state.rampDarkColor = QColor(10, 20, 90);
    state.rampLightColor = QColor(250, 240, 5);
    return state;
}

// Renders `state` both ways; each gets its own copy, as both write the cell size back.
QString differenceFromSteps(PatternState &state, const QSize &size)
{
    PatternState stepByStep = state;
    const QPoint cursor(1234, 567);
    const QString difference = firstDifferingPixel(renderPattern(state, size, cursor),
                                                   renderPattern(stepByStep, size, cursor, reference::renderFrame));
    const bool sameCells = state.cellWidth == stepByStep.cellWidth && state.cellHeight == stepByStep.cellHeight;
    if (difference.isEmpty() && !sameCells)
        return QStringLiteral("cell size written back differs");
    return difference;
}

} // namespace

void ReferenceBarsTest::sameAsStepByStep_data()
{
    QTest::addColumn<PatternState>("state");
    QTest::addColumn<QSize>("size");
    const auto add = [](const QString &name, const PatternState &state) {
        for (const QSize &size : { QSize(50, 50), QSize(101, 50), QSize(1921, 1081), QSize(3840, 2160) })
            QTest::addRow("%s at %dx%d", qPrintable(name), size.width(), size.height()) << withColours(state) << size;
    };
    add("plain fill", patternState(Solid, QColor(99, 99, 99)));
    add("table 2x1 auto", colorTable(2, 1, true, 0, 0, false));
    add("table 8x2 auto", colorTable(8, 2, true, 0, 0, false));
    add("table 8x2 auto tiled", colorTable(8, 2, true, 0, 0, true));
    add("table 3x2 tiled 20x20", colorTable(3, 2, false, 20, 20, true));
    add("table 7x13 tiled 5x3", colorTable(7, 13, false, 5, 3, true));
    add("table 2x2 of 10x10", colorTable(2, 2, false, 10, 10, false));
    add("table 1x1 tiled 1x1", colorTable(1, 1, false, 1, 1, true));
    for (int length : { 32, 64, 128, 256 }) {
        add(QStringLiteral("ramp %1").arg(length), grayRamp(length));
        add(QStringLiteral("ramp %1 rotated").arg(length), grayRamp(length, 0, 1));
        add(QStringLiteral("ramp %1 reversed").arg(length), grayRamp(length, 1, 0));
        add(QStringLiteral("ramp %1 rotated reversed").arg(length), grayRamp(length, 1, 1));
    }
    add("ramp 5", grayRamp(5));
    add("ramp 3 rotated reversed", grayRamp(3, 1, 1));
    add("full-width ramp", customBars(1, 0, 1));
    add("full-width ramp reversed, rotation ignored", customBars(1, 0, 9, 1, 1));
    add("custom bars 4 from 0", customBars(4, 0, 1));
    add("custom bars 4 from 0 rotated reversed", customBars(4, 0, 1, 1, 1));
    add("custom bars 1 from 10", customBars(1, 10, 1));
    add("custom bars 1 from 10 rotated", customBars(1, 10, 1, 0, 1));
    add("custom bars 200 step 16", customBars(200, 0, 16));
    add("custom bars 3 from 200 step 50 reversed", customBars(3, 200, 50, 1));
    add("custom bars 7 from 5 step 3 rotated", customBars(7, 5, 3, 0, 1));
    add("custom bars 1920 rotated", customBars(1920, 100, 100, 0, 1));
    add("ball", grayRamp(-1));
    add("ball reversed", grayRamp(-1, 1, 1));
    PatternState chart = grayRamp(64);
    chart.colorRampChart = 1;
    for (int direction : { 0, 1, 2, 3, 4 }) {
        chart.colorRampDirection = direction;
        add(QStringLiteral("chart %1").arg(direction), chart);
    }
}

void ReferenceBarsTest::sameAsStepByStep()
{
    QFETCH(PatternState, state);
    QFETCH(QSize, size);
    VERIFY_NO_DIFFERENCE(differenceFromSteps(state, size));
}

// Whatever the renderer keeps between paints must follow every change.
void ReferenceBarsTest::followsStateAndSizeChanges()
{
    PatternState state = withColours(grayRamp(-1));
    const QList<std::function<void(PatternState &)>> changes = {
        [](PatternState &) {},
        [](PatternState &s) { s.rampLightColor = Qt::green; },
        [](PatternState &s) { s.rampReverse = 1; },
        [](PatternState &s) { s.grayOffset = 100; },
        [](PatternState &s) { s.rampLength = 64; },
        [](PatternState &s) { s.rampDarkColor = Qt::red; },
        [](PatternState &s) { s.colorRampChart = 1; },
        [](PatternState &s) { s.colorRampDirection = 3; },
        [](PatternState &s) { s.rampLength = -1; s.colorRampChart = 0; },
    };
    for (const auto &change : changes) {
        change(state);
        for (const QSize &size : { QSize(640, 360), QSize(360, 640), QSize(641, 361) })
            VERIFY_NO_DIFFERENCE(differenceFromSteps(state, size));
    }
    // What was kept for the ball is let go once it is no longer shown.
    state.rampLength = 64;
    renderPattern(state, QSize(64, 64));
    QVERIFY(state.ballImage.isNull());
}

QTEST_MAIN(ReferenceBarsTest)
#include "tst_reference_bars.moc"
