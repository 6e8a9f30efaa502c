// The panel's solid-colour, gray-level and gray-bar controls, driven with
// synthesised clicks, checked against the test-pattern window's state.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Answers the next modal colour dialog: accepts with `color`, or cancels when
// `color` is invalid, and sets *answered. Retries until the dialog is up.
void answerColorDialog(const QColor &color, const std::shared_ptr<bool> &answered, int attempts = 200)
{
    QTimer::singleShot(10, [color, answered, attempts] {
        auto *dialogBox = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialogBox) {
            if (attempts > 0)
                answerColorDialog(color, answered, attempts - 1);
            return;
        }
        *answered = true;
        if (color.isValid()) {
            dialogBox->setCurrentColor(color);
            dialogBox->accept();
        } else {
            dialogBox->reject();
        }
    });
}

} // namespace

class TestSolidGray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void swatchSelectsTheColourItShows_data();
    void swatchSelectsTheColourItShows();
    void checkedSwatchSendsAgain();
    void grayValueControlsMirror_data();
    void grayValueControlsMirror();
    void windowTakesGrayValueBeforeSlider();
    void sweepButtonFirstClickKeepsStart();
    void speedChangeStartsSweep_data();
    void speedChangeStartsSweep();

    void rampLengthPerButton_data();
    void rampLengthPerButton();
    void checkBoxBeforeAnyButtonGivesSixteen_data();
    void checkBoxBeforeAnyButtonGivesSixteen();
    void chartWithoutArrowChecksUp();
    void chartDirectionPerArrow_data();
    void chartDirectionPerArrow();
    void leavingChartStopsItBeforeNewRamp();
    void grayBarSpinBoxes_data();
    void grayBarSpinBoxes();
    void colourWell_data();
    void colourWell();

private:
    void click(const char *name);
    void showTab(int index);

    QPointer<MainWindow> panel;
    Ui::MainWindow *ui = nullptr;
    dialog *window = nullptr;
};

void TestSolidGray::init()
{
    panel = new MainWindow;
    ui = panel->form();
    window = panel->testPatternWindow();
    ui->stackedWidget->setCurrentIndex(0);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
}

void TestSolidGray::cleanup()
{
    delete panel;
}

void TestSolidGray::showTab(int index)
{
    ui->tabWidget->setCurrentIndex(index);
}

void TestSolidGray::click(const char *name)
{
    auto *button = panel->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestSolidGray::swatchSelectsTheColourItShows_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("white-named swatch shows black") << "pushButton_white" << QColor(Qt::black);
    QTest::newRow("yellow-named swatch shows white") << "pushButton_yellow" << QColor(Qt::white);
    QTest::newRow("red") << "pushButton_red" << QColor(Qt::red);
    QTest::newRow("green") << "pushButton_green" << QColor(Qt::green);
    QTest::newRow("purple-named swatch shows blue") << "pushButton_purple" << QColor(Qt::blue);
    QTest::newRow("blue-named swatch shows cyan") << "pushButton_blue" << QColor(Qt::cyan);
    QTest::newRow("cyan-named swatch shows magenta") << "pushButton_cyan" << QColor(Qt::magenta);
    QTest::newRow("black-named swatch shows yellow") << "pushButton_black" << QColor(Qt::yellow);
}

void TestSolidGray::swatchSelectsTheColourItShows()
{
    QFETCH(QString, swatch);
    QFETCH(QColor, shown);
    showTab(0);
    window->setMode(GrayBars);
    click(swatch.toLatin1().constData());
    QCOMPARE(window->mode, int(Solid));
    QCOMPARE(window->solidColor, shown);
}

void TestSolidGray::checkedSwatchSendsAgain()
{
    showTab(0);
    click("pushButton_red");
    window->setGrayRamp(64, 0, 0, Qt::black, Qt::white);
    click("pushButton_red");
    QVERIFY(ui->pushButton_red->isChecked());
    QCOMPARE(window->mode, int(Solid));
    QCOMPARE(window->solidColor, QColor(Qt::red));
}

void TestSolidGray::grayValueControlsMirror_data()
{
    QTest::addColumn<bool>("fromSlider");
    QTest::addColumn<int>("value");
    QTest::newRow("spin box to 200") << false << 200;
    QTest::newRow("spin box to 0") << false << 0;
    QTest::newRow("slider to 37") << true << 37;
    QTest::newRow("slider to 254") << true << 254;
}

void TestSolidGray::grayValueControlsMirror()
{
    QFETCH(bool, fromSlider);
    QFETCH(int, value);
    if (fromSlider)
        ui->horizontalSlider_grayvalue->setValue(value);
    else
        ui->spinBox_grayvalue->setValue(value);
    QCOMPARE(ui->spinBox_grayvalue->value(), value);
    QCOMPARE(ui->horizontalSlider_grayvalue->value(), value);
    QCOMPARE(window->grayOffset, 255 - value);
}

void TestSolidGray::windowTakesGrayValueBeforeSlider()
{
    int offsetSeenBySlider = -1;
    connect(ui->horizontalSlider_grayvalue, &QSlider::valueChanged, this,
            [&] { offsetSeenBySlider = window->grayOffset; });
    showTab(0);
    ui->spinBox_grayvalue->selectAll();
    QTest::keyClicks(ui->spinBox_grayvalue, QStringLiteral("100"));
    QCOMPARE(ui->spinBox_grayvalue->value(), 100);
    QCOMPARE(offsetSeenBySlider, 155);
}

void TestSolidGray::sweepButtonFirstClickKeepsStart()
{
    showTab(0);
    QVERIFY(ui->pushButton_graystart->isChecked());
    click("pushButton_graystart");
    QVERIFY(!ui->pushButton_graystart->isChecked());
    QCOMPARE(ui->pushButton_graystart->text(), QStringLiteral("START"));
    QVERIFY(!window->autoGrayTimerForTest()->isActive());

    click("pushButton_graystart");
    QCOMPARE(ui->pushButton_graystart->text(), QStringLiteral("STOP"));
    QVERIFY(window->autoGrayTimerForTest()->isActive());
    QCOMPARE(window->autoGrayTimerForTest()->interval(), 100);
}

void TestSolidGray::speedChangeStartsSweep_data()
{
    QTest::addColumn<bool>("fromSlider");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::newRow("spin box 3 gives 33 ms") << false << 3 << 33;
    QTest::newRow("spin box 99 gives 1 ms") << false << 99 << 1;
    QTest::newRow("slider 60 gives 1 ms") << true << 60 << 1;
    QTest::newRow("slider 7 gives 14 ms") << true << 7 << 14;
}

void TestSolidGray::speedChangeStartsSweep()
{
    QFETCH(bool, fromSlider);
    QFETCH(int, speed);
    QFETCH(int, interval);
    showTab(0);
    click("pushButton_graystart"); // stopped, "START"
    QVERIFY(!window->autoGrayTimerForTest()->isActive());

    if (fromSlider)
        ui->horizontalSlider_grayspeed->setValue(speed);
    else
        ui->spinBox_grayspeed->setValue(speed);

    QCOMPARE(ui->spinBox_grayspeed->value(), speed);
    QCOMPARE(ui->horizontalSlider_grayspeed->value(), speed);
    QVERIFY(ui->pushButton_graystart->isChecked());
    QCOMPARE(ui->pushButton_graystart->text(), QStringLiteral("STOP"));
    QVERIFY(window->autoGrayTimerForTest()->isActive());
    QCOMPARE(window->autoGrayTimerForTest()->interval(), interval);
}

void TestSolidGray::rampLengthPerButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("length");
    QTest::newRow("32") << "pushButton_32" << 32;
    QTest::newRow("64") << "pushButton_64" << 64;
    QTest::newRow("128") << "pushButton_128" << 128;
    QTest::newRow("256") << "pushButton_256" << 256;
    QTest::newRow("custom gives 0") << "pushButton_nolimit" << 0;
    QTest::newRow("ball gives -1") << "pushButton_ball" << -1;
}

void TestSolidGray::rampLengthPerButton()
{
    QFETCH(QString, button);
    QFETCH(int, length);
    showTab(2);
    window->rampLength = 999;
    click(button.toLatin1().constData());
    QCOMPARE(window->mode, int(GrayBars));
    QCOMPARE(window->rampLength, length);
    QCOMPARE(window->rampDarkColor, QColor(Qt::black));
    QCOMPARE(window->rampLightColor, QColor(Qt::white));
}

void TestSolidGray::checkBoxBeforeAnyButtonGivesSixteen_data()
{
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<int>("reverse");
    QTest::addColumn<int>("rotate");
    QTest::newRow("反相") << "checkBox_reverse" << 1 << 0;
    QTest::newRow("旋转") << "checkBox_rotate" << 0 << 1;
}

void TestSolidGray::checkBoxBeforeAnyButtonGivesSixteen()
{
    QFETCH(QString, checkBox);
    QFETCH(int, reverse);
    QFETCH(int, rotate);
    showTab(2);
    click(checkBox.toLatin1().constData());
    QCOMPARE(window->mode, int(GrayBars));
    QCOMPARE(window->rampLength, 16);
    QCOMPARE(window->rampReverse, reverse);
    QCOMPARE(window->rampRotate, rotate);
}

void TestSolidGray::chartWithoutArrowChecksUp()
{
    showTab(2);
    QVERIFY(!ui->pushButton_up->isVisible());
    window->colorRampDirection = 3;
    click("pushButton_col_graydient_gray");
    QVERIFY(ui->pushButton_up->isChecked());
    for (QPushButton *arrow : { ui->pushButton_up, ui->pushButton_down, ui->pushButton_left, ui->pushButton_right })
        QVERIFY(arrow->isVisible());
    QCOMPARE(window->mode, int(GrayBars));
    QCOMPARE(window->colorRampChart, 1);
    QCOMPARE(window->colorRampDirection, 0);
}

void TestSolidGray::chartDirectionPerArrow_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<int>("direction");
    QTest::newRow("↓") << "pushButton_down" << 1;
    QTest::newRow("←") << "pushButton_left" << 2;
    QTest::newRow("→") << "pushButton_right" << 3;
    QTest::newRow("↑") << "pushButton_up" << 0;
}

void TestSolidGray::chartDirectionPerArrow()
{
    QFETCH(QString, arrow);
    QFETCH(int, direction);
    showTab(2);
    click("pushButton_col_graydient_gray");
    window->colorRampDirection = -1;
    click(arrow.toLatin1().constData());
    QCOMPARE(window->colorRampChart, 1);
    QCOMPARE(window->colorRampDirection, direction);
}

void TestSolidGray::leavingChartStopsItBeforeNewRamp()
{
    showTab(2);
    click("pushButton_128");
    click("pushButton_col_graydient_gray");
    QCOMPARE(window->colorRampChart, 1);

    // The chart button's toggle is delivered before the group's click: by
    // then the chart must be off while the old ramp is still in place.
    int chartWhenUntoggled = -1;
    int lengthWhenUntoggled = -1;
    connect(ui->pushButton_col_graydient_gray, &QPushButton::toggled, this, [&] {
        chartWhenUntoggled = window->colorRampChart;
        lengthWhenUntoggled = window->rampLength;
    });
    click("pushButton_64");
    QCOMPARE(chartWhenUntoggled, 0);
    QCOMPARE(lengthWhenUntoggled, 128);
    QCOMPARE(window->rampLength, 64);
    for (QPushButton *arrow : { ui->pushButton_up, ui->pushButton_down, ui->pushButton_left, ui->pushButton_right })
        QVERIFY(arrow->isHidden());
}

void TestSolidGray::grayBarSpinBoxes_data()
{
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("spacing");
    QTest::newRow("level width") << "spinBox_graywid_custom" << 12 << 12 << 0 << 1;
    QTest::newRow("first level") << "spinBox_startgray" << 40 << 1 << 40 << 1;
    QTest::newRow("gray step") << "spinBox_graydistance" << 8 << 1 << 0 << 8;
}

void TestSolidGray::grayBarSpinBoxes()
{
    QFETCH(QString, spinBox);
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(int, start);
    QFETCH(int, spacing);
    panel->findChild<QSpinBox *>(spinBox)->setValue(value);
    QCOMPARE(window->grayBarWidth, width);
    QCOMPARE(window->grayBarStart, start);
    QCOMPARE(window->grayBarSpacing, spacing);
    QCOMPARE(window->mode, int(Solid));
}

void TestSolidGray::colourWell_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("answer");
    QTest::newRow("dark well accepted") << true << QColor(0x12, 0x34, 0x56);
    QTest::newRow("light well accepted") << false << QColor(0xab, 0xcd, 0xef);
    QTest::newRow("dark well cancelled") << true << QColor();
    QTest::newRow("light well cancelled") << false << QColor();
}

void TestSolidGray::colourWell()
{
    QFETCH(bool, dark);
    QFETCH(QColor, answer);
    showTab(2);
    QPushButton *well = dark ? ui->pushButton_dark : ui->pushButton_shallow;
    const QString styleBefore = well->styleSheet();
    click("pushButton_ball");
    window->setSolidColor(Qt::red);

    const auto answered = std::make_shared<bool>(false);
    answerColorDialog(answer, answered);
    QTest::mouseClick(well, Qt::LeftButton);
    QVERIFY(*answered);

    const QColor darkSent = window->rampDarkColor;
    const QColor lightSent = window->rampLightColor;
    if (!answer.isValid()) {
        QCOMPARE(well->styleSheet(), styleBefore);
        QCOMPARE(window->mode, int(Solid));
        // A later ramp still carries the earlier colours.
        click("pushButton_32");
        QCOMPARE(window->rampDarkColor, QColor(Qt::black));
        QCOMPARE(window->rampLightColor, QColor(Qt::white));
        return;
    }
    QCOMPARE(well->styleSheet(), QStringLiteral("background-color: ") + answer.name());
    QCOMPARE(window->mode, int(GrayBars));
    QCOMPARE(window->rampLength, -1);
    QCOMPARE(dark ? darkSent : lightSent, answer);
    QCOMPARE(dark ? lightSent : darkSent, dark ? QColor(Qt::white) : QColor(Qt::black));
}

QTEST_MAIN(TestSolidGray)
#include "tst_solidgray.moc"
