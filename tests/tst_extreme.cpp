// Every control of the panel at its minimum and its maximum, every pattern
// painted at the smallest and the largest window: no crash, no slow paint.
#include "windowstate.h"
#include "mainwindow.h"
#include "startup.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// A hang guard, not a measure (the benchmarks measure): a busy two-core
// machine under the sanitizers stays far below it.
constexpr qint64 SlowestPaintMs = 30000;

struct Selection
{
    const char *name;
    std::function<void(Ui::MainWindow *)> choose;
};

} // namespace

class TestExtreme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPatternAtTheExtremes_data();
    void everyPatternAtTheExtremes();

private:
    void setAllValues(MainWindow &panel, bool maximum);
    void paintAt(dialog *window, const QSize &size, const QString &what);

    QTemporaryDir dir;
    QString picturePath;
};

void TestExtreme::initTestCase()
{
    registerFontSubstitutions();
    QImage picture(3840, 2160, QImage::Format_RGB32);
    picture.fill(QColor(30, 60, 90));
    picturePath = dir.filePath("wall 4K 图片.png");
    QVERIFY(picture.save(picturePath));
}

void TestExtreme::setAllValues(MainWindow &panel, bool maximum)
{
    for (QSpinBox *box : panel.findChildren<QSpinBox *>())
        box->setValue(maximum ? box->maximum() : box->minimum());
    for (QSlider *slider : panel.findChildren<QSlider *>())
        slider->setValue(maximum ? slider->maximum() : slider->minimum());
}

void TestExtreme::paintAt(dialog *window, const QSize &size, const QString &what)
{
    window->resize(size);
    QElapsedTimer clock;
    clock.start();
    window->grab();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < SlowestPaintMs, qPrintable(QString("%1 at %2 × %3 took %4 ms")
                                                  .arg(what).arg(size.width()).arg(size.height()).arg(elapsed)));
}

void TestExtreme::everyPatternAtTheExtremes_data()
{
    QTest::addColumn<bool>("maximum");
    QTest::newRow("every control at its minimum") << false;
    QTest::newRow("every control at its maximum") << true;
}

void TestExtreme::everyPatternAtTheExtremes()
{
    QFETCH(bool, maximum);
    MainWindow panel;
    Ui::MainWindow *ui = panel.form();
    dialog *window = panel.testPatternWindow();

    // A 100 × 100 colour table, tiled with the chosen cell size.
    for (int i = 1; i < 100; ++i) {
        ui->pushButton_addcol->click();
        ui->pushButton_addrow->click();
    }
    QCOMPARE(stateOf(*window).colorList.size(), 10000);
    window->setPicture(picturePath, true);
    QTRY_VERIFY(!pictureOf(*window).isNull());
    setAllValues(panel, maximum);

    const QList<Selection> selections = {
        { "solid red", [](Ui::MainWindow *u) { u->pushButton_red->click(); } },
        { "colour table tiled", [](Ui::MainWindow *u) {
              u->radioButton_manual->click();
              u->checkBox->setChecked(true);
              u->pushButton_showcolbar->click();
          } },
        { "colour table automatic", [](Ui::MainWindow *u) {
              u->radioButton_auto->click();
              u->pushButton_showcolbar->click();
          } },
        { "preset colour bars", [](Ui::MainWindow *u) { u->pushButton_usual->click(); } },
        { "ramp 32", [](Ui::MainWindow *u) { u->pushButton_32->click(); } },
        { "ramp 256 rotated", [](Ui::MainWindow *u) { u->checkBox_rotate->setChecked(true); u->pushButton_256->click(); } },
        { "custom gray bars", [](Ui::MainWindow *u) { u->pushButton_nolimit->click(); } },
        { "ball", [](Ui::MainWindow *u) { u->pushButton_ball->click(); } },
        { "colour chart", [](Ui::MainWindow *u) { u->pushButton_col_graydient_gray->click(); u->pushButton_right->click(); } },
        { "all four scan sets", [](Ui::MainWindow *u) {
              u->checkBox_overlay->setChecked(true);
              for (QAbstractButton *b : { static_cast<QAbstractButton *>(u->checkBox_hor), static_cast<QAbstractButton *>(u->checkBox_ver),
                                          static_cast<QAbstractButton *>(u->checkBox_rl), static_cast<QAbstractButton *>(u->checkBox_lr) })
                  b->setChecked(true);
          } },
        { "character test", [](Ui::MainWindow *u) { u->pushButton_fonttest->click(); } },
        { "moving square", [](Ui::MainWindow *u) { u->pushButton_square->click(); } },
        { "gray blocks", [](Ui::MainWindow *u) { u->pushButton->click(); } },
        { "bright contrast", [](Ui::MainWindow *u) { u->pushButton_2->click(); } },
        { "dark contrast", [](Ui::MainWindow *u) { u->pushButton_3->click(); } },
        { "full-window clock", [](Ui::MainWindow *u) { u->pushButton_fullscreenclock->click(); } },
        { "cabinet clock", [](Ui::MainWindow *u) { u->pushButton_singleclock->click(); } },
        { "grid and circles", [](Ui::MainWindow *u) { u->pushButton_rectcircle->click(); } },
        { "custom picture", [](Ui::MainWindow *u) { u->pushButton_rectcircle_2->click(); } },
    };

    for (const Selection &selection : selections) {
        selection.choose(ui);
        if (QByteArray(selection.name).contains("square")) {
            // The size box reaches the window only when its value changes.
            ui->spinBox_rectsize->setValue(maximum ? 98 : 2);
            ui->spinBox_rectsize->setValue(maximum ? 99 : 1);
        }
        paintAt(window, QSize(50, 50), selection.name);
        paintAt(window, QSize(3840, 2160), selection.name);
        // The scan and square timers advance the state between paints.
        window->updateScan();
        window->updateRect();
        paintAt(window, QSize(3840, 2160), selection.name);
    }
}

QTEST_MAIN(TestExtreme)
#include "tst_extreme.moc"
