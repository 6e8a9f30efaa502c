// The control panel's pattern tabs, driven with synthesised clicks and checked
// against what the test-pattern window received: solid colours and the gray
// level, the colour-bar table, gray bars, scan lines, contrast and special tests.
#include "dialog.h"
#include "mainwindow.h"
#include "patternname.h"
#include "render.h"
#include "ui_mainwindow.h"
#include "windowstate.h"

#include <QApplication>
#include <QBuffer>
#include <QColorDialog>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Answers every modal dialog that opens while it lives, from inside the
// dialog's own event loop, so no test ever waits on one. Message boxes are
// recorded as "title: text" and closed; other dialogs get `answer`.
class ModalAnswerer : public QObject
{
public:
    using Answer = std::function<void(QDialog *)>;
    explicit ModalAnswerer(Answer answer = &QDialog::reject) : answer(std::move(answer))
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                warnings << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->accept();
            } else {
                ++answered;
                this->answer(modal);
            }
        });
        poll.start(5);
    }
    int answered = 0;
    QStringList warnings;

private:
    Answer answer;
    QTimer poll;
};

// Accepts a colour dialog with `color`; an invalid colour cancels it.
ModalAnswerer::Answer pickColor(const QColor &color)
{
    return [color](QDialog *modal) {
        if (!color.isValid())
            return modal->reject();
        qobject_cast<QColorDialog *>(modal)->setCurrentColor(color);
        modal->accept();
    };
}

ModalAnswerer::Answer chooseFile(const QString &path)
{
    return [path](QDialog *modal) {
        qobject_cast<QFileDialog *>(modal)->selectFile(path);
        modal->accept();
    };
}

// A fresh panel on its main page with one tab open; the window's text is
// hidden so that pixel reads see the pattern alone.
struct Panel
{
    MainWindow window;
    Ui::MainWindow *ui = formOf(window);
    dialog *pattern = window.testPatternWindow();

    explicit Panel(int tab)
    {
        ui->stackedWidget->setCurrentIndex(0);
        ui->tabWidget->setCurrentIndex(tab);
        pattern->setInfoVisible(false);
        window.show();
    }

    template<class T = QAbstractButton>
    T *find(const QString &name) const { return window.findChild<T *>(name); }

    void click(const QString &name)
    {
        auto *button = find(name);
        QVERIFY2(button && button->isVisible(), qPrintable(name));
        // Check boxes take the click on their indicator.
        const bool checkBox = button->inherits("QCheckBox");
        QTest::mouseClick(button, Qt::LeftButton, {}, checkBox ? QPoint(6, button->height() / 2) : button->rect().center());
    }
};

using ColorList = QVector<QColor>;

// Cell (r, c) holds rgb(10 r, 10 c, 99), so a wrong index shows; the listed
// row-major indexes are white, as new cells are.
ColorList grid(int rows, int columns, const QVector<int> &white = {})
{
    ColorList colors;
    for (int i = 0; i < rows * columns; ++i)
        colors << (white.contains(i) ? QColor(Qt::white) : QColor(10 * (i / columns), 10 * (i % columns), 99));
    return colors;
}

void fill(QTableWidget *table, int rows, int columns)
{
    table->setRowCount(rows);
    table->setColumnCount(columns);
    const ColorList colors = grid(rows, columns);
    for (int i = 0; i < colors.size(); ++i) {
        auto *item = new QTableWidgetItem;
        item->setData(Qt::BackgroundRole, colors.at(i));
        table->setItem(i / columns, i % columns, item);
    }
}

QColor pictureColor() { return QColor(200, 40, 60); }

QByteArray encodedPng()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(pictureColor());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Opens the chooser of the custom-picture test and lets `answer` handle it.
void choosePicture(Panel &panel, const ModalAnswerer::Answer &answer, QStringList *warnings = nullptr)
{
    ModalAnswerer answerer(answer);
    panel.click("pushButton_filepath");
    QCOMPARE(answerer.answered, 1);
    // The picture decodes in the background; a problem is reported when it ends.
    QTRY_VERIFY(!panel.pattern->isPictureDecoding());
    QCoreApplication::processEvents();
    if (warnings)
        *warnings = answerer.warnings;
}

QColor shownAt(Panel &panel, int x, int y) { return panel.pattern->grab().toImage().pixelColor(x, y); }

PatternName parsed(const QString &text)
{
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        qWarning("%s", qPrintable(error));
    return name;
}

QImage rendered(PatternState state)
{
    state.infoVisible = false;
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    PatternRenderer().render(painter, state, image.rect(), QPoint());
    return image;
}

} // namespace

class TestPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir files;

private slots:
    // ---- Solid colour and gray level ----

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
        panel.ui->spinBox_grayspeed->setValue(60); // from 60 on, every millisecond
        QCOMPARE(sweep->interval(), 1);
    }

    // ---- Colour-bar table: every edit sends the whole table, row-major ----

    void tableEditSendsWholeTable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QSize>("before"); // columns × rows
        QTest::addColumn<QSize>("after");
        QTest::addColumn<ColorList>("sent");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("1 × 1 minus column warns and still sends 1 colour") << "pushButton_mincol" << QSize(1, 1)
            << QSize(1, 1) << grid(1, 1) << QStringList{ "WARNING: the minimum number of column is 1" };
        QTest::newRow("1 × 1 minus row warns and still sends 1 colour") << "pushButton_minrow" << QSize(1, 1)
            << QSize(1, 1) << grid(1, 1) << QStringList{ "WARNING: the minimum number of row is 1" };
        QTest::newRow("2 × 3 plus column: white cells at 3 and 7") << "pushButton_addcol" << QSize(3, 2)
            << QSize(4, 2) << grid(2, 4, { 3, 7 }) << QStringList();
        QTest::newRow("2 × 3 plus row: white cells 6 to 8") << "pushButton_addrow" << QSize(3, 2)
            << QSize(3, 3) << grid(3, 3, { 6, 7, 8 }) << QStringList();
        QTest::newRow("2 × 3 minus column drops the last") << "pushButton_mincol" << QSize(3, 2)
            << QSize(2, 2) << grid(2, 2) << QStringList();
        QTest::newRow("2 × 3 minus row drops the last") << "pushButton_minrow" << QSize(3, 2)
            << QSize(3, 1) << grid(1, 3) << QStringList();
        QTest::newRow("preset: 7 colours, 7 columns, 1 row") << "pushButton_usual" << QSize(2, 3) << QSize(7, 1)
            << ColorList{ Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow } << QStringList();
    }

    void tableEditSendsWholeTable()
    {
        QFETCH(QString, button);
        QFETCH(QSize, before);
        QFETCH(QSize, after);
        QFETCH(ColorList, sent);
        QFETCH(QStringList, warnings);
        Panel panel(1);
        fill(panel.ui->tableWidget, before.height(), before.width());
        QSignalSpy spy(&panel.window, &MainWindow::sendcolorlist);
        ModalAnswerer answerer;
        panel.click(button);
        QCOMPARE(answerer.warnings, warnings);
        QCOMPARE(spy.count(), 1);
        // The window receives the list through the string-based connection.
        const PatternState &state = stateOf(*panel.pattern);
        QCOMPARE(state.colorList, sent);
        QCOMPARE(QSize(state.colorColumns, state.colorRows), after);
        QCOMPARE(state.mode, int(ColorBars));
        QVERIFY(panel.ui->radioButton_manual->isEnabled());
    }

    void tableAutomaticModeSendsNoSize()
    {
        Panel panel(1);
        const PatternState &state = stateOf(*panel.pattern);
        const auto sizing = [&] { return QVector<int>{ state.autoCellSize, state.cellWidth, state.cellHeight, state.tileColorBars }; };
        panel.click("pushButton_usual");
        panel.click("radioButton_manual");
        panel.ui->spinBox_barwid->setValue(1080);
        panel.ui->spinBox_barhei->setValue(45);
        panel.click("checkBox");
        QCOMPARE(sizing(), (QVector<int>{ false, 1080, 45, true }));

        panel.click("radioButton_auto");
        QVERIFY(!panel.ui->spinBox_barwid->isEnabled());
        QVERIFY(!panel.ui->checkBox->isEnabled());
        panel.click("pushButton_addcol");
        QCOMPARE(sizing(), (QVector<int>{ true, 0, 0, false }));
    }

    void tableCellDialog_data()
    {
        QTest::addColumn<QColor>("answer");
        QTest::newRow("accepted colour fills the cell and is sent") << QColor(0x20, 0x40, 0x60);
        QTest::newRow("cancelled dialog changes nothing") << QColor();
    }

    void tableCellDialog()
    {
        QFETCH(QColor, answer);
        Panel panel(1);
        panel.click("pushButton_usual");
        panel.pattern->setMode(Solid);
        QTableWidget *table = panel.ui->tableWidget;
        const QPoint centre = table->visualRect(table->model()->index(0, 2)).center();
        ModalAnswerer answerer(pickColor(answer));
        // As the system delivers it: a click, then the second press as a double-click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(answerer.answered, 1);
        const QColor cell = answer.isValid() ? answer : QColor(Qt::blue);
        QCOMPARE(table->item(0, 2)->data(Qt::BackgroundRole).value<QColor>(), cell);
        QCOMPARE(stateOf(*panel.pattern).mode, answer.isValid() ? int(ColorBars) : int(Solid));
        if (answer.isValid())
            QCOMPARE(stateOf(*panel.pattern).colorList, (ColorList{ Qt::red, Qt::green, cell, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow }));
    }

    // ---- Gray bars ----

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
        const PatternState &state = stateOf(*panel.pattern);
        panel.ui->spinBox_graywid_custom->setValue(12);
        QCOMPARE(state.grayBarWidth, 12);
        panel.ui->spinBox_startgray->setValue(40);
        QCOMPARE(state.grayBarStart, 40);
        panel.ui->spinBox_graydistance->setValue(8);
        QCOMPARE((QVector<int>{ state.grayBarWidth, state.grayBarStart, state.grayBarSpacing }), (QVector<int>{ 12, 40, 8 }));
    }

    // ---- Scan lines ----

    void scanDirectionBoxes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QVector<int>>("expected"); // 横线, 竖线, 右斜线 (lr), 左斜线 (rl), character test
        QTest::newRow("overlay off: 竖线 unchecks 横线 and the character test")
            << QStringList{ "pushButton_fonttest", "checkBox_hor", "checkBox_ver" } << QVector<int>{ 0, 1, 0, 0, 0 };
        QTest::newRow("overlay on then off keeps 横线 and 竖线 both on")
            << QStringList{ "checkBox_overlay", "checkBox_hor", "checkBox_ver", "checkBox_overlay" } << QVector<int>{ 1, 1, 0, 0, 0 };
        QTest::newRow("右斜线 alone is passed as lr") << QStringList{ "checkBox_lr" } << QVector<int>{ 0, 0, 1, 0, 0 };
        QTest::newRow("左斜线 alone is passed as rl") << QStringList{ "checkBox_rl" } << QVector<int>{ 0, 0, 0, 1, 0 };
        QTest::newRow("clicking the checked 横线 changes nothing")
            << QStringList{ "checkBox_hor", "pushButton_fonttest", "checkBox_hor" } << QVector<int>{ 1, 0, 0, 0, 1 };
    }

    void scanDirectionBoxes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QVector<int>, expected);
        Panel panel(3);
        for (const QString &name : clicks)
            panel.click(name);
        const Ui::MainWindow *ui = panel.ui;
        const PatternState &state = stateOf(*panel.pattern);
        QCOMPARE((QVector<int>{ ui->checkBox_hor->isChecked(), ui->checkBox_ver->isChecked(), ui->checkBox_lr->isChecked(),
                                ui->checkBox_rl->isChecked(), ui->pushButton_fonttest->isChecked() }), expected);
        QCOMPARE((QVector<int>{ state.scanHorizontal, state.scanVertical, state.scanDiagonalLR, state.scanDiagonalRL, state.fontTest }), expected);
        QCOMPARE(state.mode, int(ScanLines));
    }

    void scanChangeSwitchesTestsOff_data()
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
    void scanChangeSwitchesTestsOff()
    {
        QFETCH(QString, test);
        QFETCH(QString, control);
        Panel panel(3);
        panel.click(test);
        const PatternState &state = stateOf(*panel.pattern);
        QCOMPARE(state.fontTest + state.movingSquare, 1);
        const QColor picked(0x12, 0xab, 0x34);
        ModalAnswerer answerer(pickColor(picked));
        if (auto *box = panel.find<QSpinBox>(control))
            box->setValue(control == "spinBox_linwid" ? 5 : 7);
        else
            panel.click(control);
        QVERIFY(!panel.ui->pushButton_fonttest->isChecked());
        QVERIFY(!panel.ui->pushButton_square->isChecked());
        QVERIFY(panel.ui->spinBox_rectsize->isHidden());
        QCOMPARE(state.mode, int(ScanLines));
        QCOMPARE(state.fontTest + state.movingSquare, 0);
        QCOMPARE(answerer.answered, int(control.endsWith("col")));
        QCOMPARE(state.scanLineWidth, control == "spinBox_linwid" ? 5 : 1);
        QCOMPARE(state.scanPitch, control == "spinBox_linwid" ? 5 + 20 : control == "spinBox_lined" ? 1 + 7 : 1 + 20);
        QCOMPARE(state.scanBackground, control == "pushButton_bgcol" ? picked : QColor(Qt::black));
        QCOMPARE(state.scanLineColor, control == "pushButton_linecol" ? picked : QColor(Qt::white));
    }

    void squareKeepsWindowSizeUntilSizeBoxChanges()
    {
        Panel panel(3);
        const PatternState &state = stateOf(*panel.pattern);
        panel.click("pushButton_square");
        QCOMPARE(state.movingSquare, 1);
        QCOMPARE(state.squareWidth, 10);
        QVERIFY(panel.ui->spinBox_rectsize->isVisible());
        panel.ui->spinBox_rectsize->setValue(30);
        QCOMPARE(QSize(state.squareWidth, state.squareHeight), QSize(30, 30));
        panel.click("pushButton_fonttest");
        QCOMPARE(state.movingSquare, 0);
        QVERIFY(panel.ui->spinBox_rectsize->isHidden());
    }

    void scanSpeed_data()
    {
        QTest::addColumn<bool>("bySlider");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("interval"); // ms per pixel, also the label's number
        QTest::newRow("default 20") << false << 20 << 6400;
        QTest::newRow("fastest 99") << false << 99 << 1;
        QTest::newRow("slider to 50 moves the spin box") << true << 50 << 2500;
    }

    void scanSpeed()
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
        // A second or more is shown in seconds, so that the box holds it.
        QCOMPARE(panel.ui->label_speed->text(), interval < 1000 ? QString::number(interval) + "ms/pixel"
                                                               : QString::number(interval / 1000.0, 'f', 1) + "s/pixel");
        QCOMPARE(panel.ui->spinBox_linespeed->value(), speed);
        QCOMPARE(panel.ui->horizontalSlider_linespeed->value(), speed);
        QCOMPARE(panel.ui->pushButton_scanstart->text(), QStringLiteral("STOP"));
    }

    void scanStartAndDirectionButtons()
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
        for (int direction : { -1, 1 }) {
            panel.click("pushButton_scandirection");
            QCOMPARE(stateOf(*panel.pattern).scanDirection, direction);
        }
    }

    // ---- The four colour wells ----

    void colourWells_data()
    {
        QTest::addColumn<int>("well");
        QTest::addColumn<QColor>("answer");
        QTest::newRow("ramp dark well accepted") << int(MainWindow::DarkWell) << QColor(0x12, 0x34, 0x56);
        QTest::newRow("ramp light well accepted") << int(MainWindow::LightWell) << QColor(0xab, 0xcd, 0xef);
        QTest::newRow("ramp dark well cancelled") << int(MainWindow::DarkWell) << QColor();
        QTest::newRow("ramp light well cancelled") << int(MainWindow::LightWell) << QColor();
        QTest::newRow("scan background well cancelled") << int(MainWindow::BackgroundWell) << QColor();
        QTest::newRow("scan line well cancelled") << int(MainWindow::LineWell) << QColor();
    }

    // A cancelled dialog keeps the colour picked before and runs nothing: the
    // window stays on the other pattern; a later change sends the kept colour.
    // The scan wells' accepted colours are in scanChangeSwitchesTestsOff.
    void colourWells()
    {
        QFETCH(int, well);
        QFETCH(QColor, answer);
        const bool ramp = well <= MainWindow::LightWell;
        const char *wells[] = { "pushButton_dark", "pushButton_shallow", "pushButton_bgcol", "pushButton_linecol" };
        Panel panel(ramp ? 2 : 3);
        const QColor first(0x33, 0x66, 0x99);
        {
            ModalAnswerer answerer(pickColor(first));
            panel.click(wells[well]);
        }
        panel.click(ramp ? "pushButton_ball" : "pushButton_square");
        panel.pattern->setMode(Solid);
        ModalAnswerer answerer(pickColor(answer));
        panel.click(wells[well]);
        QCOMPARE(answerer.answered, 1);
        const QColor kept = answer.isValid() ? answer : first;
        QCOMPARE(panel.window.wellColor(MainWindow::ColorWell(well)), kept);
        QCOMPARE(stateOf(*panel.pattern).mode, answer.isValid() ? int(GrayBars) : int(Solid));
        panel.click(ramp ? "pushButton_32" : "checkBox_hor");
        const PatternState &state = stateOf(*panel.pattern);
        const QColor sent[] = { state.rampDarkColor, state.rampLightColor, state.scanBackground, state.scanLineColor };
        QCOMPARE(sent[well], kept);
    }

    // ---- Contrast and special tests ----

    // Clicks on one tab, the window moved to an unknown mode and its clock to
    // a minute before each, so that a click that sends nothing shows. The
    // expected values are of the window's state or, by object name, a button's
    // checked state.
    void clicksSend_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("expected");
        const auto row = [](const QString &name, int tab, const QString &clicks, const QString &expected) {
            QTest::newRow(qPrintable(name)) << tab << clicks.split(' ') << expected;
        };
        // The swatches' object names do not match their colours; place order decides.
        const char *swatches[] = { "white", "yellow", "red", "green", "purple", "blue", "cyan", "black" };
        const Qt::GlobalColor shown[] = { Qt::black, Qt::white, Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow };
        for (int i = 0; i < 8; ++i)
            row(QStringLiteral("pushButton_%1 shows %2").arg(swatches[i], QColor(shown[i]).name()), 0,
                QStringLiteral("pushButton_") + swatches[i], "mode=Solid color=" + QColor(shown[i]).name());
        row("the checked swatch clicked again is sent again", 0, "pushButton_red pushButton_red", "mode=Solid color=#ff0000");
        for (int length : { 32, 64, 128, 256 })
            row(QStringLiteral("ramp %1").arg(length), 2, QStringLiteral("pushButton_%1").arg(length),
                QStringLiteral("mode=GrayBars ramp=%1 reverse=0 rotate=0 chart=0").arg(length));
        row("custom bars give 0", 2, "pushButton_nolimit", "mode=GrayBars ramp=0 reverse=0");
        row("ball gives -1", 2, "pushButton_ball", "mode=GrayBars ramp=-1 reverse=0");
        row("反相 before any button gives 16", 2, "checkBox_reverse", "mode=GrayBars ramp=16 reverse=1 rotate=0");
        row("旋转 before any button gives 16", 2, "checkBox_rotate", "mode=GrayBars ramp=16 reverse=0 rotate=1");
        row("chart with no arrow checks ↑", 2, "pushButton_col_graydient_gray", "mode=GrayBars chart=1 direction=0 pushButton_up=1");
        // An arrow click fails unless the chart showed the arrows.
        row("chart ↓", 2, "pushButton_col_graydient_gray pushButton_down", "mode=GrayBars chart=1 direction=1 pushButton_down=1");
        row("chart ←", 2, "pushButton_col_graydient_gray pushButton_left", "mode=GrayBars chart=1 direction=2 pushButton_left=1");
        row("chart →", 2, "pushButton_col_graydient_gray pushButton_right", "mode=GrayBars chart=1 direction=3 pushButton_right=1");
        row("隐藏文字 before any test passes -1", 4, "checkBox_hidefont", "mode=GrayBlocks blocks=-1 hide=1");
        row("灰度块", 4, "pushButton", "mode=GrayBlocks blocks=0 hide=0");
        row("对比度(亮) with hidden text", 4, "checkBox_hidefont pushButton_2", "mode=GrayBlocks blocks=1 hide=1");
        row("隐藏文字 ticked and unticked on 对比度(暗)", 4, "pushButton_3 checkBox_hidefont checkBox_hidefont", "mode=GrayBlocks blocks=2 hide=0");
        row("checked 对比度(亮) clicked again is sent again", 4, "pushButton_2 pushButton_2", "mode=GrayBlocks blocks=1 hide=0");
        row("大屏", 5, "pushButton_fullscreenclock", "mode=Special special=0 clock=00:00.000");
        row("箱体", 5, "pushButton_singleclock", "mode=Special special=1 clock=00:00.000");
        row("自定义图片", 5, "pushButton_rectcircle_2", "mode=Special special=3");
        row("箱体 then 黑底方格圆圈", 5, "pushButton_singleclock pushButton_rectcircle", "mode=Special special=2");
        row("自定义图片 then 大屏", 5, "pushButton_rectcircle_2 pushButton_fullscreenclock", "mode=Special special=0 clock=00:00.000");
        row("checked 箱体 clicked again restarts the clock", 5, "pushButton_singleclock pushButton_singleclock",
            "mode=Special special=1 clock=00:00.000");
    }

    void clicksSend()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, clicks);
        QFETCH(QString, expected);
        Panel panel(tab);
        PatternState &state = editState(*panel.pattern);
        for (const QString &name : clicks) {
            state.mode = -1;
            state.delayTime = QTime(0, 1);
            state.rampLength = 999;
            panel.click(name);
        }
        const char *modes[] = { "Solid", "ColorBars", "GrayBars", "ScanLines", "GrayBlocks", "Special" };
        const QMap<QString, QString> values{
            { "mode", state.mode >= 0 && state.mode <= 5 ? modes[state.mode] : QString::number(state.mode) },
            { "color", state.solidColor.name() }, { "ramp", QString::number(state.rampLength) },
            { "reverse", QString::number(state.rampReverse) }, { "rotate", QString::number(state.rampRotate) },
            { "chart", QString::number(state.colorRampChart) }, { "direction", QString::number(state.colorRampDirection) },
            { "blocks", QString::number(state.grayBlockType) }, { "hide", QString::number(state.hideBlockText) },
            { "special", QString::number(state.specialType) }, { "clock", state.delayTime.toString("mm:ss.zzz") },
        };
        QStringList actual;
        for (const QString &item : expected.split(' ')) {
            const QString key = item.section('=', 0, 0);
            actual << key + '=' + (values.contains(key) ? values.value(key) : QString::number(panel.find(key)->isChecked()));
        }
        QCOMPARE(actual.join(' '), expected);
    }

    // The cabinet size shows with 箱体 alone, the picture controls with 自定义图片 alone.
    void specialControlsShowWithTheirTest()
    {
        Panel panel(5);
        for (int type : { 1, 3, 0, 2 }) {
            const char *buttons[] = { "pushButton_fullscreenclock", "pushButton_singleclock", "pushButton_rectcircle", "pushButton_rectcircle_2" };
            panel.click(buttons[type]);
            for (const char *name : { "spinBox_timedelayw", "spinBox_timedelayh" })
                QVERIFY2(panel.find<QWidget>(name)->isVisible() == (type == 1), name);
            for (const char *name : { "pushButton_filepath", "label_filepath", "checkBox_scale", "checkBox_noscale" })
                QVERIFY2(panel.find<QWidget>(name)->isVisible() == (type == 3), name);
        }
    }

    // The pattern a click shows is the one its name gives.
    void nameGivesPanelPicture_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("text");
        QTest::newRow("red swatch") << 0 << QStringList{ "pushButton_red" } << "solid:color=red";
        QTest::newRow("common colour bars") << 1 << QStringList{ "pushButton_usual" } << "bars:preset";
        QTest::newRow("ramp 128") << 2 << QStringList{ "pushButton_128" } << "ramp:period=128";
        QTest::newRow("ball inverted") << 2 << QStringList{ "checkBox_reverse", "pushButton_ball" } << "ball:reverse";
        QTest::newRow("chart to the left") << 2 << QStringList{ "pushButton_col_graydient_gray", "pushButton_left" } << "chart:direction=left";
        QTest::newRow("dark contrast") << 4 << QStringList{ "pushButton_3" } << "contrast:level=dark,labels";
        QTest::newRow("grid and circles") << 5 << QStringList{ "pushButton_rectcircle" } << "grid";
    }

    void nameGivesPanelPicture()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, clicks);
        QFETCH(QString, text);
        Panel panel(tab);
        for (const QString &click : clicks)
            panel.click(click);
        dialog named;
        named.showPattern(parsed(text));
        QCOMPARE(rendered(named.state()), rendered(panel.pattern->state()));
        QCOMPARE(named.scanInterval(), panel.pattern->scanInterval());
        QCOMPARE(printPatternName(panel.pattern->patternName()), printPatternName(parsed(text)));
    }

    // Each box re-sends the running clock, so each must restart it.
    void cabinetSizeResendsClock()
    {
        Panel panel(5);
        panel.click("pushButton_fullscreenclock");
        const PatternState &state = stateOf(*panel.pattern);
        for (QSpinBox *box : { panel.ui->spinBox_timedelayw, panel.ui->spinBox_timedelayh }) {
            QTRY_VERIFY(state.delayTime > QTime(0, 0));
            box->setValue(box == panel.ui->spinBox_timedelayw ? 500 : 300);
            QCOMPARE(state.delayTime, QTime(0, 0));
        }
        QCOMPARE(state.specialType, 0);
        QCOMPARE(QSize(state.cabinetWidth, state.cabinetHeight), QSize(500, 300));
    }

    void fitBeforeAnyFileDoesNothing()
    {
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        panel.click("checkBox_scale");
        QVERIFY(panel.ui->checkBox_scale->isChecked());
        QVERIFY(!stateOf(*panel.pattern).pictureFit);
        QVERIFY(stateOf(*panel.pattern).picturePath.isEmpty());
    }

    void chosenPictureShownAndKeptOnCancel()
    {
        QVERIFY(QDir(files.path()).mkpath(QStringLiteral("照片 目录")));
        const QString path = files.filePath(QStringLiteral("照片 目录/测试 图片.png"));
        QVERIFY(writeFile(path, encodedPng()));
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        QStringList warnings;
        choosePicture(panel, chooseFile(path), &warnings);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());
        QCOMPARE(shownAt(panel, 100, 100), QColor(Qt::black));

        // Cancelled, the chooser keeps everything; it offers the last file, the
        // usual formats first and every other format the reader knows after them.
        QStringList filters;
        QString caption, offered;
        choosePicture(panel, [&](QDialog *modal) {
            auto *chooser = qobject_cast<QFileDialog *>(modal);
            filters = chooser->nameFilters();
            caption = chooser->windowTitle();
            offered = chooser->selectedFiles().value(0);
            chooser->reject();
        });
        QCOMPARE(caption, QStringLiteral("OpenImage"));
        QCOMPARE(offered, path);
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters.first(), QStringLiteral("Image Files(*.png *.jpg *.bmp)"));
        for (const QByteArray &format : QImageReader::supportedImageFormats()) {
            if (format != "png" && format != "jpg" && format != "bmp")
                QVERIFY2(filters.last().contains(QStringLiteral("*.") + QString::fromLatin1(format)), format.constData());
        }
        QCOMPARE(panel.ui->label_filepath->text(), path);
        QCOMPARE(stateOf(*panel.pattern).picturePath, path);

        panel.click("checkBox_scale"); // the fit box works on the kept picture
        QVERIFY(stateOf(*panel.pattern).pictureFit);
        QCOMPARE(shownAt(panel, 400, 400), pictureColor());
    }

    // The reasons themselves are tst_picture's; here the panel's side of it.
    void badPictureIsReported_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("vanishes");
        QTest::addColumn<QString>("why");
        // A 65-byte PNG: a valid header claiming 60000 × 60000 RGB pixels, an empty data chunk and the end.
        const QByteArray hugeHeader = QByteArray::fromHex("89504e470d0a1a0a" "0000000d494844520000ea600000ea6008020000000fb0e215"
                                                          "0000000849444154789c030000000001480689d2" "0000000049454e44ae426082");
        QTest::newRow("file removed after it was chosen") << "gone.png" << encodedPng() << true << "does not exist";
        QTest::newRow("text file named .png") << "notes.png" << QByteArray("shopping list\n") << false << "not a picture";
        QTest::newRow("header claims 60000 × 60000") << "huge.png" << hugeHeader << false << "60000 × 60000";
    }

    // The message names the file and the fault, nothing is drawn, and the
    // same file mended and chosen again is read afresh.
    void badPictureIsReported()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, vanishes);
        QFETCH(QString, why);
        const QString good = files.filePath(QStringLiteral("good.png"));
        const QString bad = files.filePath(fileName);
        QVERIFY(writeFile(good, encodedPng()));
        QVERIFY(writeFile(bad, content));
        Panel panel(5);
        panel.click("pushButton_rectcircle_2");
        choosePicture(panel, chooseFile(good));
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());

        QStringList warnings;
        choosePicture(panel, [&](QDialog *modal) {
            chooseFile(bad)(modal);
            if (vanishes)
                QFile::remove(bad);
        }, &warnings);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains(QDir::toNativeSeparators(bad)) && warnings.first().contains(why),
                 qPrintable(warnings.first()));
        QCOMPARE(QStringLiteral("WARNING: ") + panel.ui->label_filepath->toolTip(), warnings.first());
        QCOMPARE(panel.ui->label_filepath->text(), bad);
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());

        QVERIFY(writeFile(bad, encodedPng()));
        choosePicture(panel, chooseFile(bad), &warnings);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(shownAt(panel, 10, 10), pictureColor());
    }
};

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
