#ifndef PICTUREDECODER_H
#define PICTUREDECODER_H

#include "wallcanvas.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <atomic>

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
// whole picture at its own size. On a canvas, the picture lies on the
// canvas (fitted to it, or at its own size from its corner) and the window
// shows its part.
struct PictureView
{
    bool fit = false;
    QSize window;
    WallCanvas canvas;

    bool operator==(const PictureView &other) const
    {
        return fit == other.fit && window == other.window && canvas == other.canvas;
    }
    bool operator!=(const PictureView &other) const { return !(*this == other); }
};

// The part of a picture of `source` pixels that `view` shows, and the size it
// is decoded to: a null clip and size mean the whole picture at its own size.
// A fitted picture up to twice the window's size on each side is decoded
// whole and scaled when drawn, nearest pixel; a larger one is decoded
// straight to the window's size, which the PNG and JPEG readers do while
// decoding, without holding the picture whole. A part of a canvas is
// decoded to the canvas's size and clipped to the part, never decoded whole
// at the canvas's size; a part that shows none of the picture decodes none.
struct DecodePlan
{
    QSize scaledSize;
    QRect clipRect;
    QRect scaledClipRect;
    bool nothingShown = false;

    bool operator==(const DecodePlan &other) const
    {
        return scaledSize == other.scaledSize && clipRect == other.clipRect && scaledClipRect == other.scaledClipRect
            && nothingShown == other.nothingShown;
    }
};
DecodePlan decodePlan(const QSize &source, const PictureView &view);

// Reads the whole custom picture at its own size.
PictureLoad loadPicture(const QString &path);

// Reads no more of the custom picture than `view` shows: a picture fitted to
// a window less than half its size is decoded straight to the window's size,
// and one at its own size only where the window covers it. A reader that
// cannot decode a part decodes the whole and keeps the covered part.
// `cancelled`, when given and set, ends the read early with an error.
PictureLoad loadPicture(const QString &path, const PictureView &view,
                        const std::atomic_bool *cancelled = nullptr);

#endif // PICTUREDECODER_H
