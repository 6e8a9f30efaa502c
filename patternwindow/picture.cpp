#include "picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

PictureLoad loadPicture(const QString &path)
{
    PictureLoad result;
    const QFileInfo info(path);
    const QString name = QDir::toNativeSeparators(path);
    if (!info.exists()) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: the file does not exist.").arg(name);
        return result;
    }
    if (info.isDir()) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: it is a folder, not a picture.").arg(name);
        return result;
    }
    if (!info.isReadable()) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: the file cannot be read (permission denied).").arg(name);
        return result;
    }

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: the picture is %2 × %3 pixels, larger than %4 pixels on a side.")
                           .arg(name).arg(size.width()).arg(size.height()).arg(MaxPictureSide);
        return result;
    }

    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error = QCoreApplication::translate("MainWindow", "Cannot show %1: %2.").arg(name, reader.errorString());
        return result;
    }
    result.image = image;
    return result;
}
