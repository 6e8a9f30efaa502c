#ifndef PATTERNRENDERER_H
#define PATTERNRENDERER_H

#include "framecache.h"
#include "patternstate.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QVector>

class QPaintDevice;
class QPainter;

// Paints the test pattern of a state. The state goes in unchanged; what the
// renderer keeps between frames to paint fast (strips, masks, still frames)
// is its own. The window paints through one, and tests, benchmarks and the
// export render any state into a QImage with one of their own.
class PatternRenderer
{
public:
    // One frame: the family of state.mode, then the information text when it
    // is visible. `cursor` is the global cursor position the text shows.
    // `rect` is the window; on a canvas it shows its part of the canvas,
    // while the information text stays the window's own.
    void render(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor);

    // The pixels on `device` whose colour can differ between the frames of
    // two states that differ only in what the window's timers animate: the
    // clocks' time, the moving square's place, the scan offset, the gray
    // sweep. The clocks give their changed character boxes, the square its
    // old and new place, scan lines the strips around their lines; the gray
    // sweep changes every pixel. The information text is not included: see
    // infoTextBox.
    QRegion changedRegion(const PatternState &before, const PatternState &after, const QRect &rect,
                          const QPaintDevice *device) const;
    // The same pixels in parts to paint and show one after the other: one
    // part, but for both sets of scan lines moving, whose rows and columns
    // are two parts of simple strips instead of one region of thousands of
    // rectangles. Empty parts change nothing.
    QVector<QRegion> changedParts(const PatternState &before, const PatternState &after, const QRect &rect,
                                  const QPaintDevice *device) const;

    // The box around every pixel of the information text that `cursor`
    // gives; empty while the text is hidden.
    static QRect infoTextBox(const PatternState &state, const QRect &rect, const QPoint &cursor,
                             const QPaintDevice *device);

    // The decoded custom picture the picture pattern shows; null shows none.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return cache.picture; }

private:
    void paintPart(QPainter &painter, const PatternState &state, const QRect &rect);
    QVector<QRegion> canvasChanges(const PatternState &before, const PatternState &after, const QRect &rect,
                                   const QRect &visible, const QPaintDevice *device) const;

    FrameCache cache;
};

#endif // PATTERNRENDERER_H
