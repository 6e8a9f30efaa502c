#ifndef FRAMECACHE_H
#define FRAMECACHE_H

#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>

// Something a painter keeps between frames. A painter that uses it calls
// use() on every frame it paints; whatever no painter used in a frame is
// released at the frame's end, so a 4K wall holds only the images of the
// pattern it shows.
template <typename T>
class Kept
{
public:
    T &use()
    {
        used = true;
        return value;
    }

    // What is kept, without keeping it past this frame.
    const T &peek() const { return value; }

    void endFrame()
    {
        if (!used)
            value = T();
        used = false;
    }

private:
    T value;
    bool used = false;
};

// An image drawn once and copied on later paints while `key`, the state and
// size it was drawn for, stays the same.
struct KeptImage
{
    QImage image;
    QString key;
};

// The full-window clock's characters as coverage masks, one per place in the
// text and digit (masks[place * 10 + digit]), and where each place sits in
// the window. No masks while the clock is drawn as text.
struct ClockGlyphs
{
    QVector<QImage> masks;
    QVector<QPoint> positions;
    QString key;                    // the window size and font they were made for
    int paints = 0;                 // paints seen with that key
};

// What the renderer keeps between frames, each next to the painter that uses it.
struct FrameCache
{
    QImage picture;                 // the decoded custom picture, handed over by its owner
    Kept<KeptImage> ball;           // the ball's corner (grayramps.cpp)
    Kept<KeptImage> staticFrame;    // a still frame: character test, charts, grid (offscreen.cpp)
    Kept<KeptImage> cabinetCell;    // one cabinet of the cabinet clock (special.cpp)
    Kept<KeptImage> fittedPicture;  // the picture scaled to the window (special.cpp)
    Kept<ClockGlyphs> clockGlyphs;  // the full-window clock's characters (fullwindowclock.cpp)
    Kept<KeptImage> checker;        // the checkerboard's visible part (checker.cpp)
    Kept<KeptImage> zonePlate;      // the zone plate's visible part (zoneplate.cpp)
    Kept<KeptImage> tickerRow;      // the ticker's row of outlined blocks (ticker.cpp)
    Kept<QVector<QVector<quint32>>> scanRows;  // one period of the scan lines' rows (scanrows.cpp)

    void endFrame()
    {
        ball.endFrame();
        staticFrame.endFrame();
        cabinetCell.endFrame();
        fittedPicture.endFrame();
        clockGlyphs.endFrame();
        checker.endFrame();
        zonePlate.endFrame();
        tickerRow.endFrame();
        scanRows.endFrame();
    }
};

#endif // FRAMECACHE_H
