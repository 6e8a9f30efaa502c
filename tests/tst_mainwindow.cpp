// The control panel's construction, navigation, window buttons, card and
// the button groups whose auto ids its slots read.
#include "windowstate.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QMetaMethod>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheStartPageAlone();
    void slotOrder();
    void startShowsTheMainPageAndThePatternWindow();
    void menuButtonsSelectTabsByPlace_data();
    void menuButtonsSelectTabsByPlace();
    void closeHidesAndShowShowsTheSameWindow();
    void eitherCrossClosesBothWindows_data();
    void eitherCrossClosesBothWindows();
    void cardPainting_data();
    void cardPainting();
    void buttonGroups_data();
    void buttonGroups();

private:
    static QPushButton *button(MainWindow &panel, const char *name)
    {
        auto *b = panel.findChild<QPushButton *>(QString::fromLatin1(name));
        if (!b)
            qWarning("no button %s", name);
        return b;
    }
};

void TestMainWindow::startsOnTheStartPageAlone()
{
    MainWindow panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.geometry(), QRect(700, 500, 601, 302));
    QCOMPARE(panel.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint);
    QVERIFY(panel.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(panel.form()->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_4"));
    QVERIFY(panel.form()->tabWidget->tabBar()->isHidden());
    QVERIFY(!panel.testPatternWindow()->isVisible());
    QCOMPARE(panel.testPatternWindow()->parent(), nullptr);
    QCOMPARE(panel.form()->pushButton_extend->text(), QStringLiteral(">"));
    QVERIFY(panel.form()->label_12->isHidden());
    int visibleTopLevels = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visibleTopLevels += w->isVisible() && !w->inherits("QMenu") ? 1 : 0;
    QCOMPARE(visibleTopLevels, 1);
}

void TestMainWindow::slotOrder()
{
    const QMetaObject &meta = MainWindow::staticMetaObject;
    const int first = meta.methodOffset();
    QCOMPARE(QByteArray(meta.method(first).methodSignature()), QByteArray("sendcolorlist(QVector<QColor>,int,int)"));
    QCOMPARE(QByteArray(meta.method(first + 1).methodSignature()), QByteArray("on_pushButton_close_clicked()"));
    QCOMPARE(QByteArray(meta.method(first + 2).methodSignature()), QByteArray("on_tableWidget_cellDoubleClicked(int,int)"));
    QCOMPARE(QByteArray(meta.method(meta.methodCount() - 1).methodSignature()), QByteArray("graystart()"));
    QCOMPARE(meta.methodCount() - first, 53);
}

void TestMainWindow::startShowsTheMainPageAndThePatternWindow()
{
    MainWindow panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(panel.form()->pushButton_selectpage, Qt::LeftButton);
    QCOMPARE(panel.form()->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_3"));
    QVERIFY(panel.testPatternWindow()->isVisible());
    QCOMPARE(panel.testPatternWindow()->geometry(), QRect(0, 0, 500, 500));
}

void TestMainWindow::menuButtonsSelectTabsByPlace_data()
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

void TestMainWindow::menuButtonsSelectTabsByPlace()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(QString, page);
    MainWindow panel;
    panel.show();
    QTest::mouseClick(panel.form()->pushButton_selectpage, Qt::LeftButton);
    // Start from another tab so that the click must change it.
    panel.form()->tabWidget->setCurrentIndex(tab == 0 ? 5 : 0);
    QPushButton *b = button(panel, qPrintable(name));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(panel.form()->tabWidget->currentIndex(), tab);
    QCOMPARE(panel.form()->tabWidget->currentWidget()->objectName(), page);
}

void TestMainWindow::closeHidesAndShowShowsTheSameWindow()
{
    MainWindow panel;
    panel.show();
    QTest::mouseClick(panel.form()->pushButton_selectpage, Qt::LeftButton);
    dialog *window = panel.testPatternWindow();
    window->setSolidColor(Qt::green);
    window->setGeometry(40, 30, 300, 200);
    QPushButton *closeButton = button(panel, "pushButton_closedlg");
    QPushButton *showButton = button(panel, "pushButton_opendlg");
    QVERIFY(closeButton && showButton);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(panel.testPatternWindow(), window);
    QTest::mouseClick(showButton, Qt::LeftButton);
    QVERIFY(window->isVisible());
    QCOMPARE(stateOf(*window).solidColor, QColor(Qt::green));
    QCOMPARE(stateOf(*window).mode, int(Solid));
    QCOMPARE(window->geometry(), QRect(40, 30, 300, 200));
}

void TestMainWindow::eitherCrossClosesBothWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mainPage");
    QTest::newRow("× of the start page") << "pushButton_closeall" << false;
    QTest::newRow("× of the main page") << "pushButton_close" << true;
}

void TestMainWindow::eitherCrossClosesBothWindows()
{
    QFETCH(QString, name);
    QFETCH(bool, mainPage);
    MainWindow panel;
    panel.show();
    panel.testPatternWindow()->show();
    if (mainPage)
        QTest::mouseClick(panel.form()->pushButton_selectpage, Qt::LeftButton);
    QPushButton *cross = button(panel, qPrintable(name));
    QVERIFY(cross);
    QCOMPARE(cross->text(), QString(QChar(0x00D7)));
    QTest::mouseClick(cross, Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    QVERIFY(!panel.testPatternWindow()->isVisible());
}

void TestMainWindow::cardPainting_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("expected");
    // Each outline is drawn at its inset; the innermost one lies over the white card.
    QTest::newRow("inside the card is white") << QPoint(300, 150) << QColor(255, 255, 255, 255);
    QTest::newRow("inset 5 outline, alpha 150 over white") << QPoint(5, 150) << QColor(105, 105, 105, 255);
    QTest::newRow("inset 4 outline, alpha 79") << QPoint(4, 150) << QColor(0, 0, 0, 79);
    QTest::newRow("inset 3 outline, alpha 50") << QPoint(3, 150) << QColor(0, 0, 0, 50);
    QTest::newRow("inset 2 outline, alpha 27") << QPoint(2, 150) << QColor(0, 0, 0, 27);
    QTest::newRow("inset 1 outline, alpha 8") << QPoint(300, 1) << QColor(0, 0, 0, 8);
    QTest::newRow("the edge stays transparent") << QPoint(0, 150) << QColor(0, 0, 0, 0);
    QTest::newRow("the corner stays transparent") << QPoint(0, 0) << QColor(0, 0, 0, 0);
    QTest::newRow("right outlines: inset 1 on the last column") << QPoint(600, 150) << QColor(0, 0, 0, 8);
    QTest::newRow("right outlines: inset 2 next to it") << QPoint(599, 150) << QColor(0, 0, 0, 27);
}

void TestMainWindow::cardPainting()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, expected);
    MainWindow panel;
    QImage image(panel.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    QCOMPARE(image.size(), QSize(601, 302));
    const QColor actual = QColor::fromRgba(image.pixel(where));
    QCOMPARE(actual.alpha(), expected.alpha());
    if (expected.alpha() > 0)
        QCOMPARE(actual.rgb(), expected.rgb());
}

void TestMainWindow::buttonGroups_data()
{
    QTest::addColumn<QString>("membersInIdOrder");
    QTest::addColumn<int>("checkedId");
    QTest::newRow("buttonGroup") << "pushButton_p2 pushButton_p4 pushButton_p3 pushButton_p0 pushButton_p5 pushButton_p1" << -5;
    QTest::newRow("buttonGroup_10") << "pushButton_opendlg pushButton_closedlg" << -2;
    QTest::newRow("buttonGroup_3") << "pushButton_white pushButton_yellow pushButton_red pushButton_green "
                                      "pushButton_purple pushButton_blue pushButton_cyan pushButton_black" << -1;
    QTest::newRow("buttonGroup_2") << "radioButton_manual radioButton_auto" << -3;
    QTest::newRow("buttonGroup_4") << "pushButton_32 pushButton_64 pushButton_128 pushButton_256 pushButton_nolimit "
                                      "pushButton_ball pushButton_col_graydient_gray" << -1;
    QTest::newRow("buttonGroup_7") << "pushButton_up pushButton_down pushButton_left pushButton_right" << -1;
    QTest::newRow("buttonGroup_5") << "checkBox_hor checkBox_ver checkBox_rl checkBox_lr" << -1;
    QTest::newRow("buttonGroup_11") << "pushButton_fonttest pushButton_square" << -1;
    QTest::newRow("buttonGroup_6") << "pushButton pushButton_2 pushButton_3" << -1;
    QTest::newRow("buttonGroup_8") << "pushButton_fullscreenclock pushButton_singleclock pushButton_rectcircle "
                                      "pushButton_rectcircle_2" << -1;
    QTest::newRow("buttonGroup_9") << "checkBox_noscale checkBox_scale" << -2;
}

// Auto ids count down from -2 in the order the form adds the members.
void TestMainWindow::buttonGroups()
{
    QFETCH(QString, membersInIdOrder);
    MainWindow panel;
    const QStringList members = membersInIdOrder.split(' ');
    auto *group = panel.findChild<QButtonGroup *>(QTest::currentDataTag(), Qt::FindDirectChildrenOnly);
    QVERIFY2(group, "not a child of the window");
    QVERIFY(group->exclusive());
    QCOMPARE(group->buttons().size(), members.size());
    for (int i = 0; i < members.size(); ++i)
        QCOMPARE(group->id(panel.findChild<QAbstractButton *>(members.at(i))), -2 - i);
    QTEST(group->checkedId(), "checkedId");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
