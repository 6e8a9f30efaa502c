// The scan-line tab of the control panel: line directions, overlay, speed,
// direction, character test, moving square and the two colour wells.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QMessageBox>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Answers every modal dialog that opens while it lives, from inside the
// dialog's own event loop, so no test ever waits on one.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer) : answer(std::move(answer))
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                ++answered;
                this->answer(modal);
            }
        });
        poll.start(5);
    }
    int answered = 0;

private:
    std::function<void(QWidget *)> answer;
    QTimer poll;
};

std::function<void(QWidget *)> pickColor(const QColor &color)
{
    return [color](QWidget *modal) {
        if (auto *picker = qobject_cast<QColorDialog *>(modal)) {
            picker->setCurrentColor(color);
            picker->accept();
        } else if (auto *box = qobject_cast<QDialog *>(modal)) {
            box->reject();
        }
    };
}

void cancelDialog(QWidget *modal)
{
    if (auto *box = qobject_cast<QDialog *>(modal))
        box->reject();
}

// The panel on its main page with the scan-line tab open.
struct Panel
{
    MainWindow window;
    Ui::MainWindow *ui = window.form();
    dialog *pattern = window.testPatternWindow();

    Panel()
    {
        window.show();
        ui->stackedWidget->setCurrentIndex(0);
        ui->tabWidget->setCurrentIndex(3);
    }

    void click(const QString &name)
    {
        auto *button = window.findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        // Check boxes take the click on their indicator; push buttons anywhere.
        const QPoint where = qobject_cast<QCheckBox *>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    }

    QVector<int> sentDirections() const
    {
        return { pattern->scanHorizontal, pattern->scanVertical, pattern->scanDiagonalLR, pattern->scanDiagonalRL };
    }

    QVector<int> checkedDirections() const
    {
        return { ui->checkBox_hor->isChecked(), ui->checkBox_ver->isChecked(),
                 ui->checkBox_lr->isChecked(), ui->checkBox_rl->isChecked() };
    }
};

enum Change { LineWidth, Gap, Direction, BackgroundColour, LineColour };

} // namespace

Q_DECLARE_METATYPE(Change)

class TestScanLinesPanel : public QObject
{
    Q_OBJECT

private slots:
    void directionBoxes_data();
    void directionBoxes();
    void clickOnCheckedDirectionChangesNothing();
    void changeSwitchesTestsOff_data();
    void changeSwitchesTestsOff();
    void cancelledColourKeepsEverything_data();
    void cancelledColourKeepsEverything();
    void squareKeepsWindowSizeUntilSizeBoxChanges();
    void speed_data();
    void speed();
    void startButtonStopsAndRestarts();
    void directionButton();
};

void TestScanLinesPanel::directionBoxes_data()
{
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<QStringList>("clicks");
    // horizontal, vertical, right-leaning (lr), left-leaning (rl)
    QTest::addColumn<QVector<int>>("expected");

    QTest::newRow("overlay off: 竖线 unchecks 横线")
        << false << QStringList{ "checkBox_hor", "checkBox_ver" } << QVector<int>{ 0, 1, 0, 0 };
    QTest::newRow("overlay on: 横线 and 竖线 both on")
        << true << QStringList{ "checkBox_hor", "checkBox_ver" } << QVector<int>{ 1, 1, 0, 0 };
    QTest::newRow("overlay on: both diagonals on")
        << true << QStringList{ "checkBox_rl", "checkBox_lr" } << QVector<int>{ 0, 0, 1, 1 };
    QTest::newRow("右斜线 alone is passed as lr")
        << false << QStringList{ "checkBox_lr" } << QVector<int>{ 0, 0, 1, 0 };
    QTest::newRow("左斜线 alone is passed as rl")
        << false << QStringList{ "checkBox_rl" } << QVector<int>{ 0, 0, 0, 1 };
    QTest::newRow("overlay on then off keeps both on")
        << true << QStringList{ "checkBox_hor", "checkBox_ver", "checkBox_overlay" } << QVector<int>{ 1, 1, 0, 0 };
}

void TestScanLinesPanel::directionBoxes()
{
    QFETCH(bool, overlay);
    QFETCH(QStringList, clicks);
    QFETCH(QVector<int>, expected);

    Panel panel;
    if (overlay)
        panel.click("checkBox_overlay");
    for (const QString &name : clicks)
        panel.click(name);

    QCOMPARE(panel.checkedDirections(), expected);
    QCOMPARE(panel.pattern->mode, int(ScanLines));
    QCOMPARE(panel.sentDirections(), expected);
}

void TestScanLinesPanel::clickOnCheckedDirectionChangesNothing()
{
    Panel panel;
    panel.click("checkBox_hor");
    panel.click("pushButton_fonttest");
    QCOMPARE(panel.pattern->fontTest, 1);

    panel.click("checkBox_hor");

    QVERIFY(panel.ui->checkBox_hor->isChecked());
    QVERIFY(panel.ui->pushButton_fonttest->isChecked());
    QCOMPARE(panel.pattern->fontTest, 1);
}

void TestScanLinesPanel::changeSwitchesTestsOff_data()
{
    QTest::addColumn<QString>("test");
    QTest::addColumn<Change>("change");

    QTest::newRow("line width, character test") << "pushButton_fonttest" << LineWidth;
    QTest::newRow("line width, square") << "pushButton_square" << LineWidth;
    QTest::newRow("gap, character test") << "pushButton_fonttest" << Gap;
    QTest::newRow("gap, square") << "pushButton_square" << Gap;
    QTest::newRow("direction, character test") << "pushButton_fonttest" << Direction;
    QTest::newRow("direction, square") << "pushButton_square" << Direction;
    QTest::newRow("background colour, character test") << "pushButton_fonttest" << BackgroundColour;
    QTest::newRow("background colour, square") << "pushButton_square" << BackgroundColour;
    QTest::newRow("line colour, character test") << "pushButton_fonttest" << LineColour;
    QTest::newRow("line colour, square") << "pushButton_square" << LineColour;
}

void TestScanLinesPanel::changeSwitchesTestsOff()
{
    QFETCH(QString, test);
    QFETCH(Change, change);

    Panel panel;
    panel.click(test);
    QCOMPARE(panel.pattern->fontTest + panel.pattern->movingSquare, 1);

    const QColor picked(0x12, 0xab, 0x34);
    ModalAnswerer answerer(pickColor(picked));
    switch (change) {
    case LineWidth: panel.ui->spinBox_linwid->setValue(5); break;
    case Gap: panel.ui->spinBox_lined->setValue(7); break;
    case Direction: panel.click("checkBox_ver"); break;
    case BackgroundColour: panel.click("pushButton_bgcol"); break;
    case LineColour: panel.click("pushButton_linecol"); break;
    }

    QVERIFY(!panel.ui->pushButton_fonttest->isChecked());
    QVERIFY(!panel.ui->pushButton_square->isChecked());
    QVERIFY(panel.ui->spinBox_rectsize->isHidden());
    QVERIFY(panel.ui->label_48->isHidden());
    QCOMPARE(panel.pattern->mode, int(ScanLines));
    QCOMPARE(panel.pattern->fontTest, 0);
    QCOMPARE(panel.pattern->movingSquare, 0);

    switch (change) {
    case LineWidth:
        QCOMPARE(panel.pattern->scanLineWidth, 5);
        QCOMPARE(panel.pattern->scanPitch, 5 + 20);
        break;
    case Gap:
        QCOMPARE(panel.pattern->scanPitch, 1 + 7);
        break;
    case Direction:
        QCOMPARE(panel.pattern->scanVertical, 1);
        break;
    case BackgroundColour:
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(panel.pattern->scanBackground, picked);
        QCOMPARE(panel.pattern->scanLineColor, QColor(Qt::white));
        QCOMPARE(panel.ui->pushButton_bgcol->styleSheet(), QStringLiteral("background-color: #12ab34"));
        break;
    case LineColour:
        QCOMPARE(answerer.answered, 1);
        QCOMPARE(panel.pattern->scanLineColor, picked);
        QCOMPARE(panel.pattern->scanBackground, QColor(Qt::black));
        QCOMPARE(panel.ui->pushButton_linecol->styleSheet(), QStringLiteral("background-color: #12ab34"));
        break;
    }
}

void TestScanLinesPanel::cancelledColourKeepsEverything_data()
{
    QTest::addColumn<QString>("well");
    QTest::newRow("background well") << "pushButton_bgcol";
    QTest::newRow("line well") << "pushButton_linecol";
}

void TestScanLinesPanel::cancelledColourKeepsEverything()
{
    QFETCH(QString, well);

    Panel panel;
    const QColor first(0x33, 0x66, 0x99);
    {
        ModalAnswerer answerer(pickColor(first));
        panel.click(well);
    }
    const QColor background = panel.pattern->scanBackground;
    const QColor lines = panel.pattern->scanLineColor;
    panel.click("pushButton_square");
    const QString style = panel.window.findChild<QPushButton *>(well)->styleSheet();

    ModalAnswerer answerer(cancelDialog);
    panel.click(well);

    QCOMPARE(answerer.answered, 1);
    QCOMPARE(panel.window.findChild<QPushButton *>(well)->styleSheet(), style);
    QVERIFY(style.endsWith(QStringLiteral("#336699")));
    // Nothing ran: the square, which any scan-line change switches off, is still on.
    QVERIFY(panel.ui->pushButton_square->isChecked());
    QCOMPARE(panel.pattern->movingSquare, 1);
    QCOMPARE(panel.pattern->scanBackground, background);
    QCOMPARE(panel.pattern->scanLineColor, lines);

    // The next change still sends the colour picked before the cancel.
    panel.ui->spinBox_linwid->setValue(3);
    QCOMPARE(panel.pattern->scanBackground, background);
    QCOMPARE(panel.pattern->scanLineColor, lines);
}

void TestScanLinesPanel::squareKeepsWindowSizeUntilSizeBoxChanges()
{
    Panel panel;
    QVERIFY(panel.ui->spinBox_rectsize->isHidden());

    panel.click("pushButton_square");
    QCOMPARE(panel.pattern->movingSquare, 1);
    QCOMPARE(panel.pattern->squareWidth, 10);
    QVERIFY(panel.ui->spinBox_rectsize->isVisible());
    QVERIFY(panel.ui->label_48->isVisible());

    panel.ui->spinBox_rectsize->setValue(30);
    QCOMPARE(panel.pattern->squareWidth, 30);
    QCOMPARE(panel.pattern->squareHeight, 30);
    QCOMPARE(panel.pattern->movingSquare, 1);

    panel.click("pushButton_fonttest");
    QVERIFY(!panel.ui->pushButton_square->isChecked());
    QCOMPARE(panel.pattern->movingSquare, 0);
    QCOMPARE(panel.pattern->fontTest, 1);
    QVERIFY(panel.ui->spinBox_rectsize->isHidden());
}

void TestScanLinesPanel::speed_data()
{
    QTest::addColumn<bool>("bySlider");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("label");

    QTest::newRow("default 20") << false << 20 << 6400 << "6400ms/pixel";
    QTest::newRow("fastest 99") << false << 99 << 1 << "1ms/pixel";
    QTest::newRow("slowest 1") << false << 1 << 9801 << "9801ms/pixel";
    QTest::newRow("slider to 50 moves the spin box") << true << 50 << 2500 << "2500ms/pixel";
    QTest::newRow("slider to 99") << true << 99 << 1 << "1ms/pixel";
}

void TestScanLinesPanel::speed()
{
    QFETCH(bool, bySlider);
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(QString, label);

    Panel panel;
    QVERIFY(!panel.pattern->scanTimerForTest()->isActive());
    if (bySlider)
        panel.ui->horizontalSlider_linespeed->setValue(speed);
    else if (speed != panel.ui->spinBox_linespeed->value())
        panel.ui->spinBox_linespeed->setValue(speed);
    else
        panel.click("checkBox_hor"); // the default speed is applied by any line change

    QTimer *scanTimer = panel.pattern->scanTimerForTest();
    QVERIFY(scanTimer->isActive());
    QCOMPARE(scanTimer->interval(), interval);
    QCOMPARE(panel.ui->label_speed->text(), label);
    QCOMPARE(panel.ui->spinBox_linespeed->value(), speed);
    QCOMPARE(panel.ui->horizontalSlider_linespeed->value(), speed);
    QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("STOP"));
    QCOMPARE(panel.pattern->scanStep, 1);
}

void TestScanLinesPanel::startButtonStopsAndRestarts()
{
    Panel panel;
    panel.ui->spinBox_linespeed->setValue(90);
    QTimer *scanTimer = panel.pattern->scanTimerForTest();
    QVERIFY(scanTimer->isActive());

    panel.click("pushButton_scanstart");
    QVERIFY(!panel.ui->pushButton_scanstart->isChecked());
    QVERIFY(!scanTimer->isActive());
    QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("START"));

    panel.click("pushButton_scanstart");
    QVERIFY(scanTimer->isActive());
    QCOMPARE(scanTimer->interval(), 100);
    QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("STOP"));
}

void TestScanLinesPanel::directionButton()
{
    Panel panel;
    panel.click("pushButton_scandirection");
    QCOMPARE(panel.pattern->scanDirection, -1);
    panel.click("pushButton_scandirection");
    QCOMPARE(panel.pattern->scanDirection, 1);
}

QTEST_MAIN(TestScanLinesPanel)
#include "tst_scanlines_panel.moc"
