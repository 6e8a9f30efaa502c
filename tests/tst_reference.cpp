// Every pattern drawn by the renderer against the drawing steps followed
// literally (reference.h): the same pixels, bit for bit, on small, odd and 4K
// windows, on targets and windows the fast paths do not take, and across
// frames of one window while its state changes.
#include "renderassert.h"
#include "fontsubstitutions.h"

#include <QLinearGradient>

#include <functional>

namespace {

const QSize small(50, 50), oddSmall(101, 50), odd(1921, 1081), uhd(3840, 2160);

// Ramp colours that differ on every channel catch more than black to white
// would; the information text shows over every pattern.
PatternState withColours(PatternState state)
{
    state.infoVisible = true;
    state.rampDarkColor = QColor(10, 20, 90);
    state.rampLightColor = QColor(250, 240, 5);
    return state;
}

PatternState chart(int direction)
{
    PatternState state = grayRamp(64);
    state.colorRampChart = 1;
    state.colorRampDirection = direction;
    return state;
}

PatternState picture(bool fit)
{
    PatternState state = family(Special, 3, Qt::white);
    state.pictureFit = fit;
    return state;
}

QImage gradientPicture(const QSize &size, QImage::Format format, int alpha = 255)
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

void addRow(const QString &name, const PatternState &state, const Target &target, const QImage &picture = QImage())
{
    QTest::addRow("%s, %dx%d", qPrintable(name), target.size.width(), target.size.height()) << state << target << picture;
}

void addAtSizes(const QString &name, const PatternState &state, std::initializer_list<QSize> sizes,
                const QImage &picture = QImage())
{
    for (const QSize &size : sizes)
        addRow(name, state, { size }, picture);
}

} // namespace

class ReferenceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void sameAsReference_data();
    void sameAsReference();
    void scanLinesAtEveryOffset_data();
    void scanLinesAtEveryOffset();
    void fullWindowClockEveryDigit_data();
    void fullWindowClockEveryDigit();
    void oneWindowAcrossFrames();
};

void ReferenceTest::sameAsReference_data()
{
    QTest::addColumn<PatternState>("state");
    QTest::addColumn<Target>("target");
    QTest::addColumn<QImage>("picture");

    const auto bars = [](const QString &name, const PatternState &state) {
        addAtSizes(name, withColours(state), { small, oddSmall, odd, uhd });
    };
    bars("plain fill", patternState(Solid, QColor(99, 99, 99)));
    bars("table 2x1 auto", colorTable(2, 1, true, 0, 0, false));
    bars("table 8x2 auto tiled", colorTable(8, 2, true, 0, 0, true));
    bars("table 3x2 tiled 20x20", colorTable(3, 2, false, 20, 20, true));
    bars("table 7x13 tiled 5x3", colorTable(7, 13, false, 5, 3, true));
    bars("table 1x1 tiled 1x1", colorTable(1, 1, false, 1, 1, true));
    for (int length : { 32, 64, 128, 256 }) {
        for (int variant = 0; variant < 4; ++variant)
            bars(QStringLiteral("ramp %1, reversed %2, rotated %3").arg(length).arg(variant / 2).arg(variant % 2),
                 grayRamp(length, variant / 2, variant % 2));
    }
    bars("full-width ramp", customBars(1, 0, 1));
    bars("full-width ramp reversed, rotation ignored", customBars(1, 0, 9, 1, 1));
    bars("custom bars 4 from 0", customBars(4, 0, 1));
    bars("custom bars 1 from 10", customBars(1, 10, 1));
    bars("custom bars 3 from 200 step 50 reversed", customBars(3, 200, 50, 1));
    bars("custom bars 7 from 5 step 3 rotated", customBars(7, 5, 3, 0, 1));
    bars("custom bars 1920 rotated", customBars(1920, 100, 100, 0, 1));
    bars("ball", grayRamp(-1));
    bars("ball reversed", grayRamp(-1, 1, 1));
    for (int direction : { 0, 1, 2, 3, 4 })
        bars(QStringLiteral("chart %1").arg(direction), chart(direction));

    addAtSizes("scan lines pitch 3 width 2, backward", scanLines(3, 2, 15, 4, -1), { odd });
    addAtSizes("scan lines pitch 64 width 5, diagonals backward", scanLines(64, 5, 12, 40, -1), { odd });
    addAtSizes("scan lines pitch 200 width 80, all sets", scanLines(200, 80, 15, 30), { odd });
    addAtSizes("scan lines pitch 2, all sets backward", scanLines(2, 1, 15, 3, -1), { uhd });
    addAtSizes("scan lines pitch 20 width 5, all sets", scanLines(20, 5, 15, 13), { uhd });
    addAtSizes("scan lines pitch 300 width 120, all sets", scanLines(300, 120, 15, 7), { uhd });
    addAtSizes("square inside, text white", movingSquare({ 30, 40, 20, 20 }, Qt::black), { odd });
    addAtSizes("square sticking out at the top left", movingSquare({ -8, -5, 30, 30 }, Qt::white), { odd });
    addAtSizes("square sticking out at the bottom right", movingSquare({ 1900, 1070, 30, 30 }, Qt::black), { odd });
    addAtSizes("character test, Times New Roman", characterTest(0, Qt::white), { QSize(600, 400) });
    addAtSizes("character test, 宋体 bold", characterTest(7, Qt::black), { oddSmall });

    for (int type : { 0, 1, 2 }) {
        for (bool labels : { false, true }) {
            for (const QColor &base : { QColor(Qt::white), QColor(Qt::black) })
                addAtSizes(QStringLiteral("chart type %1, labels %2, on %3").arg(type).arg(labels).arg(base.name()),
                           family(GrayBlocks, type, base, labels), { small, oddSmall, odd });
        }
    }
    addAtSizes("gray blocks with labels", family(GrayBlocks, 0, Qt::black, true), { uhd });
    addAtSizes("dark contrast with labels", family(GrayBlocks, 2, Qt::white, true), { uhd });
    for (const QColor &base : { QColor(Qt::white), QColor(20, 40, 60) }) {
        const QString on = QStringLiteral(" on ") + base.name();
        addAtSizes("full-window clock" + on, family(Special, 0, base), { small, oddSmall, odd });
        addAtSizes("cabinet clock 216" + on, cabinetClock({ 216, 216 }, base), { small, oddSmall, odd, uhd });
        addAtSizes("cabinet clock 50 x 70" + on, cabinetClock({ 50, 70 }, base), { small, oddSmall, odd });
        addAtSizes("cabinet clock too small for its text" + on, cabinetClock({ 12, 30 }, base), { QSize(300, 200) });
        addAtSizes("grid and circles" + on, family(Special, 2, base), { small, oddSmall, odd, uhd });
    }
    for (bool fit : { false, true }) {
        const QString how = fit ? QStringLiteral(", fitted") : QString();
        addAtSizes("opaque picture 640 x 480" + how, picture(fit), { odd }, gradientPicture({ 640, 480 }, QImage::Format_RGB32));
        addAtSizes("translucent picture 640 x 480" + how, picture(fit), { oddSmall },
                   gradientPicture({ 640, 480 }, QImage::Format_ARGB32, 140));
        addAtSizes("indexed picture 200 x 100" + how, picture(fit), { oddSmall }, gradientPicture({ 200, 100 }, QImage::Format_Indexed8));
        addAtSizes("4K picture" + how, picture(fit), { uhd }, gradientPicture({ 4096, 2160 }, QImage::Format_RGB32));
    }

    // The roads the fast paths leave to the plain drawing: a target that is not
    // 32-bit premultiplied, and a window that does not start at the image's origin.
    const QList<QPair<QString, PatternState>> fastPaths = {
        { "tiled table", colorTable(3, 2, false, 20, 20, true) },
        { "ramp 64", grayRamp(64) },
        { "ball", grayRamp(-1) },
        { "chart", chart(3) },
        { "custom bars", customBars(4, 0, 1, 1) },
        { "scan lines", scanLines(20, 5, 15, 3) },
        { "character test", characterTest(6, Qt::white) },
        { "square", movingSquare({ 30, 40, 20, 20 }, Qt::black) },
        { "gray blocks with labels", family(GrayBlocks, 0, Qt::white, true) },
        { "bright contrast", family(GrayBlocks, 1, Qt::black, true) },
        { "full-window clock", family(Special, 0, Qt::black) },
        { "cabinet clock", cabinetClock({ 100, 80 }, Qt::black) },
        { "grid and circles", family(Special, 2, Qt::black) },
        { "picture", picture(false) },
    };
    const QImage shown = gradientPicture({ 200, 150 }, QImage::Format_RGB32);
    for (const auto &pattern : fastPaths) {
        const PatternState state = withColours(pattern.second);
        const QSize size(421, 263);
        addRow(pattern.first + ", ARGB32 target", state, { size, {}, QImage::Format_ARGB32 }, shown);
        addRow(pattern.first + ", RGB888 target", state, { size, {}, QImage::Format_RGB888 }, shown);
        addRow(pattern.first + ", RGB32 target", state, { size, {}, QImage::Format_RGB32 }, shown);
        addRow(pattern.first + ", window at (13, 7)", state, { size, QRect(13, 7, 400, 250) }, shown);
    }
}

// Each state drawn twice by the program: the second frame is the one copied
// from what the first kept.
void ReferenceTest::sameAsReference()
{
    QFETCH(PatternState, state);
    QFETCH(Target, target);
    QFETCH(QImage, picture);
    Frames frames;
    frames.setPicture(picture);
    VERIFY_NO_DIFFERENCE(differenceFromReference(frames, state, target));
    VERIFY_NO_DIFFERENCE(differenceFromReference(frames, state, target));
}

void ReferenceTest::scanLinesAtEveryOffset_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("width");
    const QList<QPair<int, int>> pitchesAndWidths = { { 2, 1 }, { 3, 1 }, { 3, 2 }, { 3, 5 }, { 20, 1 }, { 20, 2 },
                                                      { 20, 3 }, { 20, 4 }, { 20, 5 }, { 20, 7 }, { 20, 9 }, { 64, 1 },
                                                      { 64, 2 }, { 64, 5 }, { 100, 65 }, { 130, 97 } };
    for (const auto &row : pitchesAndWidths)
        QTest::addRow("pitch %d width %d", row.first, row.second) << row.first << row.second;
}

// Every set alone and all four together, both directions, at every offset
// from 0 to pitch + 1 (every seventh above pitch 64), on two small windows.
void ReferenceTest::scanLinesAtEveryOffset()
{
    QFETCH(int, pitch);
    QFETCH(int, width);
    for (const QSize &size : { small, oddSmall }) {
        for (int sets : { 1, 2, 4, 8, 15 }) {
            for (int direction : { 1, -1 }) {
                for (int offset = 0; offset <= pitch + 1; offset += pitch > 64 ? 7 : 1) {
                    Frames frames;
                    PatternState state = scanLines(pitch, width, sets, offset, direction);
                    state.solidColor = QColor(200, 180, 40);
                    const QString difference = differenceFromReference(frames, state, { size });
                    QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("sets %1, direction %2, offset %3 on %4x%5: %6")
                        .arg(sets).arg(direction).arg(offset).arg(size.width()).arg(size.height()).arg(difference)));
                }
            }
        }
    }
}

void ReferenceTest::fullWindowClockEveryDigit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("base");
    QTest::newRow("1921 x 1081 on white") << odd << QColor(Qt::white);
    QTest::newRow("text wider than the window, 1000 x 1000") << QSize(1000, 1000) << QColor(90, 90, 90);
}

// The clock's characters change place by place: every digit at every place,
// each frame compared with the text drawn as it is.
void ReferenceTest::fullWindowClockEveryDigit()
{
    QFETCH(QSize, size);
    QFETCH(QColor, base);
    PatternState state = family(Special, 0, base);
    Frames frames;
    // The toolkit's first drawing of a large text after another picture may
    // differ at the edges of the outlines from the drawings that follow, so
    // the comparisons start with the second.
    frames.reference(state, { size });
    for (int digit = 0; digit < 10; ++digit) {
        state.delayTime = QTime(0, digit % 6 * 10 + 9 - digit, (digit + 3) % 6 * 10 + digit, digit * 111 + (9 - digit) % 10);
        VERIFY_NO_DIFFERENCE(differenceFromReference(frames, state, { size }));
    }
}

// One window's state painted again and again while it changes, through every
// family and three sizes, as its commands change it: nothing kept from an
// earlier frame may show.
void ReferenceTest::oneWindowAcrossFrames()
{
    using Step = std::function<void(PatternState &, Frames &)>;
    const QImage first = gradientPicture({ 300, 200 }, QImage::Format_RGB32);
    const QImage second = gradientPicture({ 150, 100 }, QImage::Format_RGB32);
    const QList<QPair<const char *, Step>> steps = {
        { "ball", [](PatternState &s, Frames &) { s.mode = GrayBars; s.rampLength = -1; s.colorRampChart = 0; } },
        { "gray offset 100", [](PatternState &s, Frames &) { s.grayOffset = 100; } },
        { "dark colour red", [](PatternState &s, Frames &) { s.rampDarkColor = Qt::red; s.grayOffset = 0; } },
        { "chart", [](PatternState &s, Frames &) { s.colorRampChart = 1; } },
        { "scan lines", [](PatternState &s, Frames &) { s.mode = ScanLines; s.scanOffset = 0; } },
        { "offset 5", [](PatternState &s, Frames &) { s.scanOffset = 5; } },
        { "character test", [](PatternState &s, Frames &) { s.fontTest = 1; } },
        { "translucent lines", [](PatternState &s, Frames &) { s.fontTest = 0; s.scanLineColor = QColor(0, 0, 0, 128); } },
        { "translucent background", [](PatternState &s, Frames &) { s.scanBackground = QColor(0, 128, 0, 100); } },
        { "gray blocks", [](PatternState &s, Frames &) { s.mode = GrayBlocks; s.grayBlockType = 0; } },
        { "dark contrast", [](PatternState &s, Frames &) { s.grayBlockType = 2; } },
        { "grid", [](PatternState &s, Frames &) { s.mode = Special; s.specialType = 2; } },
        { "cabinet clock", [](PatternState &s, Frames &) { s.specialType = 1; } },
        { "picture", [first](PatternState &s, Frames &f) { s.specialType = 3; f.setPicture(first); } },
        { "another picture, fit switched", [second](PatternState &s, Frames &f) { s.pictureFit = !s.pictureFit; f.setPicture(second); } },
        { "grid on gray offset 100", [](PatternState &s, Frames &) { s.grayOffset = 100; s.specialType = 2; } },
        { "offset back to 0", [](PatternState &s, Frames &) { s.grayOffset = 0; } },
    };
    // Every family's settings at once, as the window holds them; the mode picks one.
    PatternState state = withColours(grayRamp(-1));
    const PatternState lines = scanLines(20, 2, 15);
    state.scanBackground = lines.scanBackground;
    state.scanLineColor = lines.scanLineColor;
    state.scanPitch = lines.scanPitch;
    state.scanLineWidth = lines.scanLineWidth;
    state.scanHorizontal = state.scanVertical = state.scanDiagonalLR = state.scanDiagonalRL = 1;
    state.hideBlockText = false;
    state.delayTime = QTime(0, 12, 34, 567);
    Frames frames;
    for (const QSize &size : { QSize(400, 300), QSize(400, 300), QSize(300, 400) }) {
        for (const auto &step : steps) {
            step.second(state, frames);
            const QString difference = differenceFromReference(frames, state, { size });
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1 on %2x%3: %4").arg(step.first)
                                                      .arg(size.width()).arg(size.height()).arg(difference)));
        }
    }
}

QTEST_MAIN(ReferenceTest)
#include "tst_reference.moc"
