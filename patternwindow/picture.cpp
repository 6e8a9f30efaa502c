#include "picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QImageReader>

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

} // namespace

PictureLoad loadPicture(const QString &path)
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

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        result.error = cannotShow(path, readerProblem(reader.error()));
        return result;
    }
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side.")
                           .arg(QDir::toNativeSeparators(path)).arg(size.width()).arg(size.height()).arg(MaxPictureSide);
        return result;
    }
    if (format == "jpeg" && !jpegFileHasEnd(path)) {
        result.error = cannotShow(path, QT_TRANSLATE_NOOP("MainWindow", "the JPEG file is incomplete; it ends before the end of the picture."));
        return result;
    }

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

PictureSource::PictureSource(QObject *parent)
    : QObject(parent)
    , watcher(new QFileSystemWatcher(this))
{
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &PictureSource::reload);
}

void PictureSource::setPath(const QString &newPath)
{
    const bool samePath = newPath == path;
    if (samePath && problem.isEmpty() && QFileInfo(path).lastModified() == modified)
        return;
    if (!samePath) {
        if (!watcher->files().isEmpty())
            watcher->removePaths(watcher->files());
        path = newPath;
        if (!path.isEmpty())
            watcher->addPath(path);
    }
    reload();
}

void PictureSource::reload()
{
    if (path.isEmpty()) {
        decoded = QImage();
        problem.clear();
    } else {
        modified = QFileInfo(path).lastModified();
        const PictureLoad load = loadPicture(path);
        decoded = load.image;
        problem = load.error;
        // An editor that replaces the file drops it from the watch list.
        if (!watcher->files().contains(path) && QFileInfo::exists(path))
            watcher->addPath(path);
    }
    emit changed();
}
