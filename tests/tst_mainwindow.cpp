// The control panel: construction, navigation, the window buttons, the card
// it paints, the pictures its style sheets name, dragging and widening it, and the placement controls of the
// test-pattern window with the window's reports back to them.
#include "windowstate.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "wallcontrol.h"

#include <QImageReader>
#include <QMetaMethod>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <functional>

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

QPushButton *button(MainWindow &panel, const QString &name) { return panel.findChild<QPushButton *>(name); }

// Named by checked-state style sheets, deliberately not in the bundle: such a button shows no picture.
const QString missingMarker = QStringLiteral(":/new/prefix1/images/squares.png");

// The path inside every url(...) of a style sheet. An unquoted path may hold
// parentheses ("(1)_Vorel Squares.png"), so it runs to the ")" that is
// followed by white space, ";" or "}".
QStringList urlsIn(const QString &styleSheet)
{
    static const QRegularExpression url(QStringLiteral(
        "url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\"'][^;}\\n]*?))\\s*\\)(?=[\\s;}]|$)"));
    QStringList paths;
    for (auto matches = url.globalMatch(styleSheet); matches.hasNext();) {
        const QRegularExpressionMatch m = matches.next();
        paths << (m.captured(1) + m.captured(2) + m.captured(3)).trimmed();
    }
    return paths;
}

// The pictures named by every style sheet the running panel holds, those of
// the form and any that code sets, the test-pattern window's included.
QStringList namedPictures()
{
    MainWindow panel;
    QList<QWidget *> widgets { &panel, panel.testPatternWindow() };
    widgets += panel.findChildren<QWidget *>() + panel.testPatternWindow()->findChildren<QWidget *>();
    QStringList paths = urlsIn(qApp->styleSheet());
    for (QWidget *widget : widgets)
        paths += urlsIn(widget->styleSheet());
    paths.removeDuplicates();
    paths.removeAll(missingMarker);
    paths.sort();
    return paths;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    // One panel serves the placement cases: building the whole form is the slow part.
    MainWindow *placed = nullptr;
    QSpinBox *spinBox(const QString &quantity) const { return placed->findChild<QSpinBox *>("spinBox_" + quantity); }
    QSlider *slider(const QString &quantity) const { return placed->findChild<QSlider *>("horizontalSlider_" + quantity); }

private slots:
    void init()
    {
        if (!placed)
            return;
        placed->setGeometry(700, 500, 601, 302);
        placed->testPatternWindow()->setGeometry(windowStart);
    }
    void cleanupTestCase() { delete placed; }

    void startsOnTheStartPageAlone()
    {
        MainWindow panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.geometry(), QRect(700, 500, 601, 302));
        QCOMPARE(panel.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint);
        QVERIFY(panel.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(formOf(panel)->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_4"));
        QVERIFY(formOf(panel)->tabWidget->tabBar()->isHidden());
        QVERIFY(!panel.testPatternWindow()->isVisible());
        QCOMPARE(panel.testPatternWindow()->parent(), nullptr);
        int visibleTopLevels = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            visibleTopLevels += w->isVisible() && !w->inherits("QMenu") ? 1 : 0;
        QCOMPARE(visibleTopLevels, 1);
    }

    // The signal is method 0, the slots follow in their declared order.
    void slotOrder()
    {
        const QMetaObject &meta = MainWindow::staticMetaObject;
        const int first = meta.methodOffset();
        // Qt 6 names QVector<QColor> QList<QColor>.
        QCOMPARE(QByteArray(meta.method(first).methodSignature()), QMetaObject::normalizedSignature("sendcolorlist(QVector<QColor>,int,int)"));
        QCOMPARE(QByteArray(meta.method(first + 1).methodSignature()), QByteArray("on_pushButton_close_clicked()"));
        QCOMPARE(QByteArray(meta.method(first + 2).methodSignature()), QByteArray("on_tableWidget_cellDoubleClicked(int,int)"));
        QCOMPARE(QByteArray(meta.method(meta.methodCount() - 1).methodSignature()), QByteArray("graystart()"));
        QCOMPARE(meta.methodCount() - first, 53);
    }

    void startShowsTheMainPageAndThePatternWindow()
    {
        MainWindow panel;
        panel.show();
        QTest::mouseClick(formOf(panel)->pushButton_selectpage, Qt::LeftButton);
        QCOMPARE(formOf(panel)->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_3"));
        QVERIFY(panel.testPatternWindow()->isVisible());
        QCOMPARE(panel.testPatternWindow()->geometry(), QRect(0, 0, 500, 500));
    }

    // Whatever drives the wall hears of every kind of change in one signal.
    void controlTellsOfEveryChange()
    {
        MainWindow panel;
        WallControl *control = panel.control();
        QSignalSpy changes(control, &WallControl::changed);
        const auto told = [&](const std::function<void()> &command) {
            changes.clear();
            command();
            QCoreApplication::processEvents();
            return !changes.isEmpty();
        };
        QString error;
        QVERIFY(told([&] { control->showPattern(QStringLiteral("grid"), &error); }));
        QVERIFY(told([&] { control->placeWindow(QRect(10, 20, 300, 200), &error); }));
        QVERIFY(told([&] { control->setWindowVisible(true); }));
        QCOMPARE(formOf(panel)->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_3"));
        QVERIFY(told([&] { control->setInfoVisible(false); }));
        QVERIFY(told([&] { control->setFullScreen(true); }));
        QVERIFY(told([&] { formOf(panel)->spinBox_timedelayw->setValue(7); }));
        PanelSettings settings = control->panelSettings();
        settings.darkColor = Qt::red;
        QVERIFY(told([&] { control->setPanelSettings(settings); }));
        QCOMPARE(formOf(panel)->pushButton_dark->styleSheet(), QStringLiteral("background-color: #ff0000"));
        QVERIFY(!control->placeWindow(QRect(10, 20, 20, 200), &error));
        QCOMPARE(error, QStringLiteral("width 20 is outside 50..%1").arg(control->placementRanges().width.high));
    }

    void menuButtonsSelectTabsByPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page");
        QTest::newRow("纯色") << "pushButton_p0" << 0 << "tab_6";
        QTest::newRow("色度") << "pushButton_p1" << 1 << "tab";
        QTest::newRow("灰度") << "pushButton_p2" << 2 << "tab_2";
        QTest::newRow("字符 · 扫描") << "pushButton_p3" << 3 << "tab_3";
        QTest::newRow("对比度") << "pushButton_p4" << 4 << "tab_4";
        QTest::newRow("特殊") << "pushButton_p5" << 5 << "tab_7";
    }

    void menuButtonsSelectTabsByPlace()
    {
        QFETCH(QString, name);
        QFETCH(int, tab);
        MainWindow panel;
        panel.show();
        QTest::mouseClick(formOf(panel)->pushButton_selectpage, Qt::LeftButton);
        // Start from another tab so that the click must change it.
        formOf(panel)->tabWidget->setCurrentIndex(tab == 0 ? 5 : 0);
        QTest::mouseClick(button(panel, name), Qt::LeftButton);
        QCOMPARE(formOf(panel)->tabWidget->currentIndex(), tab);
        QTEST(formOf(panel)->tabWidget->currentWidget()->objectName(), "page");
    }

    void closeHidesAndShowShowsTheSameWindow()
    {
        MainWindow panel;
        panel.show();
        QTest::mouseClick(formOf(panel)->pushButton_selectpage, Qt::LeftButton);
        dialog *window = panel.testPatternWindow();
        window->setSolidColor(Qt::green);
        window->setGeometry(40, 30, 300, 200);
        QTest::mouseClick(button(panel, "pushButton_closedlg"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(panel.testPatternWindow(), window);
        QTest::mouseClick(button(panel, "pushButton_opendlg"), Qt::LeftButton);
        QVERIFY(window->isVisible());
        QCOMPARE(stateOf(*window).solidColor, QColor(Qt::green));
        QCOMPARE(window->geometry(), QRect(40, 30, 300, 200));
    }

    void eitherCrossClosesBothWindows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mainPage");
        QTest::newRow("× of the start page") << "pushButton_closeall" << false;
        QTest::newRow("× of the main page") << "pushButton_close" << true;
    }

    void eitherCrossClosesBothWindows()
    {
        QFETCH(QString, name);
        QFETCH(bool, mainPage);
        MainWindow panel;
        panel.show();
        panel.testPatternWindow()->show();
        if (mainPage)
            QTest::mouseClick(formOf(panel)->pushButton_selectpage, Qt::LeftButton);
        QPushButton *cross = button(panel, name);
        QCOMPARE(cross->text(), QString(QChar(0x00D7)));
        QTest::mouseClick(cross, Qt::LeftButton);
        QVERIFY(!panel.isVisible());
        QVERIFY(!panel.testPatternWindow()->isVisible());
    }

    // Each outline is drawn at its inset; the innermost one lies over the white card.
    void cardPainting_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("inside the card is white") << QPoint(300, 150) << QColor(255, 255, 255, 255);
        QTest::newRow("inset 5 outline, alpha 150 over white") << QPoint(5, 150) << QColor(105, 105, 105, 255);
        QTest::newRow("inset 2 outline, alpha 27") << QPoint(2, 150) << QColor(0, 0, 0, 27);
        QTest::newRow("inset 1 outline, alpha 8") << QPoint(300, 1) << QColor(0, 0, 0, 8);
        QTest::newRow("the corner stays transparent") << QPoint(0, 0) << QColor(0, 0, 0, 0);
    }

    void cardPainting()
    {
        QFETCH(QPoint, where);
        QFETCH(QColor, expected);
        MainWindow panel;
        QImage image(panel.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        const QColor actual = QColor::fromRgba(image.pixel(where));
        QCOMPARE(actual.alpha(), expected.alpha());
        if (expected.alpha() > 0)
            QCOMPARE(actual.rgb(), expected.rgb());
    }

    // One row per path a style sheet names, so that a new style sheet cannot
    // name a missing picture unnoticed. Registered by static initialisation:
    // present before the test's main ran.
    void styleSheetPicture_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : namedPictures())
            QTest::newRow(qPrintable(path)) << path;
    }

    void styleSheetPicture()
    {
        QFETCH(QString, path);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    // ---- Placement, on the one shared panel ----

    void placementPanelStartsStill()
    {
        placed = new MainWindow;
        formOf(*placed)->stackedWidget->setCurrentIndex(0);
        placed->show();
        QVERIFY(QTest::qWaitForWindowExposed(placed));
        // A move before any press has no zone to drag from.
        const QRect before = placed->geometry();
        sendPanelMouse(*placed, QEvent::MouseMove, placed->mapToGlobal(QPoint(200, 10)));
        QCOMPARE(placed->geometry(), before);
    }

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
        row("spin box y past the top", "y", "spin box", -3000, -2160);
        row("spin box width past 4K", "width", "spin box", 5000, 3840);
        row("slider width below 50", "width", "slider", 10, 50);
        row("slider height to a 4K wall", "height", "slider", 2160, 2160);
        row("spin box height below 50", "height", "spin box", 0, 50);
        row("window moved", "x", "report", 40, 40);
        row("window moved past the desktop", "y", "report", -5000, -2160);
        row("whchange width 30 clamps to 50", "width", "report", 30, 50);
    }

    // The whole rectangle is compared: one quantity never changes the other three.
    void controlSetsWindowAndItsTwin()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, by);
        QFETCH(int, value);
        QFETCH(int, shown);
        dialog *window = placed->testPatternWindow();
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
        QTest::newRow("row 30 above zone B (400, 30)") << QPoint(400, 30) << false;
        QTest::newRow("menu column (200, 100)") << QPoint(200, 100) << false;
        QTest::newRow("zone B first pixel (301, 31)") << QPoint(301, 31) << true;
        QTest::newRow("zone B last pixel (589, 249)") << QPoint(589, 249) << true;
        QTest::newRow("right of zone B (590, 100)") << QPoint(590, 100) << false;
        QTest::newRow("below zone B (400, 250)") << QPoint(400, 250) << false;
    }

    // Wherever the drag leaves the panel, widening and collapsing keep its top-left corner.
    void panelDragZonesThenExtend()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(bool, drags);
        const QRect before = placed->geometry();
        const QPoint start = placed->mapToGlobal(pressAt);
        sendPanelMouse(*placed, QEvent::MouseButtonPress, start);
        sendPanelMouse(*placed, QEvent::MouseMove, start + QPoint(15, 5));
        sendPanelMouse(*placed, QEvent::MouseMove, start + QPoint(-37, 23));
        sendPanelMouse(*placed, QEvent::MouseButtonRelease, start + QPoint(-37, 23));
        const QPoint topLeft = drags ? before.topLeft() + QPoint(-37, 23) : before.topLeft();
        QCOMPARE(placed->geometry(), QRect(topLeft, QSize(601, 302)));

        QPushButton *extend = formOf(*placed)->pushButton_extend;
        for (const int width : { 792, 601 }) {
            QTest::mouseClick(extend, Qt::LeftButton);
            QCOMPARE(placed->geometry(), QRect(topLeft, QSize(width, 302)));
            QCOMPARE(extend->text(), QString(width == 792 ? "<" : ">"));
            QCOMPARE(formOf(*placed)->label_12->isHidden(), width == 601);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
