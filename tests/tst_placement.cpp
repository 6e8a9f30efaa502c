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
        // A move before any press has no zone to drag from.
        const QRect before = panel->geometry();
        sendPanelMouse(*panel, QEvent::MouseMove, panel->mapToGlobal(QPoint(200, 10)));
        QCOMPARE(panel->geometry(), before);
    }

    void init()
    {
        panel->setGeometry(700, 500, 601, 302);
        window->setGeometry(windowStart);
    }

    void cleanupTestCase() { delete panel; }

    // By a spin box, its slider, or the window's own report after a mouse move or resize.
    void controlSetsWindowAndItsTwin_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("by");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("shown");
        auto row = [](const char *name, const char *quantity, const char *by, int value, int shown) {
            QTest::newRow(name) << quantity << by << value << shown;
        };
        row("spin box x", "x", "spin box", 100, 100);
        row("slider x negative", "x", "slider", -1920, -1920);
        row("spin box x past the right", "x", "spin box", 5000, 3840);
        row("slider x past the left", "x", "slider", -5000, -3840);
        row("spin box y negative", "y", "spin box", -300, -300);
        row("spin box y past the top", "y", "spin box", -3000, -2160);
        row("spin box width beyond 1920", "width", "spin box", 3000, 3000);
        row("slider width to a 4K wall", "width", "slider", 3840, 3840);
        row("spin box width past 4K", "width", "spin box", 5000, 3840);
        row("slider width below 50", "width", "slider", 10, 50);
        row("slider height to a 4K wall", "height", "slider", 2160, 2160);
        row("spin box height past 4K", "height", "spin box", 3000, 2160);
        row("spin box height below 50", "height", "spin box", 0, 50);
        row("window moved", "x", "report", 40, 40);
        row("window moved past the desktop", "y", "report", -5000, -2160);
        row("window resized", "height", "report", 480, 480);
        row("whchange width 30 clamps to 50", "width", "report", 30, 50);
        row("whchange negative height clamps to 50", "height", "report", -200, 50);
        row("whchange to a 4K wall", "width", "report", 3840, 3840);
    }

    // The whole rectangle is compared: one quantity never changes the other three.
    void controlSetsWindowAndItsTwin()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, by);
        QFETCH(int, value);
        QFETCH(int, shown);
        const QMap<QString, void (QRect::*)(int)> side { { "x", &QRect::moveLeft }, { "y", &QRect::moveTop },
                                                         { "width", &QRect::setWidth }, { "height", &QRect::setHeight } };
        QRect asked = windowStart, expected = windowStart;
        (asked.*side.value(quantity))(value);
        (expected.*side.value(quantity))(shown);
        // A control reports only a value it does not hold yet, so start it elsewhere.
        spinBox(quantity)->setValue(77);
        window->setGeometry(windowStart);
        if (by == "slider")
            slider(quantity)->setValue(value);
        else if (by == "spin box")
            spinBox(quantity)->setValue(value);
        else if (quantity == "x" || quantity == "y")
            emit window->xychange(asked.x(), asked.y());
        else
            emit window->whchange(asked.width(), asked.height());

        QCOMPARE(spinBox(quantity)->value(), shown);
        QCOMPARE(slider(quantity)->value(), shown);
        QCOMPARE(window->geometry(), expected);
    }

    void panelDragZonesThenExtend_data()
    {
        QTest::addColumn<QPoint>("pressAt");
        QTest::addColumn<bool>("drags");
        QTest::newRow("zone A (200, 10)") << QPoint(200, 10) << true;
        QTest::newRow("zone A last pixel (499, 29)") << QPoint(499, 29) << true;
        QTest::newRow("right of zone A (500, 10)") << QPoint(500, 10) << false;
        QTest::newRow("row 30 (200, 30)") << QPoint(200, 30) << false;
        QTest::newRow("row 30 above zone B (400, 30)") << QPoint(400, 30) << false;
        QTest::newRow("menu column (200, 100)") << QPoint(200, 100) << false;
        QTest::newRow("zone B first pixel (301, 31)") << QPoint(301, 31) << true;
        QTest::newRow("zone B last pixel (589, 249)") << QPoint(589, 249) << true;
        QTest::newRow("left of zone B (300, 100)") << QPoint(300, 100) << false;
        QTest::newRow("right of zone B (590, 100)") << QPoint(590, 100) << false;
        QTest::newRow("below zone B (400, 250)") << QPoint(400, 250) << false;
    }

    // Wherever the drag leaves the panel, widening and collapsing keep its top-left corner.
    void panelDragZonesThenExtend()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(bool, drags);
        const QRect before = panel->geometry();
        const QPoint start = panel->mapToGlobal(pressAt);
        sendPanelMouse(*panel, QEvent::MouseButtonPress, start);
        sendPanelMouse(*panel, QEvent::MouseMove, start + QPoint(15, 5));
        sendPanelMouse(*panel, QEvent::MouseMove, start + QPoint(-37, 23));
        sendPanelMouse(*panel, QEvent::MouseButtonRelease, start + QPoint(-37, 23));
        const QPoint topLeft = drags ? before.topLeft() + QPoint(-37, 23) : before.topLeft();
        QCOMPARE(panel->geometry(), QRect(topLeft, QSize(601, 302)));

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
