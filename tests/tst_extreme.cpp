// Hang and crash guards: every control of the panel at its minimum and its
// maximum, every pattern painted at the smallest and the largest window; and
// hundreds of broken pictures through the custom-picture path, each refused
// with a message naming the file, the window's other settings untouched.
#include "windowstate.h"
#include "mainwindow.h"
#include "fontsubstitutions.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QProcess>
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
        Ui::MainWindow *u = formOf(panel);
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

    void everyBrokenPictureIsRefusedCleanly()
    {
        QTemporaryDir workDir;
        const QString seeds = workDir.filePath("seeds"), corpus = workDir.filePath("corpus");
        QDir().mkpath(seeds);
        QImage seed(200, 120, QImage::Format_RGB32);
        for (int y = 0; y < seed.height(); ++y)
            for (int x = 0; x < seed.width(); ++x)
                seed.setPixel(x, y, qRgb(x * 255 / seed.width(), y * 255 / seed.height(), (x * y) % 256));
        QVERIFY(seed.copy(0, 0, 64, 48).save(seeds + "/small.png"));
        QVERIFY(seed.save(seeds + "/wide.png"));
        QVERIFY(seed.copy(0, 0, 64, 48).save(seeds + "/small.jpg", "JPG", 90));
        QVERIFY(seed.save(seeds + "/wide.jpg", "JPG", 60));
        QVERIFY(seed.copy(0, 0, 40, 30).save(seeds + "/small.bmp"));
        const QString script = QDir(qEnvironmentVariable("WALLTEST_SOURCE")).filePath("scripts/make-corpus.py");
        QCOMPARE(QProcess::execute("python3", { script, seeds, corpus }), 0);

        dialog window;
        window.setGeometry(10, 20, 120, 90);
        window.setSolidColor(QColor(10, 20, 30));
        window.setMode(Special);
        window.setSpecialPattern(3, 216, 216);
        int refused = 0;
        for (const QFileInfo &entry : QDir(corpus).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            window.setPicture(entry.absoluteFilePath(), entry.fileName().contains("flip"));
            QTRY_VERIFY_WITH_TIMEOUT(!window.isPictureDecoding(), 20000); // a hang guard, not a measure
            if (!window.pictureError().isEmpty()) {
                ++refused;
                QVERIFY2(window.pictureError().contains(entry.fileName()), qPrintable(window.pictureError()));
                QVERIFY2(!entry.fileName().startsWith("valid "), qPrintable(entry.fileName()));
            } else {
                QVERIFY(!pictureOf(window).isNull());
                QVERIFY(pictureOf(window).width() <= 16384 && pictureOf(window).height() <= 16384);
            }
            window.grab();
            QCOMPARE(window.geometry(), QRect(10, 20, 120, 90));
            QCOMPARE(QVector<int>({ stateOf(window).mode, stateOf(window).specialType }), QVector<int>({ Special, 3 }));
            QCOMPARE(stateOf(window).solidColor, QColor(10, 20, 30));
        }
        QVERIFY2(refused > 200, qPrintable(QString::number(refused)));
    }
};

QTEST_MAIN(TestExtreme)
#include "tst_extreme.moc"
