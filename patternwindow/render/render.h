#ifndef RENDER_H
#define RENDER_H

// What the rest of the program uses of the renderer.

#include "patternrenderer.h"
#include "patternstate.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

// A colour dimmed by the gray offset: its HSV value lowered, black below 0.
QColor grayAdjusted(const QColor &color, int grayOffset);

// The colour the window shows under and around the pattern.
QColor baseColor(const PatternState &state);

// The colour-bar cell size the renderer uses for a window of `size`: the
// state's own, or with automatic size the window divided by the table,
// rounded up so that the last cell reaches the edge.
QSize colorBarCellSize(const PatternState &state, const QSize &size);

// The character test's eight fonts: four families, each plain and bold.
constexpr int characterTestFontCount = 8;
QFont characterTestFont(int index);

// One line of the character test: prefix, the matched family and the size.
QString fontTestText(int fontIndex, const QString &family, int pointSize);
// The two-line label of a contrast-chart cell of gray level `level`.
QString contrastLabel(int level);
// The frame-delay clock's text, "mm:ss.zzz", and its font.
QString clockText(const QTime &delayTime);
QFont clockFont(int pointSize);

#endif // RENDER_H
