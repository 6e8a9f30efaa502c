// Partial repaints against full frames, the drag from the events' own
// positions, and the placement controls following the window.
#include "windowstate.h"
#include "mainwindow.h"
#include "render.h"
#include "ui_mainwindow.h"

#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <tuple>

namespace {

enum Family { ClockCase, CabinetCase, SquareCase, SolidCase, LinesCase };

PatternState patternOf(int family)
{
    PatternState state;
    state.mode = family == ClockCase || family == CabinetCase ? Special : family == SolidCase ? Solid : ScanLines;
    state.specialType = family == CabinetCase ? 1 : 0;
    state.movingSquare = family == SquareCase;
    state.scanHorizontal = family == LinesCase;
    state.squareWidth = state.squareHeight = 20;
    state.solidColor = QColor(30, 60, 90);
    return state;
}

PatternState withTick(PatternState state, const QTime &time, const QPoint &square)
{
    state.delayTime = time;
    state.squareX = square.x();
    state.squareY = square.y();
    state.scanOffset = time.msec() % 21;
    return state;
}

// Paints `state` into `screen` only inside `region`, as the window's paint
// does: the region is the system clip, which leaves the painter unclipped.
void paintInside(QImage &screen, PatternRenderer &renderer, const PatternState &state, const QRegion &region,
                 const QPoint &cursor)
{
    screen.paintEngine()->setSystemClip(region);
    QPainter painter(&screen);
    renderer.render(painter, state, screen.rect(), cursor);
    painter.end();
    screen.paintEngine()->setSystemClip(QRegion());
}

QImage fullFrame(PatternRenderer &renderer, const PatternState &state, const QSize &size, const QPoint &cursor)
{
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    paintInside(frame, renderer, state, QRegion(frame.rect()), cursor);
    return frame;
}

qint64 areaOf(const QRegion &region)
{
    qint64 area = 0;
    for (const QRect &r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

void sendMouse(QWidget &w, QEvent::Type type, const QPoint &local, const QPoint &global, Qt::MouseButtons held)
{
    QMouseEvent event(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

} // namespace

class TestLiveRepaint : public QObject
{
    Q_OBJECT

private slots:
    // A frame repainted only where the tick changed it, and where the
    // information text was and is, equals the frame painted whole: forth and back.
    void partialRepaintEqualsFullFrame_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QTime>("timeBefore");
        QTest::addColumn<QTime>("timeAfter");
        QTest::addColumn<QPoint>("squareBefore");
        QTest::addColumn<QPoint>("squareAfter");
        QTest::addColumn<QPoint>("cursorAfter");
        QTest::addColumn<bool>("whole");

        const QPoint origin(0, 0), cursor(640, 360);
        const QSize hd(1280, 720);
        auto tick = [&](const char *name, int family, QTime before, QTime after, QSize size = QSize(1280, 720)) {
            QTest::newRow(name) << family << size << before << after << origin << origin << cursor << false;
        };
        tick("clock one millisecond", ClockCase, QTime(0, 0, 0, 0), QTime(0, 0, 0, 1));
        tick("clock seconds roll over", ClockCase, QTime(0, 0, 9, 999), QTime(0, 0, 10, 0));
        tick("clock minutes roll over", ClockCase, QTime(0, 9, 59, 999), QTime(0, 10, 0, 0));
        tick("clock hour wraps", ClockCase, QTime(0, 59, 59, 999), QTime(1, 0, 0, 0));
        tick("clock on a tall window", ClockCase, QTime(0, 1, 2, 345), QTime(0, 1, 2, 399), QSize(300, 900));
        tick("cabinet clock one millisecond", CabinetCase, QTime(0, 0, 0, 7), QTime(0, 0, 0, 8));
        tick("cabinet clock minutes roll over", CabinetCase, QTime(0, 0, 59, 999), QTime(0, 1, 0, 0));
        tick("cabinet clock cut at the edges", CabinetCase, QTime(0, 3, 9, 999), QTime(0, 3, 10, 0), QSize(1000, 500));
        auto move = [&](const char *name, QPoint before, QPoint after) {
            QTest::newRow(name) << int(SquareCase) << hd << QTime(0, 0) << QTime(0, 0) << before << after << cursor << false;
        };
        move("square in the middle", QPoint(600, 300), QPoint(609, 291));
        move("square out past the right edge", QPoint(1256, 100), QPoint(1265, 104));
        move("square back from the right edge", QPoint(1265, 104), QPoint(1256, 109));
        move("square through the top-left corner", QPoint(3, 4), QPoint(-6, -5));
        move("square out past the bottom-right corner", QPoint(1255, 695), QPoint(1264, 704));
        move("square still", QPoint(50, 50), QPoint(50, 50));
        QTest::newRow("cursor text widens") << int(SolidCase) << hd << QTime(0, 0) << QTime(0, 0) << origin << origin
                                            << QPoint(-3839, -2159) << false;
        QTest::newRow("cursor text over the clock") << int(ClockCase) << hd << QTime(0, 0, 5, 5) << QTime(0, 0, 5, 6)
                                                    << origin << origin << QPoint(7, 7) << false;
    }

    void partialRepaintEqualsFullFrame()
    {
        QFETCH(int, family);
        QFETCH(QSize, size);
        QFETCH(QTime, timeBefore);
        QFETCH(QTime, timeAfter);
        QFETCH(QPoint, squareBefore);
        QFETCH(QPoint, squareAfter);
        QFETCH(QPoint, cursorAfter);
        QFETCH(bool, whole);

        const QPoint cursorBefore(640, 360);
        const PatternState before = withTick(patternOf(family), timeBefore, squareBefore);
        const PatternState after = withTick(patternOf(family), timeAfter, squareAfter);
        PatternRenderer live;
        // The second paint at a size is the first that can use kept images.
        QImage screen = fullFrame(live, before, size, cursorBefore);
        screen = fullFrame(live, before, size, cursorBefore);
        const QRect rect(QPoint(0, 0), size);

        const QVector<std::pair<PatternState, QPoint>> steps{ { before, cursorBefore }, { after, cursorAfter }, { before, cursorBefore } };
        for (int step = 1; step < steps.size(); ++step) {
            const auto &[from, fromCursor] = steps.at(step - 1);
            const auto &[to, toCursor] = steps.at(step);
            const QRegion region = live.changedRegion(from, to, rect, &screen)
                + PatternRenderer::infoTextBox(from, rect, fromCursor, &screen)
                + PatternRenderer::infoTextBox(to, rect, toCursor, &screen);
            paintInside(screen, live, to, region, toCursor);
            // The same renderer paints the whole frame: its kept glyph masks
            // are the ones the partial paints used.
            QCOMPARE(screen, fullFrame(live, to, size, toCursor));
            if (whole)
                QCOMPARE(region, QRegion(rect));
            else
                QVERIFY2(areaOf(region) * 4 < qint64(size.width()) * size.height(), "the repaint covers a quarter of the window or more");
        }
    }

    // Every combination of line sets, both directions, thin to wide lines,
    // single steps, several steps and the step from past the pitch back to 0.
    // `strips`: how many parts of strips one step of thin lines repaints,
    // one per set; 0 for the whole window, as for the 31 column strips of
    // pitch 21, which cost more than the whole window.
    void scanLineStepsEqualFullFrame_data()
    {
        QTest::addColumn<int>("sets");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("offsetBefore");
        QTest::addColumn<int>("offsetAfter");
        QTest::addColumn<int>("strips");
        enum { H = 1, V = 2, LR = 4, RL = 8 };
        const std::tuple<const char *, int, int> sets[] = { { "h", H, 1 },   { "v", V, 0 },   { "h+v", H | V, 0 },
                                                            { "lr", LR, 0 }, { "rl", RL, 0 }, { "h+lr", H | LR, 0 },
                                                            { "v+rl", V | RL, 0 } };
        for (const auto &[setName, set, strips] : sets) {
            for (int width : { 1, 2, 3, 8, 65 }) {
                const int pitch = width + 20;
                const std::pair<int, int> steps[] = { { 0, 1 }, { 5, 10 }, { pitch, 0 } };
                for (int direction : { 1, -1 }) {
                    for (const auto &[from, to] : steps)
                        QTest::addRow("%s width %d direction %d offset %d to %d", setName, width, direction, from, to)
                            << set << width << pitch << direction << from << to << strips;
                }
            }
        }
        // Five lines across: few column strips, repainted as strips.
        for (int direction : { 1, -1 }) {
            QTest::addRow("v pitch 130 direction %d", direction) << int(V) << 1 << 130 << direction << 0 << 1 << 1;
            QTest::addRow("h+v pitch 130 direction %d", direction) << int(H | V) << 1 << 130 << direction << 7 << 8 << 2;
        }
    }

    void scanLineStepsEqualFullFrame()
    {
        QFETCH(int, sets);
        QFETCH(int, width);
        QFETCH(int, pitch);
        QFETCH(int, direction);
        QFETCH(int, offsetBefore);
        QFETCH(int, offsetAfter);
        QFETCH(int, strips);
        PatternState before = patternOf(LinesCase);
        before.scanHorizontal = sets & 1;
        before.scanVertical = sets & 2;
        before.scanDiagonalLR = sets & 4;
        before.scanDiagonalRL = sets & 8;
        before.scanLineWidth = width;
        before.scanPitch = pitch;
        before.scanDirection = direction;
        before.scanBackground = QColor(20, 40, 60);
        before.scanLineColor = QColor(250, 200, 100);
        before.infoVisible = false;
        before.scanOffset = offsetBefore;
        PatternState after = before;
        after.scanOffset = offsetAfter;
        const QSize size(643, 365);
        const QRect rect(QPoint(0, 0), size);
        // Alone, and as a part of a larger canvas away from its corner.
        for (const WallCanvas &canvas : { WallCanvas(), WallCanvas{ QSize(2000, 900), QPoint(517, 211) } }) {
            before.canvas = after.canvas = canvas;
            PatternRenderer live;
            QImage screen = fullFrame(live, before, size, QPoint());
            const QVector<QRegion> parts = live.changedParts(before, after, rect, &screen);
            for (const QRegion &part : parts)
                paintInside(screen, live, after, part, QPoint());
            QCOMPARE(screen, fullFrame(live, after, size, QPoint()));
            if (width == 1 && !(sets & 12) && offsetAfter == offsetBefore + 1 && strips == 0)
                QCOMPARE(parts, QVector<QRegion>{ QRegion(rect) });
            if (width == 1 && !(sets & 12) && offsetAfter == offsetBefore + 1 && strips > 0) {
                QCOMPARE(parts.size(), strips);
                for (const QRegion &part : parts)
                    QVERIFY2(areaOf(part) * 4 < qint64(size.width()) * size.height(), "a step repaints strips");
            }
        }
    }

    // Ticks and mouse moves on the shown window repaint parts of it, and
    // what it shows stays what a whole paint of its state shows.
    void windowMatchesFullFrameAfterTicks_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("onCanvas");
        for (const bool onCanvas : { false, true }) {
            const char *where = onCanvas ? ", part of a canvas" : "";
            QTest::addRow("moving square%s", where) << int(SquareCase) << onCanvas;
            QTest::addRow("full-window clock%s", where) << int(ClockCase) << onCanvas;
            QTest::addRow("cabinet clock%s", where) << int(CabinetCase) << onCanvas;
        }
    }

    void windowMatchesFullFrameAfterTicks()
    {
        QFETCH(int, family);
        QFETCH(bool, onCanvas);
        dialog window;
        window.setGeometry(0, 0, 640, 400);
        if (onCanvas)
            window.setCanvas(WallCanvas{ QSize(900, 600), QPoint(40, 30) });
        window.seedRandom(7);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (family == SquareCase) {
            window.getScanLinesInfo(0, 0, 0, 0, 0, 1, Qt::black, Qt::white, 1, 20);
            window.setMovingSquare(true, 30);
        } else {
            window.setMode(Special);
            window.setSpecialPattern(family == CabinetCase ? 1 : 0, 120, 100);
        }
        QCursor::setPos(300, 200);
        QTest::qWait(50);

        qint64 largestTickPaint = 0;
        for (int tick = 0; tick < 300; ++tick) {
            if (family == SquareCase) {
                window.updateScan();
                window.updateRect();
            } else {
                QTest::qWait(1);
                window.timeaddsecs();
            }
            if (tick % 50 == 25) {
                QCursor::setPos(300 + tick, 200 - tick / 2);
                sendMouse(window, QEvent::MouseMove, window.mapFromGlobal(QCursor::pos()), QCursor::pos(), Qt::NoButton);
            }
            QCoreApplication::processEvents();
        }
        // The clock's own timer stops, so no tick lands between the last paint
        // and the comparison; the repaints it asked for are drawn.
        window.delayTimerForTest()->stop();
        window.scanTimerForTest()->stop();
        for (int settle = 0; settle < 5; ++settle)
            QCoreApplication::processEvents();
        // What the window shows against a whole paint of it.
        const auto pixels = [](const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); };
        const QImage shown = pixels(window.screen()->grabWindow(window.winId()));
        QCOMPARE(shown, pixels(window.grab()));

        // A tick on its own repaints a small part of the window.
        QRegion painted;
        struct PaintWatch : QObject {
            QRegion *into;
            explicit PaintWatch(QRegion *r) : into(r) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    *into += static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } watch(&painted);
        window.installEventFilter(&watch);
        for (int tick = 0; tick < 20; ++tick) {
            painted = QRegion();
            if (family == SquareCase) {
                window.updateScan();
                window.updateRect();
            } else {
                QTest::qWait(2);
                window.timeaddsecs();
            }
            QCoreApplication::processEvents();
            largestTickPaint = std::max(largestTickPaint, areaOf(painted));
        }
        QVERIFY2(largestTickPaint > 0 && largestTickPaint * 4 < 640 * 400, qPrintable(QString::number(largestTickPaint)));
    }

    // The window moves by the positions the events carry, also when the
    // cursor is elsewhere by the time they are read.
    void dragFollowsEventPositions()
    {
        dialog window;
        window.setGeometry(100, 100, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy moved(&window, &dialog::xychange);
        QCursor::setPos(5, 5);
        sendMouse(window, QEvent::MouseButtonPress, QPoint(50, 50), QPoint(150, 150), Qt::LeftButton);
        const QPoint steps[] = { { 180, 190 }, { 260, 130 }, { 90, 400 } };
        for (const QPoint &global : steps) {
            sendMouse(window, QEvent::MouseMove, window.mapFromGlobal(global), global, Qt::LeftButton);
            QCOMPARE(window.pos(), global - QPoint(50, 50));
            QCOMPARE(moved.last(), QVariantList({ global.x() - 50, global.y() - 50 }));
        }
        QCOMPARE(window.size(), QSize(300, 200));
    }

    // The controls show the window's real geometry from START on, however
    // the window moves, and syncing them never moves the window.
    void controlsFollowWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("after START") << "start" << QRect(0, 0, 500, 500);
        QTest::newRow("moved by a call") << "move" << QRect(321, 123, 500, 500);
        QTest::newRow("resized by a call") << "resize" << QRect(0, 0, 777, 333);
        QTest::newRow("geometry set") << "geometry" << QRect(-40, 60, 1000, 700);
        QTest::newRow("full screen") << "fullscreen" << QRect();
        QTest::newRow("dragged") << "drag" << QRect(30, 20, 500, 500);
    }

    void controlsFollowWindow()
    {
        QFETCH(QString, how);
        QFETCH(QRect, expected);
        MainWindow panel;
        panel.show();
        panel.on_pushButton_selectpage_clicked();
        dialog *window = panel.testPatternWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (how == "move")
            window->move(expected.topLeft());
        else if (how == "resize")
            window->resize(expected.size());
        else if (how == "geometry")
            window->setGeometry(expected);
        else if (how == "fullscreen")
            window->showFullScreen();
        else if (how == "drag") {
            sendMouse(*window, QEvent::MouseButtonPress, QPoint(100, 100), QPoint(100, 100), Qt::LeftButton);
            sendMouse(*window, QEvent::MouseMove, QPoint(130, 120), QPoint(130, 120), Qt::LeftButton);
        }
        QTest::qWait(50);
        if (expected.isNull())
            expected = window->screen()->geometry();
        QTRY_COMPARE(window->geometry(), expected);
        Ui::MainWindow *form = formOf(panel);
        QCOMPARE(QRect(form->spinBox_x->value(), form->spinBox_y->value(), form->spinBox_width->value(),
                       form->spinBox_height->value()),
                 expected);
        QCOMPARE(form->horizontalSlider_width->value(), expected.width());
        QCOMPARE(window->geometry(), expected);
        // The width arrow widens the window by one pixel.
        form->spinBox_width->stepUp();
        QCOMPARE(window->width(), expected.width() + 1);
    }
};

QTEST_MAIN(TestLiveRepaint)
#include "tst_liverepaint.moc"
