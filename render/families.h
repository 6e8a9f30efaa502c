#ifndef FAMILIES_H
#define FAMILIES_H

// The family painters, one per pattern family, all of one shape. Each paints
// every pixel of `rect` it shows, the base fill included where the base
// shows, and leaves the painter as it found it.

#include "framecache.h"
#include "patternstate.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTime>
#include <QVector>

class QPaintDevice;
class QPainter;

using FamilyPainter = void (*)(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);

void paintSolid(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintColorBars(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintGrayBars(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintScanLines(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintGrayBlocks(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintSpecial(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintChecker(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintZonePlate(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintPixelWalk(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
void paintTicker(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);
// The window's identification; it paints the window, never a canvas.
void paintIdent(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache);

// The colour the window shows under and around the pattern.
QColor baseColor(const PatternState &state);

// The base colour over the whole of `rect`.
void fillBase(QPainter &painter, const PatternState &state, const QRect &rect);

// The information text over the pattern.
void drawInfoOverlay(QPainter &painter, const PatternState &state, const QRect &rect, const QPoint &cursor);
QRect infoOverlayBox(const PatternState &state, const QRect &rect, const QPoint &cursor, const QPaintDevice *device);

// The full-window clock, one of the special patterns (fullwindowclock.cpp).
void drawFullWindowClock(QPainter &painter, const PatternState &state, const QRect &rect, Kept<ClockGlyphs> &glyphs);

// What changes between two times of a clock, for PatternRenderer::changedRegion.
QRegion fullWindowClockChange(const QPaintDevice *device, const QTime &before, const QTime &after, const QRect &rect,
                              const ClockGlyphs &glyphs);
QRegion cabinetClockChange(const QPaintDevice *device, const PatternState &state, const QTime &before,
                           const QTime &after, const QRect &rect);
// The box that holds every character from the first that differs between
// the clock texts `before` and `after`, drawn centred in `area`.
QRect clockTextChange(const QFont &font, const QPaintDevice *device, const QRect &area, const QString &before,
                      const QString &after);

// What a step of the scan lines changes (scanchange.cpp): parts of the
// window, each to be painted and shown on its own; the window whole where
// strips would not pay.
QVector<QRegion> scanLinesChange(const PatternState &before, const PatternState &after, const QRect &rect);
// The moving square's old and new place.
QRegion movingSquareChange(const PatternState &before, const PatternState &after, const QRect &rect);

// What a step of the pixel walk or the frame ticker changes on the canvas
// `rect`, within its part `visible`: the old and new lit pixels; the old
// and new lit blocks and the digits.
QRegion pixelWalkChange(const PatternState &before, const PatternState &after, const QRect &rect, const QRect &visible);
QRegion tickerChange(const PatternState &before, const PatternState &after, const QRect &rect, const QRect &visible);

// The wall's cabinets outlined and numbered column-row on black, one of the
// special patterns; it paints the whole of `rect` itself (cabinetmap.cpp).
void drawCabinetMap(QPainter &painter, const PatternState &state, const QRect &rect);

// The texts the patterns draw.
// One line of the character test: prefix, the matched family and the size.
QString fontTestText(int fontIndex, const QString &family, int pointSize);
// The two-line label of a contrast-chart cell of gray level `level`.
QString contrastLabel(int level);
// The frame-delay clock's text, "mm:ss.zzz", and its font.
QString clockText(const QTime &delayTime);
QFont clockFont(int pointSize);

#endif // FAMILIES_H
