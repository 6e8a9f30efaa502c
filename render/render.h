#ifndef RENDER_H
#define RENDER_H

// What the rest of the program uses of the renderer.

#include "patternrenderer.h"
#include "patternstate.h"

#include <QColor>
#include <QFont>

// A colour dimmed by the gray offset: its HSV value lowered, black below 0.
QColor grayAdjusted(const QColor &color, int grayOffset);

// The character test's eight fonts: four families, each plain and bold.
constexpr int characterTestFontCount = 8;
QFont characterTestFont(int index);

#endif // RENDER_H
