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
        QTest::newRow("white-named swatch shows black") << QStringList{ "pushButton_white" } << QColor(Qt::black);
        QTest::newRow("yellow-named swatch shows white") << QStringList{ "pushButton_yellow" } << QColor(Qt::white);
        QTest::newRow("red") << QStringList{ "pushButton_red" } << QColor(Qt::red);
        QTest::newRow("green") << QStringList{ "pushButton_green" } << QColor(Qt::green);
        QTest::newRow("purple-named swatch shows blue") << QStringList{ "pushButton_purple" } << QColor(Qt::blue);
        QTest::newRow("blue-named swatch shows cyan") << QStringList{ "pushButton_blue" } << QColor(Qt::cyan);
        QTest::newRow("cyan-named swatch shows magenta") << QStringList{ "pushButton_cyan" } << QColor(Qt::magenta);
        QTest::newRow("black-named swatch shows yellow") << QStringList{ "pushButton_black" } << QColor(Qt::yellow);
        QTest::newRow("the checked swatch clicked again is sent again")
            << QStringList{ "pushButton_red", "pushButton_red" } << QColor(Qt::red);
    }

    void swatches()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QColor, shown);
        Panel panel(0);
        for (const QString &swatch : clicks) {
            panel.pattern->mode = GrayBars;
            panel.click(swatch);
        }
        QCOMPARE(panel.pattern->mode, int(Solid));
        QCOMPARE(panel.pattern->solidColor, shown);
    }

    void grayValueBoxAndSliderMirror()
    {
        Panel panel(0);
        // The window must take a typed value before the slider follows it.
        int offsetSeenBySlider = -1;
        connect(panel.ui->horizontalSlider_grayvalue, &QSlider::valueChanged, this,
                [&] { offsetSeenBySlider = panel.pattern->grayOffset; });
        panel.ui->spinBox_grayvalue->selectAll();
        QTest::keyClicks(panel.ui->spinBox_grayvalue, QStringLiteral("100"));
        QCOMPARE(panel.ui->horizontalSlider_grayvalue->value(), 100);
        QCOMPARE(offsetSeenBySlider, 155);

        panel.ui->horizontalSlider_grayvalue->setValue(37);
        QCOMPARE(panel.ui->spinBox_grayvalue->value(), 37);
        QCOMPARE(panel.pattern->grayOffset, 255 - 37);
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
        panel.ui->spinBox_grayspeed->setValue(99);
        QCOMPARE(panel.ui->horizontalSlider_grayspeed->value(), 99);
        QCOMPARE(sweep->interval(), 1);
    }

    void rampLengths_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("reverse");
        QTest::addColumn<int>("rotate");
        QTest::newRow("32") << "pushButton_32" << 32 << 0 << 0;
        QTest::newRow("64") << "pushButton_64" << 64 << 0 << 0;
        QTest::newRow("128") << "pushButton_128" << 128 << 0 << 0;
        QTest::newRow("256") << "pushButton_256" << 256 << 0 << 0;
        QTest::newRow("custom gives 0") << "pushButton_nolimit" << 0 << 0 << 0;
        QTest::newRow("ball gives -1") << "pushButton_ball" << -1 << 0 << 0;
        QTest::newRow("反相 before any button gives 16") << "checkBox_reverse" << 16 << 1 << 0;
        QTest::newRow("旋转 before any button gives 16") << "checkBox_rotate" << 16 << 0 << 1;
    }

    void rampLengths()
    {
        QFETCH(QString, button);
        QFETCH(int, length);
        QFETCH(int, reverse);
        QFETCH(int, rotate);
        Panel panel(2);
        panel.pattern->rampLength = 999;
        panel.click(button);
        QCOMPARE(panel.pattern->mode, int(GrayBars));
        QCOMPARE(panel.pattern->rampLength, length);
        QCOMPARE(panel.pattern->rampReverse, reverse);
        QCOMPARE(panel.pattern->rampRotate, rotate);
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
        panel.pattern->colorRampDirection = -1;
        panel.click("pushButton_col_graydient_gray");
        if (!arrow.isEmpty())
            panel.click(arrow); // fails unless the chart showed the arrows
        const QVector<QPushButton *> arrows{ panel.ui->pushButton_up, panel.ui->pushButton_down,
                                             panel.ui->pushButton_left, panel.ui->pushButton_right };
        QVERIFY(arrows.at(direction)->isChecked());
        QVERIFY(panel.ui->pushButton_right->isVisible());
        QCOMPARE(panel.pattern->mode, int(GrayBars));
        QCOMPARE(panel.pattern->colorRampChart, 1);
        QCOMPARE(panel.pattern->colorRampDirection, direction);
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
            chartWhenUntoggled = panel.pattern->colorRampChart;
            lengthWhenUntoggled = panel.pattern->rampLength;
        });
        panel.click("pushButton_64");
        QCOMPARE(chartWhenUntoggled, 0);
        QCOMPARE(lengthWhenUntoggled, 128);
        QCOMPARE(panel.pattern->rampLength, 64);
        QVERIFY(panel.ui->pushButton_up->isHidden());
        QVERIFY(panel.ui->pushButton_right->isHidden());
    }

    void grayBars_data()
    {
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<int>("value");
        QTest::addColumn<QVector<int>>("sent"); // width, first level, step
        QTest::newRow("level width") << "spinBox_graywid_custom" << 12 << QVector<int>{ 12, 0, 1 };
        QTest::newRow("first level") << "spinBox_startgray" << 40 << QVector<int>{ 1, 40, 1 };
        QTest::newRow("gray step") << "spinBox_graydistance" << 8 << QVector<int>{ 1, 0, 8 };
    }

    void grayBars()
    {
        QFETCH(QString, spinBox);
        QFETCH(int, value);
        QFETCH(QVector<int>, sent);
        Panel panel(2);
        panel.find<QSpinBox>(spinBox)->setValue(value);
        const dialog *window = panel.pattern;
        QCOMPARE((QVector<int>{ window->grayBarWidth, window->grayBarStart, window->grayBarSpacing }), sent);
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
        panel.pattern->mode = Solid;
        ModalAnswerer answerer(pickColor(answer));
        QTest::mouseClick(well, Qt::LeftButton);
        QCOMPARE(answerer.answered, 1);
        if (answer.isValid()) {
            QCOMPARE(well->styleSheet(), QStringLiteral("background-color: ") + answer.name());
            QCOMPARE(panel.pattern->mode, int(GrayBars));
            QCOMPARE(panel.pattern->rampLength, -1);
        } else {
            QCOMPARE(well->styleSheet(), styleBefore);
            QCOMPARE(panel.pattern->mode, int(Solid));
            panel.click("pushButton_32"); // a later ramp still carries the earlier colours
        }
        const QColor picked = answer.isValid() ? answer : dark ? QColor(Qt::black) : QColor(Qt::white);
        QCOMPARE(panel.pattern->rampDarkColor, dark ? picked : QColor(Qt::black));
        QCOMPARE(panel.pattern->rampLightColor, dark ? QColor(Qt::white) : picked);
    }
};

QTEST_MAIN(TestSolidGray)
#include "tst_solidgray.moc"
