#ifndef WALLCANVAS_H
#define WALLCANVAS_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// A wall fed by several outputs is one canvas, of which each window shows a
// rectangle. The window's size is the part's size: pixels are never scaled.
struct WallCanvas
{
    QSize size;         // empty: the window is the whole canvas
    QPoint origin;      // where the window's top-left pixel sits on the canvas

    bool isSet() const { return !size.isEmpty(); }
    bool operator==(const WallCanvas &other) const { return size == other.size && origin == other.origin; }
    bool operator!=(const WallCanvas &other) const { return !(*this == other); }
};

// The largest canvas side.
constexpr int MaxCanvasSide = 65535;

// Reads "WxH+X+Y": W and H 1..65535, X and Y 0 or more. On success fills
// *out; otherwise puts the reason into *error.
bool parseWallCanvas(const QString &text, WallCanvas *out, QString *error);
// "WxH+X+Y"; empty for no canvas.
QString wallCanvasText(const WallCanvas &canvas);

// The canvas in the coordinates of the window whose rectangle is `window`;
// the window itself when no canvas is set.
QRect canvasRect(const WallCanvas &canvas, const QRect &window);
// A part of `part` pixels at the canvas's origin lies inside the canvas.
bool partFits(const WallCanvas &canvas, const QSize &part);

#endif // WALLCANVAS_H
