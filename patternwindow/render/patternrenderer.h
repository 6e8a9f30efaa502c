#ifndef PATTERNRENDERER_H
#define PATTERNRENDERER_H

#include "framecache.h"
#include "patternstate.h"

#include <QImage>
#include <QPoint>
#include <QRect>

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
    void render(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor);

    // The decoded custom picture the picture pattern shows; null shows none.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return cache.picture; }

private:
    FrameCache cache;
};

#endif // PATTERNRENDERER_H
