// A hang and crash guard: every control of the panel at its minimum and its
// maximum, every pattern painted at the smallest and the largest window.
#include "windowstate.h"
#include "mainwindow.h"
#include "startup.h"
#include "ui_mainwindow.h"

#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestExtreme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void everyPatternAtTheExtremes_data()
    {
        QTest::addColumn<bool>("maximum");
        QTest::newRow("every control at its minimum") << false;
        QTest::newRow("every control at its maximum") << true;
    }

    void everyPatternAtTheExtremes()
    {
        QFETCH(bool, maximum);
        QTemporaryDir dir;
        QImage picture(3840, 2160, QImage::Format_RGB32);
        picture.fill(QColor(30, 60, 90));
        QVERIFY(picture.save(dir.filePath("wall 4K 图片.png")));
        MainWindow panel;
        Ui::MainWindow *u = panel.form();
        dialog *window = panel.testPatternWindow();
        for (int i = 1; i < 100; ++i) { // a 100 × 100 colour table
            u->pushButton_addcol->click();
            u->pushButton_addrow->click();
        }
        QCOMPARE(stateOf(*window).colorList.size(), 10000);
        window->setPicture(dir.filePath("wall 4K 图片.png"), true);
        QTRY_VERIFY(!pictureOf(*window).isNull());
        for (QSpinBox *box : panel.findChildren<QSpinBox *>())
            box->setValue(maximum ? box->maximum() : box->minimum());
        for (QSlider *slider : panel.findChildren<QSlider *>())
            slider->setValue(maximum ? slider->maximum() : slider->minimum());
        u->checkBox_overlay->setChecked(true);
        u->checkBox_rotate->setChecked(true);
        u->checkBox->setChecked(true); // the manual table tiles

        const QList<QPair<QAbstractButton *, QAbstractButton *>> selections = {
            { u->pushButton_red, nullptr }, { u->radioButton_manual, u->pushButton_showcolbar },
            { u->radioButton_auto, u->pushButton_showcolbar }, { u->pushButton_usual, nullptr },
            { u->pushButton_32, nullptr }, { u->pushButton_256, nullptr }, { u->pushButton_nolimit, nullptr },
            { u->pushButton_ball, nullptr }, { u->pushButton_col_graydient_gray, u->pushButton_right },
            { u->checkBox_hor, u->checkBox_ver }, { u->checkBox_rl, u->checkBox_lr }, { u->pushButton_fonttest, nullptr },
            { u->pushButton_square, nullptr }, { u->pushButton, nullptr }, { u->pushButton_2, nullptr },
            { u->pushButton_3, nullptr }, { u->pushButton_fullscreenclock, nullptr }, { u->pushButton_singleclock, nullptr },
            { u->pushButton_rectcircle, nullptr }, { u->pushButton_rectcircle_2, nullptr },
        };
        for (const auto &selection : selections) {
            selection.first->click();
            if (selection.second)
                selection.second->click();
            if (selection.first == u->pushButton_square) {
                // The size box reaches the window only when its value changes.
                u->spinBox_rectsize->setValue(maximum ? 98 : 2);
                u->spinBox_rectsize->setValue(maximum ? 99 : 1);
            }
            for (const QSize &size : { QSize(50, 50), QSize(3840, 2160), QSize(3840, 2160) }) {
                window->resize(size);
                window->grab(); // a hang ends in the suite's timeout, a crash ends the suite
                // The scan and square timers advance the state between paints.
                window->updateScan();
                window->updateRect();
            }
        }
    }
};

QTEST_MAIN(TestExtreme)
#include "tst_extreme.moc"
