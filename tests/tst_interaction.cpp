// Mouse and keys on the test-pattern window: dragging, sizing, cursor shapes,
// full screen, the font step, the context menu, Space and Right arrow.
#include "windowstate.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QRect startGeometry(200, 150, 500, 400);
const QPoint inside(250, 200);

// The handlers read the global cursor, so every synthesised event first puts
// the cursor where the event says it is.
void send(QWidget &w, QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QCursor::setPos(global);
    QMouseEvent event(type, w.mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void press(QWidget &w, QPoint at, Qt::MouseButton b = Qt::LeftButton) { send(w, QEvent::MouseButtonPress, w.mapToGlobal(at), b, b); }
void secondPress(QWidget &w, QPoint at) { send(w, QEvent::MouseButtonDblClick, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton); }
void release(QWidget &w, QPoint at) { send(w, QEvent::MouseButtonRelease, w.mapToGlobal(at), Qt::LeftButton, Qt::NoButton); }
void click(QWidget &w, QPoint at) { press(w, at); release(w, at); }
void moveTo(QWidget &w, QPoint global, Qt::MouseButtons held = Qt::NoButton) { send(w, QEvent::MouseMove, global, Qt::NoButton, held); }

} // namespace

class TestInteraction : public QObject
{
    Q_OBJECT

    dialog *window = nullptr;

    void enterFontTest(bool on) { window->getScanLinesInfo(!on, 0, 0, 0, on, 0, Qt::black, Qt::white, 1, 20); }

private slots:
    void init()
    {
        window = new dialog;
        window->setGeometry(startGeometry);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup() { delete window; }

    // What each point does: its cursor shape when the mouse only passes over it, a
    // font step when pressed in the character test (none in the margins), and the drag.
    void dragZones_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<int>("shape");
        QTest::addColumn<bool>("stepsFont");
        QTest::addColumn<QPoint>("dragBy");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QPoint>("reported");
        auto row = [](const char *name, QPoint at, Qt::CursorShape shape, bool stepsFont, QPoint by, QRect expected,
                      const char *signal, QPoint reported = {}) {
            QTest::newRow(name) << at << int(shape) << stepsFont << by << expected << signal << reported;
        };
        const auto h = Qt::SizeHorCursor, v = Qt::SizeVerCursor, corner = Qt::SizeFDiagCursor, arrow = Qt::ArrowCursor;
        row("right edge +100", {495, 200}, h, false, {100, 0}, {200, 150, 600, 400}, "wh", {600, 400});
        row("right edge to width 30 clamps to 50", {495, 200}, h, false, {-470, 0}, {200, 150, 50, 400}, "wh", {30, 400});
        row("right band at row 0", {491, 0}, h, false, {20, 50}, {200, 150, 520, 400}, "wh", {520, 400});
        row("bottom edge +60", {250, 395}, v, false, {30, 60}, {200, 150, 500, 460}, "wh", {500, 460});
        row("bottom band at column 0", {0, 391}, v, false, {0, -50}, {200, 150, 500, 350}, "wh", {500, 350});
        row("corner beyond the window", {495, 395}, corner, false, {-700, -600}, {200, 150, 50, 50}, "wh", {-200, -200});
        row("move from inside", inside, arrow, true, {-30, 45}, {170, 195, 500, 400}, "xy", {170, 195});
        row("move from the last inner pixel", {489, 389}, arrow, true, {-300, -200}, {-100, -50, 500, 400}, "xy", {-100, -50});
        row("column 0 steps the font but drags nothing", {0, 200}, arrow, true, {50, 50}, startGeometry, "");
        row("10 pixels before the right edge does nothing", {490, 200}, arrow, false, {50, 0}, startGeometry, "");
    }

    void dragZones()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(int, shape);
        QFETCH(QPoint, dragBy);
        QFETCH(bool, stepsFont);
        QFETCH(QString, signal);
        enterFontTest(true);
        // Come from another shape, so the arrow rows show a change too.
        moveTo(*window, window->mapToGlobal(shape == Qt::ArrowCursor ? QPoint(495, 395) : inside));
        QVERIFY(window->cursor().shape() != shape);
        const QPoint start = window->mapToGlobal(pressAt);
        moveTo(*window, start);
        QCOMPARE(int(window->cursor().shape()), shape);
        QSignalSpy moved(window, &dialog::xychange);
        QSignalSpy resized(window, &dialog::whchange);
        press(*window, pressAt);
        QCOMPARE(stateOf(*window).fontIndex, stepsFont ? 1 : 0);
        // Half way first: the second move must still count from the press.
        moveTo(*window, start + dragBy / 2, Qt::LeftButton);
        moveTo(*window, start + dragBy, Qt::LeftButton);
        release(*window, window->mapFromGlobal(start + dragBy));
        QTEST(window->geometry(), "expected");
        QCOMPARE(moved.count(), signal == "xy" ? 2 : 0);
        QCOMPARE(resized.count(), signal == "wh" ? 2 : 0);
        if (!signal.isEmpty()) {
            const QList<QVariant> last = (signal == "xy" ? moved : resized).last();
            QTEST(QPoint(last.at(0).toInt(), last.at(1).toInt()), "reported");
        }
    }

    void clicksWalkTheFontsOnlyInTheCharacterTest()
    {
        click(*window, inside);
        QCOMPARE(stateOf(*window).fontIndex, 0);
        enterFontTest(true);
        for (int i = 1; i <= 8; ++i) {
            click(*window, inside);
            QCOMPARE(stateOf(*window).fontIndex, i % 8);
        }
    }

    void quickDoubleClickTogglesFullScreen()
    {
        for (const bool fullScreen : { true, false }) {
            click(*window, inside);
            secondPress(*window, inside);
            release(*window, inside);
            QCOMPARE(window->isFullScreen(), fullScreen);
            QVERIFY(window->isVisible() && (window->windowFlags() & Qt::FramelessWindowHint));
        }
    }

    // Past the click window the second press steps the font again and, held,
    // must not drag: only a press records an anchor.
    void slowDoubleClickStepsFontWithoutDragging()
    {
        QSignalSpy moved(window, &dialog::xychange);
        enterFontTest(true);
        click(*window, inside);
        QTRY_VERIFY(!window->clickTimerForTest()->isActive());
        secondPress(*window, inside);
        moveTo(*window, window->mapToGlobal(inside) + QPoint(80, 60), Qt::LeftButton);
        QCOMPARE(stateOf(*window).fontIndex, 2);
        QVERIFY(!window->isFullScreen());
        QCOMPARE(window->geometry(), startGeometry);
        QCOMPARE(moved.count(), 0);
    }

    void spaceTwiceAndRightArrowWithPitch21()
    {
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(stateOf(*window).infoVisible, false);
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(stateOf(*window).infoVisible, true);
        QCOMPARE(stateOf(*window).scanPitch, 21);
        for (int i = 1; i <= 23; ++i) {
            QTest::keyClick(window, Qt::Key_Right);
            QCOMPARE(stateOf(*window).scanOffset, i % 22);
        }
    }

    // F shows how fast the window is redrawn in the top-right corner: a
    // black box outlined in white; a second F takes it away.
    void frameReadout()
    {
        window->resize(400, 300);
        window->setSolidColor(Qt::red);
        QTest::keyClick(window, Qt::Key_F);
        QVERIFY(window->frameReadoutVisible());
        const QImage shown = window->grab().toImage();
        QCOMPARE(QColor(shown.pixel(400 - 8 - 280, 8)), QColor(Qt::white));
        QCOMPARE(QColor(shown.pixel(400 - 8 - 6, 40)), QColor(Qt::black));
        QVERIFY(window->frameFigures().perSecond >= 1);
        QTest::keyClick(window, Qt::Key_F);
        QVERIFY(!window->frameReadoutVisible());
    }

    // The readout counts the frames shown, each once: not the text following
    // the cursor, not the readout's own repaint, not a step's second part.
    void redrawsCounted_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("redraws");
        QTest::newRow("a command") << 0 << 1;
        QTest::newRow("the cursor moves") << 1 << 0;
        QTest::newRow("the readout shows") << 2 << 0;
        QTest::newRow("a step of h+v lines, painted as two parts") << 3 << 1;
    }

    void redrawsCounted()
    {
        QFETCH(int, action);
        QFETCH(int, redraws);
        window->getScanLinesInfo(1, 1, 0, 0, 0, 0, Qt::black, Qt::white, 1, 129);
        // What the start showed leaves the last second.
        QTest::qWait(1100);
        QCOMPARE(window->frameFigures().perSecond, 0);
        if (action == 0)
            window->setSolidColor(Qt::red);
        if (action == 1)
            QTest::mouseMove(window, QPoint(40, 30));
        if (action == 2)
            QTest::keyClick(window, Qt::Key_F);
        if (action == 3)
            window->updateScan();
        QTest::qWait(100);
        QCOMPARE(window->frameFigures().perSecond, redraws);
    }

    void hideMenuAndShowAgain()
    {
        MainWindow panel;
        formOf(panel)->stackedWidget->setCurrentIndex(0);
        panel.show();
        dialog *shown = panel.testPatternWindow();
        shown->setGeometry(startGeometry);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));

        press(*shown, QPoint(120, 80), Qt::RightButton);
        QMenu *menu = shown->contextMenuForTest();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), shown->mapToGlobal(QPoint(120, 80)));
        QAction *hide = menu->actions().value(0);
        QVERIFY(hide);
        QCOMPARE(hide->text(), QStringLiteral("HIDE"));
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(hide).center());
        QVERIFY(!shown->isVisible());

        QTest::mouseClick(formOf(panel)->pushButton_opendlg, Qt::LeftButton);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->geometry(), startGeometry);
    }

    // A left click leaves an anchor in the move zone behind; the menu, a popup,
    // then takes the release of the right button.
    void rightClickThenPlainMovesMoveNothing()
    {
        QSignalSpy moved(window, &dialog::xychange);
        QSignalSpy resized(window, &dialog::whchange);
        click(*window, inside);
        press(*window, inside, Qt::RightButton);
        window->contextMenuForTest()->hide();
        for (const QPoint &by : { QPoint(10, 5), QPoint(60, 40), QPoint(-120, -90) })
            moveTo(*window, window->mapToGlobal(inside) + by);
        QCOMPARE(window->geometry(), startGeometry);
        QCOMPARE(moved.count() + resized.count(), 0);
    }
};

QTEST_MAIN(TestInteraction)
#include "tst_interaction.moc"
