// Reading the custom picture: what is shown, what is refused, and the words
// the operator reads when a file is refused.
#include "picture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    return image;
}

// A JPEG whose header carries a thumbnail, itself a whole JPEG with its own
// end-of-image marker, as cameras write them.
QByteArray jpegWithThumbnail()
{
    const QByteArray thumbnail = encoded(gradient(8, 8), "JPEG");
    const QByteArray payload = QByteArray("Thumb\0", 6) + thumbnail;
    QByteArray segment("\xFF\xEF", 2); // APP15, which the decoder skips
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
    const QByteArray picture = encoded(gradient(160, 120), "JPEG");
    return picture.left(2) + segment + payload + picture.mid(2);
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
    void refused_data();
    void refused();

private:
    QTemporaryDir files;
};

void TestPicture::shown_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");

    QTest::newRow("PNG") << "a.png" << encoded(gradient(64, 48), "PNG") << QSize(64, 48);
    QTest::newRow("BMP") << "a.bmp" << encoded(gradient(64, 48), "BMP") << QSize(64, 48);
    QTest::newRow("JPEG") << "a.jpg" << encoded(gradient(64, 48), "JPEG") << QSize(64, 48);
    QTest::newRow("PNG named .jpg is read by its content") << "b.jpg" << encoded(gradient(30, 20), "PNG") << QSize(30, 20);
    QTest::newRow("JPEG with bytes after its end") << "c.jpg" << encoded(gradient(64, 48), "JPEG") + QByteArray(300, '\0') << QSize(64, 48);
    QTest::newRow("JPEG with a thumbnail in its header") << "d.jpg" << jpegWithThumbnail() << QSize(160, 120);
    QTest::newRow("16384 pixels wide, the largest side taken") << "wide.png" << encoded(gradient(16384, 1), "PNG") << QSize(16384, 1);
    QTest::newRow("path with spaces and Chinese") << "照片 目录 测试.png" << encoded(gradient(10, 10), "PNG") << QSize(10, 10);
}

void TestPicture::shown()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);

    const QString path = files.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const PictureLoad load = loadPicture(path);
    QCOMPARE(load.error, QString());
    QCOMPARE(load.image.size(), size);
}

void TestPicture::refused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");

    const QByteArray jpeg = encoded(gradient(160, 120), "JPEG");
    const QByteArray withThumbnail = jpegWithThumbnail();
    const QByteArray png = encoded(gradient(160, 120), "PNG");
    QTest::newRow("a folder") << "folder" << QByteArray() << "it is a folder, not a picture.";
    QTest::newRow("zero bytes") << "zero.jpg" << QByteArray("") << "the file is empty (0 bytes).";
    QTest::newRow("text") << "text.bmp" << QByteArray("not a picture at all\n") << "its content is not a picture in a format this program can read.";
    QTest::newRow("JPEG cut inside its picture data") << "cut.jpg" << jpeg.left(jpeg.size() - 40) << "the JPEG file is incomplete; it ends before the end of the picture.";
    QTest::newRow("JPEG cut before its picture data") << "head.jpg" << jpeg.left(200) << "the JPEG file is incomplete; it ends before the end of the picture.";
    QTest::newRow("JPEG cut after its thumbnail's end") << "thumbcut.jpg" << withThumbnail.left(withThumbnail.size() - 100) << "the JPEG file is incomplete; it ends before the end of the picture.";
    QTest::newRow("PNG cut, which the reader half-decodes") << "cut.png" << png.left(png.size() / 2) << "the picture data is damaged or incomplete.";
    QTest::newRow("16385 pixels wide") << "wider.png" << encoded(gradient(16385, 1), "PNG") << "the picture is 16385 × 1 pixels, larger than 16384 pixels on a side.";
}

void TestPicture::refused()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);

    const QString path = files.filePath(fileName);
    if (fileName == QLatin1String("folder")) {
        QVERIFY(QDir(files.path()).mkdir(fileName));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    const PictureLoad load = loadPicture(path);
    QVERIFY(load.image.isNull());
    QCOMPARE(load.error, QStringLiteral("Cannot show %1: %2").arg(QDir::toNativeSeparators(path), why));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
