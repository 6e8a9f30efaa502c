#ifndef PICTURE_H
#define PICTURE_H

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>

class QFileSystemWatcher;

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

// The custom picture the test-pattern window shows: the file, decoded, and
// read again when it changes on disk. Emits changed() whenever the decoded
// picture or its problem changes.
class PictureSource : public QObject
{
    Q_OBJECT

public:
    explicit PictureSource(QObject *parent = nullptr);

    // Shows `path`; the decoded picture is kept while its file stays the
    // same, and a new path, a changed file or one that failed before is read again.
    void setPath(const QString &path);

    const QImage &image() const { return decoded; }
    // Why the picture cannot be shown; empty when it can.
    QString error() const { return problem; }

signals:
    void changed();

private:
    void reload();

    QFileSystemWatcher *watcher = nullptr;
    QString path;
    QImage decoded;
    QString problem;
    QDateTime modified;
};

#endif // PICTURE_H
