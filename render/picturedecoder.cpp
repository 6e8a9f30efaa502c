#include "picturedecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

QString cannotShow(const QString &path, const char *why)
{
    return QCoreApplication::translate("MainWindow", "Cannot show %1: %2")
        .arg(QDir::toNativeSeparators(path), QCoreApplication::translate("MainWindow", why));
}

// What the reader's error codes mean to someone who just picked a file.
const char *readerProblem(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QT_TRANSLATE_NOOP("MainWindow", "the file does not exist.");
    case QImageReader::DeviceError:
        return QT_TRANSLATE_NOOP("MainWindow", "the file cannot be read.");
    case QImageReader::UnsupportedFormatError:
        return QT_TRANSLATE_NOOP("MainWindow", "its content is not a picture in a format this program can read.");
    case QImageReader::InvalidDataError:
        return QT_TRANSLATE_NOOP("MainWindow", "the picture data is damaged or incomplete.");
    case QImageReader::UnknownError:
        break;
    }
    return QT_TRANSLATE_NOOP("MainWindow", "the picture could not be decoded.");
}

// libjpeg decodes a cut-off file with no more than a warning and paints the
// missing rows gray, so the cut would pass for part of the picture. A whole
// file has an end-of-image marker after its first scan; a thumbnail's own
// marker sits in a header segment before that scan and does not count.
bool jpegHasEnd(const QByteArray &data)
{
    const auto byteAt = [&data](int i) { return static_cast<unsigned char>(data.at(i)); };
    int pos = 2; // after the start-of-image marker
    while (pos + 1 < data.size()) {
        if (byteAt(pos) != 0xFF)
            return false;
        const unsigned char marker = byteAt(pos + 1);
        if (marker == 0xFF) { // fill byte before a marker
            ++pos;
            continue;
        }
        if (marker == 0xDA) // start of scan: the entropy-coded data follows
            return data.indexOf(QByteArray("\xFF\xD9", 2), pos + 2) >= 0;
        if (marker == 0xD9)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a length
            pos += 2;
            continue;
        }
        if (pos + 3 >= data.size())
            return false;
        pos += 2 + ((byteAt(pos + 2) << 8) | byteAt(pos + 3));
    }
    return false;
}

bool jpegFileHasEnd(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && jpegHasEnd(file.readAll());
}

// libpng allocates and clears the memory a chunk's length claims before it
// finds that the file ends sooner: a damaged PNG of a hundred bytes can cost
// a gigabyte and a second at every look at its header. A whole file's
// chunks all end inside it, the last one being its end chunk.
bool pngChunksFit(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    qint64 pos = 8; // after the signature
    while (file.seek(pos)) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return false;
        pos += 12 + qint64(qFromBigEndian<quint32>(head.constData())); // length, type, data, checksum
        if (pos > file.size())
            return false;
        if (head.endsWith("IEND"))
            return true;
    }
    return false;
}

// A file whose reads fail once `cancelled` is set, so that a decode nobody
// waits for any more ends at the reader's next read instead of running on.
class CancellableFile : public QFile
{
public:
    CancellableFile(const QString &name, const std::atomic_bool *cancelled)
        : QFile(name)
        , cancelled(cancelled)
    {
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (cancelled && cancelled->load())
            return -1;
        return QFile::readData(data, maxSize);
    }

private:
    const std::atomic_bool *cancelled;
};


QString tooLargeMessage(const QString &path, const QSize &size, const char *why, qint64 limit)
{
    return QCoreApplication::translate("MainWindow", why)
        .arg(QDir::toNativeSeparators(path)).arg(size.width()).arg(size.height()).arg(limit);
}

// Qt 6 refuses to decode more than 128 MB by default; MaxPictureSide already
// keeps a picture to 16384 × 16384 pixels of four bytes.
void allowLargestPicture()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    static const bool raised = [] {
        QImageReader::setAllocationLimit(int(qint64(MaxPictureSide) * MaxPictureSide * 4 / (1024 * 1024)));
        return true;
    }();
    Q_UNUSED(raised)
#endif
}

} // namespace

namespace {

DecodePlan canvasDecodePlan(const QSize &source, const PictureView &view)
{
    DecodePlan plan;
    const QRect part = QRect(view.canvas.origin, view.window) & QRect(QPoint(0, 0), view.canvas.size);
    const QRect shown = part & QRect(QPoint(0, 0), view.fit ? view.canvas.size : source);
    if (shown.isEmpty()) {
        plan.nothingShown = true;
    } else if (view.fit) {
        plan.scaledSize = view.canvas.size;
        plan.scaledClipRect = shown;
    } else {
        plan.clipRect = shown;
    }
    return plan;
}

} // namespace

DecodePlan decodePlan(const QSize &source, const PictureView &view)
{
    DecodePlan plan;
    if (view.window.isEmpty())
        return plan;
    if (view.canvas.isSet())
        return canvasDecodePlan(source, view);
    if (view.fit) {
        if (source.width() > 2 * view.window.width() || source.height() > 2 * view.window.height())
            plan.scaledSize = view.window;
    } else {
        const QRect covered = QRect(QPoint(0, 0), source) & QRect(QPoint(0, 0), view.window);
        if (covered.size() != source)
            plan.clipRect = covered;
    }
    return plan;
}

PictureLoad loadPicture(const QString &path)
{
    return loadPicture(path, PictureView());
}

PictureLoad loadPicture(const QString &path, const PictureView &view, const std::atomic_bool *cancelled)
{
    PictureLoad result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "the file does not exist."));
        return result;
    }
    if (info.isDir()) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "it is a folder, not a picture."));
        return result;
    }
    if (!info.isReadable()) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "the file cannot be read (permission denied)."));
        return result;
    }
    if (info.size() == 0) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "the file is empty (0 bytes)."));
        return result;
    }

    CancellableFile file(path, cancelled);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = cannotShow(path, readerProblem(QImageReader::DeviceError));
        return result;
    }
    allowLargestPicture();
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        result.error = cannotShow(path, readerProblem(reader.error()));
        return result;
    }
    const QByteArray format = reader.format();
    if (format == "png" && !pngChunksFit(path)) {
        result.error = cannotShow(path, readerProblem(QImageReader::InvalidDataError));
        return result;
    }
    const QSize size = reader.size();
    result.sourceSize = size;
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        result.error = tooLargeMessage(path, size, QT_TRANSLATE_NOOP("MainWindow", "Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side."),
                                       MaxPictureSide);
        return result;
    }
    const bool wholeAtOwnSize = view.window.isValid() && !view.fit && !reader.supportsOption(QImageIOHandler::ClipRect);
    if (wholeAtOwnSize && qint64(size.width()) * size.height() > MaxWholePictureArea) {
        result.error = tooLargeMessage(path, size, QT_TRANSLATE_NOOP("MainWindow", "Cannot show %1: the picture is %2 × %3 pixels, more than %4 pixels to decode at its own size; choose \"适应画面\" to show it fitted to the window."),
                                       MaxWholePictureArea);
        return result;
    }
    // A reader that cannot clip while scaling scales the whole picture to
    // the canvas first.
    const bool wholeCanvas = view.canvas.isSet() && view.fit && !reader.supportsOption(QImageIOHandler::ScaledClipRect);
    if (wholeCanvas && qint64(view.canvas.size.width()) * view.canvas.size.height() > MaxWholePictureArea) {
        result.error = tooLargeMessage(path, view.canvas.size, QT_TRANSLATE_NOOP("MainWindow", "Cannot show %1 fitted to the canvas: the canvas is %2 × %3 pixels, more than %4 pixels to scale this picture to."),
                                       MaxWholePictureArea);
        return result;
    }
    if (format == "jpeg" && !jpegFileHasEnd(path)) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "the JPEG file is incomplete; it ends before the end of the picture."));
        return result;
    }

    const DecodePlan plan = decodePlan(size, view);
    if (plan.nothingShown) {
        // One clear pixel: the base shows where the picture does not reach.
        result.image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        result.image.fill(Qt::transparent);
        return result;
    }
    if (plan.scaledSize.isValid())
        reader.setScaledSize(plan.scaledSize);
    // A reader that cannot clip decodes the whole picture; QImageReader then
    // keeps a copy of the clipped part and frees the whole at once.
    if (plan.clipRect.isValid())
        reader.setClipRect(plan.clipRect);
    if (plan.scaledClipRect.isValid())
        reader.setScaledClipRect(plan.scaledClipRect);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error = cannotShow(path, readerProblem(reader.error()));
        return result;
    }
    // Converted in place to the formats the window draws fastest, so that a
    // large picture is held once.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    result.image = image;
    return result;
}
