#ifndef PICTURE_H
#define PICTURE_H

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

class QFileSystemWatcher;

// The largest picture side the custom-picture test accepts. A larger header
// claim is refused before decoding, so a hostile file cannot make the
// program allocate gigabytes.
constexpr int MaxPictureSide = 16384;

// The most pixels decoded whole for a picture shown at its own size by a
// reader that cannot decode only a part: 150 million pixels hold 600 MB.
constexpr qint64 MaxWholePictureArea = 150000000;

struct PictureLoad
{
    QImage image;       // null when the file cannot be shown
    QString error;      // plain words for the operator; empty on success
    QSize sourceSize;   // the size the file's header claims; invalid when unread
};

// How the window shows the picture. An invalid window size asks for the
// whole picture at its own size.
struct PictureView
{
    bool fit = false;
    QSize window;

    bool operator==(const PictureView &other) const { return fit == other.fit && window == other.window; }
    bool operator!=(const PictureView &other) const { return !(*this == other); }
};

// Reads the whole custom picture at its own size.
PictureLoad loadPicture(const QString &path);

// Reads no more of the custom picture than `view` shows: a picture fitted to
// a window less than half its size is decoded straight to the window's size,
// and one at its own size only where the window covers it. A reader that
// cannot decode a part decodes the whole and keeps the covered part.
// `cancelled`, when given and set, ends the read early with an error.
PictureLoad loadPicture(const QString &path, const PictureView &view,
                        const std::atomic_bool *cancelled = nullptr);

// The custom picture the test-pattern window shows: the file, decoded off the
// GUI thread for the window's view of it, and read again when it changes on
// disk or the view needs other pixels. Emits decodingStarted() when a decode
// begins and changed() when its result replaces the picture or its problem.
// A newer request drops the result of an older one; a failed decode leaves
// the picture that was shown.
class PictureSource : public QObject
{
    Q_OBJECT

public:
    explicit PictureSource(QObject *parent = nullptr);
    ~PictureSource() override;

    // Shows `path`; the decoded picture is kept while its file stays the
    // same, and a new path, a changed file or one that failed before is read again.
    void setPath(const QString &path);
    // Shows `path` as `view` says, in one request.
    void show(const QString &path, const PictureView &view);
    // The window changed; decodes again only when the view needs other pixels.
    void setView(const PictureView &view);

    const QImage &image() const { return decoded; }
    // Why the picture cannot be shown; empty when it can.
    QString error() const { return problem; }
    QString path() const { return shownPath; }
    bool isDecoding() const { return decoding; }

signals:
    void changed();
    void decodingStarted();

private:
    void watch(const QString &newPath);
    void reload();
    void decode();
    void finish(const PictureLoad &load);
    void cancelRunning();
    bool needsDecodeFor(const PictureView &newView) const;

    QFileSystemWatcher *watcher = nullptr;
    QString shownPath;
    PictureView view;            // the view last asked for
    PictureView decodedView;     // the view of the last decode started
    QSize sourceSize;            // of shownPath, once a decode has read its header
    QImage decoded;
    QString problem;
    QDateTime modified;
    quint64 generation = 0;      // of the newest decode; an older result is dropped
    bool decoding = false;
    std::shared_ptr<std::atomic_bool> stopRunning; // ends the running decode early
    // One decode at a time: a newer one waits for the stopped older one to
    // end, so two large pictures are never decoded at once.
    QThreadPool decoder;
};

#endif // PICTURE_H
