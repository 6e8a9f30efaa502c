#ifndef RENDER_H
#define RENDER_H

#include "patternstate.h"

#include <QPoint>
#include <QRect>

class QPainter;

// One frame of the test pattern: base fill, the family of state.mode, then
// the information text. `cursor` is the global cursor position the text shows.
// The renderer only reads the state, except that the colour bars with
// automatic cell size write the computed cell size back.
void renderFrame(QPainter &painter, PatternState &state, const QRect &rect, const QPoint &cursor);

// The base colour dimmed by the gray offset (see dialog::grayAdjusted).
QColor grayAdjusted(const QColor &color, int grayOffset);

// Family painters, one per file, all called by renderFrame.
void drawColorBars(QPainter &painter, PatternState &state, const QRect &rect);
void drawGrayBars(QPainter &painter, const PatternState &state, const QRect &rect);
void drawScanLines(QPainter &painter, const PatternState &state, const QRect &rect);
void drawGrayBlocks(QPainter &painter, const PatternState &state, const QRect &rect);
void drawSpecial(QPainter &painter, const PatternState &state, const QRect &rect);
void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor);

// --- Scan-line, gray-block and special families: texts they draw ---
// One line of the character test: prefix, the matched family and the size.
QString fontTestText(int fontIndex, const QString &family, int pointSize);
// The two-line label of a contrast-chart cell of gray level `level`.
QString contrastLabel(int level);
// The frame-delay clock's text, "mm:ss.zzz", and its font.
QString clockText(const QTime &delayTime);
QFont clockFont(int pointSize);
// The clock filling the window, one of the special patterns.
void drawFullWindowClock(QPainter &painter, const PatternState &state, const QRect &rect);
// The wall's cabinets outlined and numbered column-row on black, one of the
// special patterns; it paints the whole of `rect` itself.
void drawCabinetMap(QPainter &painter, const PatternState &state, const QRect &rect);
// --- end of the scan-line, gray-block and special block ---

// ---- What the frame may leave out ----
// True when the family, drawn with this painter, paints every pixel of `rect`
// with opaque colours, so that the base fill under it could never show.
bool colorBarsCoverWindow(const QPainter &painter, const PatternState &state, const QRect &rect);
bool grayBarsCoverWindow(const QPainter &painter, const PatternState &state, const QRect &rect);
bool scanLinesCoverWindow(const QPainter &painter, const PatternState &state, const QRect &rect);
bool grayBlocksCoverWindow(const QPainter &painter, const PatternState &state, const QRect &rect);
bool specialCoversWindow(const QPainter &painter, const PatternState &state, const QRect &rect);

#endif // RENDER_H
