// Reading the custom picture: what is shown, what is refused, and the words
// the operator reads when a file is refused.
#include "picture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("path with spaces and Chinese") << "照片 目录 测试.png" << encoded(10, 10, "PNG") << QSize(10, 10) << QString();
        QTest::newRow("a folder") << "folder" << QByteArray() << QSize() << "it is a folder, not a picture.";
        QTest::newRow("missing") << "missing.png" << QByteArray() << QSize() << "the file does not exist.";
        QTest::newRow("zero bytes") << "zero.jpg" << QByteArray("") << QSize() << "the file is empty (0 bytes).";
        QTest::newRow("text") << "text.bmp" << QByteArray("not a picture at all\n") << QSize()
                              << "its content is not a picture in a format this program can read.";
        QTest::newRow("JPEG cut inside its picture data") << "cut.jpg" << jpeg.left(jpeg.size() - 40) << QSize() << cut;
        QTest::newRow("JPEG cut before its picture data") << "head.jpg" << jpeg.left(200) << QSize() << cut;
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
        const QString path = files.filePath(fileName);
        if (fileName == QLatin1String("folder")) {
            QVERIFY(QDir(files.path()).mkdir(fileName));
        } else if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const PictureLoad load = loadPicture(path);
        QCOMPARE(load.image.isNull() ? QSize() : load.image.size(), size);
        QCOMPARE(load.error, why.isEmpty() ? why : QStringLiteral("Cannot show %1: %2").arg(QDir::toNativeSeparators(path), why));
    }

private:
    QTemporaryDir files;
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
