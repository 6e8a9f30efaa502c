#ifndef PICTURE_H
#define PICTURE_H

#include <QImage>
#include <QString>

// The largest picture side the custom-picture test accepts. A larger header
// claim is refused before decoding, so a hostile file cannot make the
// program allocate gigabytes.
constexpr int MaxPictureSide = 16384;

struct PictureLoad
{
    QImage image;       // null when the file cannot be shown
    QString error;      // plain words for the operator; empty on success
};

// Reads the custom picture the way the test-pattern window shows it.
PictureLoad loadPicture(const QString &path);

#endif // PICTURE_H
