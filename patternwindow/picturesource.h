#ifndef PICTURESOURCE_H
#define PICTURESOURCE_H

#include "picturedecoder.h"

#include <QDateTime>
#include <QObject>
#include <QThreadPool>

#include <memory>

class QFileSystemWatcher;

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

#endif // PICTURESOURCE_H
