// The technician's patterns, pixel by pixel against their definitions: the
// checkerboard's cells, the zone plate's gray levels, the pixel walk's lit
// pixel and the ticker's lit block at chosen instants and from frame to
// frame of an export, what a step repaints, and which edges the
// identification points across.
#include "dialog.h"
#include "fontsubstitutions.h"
#include "patternexport.h"
#include "patternmodel.h"
#include "patternrenderer.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>

namespace {

// 2026-12-07T10:00:00.250Z.
const qint64 instant = 1796637600250;

PatternState started(const QString &text, PatternModel &model, const WallCanvas &canvas = WallCanvas())
{
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        qFatal("%s", qPrintable(error));
    PatternState state;
    state.canvas = canvas;
    model.start(name, &state, 0, 1);
    state.infoVisible = false;
    return state;
}

QImage renderState(const PatternState &state, const QSize &size)
{
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.fill(qRgba(1, 2, 3, 4));
    QPainter painter(&frame);
    PatternRenderer().render(painter, state, frame.rect(), QPoint());
    painter.end();
    return frame.convertToFormat(QImage::Format_RGB32);
}

// The pattern `ms` after it was chosen, or at the UTC instant `ms` on the
// computer's clock.
QImage renderAt(const QString &text, const QSize &size, qint64 ms)
{
    PatternModel model;
    const PatternState state = started(text, model);
    return renderState(model.frameAt(state, ms, ms, size), size);
}

// Frames exported at `fps` from the UTC instant `at`, read back.
QVector<QImage> exportFrames(const QString &text, const QSize &size, int frames, double fps, qint64 at)
{
    QTemporaryDir dir;
    ExportRequest request;
    request.file = dir.filePath(QStringLiteral("frame.png"));
    request.pattern = text;
    request.size = size;
    request.frames = frames;
    request.fps = fps;
    request.atGiven = true;
    request.atUtcMs = at;
    QString error;
    if (!exportPattern(request, &error))
        qFatal("%s", qPrintable(error));
    QVector<QImage> images;
    for (int frame = 1; frame <= frames; ++frame)
        images << QImage(frameFileName(request.file, frame, frames)).convertToFormat(QImage::Format_RGB32);
    return images;
}

// Every pixel that is not black.
QVector<QPoint> litPixels(const QImage &image)
{
    QVector<QPoint> lit;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0))
                lit << QPoint(x, y);
    return lit;
}

} // namespace

class TestNewPatterns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    // The cell at column floor(x / W), row floor(y / H) is a when they add to an even number.
    void checkerCells_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("color");
        const QRgb white = qRgb(255, 255, 255);
        const QRgb black = qRgb(0, 0, 0);
        QTest::newRow("1x1 corner is a") << "checker" << QPoint(0, 0) << white;
        QTest::newRow("1x1 next column is b") << "checker" << QPoint(1, 0) << black;
        QTest::newRow("1x1 next row is b") << "checker" << QPoint(0, 1) << black;
        QTest::newRow("1x1 diagonal is a") << "checker" << QPoint(1, 1) << white;
        QTest::newRow("1x1 odd sum far out is b") << "checker" << QPoint(637, 422) << black;
        QTest::newRow("7x5 last pixel of first cell") << "checker:cell=7x5" << QPoint(6, 4) << white;
        QTest::newRow("7x5 first pixel of second column") << "checker:cell=7x5" << QPoint(7, 4) << black;
        QTest::newRow("7x5 cell 1,1") << "checker:cell=7x5" << QPoint(7, 5) << white;
        QTest::newRow("7x5 cell 91,84") << "checker:cell=7x5" << QPoint(637, 422) << black;
        QTest::newRow("cabinet cells 384x216") << "checker:cell=384x216" << QPoint(383, 215) << white;
        QTest::newRow("cabinet cell 1,0") << "checker:cell=384x216" << QPoint(384, 0) << black;
        QTest::newRow("colours a and b") << "checker:cell=3x2,a=red,b=#0000ff" << QPoint(3, 2) << qRgb(255, 0, 0);
        QTest::newRow("colour b") << "checker:cell=3x2,a=red,b=#0000ff" << QPoint(3, 0) << qRgb(0, 0, 255);
        QTest::newRow("cell larger than the window") << "checker:cell=3840x2160" << QPoint(639, 479) << white;
    }

    void checkerCells()
    {
        QFETCH(QString, pattern);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, color);
        QCOMPARE(renderAt(pattern, QSize(640, 480), 0).pixel(pixel), color);
    }

    // round(127.5 + 127.5 cos(pi k r^2 / (200 R))) from the pixel's centre,
    // in doubles, within one level.
    void zonePlateLevels_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QSize>("canvas");
        QTest::newRow("k 100 on 1920x1080") << 100 << QSize(1920, 1080);
        QTest::newRow("k 1 on 1920x1080") << 1 << QSize(1920, 1080);
        QTest::newRow("k 37 on an odd canvas") << 37 << QSize(1001, 563);
        QTest::newRow("k 100 on a portrait canvas") << 100 << QSize(300, 1200);
    }

    void zonePlateLevels()
    {
        QFETCH(int, k);
        QFETCH(QSize, canvas);
        const QImage image = renderAt(QStringLiteral("zoneplate:k=%1").arg(k), canvas, 0);
        const double halfDiagonal = std::hypot(canvas.width(), canvas.height()) / 2;
        const QPoint samples[] = { { 0, 0 }, { canvas.width() - 1, canvas.height() - 1 },
                                   { canvas.width() / 2, canvas.height() / 2 }, { canvas.width() - 1, 0 },
                                   { 17, canvas.height() - 3 }, { canvas.width() / 3, canvas.height() / 7 },
                                   { canvas.width() - 2, canvas.height() / 2 + 1 } };
        for (const QPoint &p : samples) {
            const double dx = p.x() + 0.5 - canvas.width() / 2.0;
            const double dy = p.y() + 0.5 - canvas.height() / 2.0;
            const double level = 127.5 + 127.5 * std::cos(M_PI * k * (dx * dx + dy * dy) / (200 * halfDiagonal));
            const QRgb pixel = image.pixel(p);
            QVERIFY2(std::abs(qRed(pixel) - std::round(level)) <= 1,
                     qPrintable(QStringLiteral("%1,%2: %3, not %4").arg(p.x()).arg(p.y()).arg(qRed(pixel)).arg(level)));
            QCOMPARE(qGreen(pixel), qRed(pixel));
        }
    }

    // Step n = floor(ms rate / 1000) modulo the cabinet's pixels lights
    // x = n mod W, y = floor(n / W) of every cabinet, and nothing else.
    void pixelWalkLights_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<QSize>("cabinet");
        const QRgb white = qRgb(255, 255, 255);
        const QSize small(4, 3);
        QTest::newRow("first step") << "pixelwalk:cabinet=4x3" << qint64(0) << QPoint(0, 0) << white << small;
        QTest::newRow("step 3 ends the first row") << "pixelwalk:cabinet=4x3" << qint64(399) << QPoint(3, 0) << white << small;
        QTest::newRow("step 4 starts the second row") << "pixelwalk:cabinet=4x3" << qint64(400) << QPoint(0, 1) << white << small;
        QTest::newRow("step 12 wraps round") << "pixelwalk:cabinet=4x3" << qint64(1250) << QPoint(0, 0) << white << small;
        QTest::newRow("rate 1000, colour") << "pixelwalk:cabinet=5x5,rate=1000,color=#00ff00" << qint64(23)
                                           << QPoint(3, 4) << qRgb(0, 255, 0) << QSize(5, 5);
        QTest::newRow("subpixel red") << "pixelwalk:cabinet=4x3,subpixel,rate=1000" << qint64(3) << QPoint(1, 0)
                                      << qRgb(255, 0, 0) << small;
        QTest::newRow("subpixel blue") << "pixelwalk:cabinet=4x3,subpixel,rate=1000" << qint64(35) << QPoint(3, 2)
                                       << qRgb(0, 0, 255) << small;
        QTest::newRow("system clock") << "pixelwalk:cabinet=4x3,source=system" << instant << QPoint(2, 0) << white << small;
        QTest::newRow("system clock 0.7 s on") << "pixelwalk:cabinet=4x3,source=system" << instant + 700
                                               << QPoint(1, 2) << white << small;
    }

    void pixelWalkLights()
    {
        QFETCH(QString, pattern);
        QFETCH(qint64, ms);
        QFETCH(QPoint, place);
        QFETCH(QRgb, color);
        QFETCH(QSize, cabinet);
        const QSize size(10, 7);
        const QImage image = renderAt(pattern, size, ms);
        QVector<QPoint> expected;
        for (int y = place.y(); y < size.height(); y += cabinet.height())
            for (int x = place.x(); x < size.width(); x += cabinet.width())
                expected << QPoint(x, y);
        QCOMPARE(litPixels(image), expected);
        QCOMPARE(image.pixel(expected.first()), color);
    }

    // Tens of thousands of cabinets in sight, each lighting its pixel: a
    // 2 x 1 cabinet at step 4 with subpixels lights x = 1 of each in green;
    // a 1 x 1 cabinet lights every pixel.
    void manyCabinetsLightAlike_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QSize>("cabinet");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("2x1 subpixel") << "pixelwalk:cabinet=2x1,subpixel,rate=1000" << QSize(2, 1) << QPoint(1, 0)
                                      << qRgb(0, 255, 0);
        QTest::newRow("1x1") << "pixelwalk:cabinet=1x1,rate=1000" << QSize(1, 1) << QPoint(0, 0) << qRgb(255, 255, 255);
        QTest::newRow("3x2 second row") << "pixelwalk:cabinet=3x2,rate=1000" << QSize(3, 2) << QPoint(1, 1)
                                        << qRgb(255, 255, 255);
    }

    void manyCabinetsLightAlike()
    {
        QFETCH(QString, pattern);
        QFETCH(QSize, cabinet);
        QFETCH(QPoint, place);
        QFETCH(QRgb, color);
        const QSize size(301, 200);
        const QImage image = renderAt(pattern, size, 4);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const bool lit = x % cabinet.width() == place.x() && y % cabinet.height() == place.y();
                if (image.pixel(x, y) != (lit ? color : qRgb(0, 0, 0)))
                    QFAIL(qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    // Block frame mod 60, frame = floor(ms fps / 1000), lit whole; the others outlined.
    void tickerLights_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QRect>("block");
        // On 600 x 100 a row 12 high from y 44, blocks 10 wide.
        QTest::newRow("frame 0") << "ticker:cabinet=none,fps=60" << qint64(0) << QRect(0, 44, 10, 12);
        QTest::newRow("frame 15") << "ticker:cabinet=none,fps=60" << qint64(250) << QRect(150, 44, 10, 12);
        QTest::newRow("frame 60 wraps") << "ticker:cabinet=none,fps=60" << qint64(1000) << QRect(0, 44, 10, 12);
        QTest::newRow("fps 24") << "ticker:cabinet=none,fps=24" << qint64(1999) << QRect(470, 44, 10, 12);
        QTest::newRow("system clock") << "ticker:cabinet=none,fps=60,source=system" << instant
                                      << QRect(150, 44, 10, 12);
        // Cabinets 300 x 100 side by side: the row is 12 high from 44, blocks 5 wide.
        QTest::newRow("second cabinet") << "ticker:cabinet=300x100,fps=60" << qint64(1500) << QRect(450, 44, 5, 12);
    }

    void tickerLights()
    {
        QFETCH(QString, pattern);
        QFETCH(qint64, ms);
        QFETCH(QRect, block);
        const QImage image = renderAt(pattern, QSize(600, 100), ms);
        const QRgb white = qRgb(255, 255, 255);
        const QRgb outline = qRgb(64, 64, 64);
        for (const QPoint &p : { block.topLeft(), block.bottomRight(), block.center() })
            QCOMPARE(image.pixel(p), white);
        const QPoint before = block.topLeft() - QPoint(1, 0);
        const QPoint after = block.topRight() + QPoint(1, 0);
        if (block.left() > 0)
            QCOMPARE(image.pixel(before), outline);
        QCOMPARE(image.pixel(after), outline);
        QCOMPARE(image.pixel(after + QPoint(2, block.height() / 2)), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(block.left(), block.top() - 1), qRgb(0, 0, 0));
    }

    // At the rate of the export, each frame lights the next place.
    void exportedFramesStepByOne_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("fps");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("ticker at the export's 60 fps") << "ticker:cabinet=none" << 60.0 << instant
                                                       << QPoint(5, 50) << QPoint(10, 0);
        QTest::newRow("ticker at 30 fps") << "ticker:cabinet=none,fps=30" << 30.0 << instant
                                          << QPoint(5, 50) << QPoint(10, 0);
        QTest::newRow("ticker on the computer's clock") << "ticker:cabinet=none,source=system" << 60.0 << instant
                                                        << QPoint(155, 50) << QPoint(10, 0);
        QTest::newRow("pixel walk at 60 fps") << "pixelwalk:cabinet=600x100,rate=60" << 60.0 << instant
                                              << QPoint(0, 0) << QPoint(1, 0);
    }

    void exportedFramesStepByOne()
    {
        QFETCH(QString, pattern);
        QFETCH(double, fps);
        QFETCH(qint64, at);
        QFETCH(QPoint, first);
        QFETCH(QPoint, step);
        const QVector<QImage> frames = exportFrames(pattern, QSize(600, 100), 12, fps, at);
        for (int k = 0; k < frames.size(); ++k) {
            const QPoint lit = first + step * k;
            QVERIFY2(frames[k].pixel(lit) == qRgb(255, 255, 255), qPrintable(QStringLiteral("frame %1").arg(k)));
            QVERIFY2(frames[k].pixel(lit + step) != qRgb(255, 255, 255), qPrintable(QStringLiteral("frame %1").arg(k)));
        }
    }

    // A step repaints the lit pixels or blocks and the digits, nothing
    // else; a canvas far larger than the window costs only the window.
    void stepRepaintsWhatChanges_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<qint64>("later");
        QTest::addColumn<QRect>("shouldChange");
        QTest::addColumn<int>("mostPixels");
        QTest::newRow("pixel walk, one step") << "pixelwalk:cabinet=100x50" << qint64(100) << QRect(1, 0, 1, 1) << 2 * 12;
        QTest::newRow("pixel walk, no step") << "pixelwalk:cabinet=100x50" << qint64(99) << QRect() << 0;
        // The row of the first cabinet is 25 high from y 87, its blocks 5 wide.
        QTest::newRow("ticker, one frame") << "ticker:cabinet=300x200,fps=60" << qint64(17) << QRect(5, 87, 5, 25)
                                           << 2 * 5 * 25 + 300 * 25;
        QTest::newRow("ticker, same frame") << "ticker:cabinet=300x200,fps=60" << qint64(16) << QRect() << 0;
    }

    void stepRepaintsWhatChanges()
    {
        QFETCH(QString, pattern);
        QFETCH(qint64, later);
        QFETCH(QRect, shouldChange);
        QFETCH(int, mostPixels);
        const QSize window(300, 200);
        PatternModel model;
        const PatternState state = started(pattern, model, WallCanvas{ QSize(60000, 40000), QPoint(0, 0) });
        QImage device(window, QImage::Format_ARGB32_Premultiplied);
        const QRegion changed = PatternRenderer().changedRegion(model.frameAt(state, 0, 0, window),
                                                                model.frameAt(state, later, 0, window),
                                                                QRect(QPoint(0, 0), window), &device);
        int pixels = 0;
        for (const QRect &r : changed)
            pixels += r.width() * r.height();
        QVERIFY2(pixels <= mostPixels, qPrintable(QString::number(pixels)));
        QVERIFY(changed.contains(shouldChange) || shouldChange.isEmpty());
        QCOMPARE(changed.isEmpty(), shouldChange.isEmpty());
    }

    // The window looks at the time every millisecond while a moving
    // family shows, and not at all for a still one.
    void windowFollowsMovingFamilies_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("ticking");
        QTest::newRow("pixel walk") << "pixelwalk" << true;
        QTest::newRow("ticker") << "ticker:source=system" << true;
        QTest::newRow("checker") << "checker" << false;
        QTest::newRow("zone plate") << "zoneplate" << false;
        QTest::newRow("ident") << "ident" << false;
    }

    void windowFollowsMovingFamilies()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, ticking);
        dialog window;
        PatternName name;
        QVERIFY(parsePatternName(pattern, &name, nullptr));
        window.showPattern(name);
        QCOMPARE(window.delayTimerForTest()->isActive(), ticking);
        QVERIFY(parsePatternName(QStringLiteral("solid"), &name, nullptr));
        window.showPattern(name);
        QVERIFY(!window.delayTimerForTest()->isActive());
    }

    // An arrow at the middle of each edge behind which the canvas goes on.
    void identPointsAtNeighbours_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QString>("edges");
        QTest::newRow("left part of two") << QPoint(0, 0) << "r";
        QTest::newRow("right part of two") << QPoint(400, 0) << "l";
        QTest::newRow("middle of three rows") << QPoint(0, 300) << "tb";
    }

    void identPointsAtNeighbours()
    {
        QFETCH(QPoint, origin);
        QFETCH(QString, edges);
        const QSize window(400, 300);
        const QSize canvas = edges == QLatin1String("tb") ? QSize(400, 900) : QSize(800, 300);
        PatternModel model;
        const PatternState state = started(QStringLiteral("ident"), model, WallCanvas{ canvas, origin });
        const QImage image = renderState(model.frameAt(state, 0, 0, window), window);
        const QPoint tips[] = { { 10, 149 }, { 389, 149 }, { 199, 10 }, { 199, 289 } };
        const QString names = QStringLiteral("lrtb");
        for (int edge = 0; edge < 4; ++edge) {
            const bool arrow = edges.contains(names.at(edge));
            QVERIFY2((image.pixel(tips[edge]) == qRgb(255, 255, 255)) == arrow, qPrintable(QString(names.at(edge))));
        }
    }

    void extremeKeysAreRefused_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("named");
        QTest::newRow("cell 0x0") << "checker:cell=0x0" << "cell=0x0";
        QTest::newRow("cell wider than 4K") << "checker:cell=3841x1" << "cell=3841x1";
        QTest::newRow("k 0") << "zoneplate:k=0" << "1..100";
        QTest::newRow("rate 1001") << "pixelwalk:rate=1001" << "1..1000";
        QTest::newRow("fps 241") << "ticker:fps=241" << "1..240";
        QTest::newRow("ticker cabinet word") << "ticker:cabinet=all" << "none or WxH";
        QTest::newRow("huge rate digits") << "pixelwalk:rate=99999999999" << "1..1000";
    }

    void extremeKeysAreRefused()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, named);
        QString error;
        QVERIFY(!parsePatternName(pattern, nullptr, &error));
        QVERIFY2(error.contains(named), qPrintable(error));
    }
};

QTEST_MAIN(TestNewPatterns)
#include "tst_newpatterns.moc"
