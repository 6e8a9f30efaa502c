#include "picturesource.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QtConcurrent>

PictureSource::PictureSource(QObject *parent)
    : QObject(parent)
    , watcher(new QFileSystemWatcher(this))
{
    decoder.setMaxThreadCount(1);
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &PictureSource::reload);
}

// The running decode, if any, ends early; its result is dropped.
PictureSource::~PictureSource()
{
    cancelRunning();
}

void PictureSource::setPath(const QString &newPath)
{
    show(newPath, view);
}

void PictureSource::show(const QString &newPath, const PictureView &newView)
{
    if (newPath != shownPath) {
        view = newView;
        watch(newPath);
        sourceSize = QSize();
        if (shownPath.isEmpty()) {
            cancelRunning();
            decoded = QImage();
            problem.clear();
            emit changed();
        } else {
            decode();
        }
        return;
    }
    if (shownPath.isEmpty()) {
        view = newView;
        return;
    }
    const bool retry = !decoding && (!problem.isEmpty() || QFileInfo(shownPath).lastModified() != modified);
    const bool otherPixels = needsDecodeFor(newView);
    view = newView;
    if (retry || otherPixels)
        decode();
}

void PictureSource::setView(const PictureView &newView)
{
    const bool otherPixels = !shownPath.isEmpty() && needsDecodeFor(newView);
    view = newView;
    if (otherPixels)
        decode();
}

// While a decode runs, any other view starts it again; once the picture's
// size is known, only a view that needs other pixels decodes again.
bool PictureSource::needsDecodeFor(const PictureView &newView) const
{
    if (decoding)
        return newView != decodedView;
    if (!sourceSize.isValid())
        return false;
    return !(decodePlan(sourceSize, decodedView) == decodePlan(sourceSize, newView));
}

void PictureSource::watch(const QString &newPath)
{
    if (!watcher->files().isEmpty())
        watcher->removePaths(watcher->files());
    shownPath = newPath;
    if (!shownPath.isEmpty())
        watcher->addPath(shownPath);
}

void PictureSource::reload()
{
    if (!shownPath.isEmpty())
        decode();
}

void PictureSource::cancelRunning()
{
    ++generation;
    decoding = false;
    if (stopRunning)
        stopRunning->store(true);
    stopRunning.reset();
}

// The decode runs on the thread pool and touches nothing of this object; its
// result comes back through the watcher, queued to this object's thread.
void PictureSource::decode()
{
    cancelRunning();
    const quint64 ticket = generation;
    auto stop = std::make_shared<std::atomic_bool>(false);
    stopRunning = stop;
    decoding = true;
    decodedView = view;
    modified = QFileInfo(shownPath).lastModified();

    auto *result = new QFutureWatcher<PictureLoad>(this);
    connect(result, &QFutureWatcher<PictureLoad>::finished, this, [this, result, ticket] {
        result->deleteLater();
        if (ticket == generation)
            finish(result->result());
    });
    const QString file = shownPath;
    const PictureView wanted = view;
    result->setFuture(QtConcurrent::run(&decoder, [file, wanted, stop] { return loadPicture(file, wanted, stop.get()); }));
    emit decodingStarted();
}

void PictureSource::finish(const PictureLoad &load)
{
    decoding = false;
    stopRunning.reset();
    sourceSize = load.sourceSize;
    problem = load.error;
    if (problem.isEmpty())
        decoded = load.image;
    // An editor that replaces the file drops it from the watch list.
    if (!watcher->files().contains(shownPath) && QFileInfo::exists(shownPath))
        watcher->addPath(shownPath);
    emit changed();
}
