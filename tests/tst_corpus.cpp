// Hundreds of broken pictures through the custom-picture path: no crash, no
// hang, a message naming the file for every unreadable one, and the window's
// other settings untouched.
#include "windowstate.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyBrokenPictureIsRefusedCleanly();

private:
    QTemporaryDir workDir;
    QString corpusDir;
};

static QImage seedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) % 256));
    return image;
}

void TestCorpus::initTestCase()
{
    QVERIFY(workDir.isValid());
    const QString seeds = workDir.filePath("seeds");
    corpusDir = workDir.filePath("corpus");
    QDir().mkpath(seeds);
    QVERIFY(seedPicture(64, 48).save(seeds + "/small.png"));
    QVERIFY(seedPicture(200, 120).save(seeds + "/wide.png"));
    QVERIFY(seedPicture(64, 48).save(seeds + "/small.jpg", "JPG", 90));
    QVERIFY(seedPicture(160, 90).save(seeds + "/wide.jpg", "JPG", 60));
    QVERIFY(seedPicture(40, 30).save(seeds + "/small.bmp"));

    const QString script = QDir(qEnvironmentVariable("WALLTEST_SOURCE")).filePath("scripts/make-corpus.py");
    QVERIFY2(QFileInfo::exists(script), qPrintable(script));
    QProcess maker;
    maker.start("python3", { script, seeds, corpusDir });
    QVERIFY(maker.waitForFinished(60000));
    QCOMPARE(maker.exitCode(), 0);
    QVERIFY2(QDir(corpusDir).count() > 300, qPrintable(QString::number(QDir(corpusDir).count())));
}

void TestCorpus::everyBrokenPictureIsRefusedCleanly()
{
    dialog window;
    window.setGeometry(10, 20, 120, 90);
    window.setSolidColor(QColor(10, 20, 30));
    window.setMode(Special);
    window.setSpecialPattern(3, 216, 216);

    const QFileInfoList entries = QDir(corpusDir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    int refused = 0;
    int shown = 0;
    for (const QFileInfo &entry : entries) {
        const QString path = entry.absoluteFilePath();
        window.setPicture(path, entry.fileName().contains("flip"));
        // A hang guard, not a measure: a busy machine stays far below it.
        QTRY_VERIFY_WITH_TIMEOUT(!window.isPictureDecoding(), 20000);

        // A refused picture leaves the window showing what it showed.
        if (!window.pictureError().isEmpty()) {
            ++refused;
            QVERIFY2(window.pictureError().contains(entry.fileName()), qPrintable(window.pictureError()));
            QVERIFY2(!entry.fileName().startsWith("valid "), qPrintable(path));
        } else {
            ++shown;
            QVERIFY(!pictureOf(window).isNull());
            QVERIFY(pictureOf(window).width() <= 16384 && pictureOf(window).height() <= 16384);
        }
        window.grab();

        QCOMPARE(window.geometry(), QRect(10, 20, 120, 90));
        QCOMPARE(stateOf(window).mode, int(Special));
        QCOMPARE(stateOf(window).specialType, 3);
        QCOMPARE(stateOf(window).solidColor, QColor(10, 20, 30));
    }
    qInfo("%d pictures refused, %d shown", refused, shown);
    QVERIFY(refused > 200);
}

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
