#include "render.h"

#include <QPainter>

void drawScanLines(QPainter &, const PatternState &, const QRect &)
{
}
