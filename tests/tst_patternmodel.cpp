// The pattern model: animations as functions of time, against the per-tick
// sequences the window's timers used to step, and the export built on it.
#include "animation.h"
#include "fontsubstitutions.h"
#include "motion.h"
#include "patternexport.h"
#include "patternmodel.h"
#include "patternrenderer.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PatternName parsed(const QString &text)
{
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        qFatal("%s", qPrintable(error));
    return name;
}

} // namespace

class TestPatternModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void scanOffset_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<QList<int>>("offsets");
        QTest::newRow("step 1, pitch 21: 0 .. 21, then 0") << 1 << 21
            << QList<int>{ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 0, 1 };
        QTest::newRow("step 5, pitch 21: past the pitch to 25") << 5 << 21 << QList<int>{ 0, 5, 10, 15, 20, 25, 0, 5 };
        QTest::newRow("step 3, pitch 21: onto the pitch") << 3 << 21 << QList<int>{ 0, 3, 6, 9, 12, 15, 18, 21, 0 };
        QTest::newRow("step past the pitch") << 30 << 21 << QList<int>{ 0, 30, 0, 30 };
        QTest::newRow("no step stands still") << 0 << 21 << QList<int>{ 0, 0, 0 };
    }

    void scanOffset()
    {
        QFETCH(int, step);
        QFETCH(int, pitch);
        QFETCH(QList<int>, offsets);
        for (int tick = 0; tick < offsets.size(); ++tick)
            QCOMPARE(scanOffsetAt(tick, step, pitch), offsets.at(tick));
        // Periodic in the tick count, however far it has run.
        const qint64 far = 1000000000000LL;
        const int period = int(offsets.indexOf(0, 1));
        QCOMPARE(scanOffsetAt(far, step, pitch), offsets.at(int(far % period)));
    }

    // The sweep shows 0 .. 255 and wraps; the step is the next level shown.
    void sweep()
    {
        for (qint64 tick = 1; tick <= 520; ++tick) {
            QCOMPARE(sweepOffsetAt(tick), int((tick - 1) % 256));
            QCOMPARE(sweepStepAt(tick), int(tick % 256));
        }
    }

    // Ticks accrue only while the animation runs and go on where it stopped;
    // a change of speed keeps the ticks banked and restarts the count.
    void animationBanksTicks()
    {
        Animation animation;
        QCOMPARE(animation.ticks(5000), 0);
        animation.run(1000, 10);
        QCOMPARE(animation.ticks(1095), 9);
        animation.run(1095, 0);
        QCOMPARE(animation.ticks(9000), 9);
        animation.step();
        QCOMPARE(animation.ticks(9000), 10);
        animation.run(9000, 25);
        QCOMPARE(animation.ticks(9049), 11);
        QCOMPARE(animation.ticks(8000), 10); // before the last change: what was banked
        animation.restart(9049);
        QCOMPARE(animation.ticks(9100), 2);
    }

    void clocks()
    {
        QCOMPARE(clockTimeAt(0), QTime(0, 0));
        QCOMPARE(clockTimeAt(3723004), QTime(1, 2, 3, 4));
        QCOMPARE(clockTimeAt(86400000LL + 5), QTime(0, 0, 0, 5));
        const qint64 utc = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 58, 123), Qt::UTC).toMSecsSinceEpoch();
        QCOMPARE(utcClockTime(utc), QTime(0, 59, 58, 123));
        QCOMPARE(utcClockTime(utc + 2000), QTime(0, 0, 0, 123)); // across midnight
    }

    void squareTurnsAtTheEdges_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<int>("sign");
        QTest::newRow("top-left edge: speeds 0..9") << 20 << QPoint(0, 0) << 1;
        QTest::newRow("bottom-right edge: speeds -9..0") << 20 << QPoint(80, 60) << -1;
        QTest::newRow("wider than the area: the second draw wins") << 120 << QPoint(0, 0) << 1;
    }

    void squareTurnsAtTheEdges()
    {
        QFETCH(int, size);
        QFETCH(QPoint, from);
        QFETCH(int, sign);
        const QSize area(100, 80);
        const QSize square(size, size);
        SquareWalk walk;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            walk.restart(seed, SquarePlace{ from.x(), from.y(), 0, 0 });
            const SquarePlace place = walk.at(1, area, square);
            QVERIFY(place.dx * sign >= 0 && qAbs(place.dx) <= 9);
            QVERIFY(place.dy * sign >= 0 && qAbs(place.dy) <= 9);
            QCOMPARE(QPoint(place.x, place.y), from + QPoint(place.dx, place.dy));
        }
        // Away from the edges the speed is kept.
        walk.restart(7, SquarePlace{ 40, 30, 3, -2 });
        const SquarePlace place = walk.at(1, area, square);
        QCOMPARE(QPoint(place.x, place.y), size < 80 ? QPoint(43, 28) : QPoint(40 + place.dx, 30 + place.dy));
    }

    // A walk asked for an earlier step replays from its seed.
    void squareReplays()
    {
        SquareWalk walked;
        walked.restart(42, SquarePlace());
        walked.at(500, QSize(90, 70), QSize(10, 10));
        SquareWalk fresh;
        fresh.restart(42, SquarePlace());
        const SquarePlace back = walked.at(123, QSize(90, 70), QSize(10, 10));
        const SquarePlace once = fresh.at(123, QSize(90, 70), QSize(10, 10));
        QCOMPARE(QPoint(back.x, back.y), QPoint(once.x, once.y));
    }

    // A frame of a named pattern at chosen instants: the scan lines at speed
    // 99 step every millisecond, and a gray level set by hand holds until the
    // sweep's next tick.
    void framesAtInstants()
    {
        PatternModel model;
        PatternState state;
        model.start(parsed(QStringLiteral("scan:h,speed=99")), &state, 1000, 1);
        QCOMPARE(model.frameAt(state, 1000, 0, QSize(100, 100)).scanOffset, 0);
        QCOMPARE(model.frameAt(state, 1007, 0, QSize(100, 100)).scanOffset, 7);
        QCOMPARE(model.frameAt(state, 1000 + 22 * 5 + 3, 0, QSize(100, 100)).scanOffset, 3);

        model.start(parsed(QStringLiteral("solid:sweep=50,gray=200")), &state, 0, 1); // a tick every 2 ms
        QCOMPARE(model.frameAt(state, 1, 0, QSize()).grayOffset, 55);
        QCOMPARE(model.frameAt(state, 2, 0, QSize()).grayOffset, 0);
        QCOMPARE(model.frameAt(state, 2 * 300, 0, QSize()).grayOffset, 43);
        state.grayOffset = 100;
        model.holdGray(601);
        QCOMPARE(model.frameAt(state, 601, 0, QSize()).grayOffset, 100);
        QCOMPARE(model.frameAt(state, 602, 0, QSize()).grayOffset, 44);
    }

    // Exports of the moving families, frame for frame as the window showed
    // them when it stepped its state tick by tick (pixels hashed).
    // On the computer's clock every animation is a function of the instant
    // alone: the same on every computer, across midnight and after the
    // clock is stepped back.
    void systemTime_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<qint64>("utcMs");
        QTest::addColumn<int>("scanOffset");
        QTest::addColumn<QPoint>("square");
        QTest::addColumn<int>("grayOffset");
        // Speed 90 and sweep 1 tick every 100 ms; pitch 21 with step 1 repeats every 22 ticks.
        const qint64 midnight = 1796601600000; // 2026-12-07T00:00:00Z
        QTest::newRow("scan just before midnight") << "scan:h,speed=90,source=system" << midnight - 100
                                                   << int((midnight / 100 - 1) % 22) << QPoint() << 0;
        QTest::newRow("scan at midnight") << "scan:h,speed=90,source=system" << midnight
                                          << int((midnight / 100) % 22) << QPoint() << 0;
        QTest::newRow("scan one tick after") << "scan:h,speed=90,source=system" << midnight + 199
                                             << int((midnight / 100 + 1) % 22) << QPoint() << 0;
        // tri(v, m) = m - |(v mod 2m) - m| on a 1000 x 700 canvas, size 60: m = 940 and 640.
        const qint64 n = midnight / 100 + 3;
        const auto tri = [](qint64 v, qint64 m) { return int(m - qAbs(v % (2 * m) - m)); };
        QTest::newRow("square bounces on the canvas") << "square:size=60,speed=90,source=system" << n * 100 + 99 << 0
                                                      << QPoint(tri(7 * n, 940), tri(5 * n, 640)) << 0;
        QTest::newRow("square at the epoch") << "square:size=60,speed=90,source=system" << qint64(0) << 0
                                             << QPoint(0, 0) << 0;
        QTest::newRow("sweep counts from the epoch") << "solid:sweep=1,source=system" << midnight + 50
                                                      << 0 << QPoint() << int((midnight / 100 - 1) % 256);
    }

    void systemTime()
    {
        QFETCH(QString, pattern);
        QFETCH(qint64, utcMs);
        QFETCH(int, scanOffset);
        QFETCH(QPoint, square);
        QFETCH(int, grayOffset);
        // Two computers: one chose the pattern a day earlier than the other,
        // and the second one's clock was stepped back an hour since.
        for (const qint64 chosen : { qint64(0), qint64(86400000) }) {
            PatternState state;
            state.canvas = WallCanvas{ QSize(1000, 700), QPoint(333, 0) };
            PatternModel model;
            model.start(parsed(pattern), &state, chosen, 7);
            const PatternState frame = model.frameAt(state, chosen + 3600000, utcMs, QSize(667, 700));
            if (pattern.startsWith(QLatin1String("scan")))
                QCOMPARE(frame.scanOffset, scanOffset);
            if (pattern.startsWith(QLatin1String("square")))
                QCOMPARE(QPoint(frame.squareX, frame.squareY), square);
            if (pattern.startsWith(QLatin1String("solid")))
                QCOMPARE(frame.grayOffset, grayOffset);
        }
    }

    void exportedSequences_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("fps");
        QTest::addColumn<QByteArray>("hash");
        const struct { const char *pattern; const char *at30; const char *at47; } rows[] = {
            { "clock", "006f06353053f2b0", "c34ef14a3740bf3e" },
            { "cabinet-clock:cabinet=100x60", "6064c05b1788588a", "94a759e45cc8dfc4" },
            { "scan:h,v,speed=99", "a89f6d1a64f0eefd", "c7bcac3543148ab8" },
            { "scan:lr,rl,width=3,gap=7,speed=95,reverse", "361156e1e2bf76b7", "74bd0bc30f19faa0" },
            { "solid:color=red,sweep=60", "6eea6ee2920746c4", "a6b336ead485bfd9" },
            { "square:size=15,speed=97", "2f35d2c196174a9c", "a5870ee347065199" },
        };
        for (const auto &row : rows) {
            QTest::addRow("%s at 30 fps", row.pattern) << row.pattern << 30.0 << QByteArray(row.at30);
            QTest::addRow("%s at 47 fps", row.pattern) << row.pattern << 47.0 << QByteArray(row.at47);
        }
    }

    void exportedSequences()
    {
        QFETCH(QString, pattern);
        QFETCH(double, fps);
        QFETCH(QByteArray, hash);
        QTemporaryDir dir;
        ExportRequest request;
        request.file = dir.filePath(QStringLiteral("frame.png"));
        request.pattern = pattern;
        request.size = QSize(320, 180);
        request.frames = 12;
        request.fps = fps;
        QString error;
        QVERIFY2(exportPattern(request, &error), qPrintable(error));
        QCryptographicHash pixels(QCryptographicHash::Sha256);
        for (int frame = 1; frame <= request.frames; ++frame) {
            const QImage image(frameFileName(request.file, frame, request.frames));
            const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            // Qt 6 draws the clocks' digits its own way: frame k shows the
            // time k / fps seconds after the pattern was chosen.
            if (pattern.contains(QLatin1String("clock"))) {
                PatternState state;
                applyPatternName(parsed(pattern), &state);
                state.infoVisible = false;
                state.delayTime = QTime(0, 0).addMSecs(qRound((frame - 1) * 1000.0 / fps));
                QImage expected(request.size, QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&expected);
                PatternRenderer().render(painter, state, expected.rect(), QPoint());
                painter.end();
                QCOMPARE(rgb, expected.convertToFormat(QImage::Format_RGB888));
                continue;
            }
#endif
            for (int y = 0; y < rgb.height(); ++y)
                pixels.addData(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
        }
        if (QT_VERSION < QT_VERSION_CHECK(6, 0, 0) || !pattern.contains(QLatin1String("clock")))
            QCOMPARE(pixels.result().toHex().left(16), hash);
    }
};

QTEST_MAIN(TestPatternModel)
#include "tst_patternmodel.moc"
