// The scan-line tab: line directions, overlay, speed, direction, character
// test, moving square and the two colour wells.
#include "paneltest.h"

class TestScanLinesPanel : public QObject
{
    Q_OBJECT

private slots:
    void directionBoxes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QVector<int>>("expected"); // 横线, 竖线, 右斜线 (lr), 左斜线 (rl), character test
        QTest::newRow("overlay off: 竖线 unchecks 横线 and the character test")
            << QStringList{ "pushButton_fonttest", "checkBox_hor", "checkBox_ver" } << QVector<int>{ 0, 1, 0, 0, 0 };
        QTest::newRow("overlay on: 横线 and 竖线 both on")
            << QStringList{ "checkBox_overlay", "checkBox_hor", "checkBox_ver" } << QVector<int>{ 1, 1, 0, 0, 0 };
        QTest::newRow("overlay on then off keeps both on")
            << QStringList{ "checkBox_overlay", "checkBox_hor", "checkBox_ver", "checkBox_overlay" } << QVector<int>{ 1, 1, 0, 0, 0 };
        QTest::newRow("右斜线 alone is passed as lr") << QStringList{ "checkBox_lr" } << QVector<int>{ 0, 0, 1, 0, 0 };
        QTest::newRow("左斜线 alone is passed as rl") << QStringList{ "checkBox_rl" } << QVector<int>{ 0, 0, 0, 1, 0 };
        QTest::newRow("clicking the checked 横线 changes nothing")
            << QStringList{ "checkBox_hor", "pushButton_fonttest", "checkBox_hor" } << QVector<int>{ 1, 0, 0, 0, 1 };
    }

    void directionBoxes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QVector<int>, expected);
        Panel panel(3);
        for (const QString &name : clicks)
            panel.click(name);
        const Ui::MainWindow *ui = panel.ui;
        const dialog *window = panel.pattern;
        QCOMPARE((QVector<int>{ ui->checkBox_hor->isChecked(), ui->checkBox_ver->isChecked(), ui->checkBox_lr->isChecked(),
                                ui->checkBox_rl->isChecked(), ui->pushButton_fonttest->isChecked() }), expected);
        QCOMPARE((QVector<int>{ stateOf(*window).scanHorizontal, stateOf(*window).scanVertical, stateOf(*window).scanDiagonalLR,
                                stateOf(*window).scanDiagonalRL, stateOf(*window).fontTest }), expected);
        QCOMPARE(stateOf(*window).mode, int(ScanLines));
    }

    // A direction change is a row of directionBoxes.
    void changeSwitchesTestsOff_data()
    {
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("control");
        QTest::newRow("line width, character test") << "pushButton_fonttest" << "spinBox_linwid";
        QTest::newRow("gap, square") << "pushButton_square" << "spinBox_lined";
        QTest::newRow("background colour, square") << "pushButton_square" << "pushButton_bgcol";
        QTest::newRow("line colour, character test") << "pushButton_fonttest" << "pushButton_linecol";
    }

    // Both tests sit in one exclusive group, so this passes only through the
    // moment in which the panel makes the group non-exclusive.
    void changeSwitchesTestsOff()
    {
        QFETCH(QString, test);
        QFETCH(QString, control);
        Panel panel(3);
        panel.click(test);
        QCOMPARE(stateOf(*panel.pattern).fontTest + stateOf(*panel.pattern).movingSquare, 1);
        const QColor picked(0x12, 0xab, 0x34);
        ModalAnswerer answerer(pickColor(picked));
        if (auto *box = panel.find<QSpinBox>(control))
            box->setValue(control == "spinBox_linwid" ? 5 : 7);
        else
            panel.click(control);
        QVERIFY(!panel.ui->pushButton_fonttest->isChecked());
        QVERIFY(!panel.ui->pushButton_square->isChecked());
        QVERIFY(panel.ui->spinBox_rectsize->isHidden());
        QCOMPARE(stateOf(*panel.pattern).mode, int(ScanLines));
        QCOMPARE(stateOf(*panel.pattern).fontTest + stateOf(*panel.pattern).movingSquare, 0);
        QCOMPARE(answerer.answered, int(control.endsWith("col")));
        QCOMPARE(stateOf(*panel.pattern).scanLineWidth, control == "spinBox_linwid" ? 5 : 1);
        QCOMPARE(stateOf(*panel.pattern).scanPitch, control == "spinBox_linwid" ? 5 + 20 : control == "spinBox_lined" ? 1 + 7 : 1 + 20);
        QCOMPARE(stateOf(*panel.pattern).scanBackground, control == "pushButton_bgcol" ? picked : QColor(Qt::black));
        QCOMPARE(stateOf(*panel.pattern).scanLineColor, control == "pushButton_linecol" ? picked : QColor(Qt::white));
    }

    void cancelledColourKeepsEverything_data()
    {
        QTest::addColumn<QString>("well");
        QTest::newRow("background well") << "pushButton_bgcol";
        QTest::newRow("line well") << "pushButton_linecol";
    }

    void cancelledColourKeepsEverything()
    {
        QFETCH(QString, well);
        Panel panel(3);
        const QColor first(0x33, 0x66, 0x99);
        {
            ModalAnswerer answerer(pickColor(first));
            panel.click(well);
        }
        panel.click("pushButton_square");
        ModalAnswerer answerer;
        panel.click(well);
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(panel.find(well)->styleSheet(), QStringLiteral("background-color: #336699"));
        // Nothing ran: the square, which any scan-line change switches off, is still on.
        QVERIFY(panel.ui->pushButton_square->isChecked());
        QCOMPARE(stateOf(*panel.pattern).movingSquare, 1);
        // The next change still sends the colour picked before the cancel.
        panel.ui->spinBox_linwid->setValue(3);
        QCOMPARE(well == "pushButton_bgcol" ? stateOf(*panel.pattern).scanBackground : stateOf(*panel.pattern).scanLineColor, first);
    }

    void squareKeepsWindowSizeUntilSizeBoxChanges()
    {
        Panel panel(3);
        panel.click("pushButton_square");
        QCOMPARE(stateOf(*panel.pattern).movingSquare, 1);
        QCOMPARE(stateOf(*panel.pattern).squareWidth, 10);
        QVERIFY(panel.ui->label_48->isVisible());
        panel.ui->spinBox_rectsize->setValue(30);
        QCOMPARE(stateOf(*panel.pattern).squareWidth, 30);
        QCOMPARE(stateOf(*panel.pattern).squareHeight, 30);
        panel.click("pushButton_fonttest");
        QCOMPARE(stateOf(*panel.pattern).movingSquare, 0);
        QVERIFY(panel.ui->spinBox_rectsize->isHidden());
    }

    void speed_data()
    {
        QTest::addColumn<bool>("bySlider");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("interval"); // ms per pixel, also the label's number
        QTest::newRow("default 20") << false << 20 << 6400;
        QTest::newRow("fastest 99") << false << 99 << 1;
        QTest::newRow("slowest 1") << false << 1 << 9801;
        QTest::newRow("slider to 50 moves the spin box") << true << 50 << 2500;
    }

    void speed()
    {
        QFETCH(bool, bySlider);
        QFETCH(int, speed);
        QFETCH(int, interval);
        Panel panel(3);
        if (bySlider)
            panel.ui->horizontalSlider_linespeed->setValue(speed);
        else if (speed != panel.ui->spinBox_linespeed->value())
            panel.ui->spinBox_linespeed->setValue(speed);
        else
            panel.click("checkBox_hor"); // any line change applies the default speed
        QTimer *scanTimer = panel.pattern->scanTimerForTest();
        QVERIFY(scanTimer->isActive());
        QCOMPARE(scanTimer->interval(), interval);
        QCOMPARE(panel.ui->label_speed->text(), QString::number(interval) + "ms/pixel");
        QCOMPARE(panel.ui->spinBox_linespeed->value(), speed);
        QCOMPARE(panel.ui->horizontalSlider_linespeed->value(), speed);
        QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("STOP"));
    }

    void startAndDirectionButtons()
    {
        Panel panel(3);
        panel.ui->spinBox_linespeed->setValue(90);
        QTimer *scanTimer = panel.pattern->scanTimerForTest();
        panel.click("pushButton_scanstart");
        QVERIFY(!scanTimer->isActive());
        QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("START"));
        panel.click("pushButton_scanstart");
        QVERIFY(scanTimer->isActive());
        QCOMPARE(scanTimer->interval(), 100);
        QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("STOP"));

        panel.click("pushButton_scandirection");
        QCOMPARE(stateOf(*panel.pattern).scanDirection, -1);
        panel.click("pushButton_scandirection");
        QCOMPARE(stateOf(*panel.pattern).scanDirection, 1);
    }
};

QTEST_MAIN(TestScanLinesPanel)
#include "tst_scanlines_panel.moc"
