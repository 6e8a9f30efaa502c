// A crash and hang guard: hundreds of broken pictures through the custom-picture
// path, each refused with a message naming the file, the window's other
// settings untouched.
#include "windowstate.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
