// Mouse and keys on the test-pattern window: dragging, sizing, cursor shapes,
// full screen, the font step, the context menu, Space and Right arrow.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QRect startGeometry(200, 150, 500, 400);

// The handlers read the global cursor, so every synthesised event first puts
// the cursor where the event says it is.
void sendMouse(QWidget &w, QEvent::Type type, const QPoint &local, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    const QPoint global = w.mapToGlobal(local);
    QCursor::setPos(global);
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void press(QWidget &w, const QPoint &local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, local, button, button);
}

void release(QWidget &w, const QPoint &local, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
}

void doubleClickPress(QWidget &w, const QPoint &local)
{
    sendMouse(w, QEvent::MouseButtonDblClick, local, Qt::LeftButton, Qt::LeftButton);
}

void moveGlobal(QWidget &w, const QPoint &global, Qt::MouseButtons held)
{
    QCursor::setPos(global);
    QMouseEvent event(QEvent::MouseMove, w.mapFromGlobal(global), global, Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void click(QWidget &w, const QPoint &local)
{
    press(w, local);
    release(w, local);
}

void quickDoubleClick(QWidget &w, const QPoint &local)
{
    click(w, local);
    doubleClickPress(w, local);
    release(w, local);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void enterFontTest(dialog &w)
{
    w.getScanLinesInfo(0, 0, 0, 0, 1, 0, Qt::black, Qt::white, 1, 20);
}

} // namespace

class TestInteraction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dragZones_data();
    void dragZones();
    void cursorShapes_data();
    void cursorShapes();
    void clickStepsFont_data();
    void clickStepsFont();
    void fontCyclesThroughEight();
    void quickDoubleClickTogglesFullScreen();
    void slowDoubleClickStepsFontTwice();
    void secondPressOfDoubleClickDoesNotDrag();
    void spaceTogglesInfoText();
    void rightArrowWalksScanOffset();
    void hideMenuAndShowAgain();
    void movesAndKeysRepaint_data();
    void movesAndKeysRepaint();
    void noDragWithoutLeftButton_data();
    void noDragWithoutLeftButton();

private:
    dialog *window = nullptr;
};

void TestInteraction::init()
{
    window = new dialog;
    window->setGeometry(startGeometry);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestInteraction::cleanup()
{
    delete window;
    window = nullptr;
}

void TestInteraction::dragZones_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("dragBy");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QPoint>("reported");

    QTest::newRow("right edge +100") << QPoint(495, 200) << QPoint(100, 0)
                                     << QRect(200, 150, 600, 400) << "whchange" << QPoint(600, 400);
    QTest::newRow("right edge to width 30 clamps to 50") << QPoint(495, 200) << QPoint(-470, 0)
                                     << QRect(200, 150, 50, 400) << "whchange" << QPoint(30, 400);
    QTest::newRow("right band at row 0") << QPoint(491, 0) << QPoint(20, 50)
                                     << QRect(200, 150, 520, 400) << "whchange" << QPoint(520, 400);
    QTest::newRow("bottom edge +60") << QPoint(250, 395) << QPoint(30, 60)
                                     << QRect(200, 150, 500, 460) << "whchange" << QPoint(500, 460);
    QTest::newRow("bottom band at column 0") << QPoint(0, 391) << QPoint(0, -50)
                                     << QRect(200, 150, 500, 350) << "whchange" << QPoint(500, 350);
    QTest::newRow("corner beyond the window") << QPoint(495, 395) << QPoint(-700, -600)
                                     << QRect(200, 150, 50, 50) << "whchange" << QPoint(-200, -200);
    QTest::newRow("corner outwards") << QPoint(499, 399) << QPoint(40, 25)
                                     << QRect(200, 150, 540, 425) << "whchange" << QPoint(540, 425);
    QTest::newRow("move from inside") << QPoint(250, 200) << QPoint(-30, 45)
                                     << QRect(170, 195, 500, 400) << "xychange" << QPoint(170, 195);
    QTest::newRow("move from the last inner pixel") << QPoint(489, 389) << QPoint(-300, -200)
                                     << QRect(-100, -50, 500, 400) << "xychange" << QPoint(-100, -50);
    QTest::newRow("column 0 does nothing") << QPoint(0, 200) << QPoint(50, 50)
                                     << startGeometry << "" << QPoint();
    QTest::newRow("row 0 does nothing") << QPoint(250, 0) << QPoint(50, 50)
                                     << startGeometry << "" << QPoint();
    QTest::newRow("10 pixels before the right edge does nothing") << QPoint(490, 200) << QPoint(50, 0)
                                     << startGeometry << "" << QPoint();
    QTest::newRow("10 pixels above the bottom edge does nothing") << QPoint(250, 390) << QPoint(0, 50)
                                     << startGeometry << "" << QPoint();
}

void TestInteraction::dragZones()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, dragBy);
    QFETCH(QRect, expected);
    QFETCH(QString, signal);
    QFETCH(QPoint, reported);

    QSignalSpy moved(window, &dialog::xychange);
    QSignalSpy resized(window, &dialog::whchange);
    const QPoint start = window->mapToGlobal(pressAt);
    press(*window, pressAt);
    // Half way first: the second move must still count from the press.
    moveGlobal(*window, start + dragBy / 2, Qt::LeftButton);
    moveGlobal(*window, start + dragBy, Qt::LeftButton);
    release(*window, window->mapFromGlobal(start + dragBy));

    QCOMPARE(window->geometry(), expected);
    QSignalSpy &reporting = signal == QLatin1String("xychange") ? moved : resized;
    QSignalSpy &silent = signal == QLatin1String("xychange") ? resized : moved;
    QCOMPARE(silent.count(), 0);
    if (signal.isEmpty()) {
        QCOMPARE(reporting.count(), 0);
        return;
    }
    QCOMPARE(reporting.count(), 2);
    const QList<QVariant> last = reporting.last();
    QCOMPARE(QPoint(last.at(0).toInt(), last.at(1).toInt()), reported);
}

void TestInteraction::cursorShapes_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("shape");

    QTest::newRow("bottom band") << QPoint(250, 395) << int(Qt::SizeVerCursor);
    QTest::newRow("top row of the bottom band") << QPoint(0, 391) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom-right corner") << QPoint(495, 395) << int(Qt::SizeFDiagCursor);
    QTest::newRow("corner's first pixel") << QPoint(491, 391) << int(Qt::SizeFDiagCursor);
    QTest::newRow("right band") << QPoint(495, 200) << int(Qt::SizeHorCursor);
    QTest::newRow("right band at row 0") << QPoint(491, 0) << int(Qt::SizeHorCursor);
    QTest::newRow("inside") << QPoint(250, 200) << int(Qt::ArrowCursor);
    QTest::newRow("column w-10 in the bottom band") << QPoint(490, 395) << int(Qt::ArrowCursor);
    QTest::newRow("row h-10 in the right band") << QPoint(495, 390) << int(Qt::ArrowCursor);
}

void TestInteraction::cursorShapes()
{
    QFETCH(QPoint, at);
    QFETCH(int, shape);

    QSignalSpy moved(window, &dialog::xychange);
    QSignalSpy resized(window, &dialog::whchange);
    // Start from another shape, so the arrow rows show a change too.
    const QPoint primer = shape == Qt::ArrowCursor ? QPoint(495, 395) : QPoint(250, 200);
    moveGlobal(*window, window->mapToGlobal(primer), Qt::NoButton);
    QVERIFY(window->cursor().shape() != shape);
    moveGlobal(*window, window->mapToGlobal(at), Qt::NoButton);
    QCOMPARE(int(window->cursor().shape()), shape);
    QCOMPARE(window->geometry(), startGeometry);
    QCOMPARE(moved.count() + resized.count(), 0);
}

void TestInteraction::clickStepsFont_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("fontTestOn");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("inside") << QPoint(250, 200) << true << 1;
    QTest::newRow("column 0") << QPoint(0, 200) << true << 1;
    QTest::newRow("last column before the right margin") << QPoint(489, 200) << true << 1;
    QTest::newRow("right margin") << QPoint(490, 200) << true << 0;
    QTest::newRow("bottom margin") << QPoint(250, 390) << true << 0;
    QTest::newRow("corner") << QPoint(495, 395) << true << 0;
    QTest::newRow("character test off") << QPoint(250, 200) << false << 0;
}

void TestInteraction::clickStepsFont()
{
    QFETCH(QPoint, at);
    QFETCH(bool, fontTestOn);
    QFETCH(int, expectedIndex);

    if (fontTestOn)
        enterFontTest(*window);
    else
        window->getScanLinesInfo(1, 0, 0, 0, 0, 0, Qt::black, Qt::white, 1, 20);
    click(*window, at);
    QCOMPARE(window->fontIndex, expectedIndex);
}

void TestInteraction::fontCyclesThroughEight()
{
    enterFontTest(*window);
    QList<int> seen;
    for (int i = 0; i < 8; ++i) {
        click(*window, QPoint(100, 100));
        seen << window->fontIndex;
    }
    QCOMPARE(seen, QList<int>({ 1, 2, 3, 4, 5, 6, 7, 0 }));
}

void TestInteraction::quickDoubleClickTogglesFullScreen()
{
    quickDoubleClick(*window, QPoint(250, 200));
    QVERIFY(window->isFullScreen());
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!window->clickTimerForTest()->isActive());

    quickDoubleClick(*window, QPoint(250, 200));
    QVERIFY(!window->isFullScreen());
    QVERIFY(window->isVisible());
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
}

void TestInteraction::slowDoubleClickStepsFontTwice()
{
    enterFontTest(*window);
    click(*window, QPoint(250, 200));
    QTRY_VERIFY(!window->clickTimerForTest()->isActive());
    doubleClickPress(*window, QPoint(250, 200));
    release(*window, QPoint(250, 200));
    QCOMPARE(window->fontIndex, 2);
    QVERIFY(!window->isFullScreen());
}

void TestInteraction::secondPressOfDoubleClickDoesNotDrag()
{
    QSignalSpy moved(window, &dialog::xychange);
    const QPoint at(250, 200);
    click(*window, at);
    QTRY_VERIFY(!window->clickTimerForTest()->isActive());
    doubleClickPress(*window, at);
    moveGlobal(*window, window->mapToGlobal(at) + QPoint(80, 60), Qt::LeftButton);
    QCOMPARE(window->geometry(), startGeometry);
    QCOMPARE(moved.count(), 0);
}

void TestInteraction::spaceTogglesInfoText()
{
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(window->infoVisible, false);
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(window->infoVisible, true);
}

void TestInteraction::rightArrowWalksScanOffset()
{
    QCOMPARE(window->scanPitch, 21);
    QList<int> offsets;
    for (int i = 0; i < 23; ++i) {
        QTest::keyClick(window, Qt::Key_Right);
        offsets << window->scanOffset;
    }
    QList<int> expected;
    for (int i = 1; i <= 21; ++i)
        expected << i;
    expected << 0 << 1;
    QCOMPARE(offsets, expected);
}

void TestInteraction::hideMenuAndShowAgain()
{
    MainWindow panel;
    panel.form()->stackedWidget->setCurrentIndex(0);
    panel.show();
    dialog *shown = panel.testPatternWindow();
    shown->setGeometry(startGeometry);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    const QPoint at(120, 80);
    press(*shown, at, Qt::RightButton);
    QMenu *menu = shown->contextMenuForTest();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), shown->mapToGlobal(at));
    QVERIFY(shown->isVisible());

    QAction *hide = menu->actions().value(0);
    QVERIFY(hide);
    QCOMPARE(hide->text(), QStringLiteral("HIDE"));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(hide).center());
    QVERIFY(!shown->isVisible());

    QTest::mouseClick(panel.form()->pushButton_opendlg, Qt::LeftButton);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->geometry(), startGeometry);
}

void TestInteraction::movesAndKeysRepaint_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("plain move") << 0;
    QTest::newRow("letter key") << int(Qt::Key_A);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Right arrow") << int(Qt::Key_Right);
}

// The information text shows the cursor position, and a still pattern has no
// timer to repaint it.
void TestInteraction::movesAndKeysRepaint()
{
    QFETCH(int, key);

    PaintCounter counter;
    QTest::qWait(50);
    window->installEventFilter(&counter);
    if (key)
        QTest::keyClick(window, Qt::Key(key));
    else
        moveGlobal(*window, window->mapToGlobal(QPoint(40, 40)), Qt::NoButton);
    QTRY_VERIFY(counter.paints > 0);
    window->removeEventFilter(&counter);
}

void TestInteraction::noDragWithoutLeftButton_data()
{
    QTest::addColumn<int>("heldDuringMoves");

    QTest::newRow("right-click, then plain moves") << int(Qt::NoButton);
    QTest::newRow("right button held") << int(Qt::RightButton);
}

void TestInteraction::noDragWithoutLeftButton()
{
    QFETCH(int, heldDuringMoves);

    QSignalSpy moved(window, &dialog::xychange);
    QSignalSpy resized(window, &dialog::whchange);
    const QPoint at(250, 200);
    // A left click leaves an anchor in the move zone behind.
    click(*window, at);
    // The menu, a popup, takes the release of the right button.
    press(*window, at, Qt::RightButton);
    window->contextMenuForTest()->hide();
    const QPoint start = window->mapToGlobal(at);
    for (const QPoint &by : { QPoint(10, 5), QPoint(60, 40), QPoint(-120, -90) })
        moveGlobal(*window, start + by, Qt::MouseButtons(heldDuringMoves));

    QCOMPARE(window->geometry(), startGeometry);
    QCOMPARE(moved.count() + resized.count(), 0);
}

QTEST_MAIN(TestInteraction)
#include "tst_interaction.moc"
