// Reading the custom picture: what is shown and the words the operator reads
// when a file is refused. It decodes off the GUI thread: the window keeps
// running while a huge picture decodes, a newer choice wins, a broken file is
// reported and leaves the picture shown, and ordinary pictures keep their pixels.
#include "dialog.h"
#include "mainwindow.h"
#include "picturesource.h"
#include "windowstate.h"

#include <QBuffer>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 16000 × 16000 pixels, 8-bit RGB, not interlaced, about 750 KB: every
// filtered byte is 1 under the Sub filter, so each row is a gray ramp
// repeating every 256 columns.
const char *hugePngScript = R"(
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
packer = zlib.compressobj(9)
idat = b"".join(packer.compress(b"\x01" * 48001) for _ in range(16000)) + packer.flush()
open(sys.argv[1], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16000, 16000, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", idat) + chunk(b"IEND", b""))
)";

QByteArray encoded(int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A JPEG whose header carries a thumbnail, itself a whole JPEG with its own
// end-of-image marker, as cameras write them.
QByteArray jpegWithThumbnail()
{
    const QByteArray payload = QByteArray("Thumb\0", 6) + encoded(8, 8, "JPEG");
    QByteArray segment("\xFF\xEF", 2); // APP15, which the decoder skips
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
    const QByteArray picture = encoded(160, 120, "JPEG");
    return picture.left(2) + segment + payload + picture.mid(2);
}

// Colours that change from each pixel to the next, so that any other scaling shows.
QImage busyPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x ^ y) % 256));
    return image;
}

[[maybe_unused]] qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    return QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// A shown test-pattern window on the custom picture, its text hidden.
struct PictureWindow
{
    dialog window;
    QSignalSpy decoded{ window.pictures(), &PictureSource::changed };

    explicit PictureWindow(const QSize &size)
    {
        window.resize(size);
        window.show();
        window.setSpecialPattern(3, 216, 216);
        window.setMode(Special);
        QTest::keyClick(&window, Qt::Key_Space);
    }
    bool show(const QString &path, bool fit) { return window.setPicture(path, fit), decoded.wait(60000); }
    QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QColor shownAt(int x, int y) { return shown().pixelColor(x, y); }
};

} // namespace

class TestPictureDecode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QProcess::execute(QStringLiteral("python3"), { QStringLiteral("-c"), QString::fromLatin1(hugePngScript), huge() }) == 0);
        for (const QColor &colour : { QColor(Qt::red), QColor(Qt::blue) }) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(colour);
            QVERIFY(image.save(file(colour == Qt::red ? "red.png" : "blue.png")));
        }
        QFile broken(file("broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture\n") > 0);
    }

    void load_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("why"); // empty when the picture is shown
        const QByteArray jpeg = encoded(160, 120, "JPEG");
        const QByteArray thumbnailed = jpegWithThumbnail();
        const QByteArray png = encoded(160, 120, "PNG");
        const QString cut = QStringLiteral("the JPEG file is incomplete; it ends before the end of the picture.");
        QTest::newRow("PNG named .jpg is read by its content") << "b.jpg" << encoded(30, 20, "PNG") << QSize(30, 20) << QString();
        QTest::newRow("JPEG with bytes after its end") << "c.jpg" << jpeg + QByteArray(300, '\0') << QSize(160, 120) << QString();
        QTest::newRow("JPEG with a thumbnail in its header") << "d.jpg" << thumbnailed << QSize(160, 120) << QString();
        QTest::newRow("16384 pixels wide, the largest side taken") << "wide.png" << encoded(16384, 1, "PNG") << QSize(16384, 1) << QString();
        QTest::newRow("a folder") << "folder" << QByteArray() << QSize() << "it is a folder, not a picture.";
        QTest::newRow("missing") << "missing.png" << QByteArray() << QSize() << "the file does not exist.";
        QTest::newRow("zero bytes") << "zero.jpg" << QByteArray("") << QSize() << "the file is empty (0 bytes).";
        QTest::newRow("text") << "text.bmp" << QByteArray("not a picture at all\n") << QSize()
                              << "its content is not a picture in a format this program can read.";
        QTest::newRow("JPEG cut inside its picture data") << "cut.jpg" << jpeg.left(jpeg.size() - 40) << QSize() << cut;
        QTest::newRow("JPEG cut after its thumbnail's end") << "thumbcut.jpg" << thumbnailed.left(thumbnailed.size() - 100) << QSize() << cut;
        QTest::newRow("PNG cut, which the reader half-decodes") << "cut.png" << png.left(png.size() / 2) << QSize()
                                                                << "the picture data is damaged or incomplete.";
        QTest::newRow("16385 pixels wide") << "wider.png" << encoded(16385, 1, "PNG") << QSize()
                                           << "the picture is 16385 × 1 pixels, larger than 16384 pixels on a side.";
    }

    void load()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QSize, size);
        QFETCH(QString, why);
        const QString path = file(fileName);
        if (fileName == QLatin1String("folder")) {
            QVERIFY(QDir(files.path()).mkdir(fileName));
        } else if (!content.isNull()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
        }
        const PictureLoad load = loadPicture(path);
        QCOMPARE(load.image.isNull() ? QSize() : load.image.size(), size);
        QCOMPARE(load.error, why.isEmpty() ? why : QStringLiteral("Cannot show %1: %2").arg(QDir::toNativeSeparators(path), why));
    }

    // A 10 ms timer keeps its rate while the huge picture decodes for a fitted
    // 1920 × 1080 window, which shows what it showed until the picture comes.
    void hugePictureLeavesTheWindowRunning()
    {
        PictureWindow w(QSize(1920, 1080));
        QElapsedTimer clock;
        qint64 last = 0, worstGap = 0, ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; worstGap = qMax(worstGap, clock.elapsed() - last); last = clock.elapsed(); });
        clock.start();
        tick.start(10);
        w.window.setPicture(huge(), true);
        QVERIFY(w.window.isPictureDecoding());
        QCOMPARE(w.shownAt(1000, 500), QColor(Qt::black));
        QVERIFY(w.decoded.wait(120000));
        const qint64 decodeMs = clock.elapsed();
        QVERIFY2(worstGap < 500 && ticks > decodeMs / 50, qPrintable(QStringLiteral("%1 ticks in %2 ms, worst gap %3 ms").arg(ticks).arg(decodeMs).arg(worstGap)));
        QCOMPARE(w.window.pictureError(), QString());
        const QColor shown = w.shownAt(1000, 500); // the ramp, averaged into a gray
        QVERIFY(shown != QColor(Qt::black) && shown.red() == shown.green() && shown.green() == shown.blue());
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's shadow memory and quarantine weigh more than the picture
        QVERIFY2(peakResidentKb() < 300 * 1024, qPrintable(QString::number(peakResidentKb())));
#endif
    }

    void laterChoice_data()
    {
        QTest::addColumn<QStringList>("choices"); // chosen one after the other, without waiting
        QTest::addColumn<bool>("fit");
        QTest::addColumn<QString>("problem");     // part of the one message; empty when shown
        QTest::addColumn<QColor>("shown");
        QTest::newRow("newer choice during a huge decode wins") << QStringList{ huge(), file("blue.png") } << true << QString() << QColor(Qt::blue);
        QTest::newRow("broken file: message, the picture stays") << QStringList{ file("broken.png") } << true
                                                                << "its content is not a picture" << QColor(Qt::red);
        QTest::newRow("huge at its own size is refused") << QStringList{ huge() } << false << "choose \"适应画面\"" << QColor(Qt::red);
    }

    void laterChoice()
    {
        QFETCH(QStringList, choices);
        QFETCH(bool, fit);
        QFETCH(QString, problem);
        QFETCH(QColor, shown);
        PictureWindow w({ 400, 300 });
        QVERIFY(w.show(file("red.png"), fit));
        w.decoded.clear();
        for (const QString &path : choices)
            w.window.setPicture(path, fit);
        QTRY_COMPARE_WITH_TIMEOUT(w.decoded.size(), 1, 60000); // the one result; then room for a wrong second
        QTest::qWait(200);
        QCOMPARE(w.decoded.size(), 1);
        QCOMPARE(w.window.pictures()->path(), choices.last());
        const QString message = w.window.pictureError();
        QVERIFY2(problem.isEmpty() ? message.isEmpty() : message.contains(problem), qPrintable(message));
        QCOMPARE(w.shownAt(10, 10), shown);
    }

    // The panel marks the decode on the file label and brings the message
    // when the decode fails, not before.
    void panelReportsFailedDecode()
    {
        MainWindow panel;
        QStringList boxes;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                chooser->selectFile(file("broken.png"));
                static_cast<QDialog *>(chooser)->accept();
            } else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes << box->text();
                box->accept();
            }
        });
        answer.start(5);
        formOf(panel)->pushButton_filepath->click();
        QVERIFY(formOf(panel)->label_filepath->toolTip().startsWith(QStringLiteral("Decoding")) && boxes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 1, 30000);
        QCOMPARE(formOf(panel)->label_filepath->toolTip(), boxes.first());
    }

    void ordinaryPicturesKeepTheirPixels_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<QSize>("window"); // resized to after the first decode
        const QSize same(400, 300); // the window's first size
        QTest::newRow("smaller, own size, window grows") << QSize(200, 150) << "png" << false << QSize(500, 400);
        QTest::newRow("equal, own size") << QSize(400, 300) << "png" << false << same;
        QTest::newRow("under twice, fit, window shrinks") << QSize(790, 590) << "png" << true << QSize(300, 200);
        QTest::newRow("PNG larger, own size, window grows") << QSize(700, 500) << "png" << false << QSize(600, 450);
        QTest::newRow("PNG over twice, fit, window grows") << QSize(1000, 500) << "png" << true << QSize(500, 400);
        QTest::newRow("JPEG over twice, fit") << QSize(1000, 800) << "jpg" << true << same;
    }

    // At its own size and fitted up to twice the window, the pixels are those
    // of the whole picture, drawn or scaled nearest pixel; over twice, the
    // reader's own scaling to the window.
    void ordinaryPicturesKeepTheirPixels()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(QString, format);
        QFETCH(bool, fit);
        QFETCH(QSize, window);
        const QString path = file("picture." + format);
        QVERIFY(busyPicture(pictureSize).save(path));
        PictureWindow w(QSize(400, 300));
        QVERIFY(w.show(path, fit));
        w.window.resize(window);
        if (w.window.isPictureDecoding())
            QVERIFY(w.decoded.wait(60000));

        const bool overTwice = fit && (pictureSize.width() > 2 * window.width() || pictureSize.height() > 2 * window.height());
        QImageReader reader(path);
        if (overTwice)
            reader.setScaledSize(window);
        const QImage picture = reader.read();
        QImage expected(window, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter(&expected).drawImage(0, 0, fit ? picture.scaled(window, Qt::IgnoreAspectRatio, Qt::FastTransformation) : picture);
        QVERIFY(w.shown() == expected);
    }

    // Qt 6 decodes no more than 128 MB unless raised. Last, since the 144 MB
    // this decodes would count in the peak memory checked above.
    void pictureOverTheToolkitsDefaultLimit()
    {
        const QString path = file("large.png");
        QImage picture(6000, 6000, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(path));
        picture = QImage();
        const PictureLoad load = loadPicture(path);
        QCOMPARE(load.error, QString());
        QCOMPARE(load.image.size(), QSize(6000, 6000));
    }

private:
    QString file(const QString &name) const { return files.filePath(name); }
    QString huge() const { return file("huge 16000.png"); }

    QTemporaryDir files;
};

QTEST_MAIN(TestPictureDecode)
#include "tst_picturedecode.moc"
