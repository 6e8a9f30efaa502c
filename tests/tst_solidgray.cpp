// The solid-colour, gray-level and gray-bar tabs, driven with synthesised
// clicks and checked against the test-pattern window's state.
#include "paneltest.h"

class TestSolidGray : public QObject
{
    Q_OBJECT

private slots:
    void swatches_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QColor>("shown");
        // The object names do not match the colours; place order decides.
        const char *names[] = { "white", "yellow", "red", "green", "purple", "blue", "cyan", "black" };
        const Qt::GlobalColor shown[] = { Qt::black, Qt::white, Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow };
        for (int i = 0; i < 8; ++i)
            QTest::addRow("pushButton_%s shows %s", names[i], qPrintable(QColor(shown[i]).name()))
                << QStringList{ QStringLiteral("pushButton_") + names[i] } << QColor(shown[i]);
        QTest::newRow("the checked swatch clicked again is sent again")
            << QStringList{ "pushButton_red", "pushButton_red" } << QColor(Qt::red);
    }

    void swatches()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QColor, shown);
        Panel panel(0);
        for (const QString &swatch : clicks) {
            editState(*panel.pattern).mode = GrayBars;
            panel.click(swatch);
        }
        QCOMPARE(stateOf(*panel.pattern).mode, int(Solid));
        QCOMPARE(stateOf(*panel.pattern).solidColor, shown);
    }

    void grayValueBoxAndSliderMirror()
    {
        Panel panel(0);
        // The window must take a typed value before the slider follows it.
        int offsetSeenBySlider = -1;
        connect(panel.ui->horizontalSlider_grayvalue, &QSlider::valueChanged, this,
                [&] { offsetSeenBySlider = stateOf(*panel.pattern).grayOffset; });
        panel.ui->spinBox_grayvalue->selectAll();
        QTest::keyClicks(panel.ui->spinBox_grayvalue, QStringLiteral("100"));
        QCOMPARE(panel.ui->horizontalSlider_grayvalue->value(), 100);
        QCOMPARE(offsetSeenBySlider, 155);

        panel.ui->horizontalSlider_grayvalue->setValue(37);
        QCOMPARE(panel.ui->spinBox_grayvalue->value(), 37);
        QCOMPARE(stateOf(*panel.pattern).grayOffset, 255 - 37);
    }

    // The sweep is a small state machine, so one operator session walks it.
    void sweepButtonAndSpeed()
    {
        Panel panel(0);
        QTimer *sweep = panel.pattern->autoGrayTimerForTest();
        QPushButton *start = panel.ui->pushButton_graystart;
        panel.click("pushButton_graystart"); // the first click keeps "START"
        QCOMPARE(start->text(), QStringLiteral("START"));
        QVERIFY(!sweep->isActive());
        panel.click("pushButton_graystart");
        QCOMPARE(start->text(), QStringLiteral("STOP"));
        QCOMPARE(sweep->interval(), 100);

        panel.click("pushButton_graystart");
        panel.ui->spinBox_grayspeed->setValue(3); // a speed change starts the sweep
        QCOMPARE(start->text(), QStringLiteral("STOP"));
        QVERIFY(sweep->isActive());
        QCOMPARE(sweep->interval(), 33);

        panel.click("pushButton_graystart");
        panel.ui->horizontalSlider_grayspeed->setValue(7);
        QCOMPARE(panel.ui->spinBox_grayspeed->value(), 7);
        QVERIFY(sweep->isActive());
        QCOMPARE(sweep->interval(), 14);
    }

    void rampLengths_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("length");
        for (int length : { 32, 64, 128, 256 })
            QTest::addRow("%d", length) << QStringLiteral("pushButton_%1").arg(length) << length;
        QTest::newRow("custom gives 0") << "pushButton_nolimit" << 0;
        QTest::newRow("ball gives -1") << "pushButton_ball" << -1;
        QTest::newRow("反相 before any button gives 16") << "checkBox_reverse" << 16;
        QTest::newRow("旋转 before any button gives 16") << "checkBox_rotate" << 16;
    }

    void rampLengths()
    {
        QFETCH(QString, button);
        QFETCH(int, length);
        Panel panel(2);
        editState(*panel.pattern).rampLength = 999;
        panel.click(button);
        QCOMPARE(stateOf(*panel.pattern).mode, int(GrayBars));
        QCOMPARE(stateOf(*panel.pattern).rampLength, length);
        QCOMPARE(stateOf(*panel.pattern).rampReverse, int(button == "checkBox_reverse"));
        QCOMPARE(stateOf(*panel.pattern).rampRotate, int(button == "checkBox_rotate"));
    }

    void chartDirections_data()
    {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("direction");
        QTest::newRow("chart with no arrow checks ↑") << QString() << 0;
        QTest::newRow("↓") << "pushButton_down" << 1;
        QTest::newRow("←") << "pushButton_left" << 2;
        QTest::newRow("→") << "pushButton_right" << 3;
    }

    void chartDirections()
    {
        QFETCH(QString, arrow);
        QFETCH(int, direction);
        Panel panel(2);
        editState(*panel.pattern).colorRampDirection = -1;
        panel.click("pushButton_col_graydient_gray");
        if (!arrow.isEmpty())
            panel.click(arrow); // fails unless the chart showed the arrows
        const QVector<QPushButton *> arrows{ panel.ui->pushButton_up, panel.ui->pushButton_down,
                                             panel.ui->pushButton_left, panel.ui->pushButton_right };
        QVERIFY(arrows.at(direction)->isChecked());
        QVERIFY(panel.ui->pushButton_right->isVisible());
        QCOMPARE(stateOf(*panel.pattern).mode, int(GrayBars));
        QCOMPARE(stateOf(*panel.pattern).colorRampChart, 1);
        QCOMPARE(stateOf(*panel.pattern).colorRampDirection, direction);
    }

    void leavingChartStopsItBeforeNewRamp()
    {
        Panel panel(2);
        panel.click("pushButton_128");
        panel.click("pushButton_col_graydient_gray");
        // The chart button's toggle comes before the group's click: by then
        // the chart must be off while the old ramp is still in place.
        int chartWhenUntoggled = -1;
        int lengthWhenUntoggled = -1;
        connect(panel.ui->pushButton_col_graydient_gray, &QPushButton::toggled, this, [&] {
            chartWhenUntoggled = stateOf(*panel.pattern).colorRampChart;
            lengthWhenUntoggled = stateOf(*panel.pattern).rampLength;
        });
        panel.click("pushButton_64");
        QCOMPARE(chartWhenUntoggled, 0);
        QCOMPARE(lengthWhenUntoggled, 128);
        QCOMPARE(stateOf(*panel.pattern).rampLength, 64);
        QVERIFY(panel.ui->pushButton_up->isHidden());
        QVERIFY(panel.ui->pushButton_right->isHidden());
    }

    // Each box sends all three values, so each is checked right after its own change.
    void grayBarBoxesSendWidthStartAndStep()
    {
        Panel panel(2);
        const dialog *window = panel.pattern;
        panel.ui->spinBox_graywid_custom->setValue(12);
        QCOMPARE(stateOf(*window).grayBarWidth, 12);
        panel.ui->spinBox_startgray->setValue(40);
        QCOMPARE(stateOf(*window).grayBarStart, 40);
        panel.ui->spinBox_graydistance->setValue(8);
        QCOMPARE((QVector<int>{ stateOf(*window).grayBarWidth, stateOf(*window).grayBarStart, stateOf(*window).grayBarSpacing }), (QVector<int>{ 12, 40, 8 }));
    }

    void colourWells_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("answer");
        QTest::newRow("dark well accepted") << true << QColor(0x12, 0x34, 0x56);
        QTest::newRow("light well accepted") << false << QColor(0xab, 0xcd, 0xef);
        QTest::newRow("dark well cancelled keeps everything") << true << QColor();
        QTest::newRow("light well cancelled keeps everything") << false << QColor();
    }

    void colourWells()
    {
        QFETCH(bool, dark);
        QFETCH(QColor, answer);
        Panel panel(2);
        QPushButton *well = dark ? panel.ui->pushButton_dark : panel.ui->pushButton_shallow;
        const QString styleBefore = well->styleSheet();
        panel.click("pushButton_ball");
        editState(*panel.pattern).mode = Solid;
        ModalAnswerer answerer(pickColor(answer));
        QTest::mouseClick(well, Qt::LeftButton);
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(well->styleSheet(), answer.isValid() ? QStringLiteral("background-color: ") + answer.name() : styleBefore);
        QCOMPARE(stateOf(*panel.pattern).mode, answer.isValid() ? int(GrayBars) : int(Solid));
        panel.click("pushButton_32"); // a later ramp carries the kept colours
        const QColor picked = answer.isValid() ? answer : dark ? QColor(Qt::black) : QColor(Qt::white);
        QCOMPARE(stateOf(*panel.pattern).rampDarkColor, dark ? picked : QColor(Qt::black));
        QCOMPARE(stateOf(*panel.pattern).rampLightColor, dark ? QColor(Qt::white) : picked);
    }
};

QTEST_MAIN(TestSolidGray)
#include "tst_solidgray.moc"
