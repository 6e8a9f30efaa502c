// The panel's placement controls for the test-pattern window, the window's
// reports back to them, dragging the panel and widening it.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {

const QRect windowStart(10, 20, 300, 200);

// Positions are global, so the panel may move under the cursor meanwhile.
void sendPanelMouse(QWidget &panel, QEvent::Type type, const QPoint &global)
{
    QCursor::setPos(global);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, panel.mapFromGlobal(global), global, button, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &event);
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

    MainWindow *panel = nullptr;
    dialog *window = nullptr;

    QSpinBox *spinBox(const QString &quantity) const { return panel->findChild<QSpinBox *>("spinBox_" + quantity); }
    QSlider *slider(const QString &quantity) const { return panel->findChild<QSlider *>("horizontalSlider_" + quantity); }

private slots:
    // One panel serves every case: building the whole form is the slow part.
    void initTestCase()
    {
        panel = new MainWindow;
        panel->form()->stackedWidget->setCurrentIndex(0);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        window = panel->testPatternWindow();
    }

    void init()
    {
        panel->setGeometry(700, 500, 601, 302);
        window->setGeometry(windowStart);
    }

    void cleanupTestCase() { delete panel; }

    void controlSetsWindowAndItsTwin_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("bySlider");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown");
        auto row = [](const char *name, const char *quantity, bool bySlider, int value, int shown) {
            QTest::newRow(name) << quantity << bySlider << value << shown;
        };
        row("spin box x", "x", false, 100, 100);
        row("slider x negative", "x", true, -1920, -1920);
        row("spin box x past the right", "x", false, 5000, 3840);
        row("slider x past the left", "x", true, -5000, -3840);
        row("spin box y negative", "y", false, -300, -300);
        row("slider y", "y", true, 1080, 1080);
        row("spin box y past the top", "y", false, -3000, -2160);
        row("spin box width", "width", false, 1200, 1200);
        row("spin box width beyond 1920", "width", false, 3000, 3000);
        row("slider width to a 4K wall", "width", true, 3840, 3840);
        row("spin box width past 4K", "width", false, 5000, 3840);
        row("slider width below 50", "width", true, 10, 50);
        row("spin box height", "height", false, 700, 700);
        row("slider height to a 4K wall", "height", true, 2160, 2160);
        row("spin box height past 4K", "height", false, 3000, 2160);
        row("spin box height below 50", "height", false, 0, 50);
    }

    // The whole rectangle is compared: one quantity never changes the other three.
    void controlSetsWindowAndItsTwin()
    {
        QFETCH(QString, quantity);
        QFETCH(bool, bySlider);
        QFETCH(int, value);
        QFETCH(int, shown);
        // A control reports only a value it does not hold yet, so start it elsewhere.
        spinBox(quantity)->setValue(77);
        window->setGeometry(windowStart);
        if (bySlider)
            slider(quantity)->setValue(value);
        else
            spinBox(quantity)->setValue(value);

        QCOMPARE(spinBox(quantity)->value(), shown);
        QCOMPARE(slider(quantity)->value(), shown);
        QRect expected = windowStart;
        if (quantity == "x")
            expected.moveLeft(shown);
        else if (quantity == "y")
            expected.moveTop(shown);
        else if (quantity == "width")
            expected.setWidth(shown);
        else
            expected.setHeight(shown);
        QCOMPARE(window->geometry(), expected);
    }

    void windowReportsFillTheSpinBoxes_data()
    {
        QTest::addColumn<bool>("position");
        QTest::addColumn<QPoint>("reported");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("moved") << true << QPoint(40, 60) << QRect(40, 60, 300, 200);
        QTest::newRow("moved past the desktop") << true << QPoint(5000, -5000) << QRect(3840, -2160, 300, 200);
        QTest::newRow("resized") << false << QPoint(640, 480) << QRect(10, 20, 640, 480);
        QTest::newRow("width 30 clamps to 50") << false << QPoint(30, 200) << QRect(10, 20, 50, 200);
        QTest::newRow("negative size clamps to 50") << false << QPoint(-200, -200) << QRect(10, 20, 50, 50);
        QTest::newRow("4K wall") << false << QPoint(3840, 2160) << QRect(10, 20, 3840, 2160);
    }

    void windowReportsFillTheSpinBoxes()
    {
        QFETCH(bool, position);
        QFETCH(QPoint, reported);
        QFETCH(QRect, expected);
        // Start the boxes away from every expected value, so each must change.
        panel->setxy(1, 2);
        panel->setwh(101, 102);
        window->setGeometry(windowStart);
        if (position)
            emit window->xychange(reported.x(), reported.y());
        else
            emit window->whchange(reported.x(), reported.y());

        QCOMPARE(window->geometry(), expected);
        const QRect shown = position ? QRect(spinBox("x")->value(), spinBox("y")->value(), 300, 200)
                                     : QRect(10, 20, spinBox("width")->value(), spinBox("height")->value());
        QCOMPARE(shown, expected);
        QCOMPARE(slider(position ? "x" : "width")->value(), position ? expected.x() : expected.width());
    }

    void panelDragZones_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<bool>("drags");
        QTest::newRow("zone A (200, 10)") << QPoint(200, 10) << true;
        QTest::newRow("zone A top-left pixel") << QPoint(0, 0) << true;
        QTest::newRow("zone A last pixel (499, 29)") << QPoint(499, 29) << true;
        QTest::newRow("right of zone A (500, 10)") << QPoint(500, 10) << false;
        QTest::newRow("row 30 (200, 30)") << QPoint(200, 30) << false;
        QTest::newRow("row 30 above zone B (400, 30)") << QPoint(400, 30) << false;
        QTest::newRow("menu column (200, 100)") << QPoint(200, 100) << false;
        QTest::newRow("zone B (400, 100)") << QPoint(400, 100) << true;
        QTest::newRow("zone B first pixel (301, 31)") << QPoint(301, 31) << true;
        QTest::newRow("zone B last pixel (589, 249)") << QPoint(589, 249) << true;
        QTest::newRow("left of zone B (300, 100)") << QPoint(300, 100) << false;
        QTest::newRow("right of zone B (590, 100)") << QPoint(590, 100) << false;
        QTest::newRow("below zone B (400, 250)") << QPoint(400, 250) << false;
    }

    void panelDragZones()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(bool, drags);
        const QRect before = panel->geometry();
        const QPoint start = panel->mapToGlobal(pressAt);
        sendPanelMouse(*panel, QEvent::MouseButtonPress, start);
        sendPanelMouse(*panel, QEvent::MouseMove, start + QPoint(15, 5));
        sendPanelMouse(*panel, QEvent::MouseMove, start + QPoint(-37, 23));
        sendPanelMouse(*panel, QEvent::MouseButtonRelease, start + QPoint(-37, 23));
        QCOMPARE(panel->geometry(), drags ? before.translated(-37, 23) : before);
    }

    void moveBeforeAnyPressDoesNothing()
    {
        MainWindow fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        const QRect before = fresh.geometry();
        sendPanelMouse(fresh, QEvent::MouseMove, fresh.mapToGlobal(QPoint(200, 10)));
        QCOMPARE(fresh.geometry(), before);
    }

    void extendKeepsTopLeft_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("where the panel starts") << QPoint(700, 500);
        QTest::newRow("dragged to the top-left") << QPoint(40, 30);
    }

    void extendKeepsTopLeft()
    {
        QFETCH(QPoint, topLeft);
        panel->move(topLeft);
        QPushButton *extend = panel->form()->pushButton_extend;
        for (const int width : { 792, 601 }) {
            QTest::mouseClick(extend, Qt::LeftButton);
            QCOMPARE(panel->geometry(), QRect(topLeft, QSize(width, 302)));
            QCOMPARE(extend->text(), QString(width == 792 ? "<" : ">"));
            QCOMPARE(panel->form()->label_12->isHidden(), width == 601);
        }
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
