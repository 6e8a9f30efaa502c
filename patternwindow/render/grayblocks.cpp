#include "render.h"

#include <QPainter>

void drawGrayBlocks(QPainter &, const PatternState &, const QRect &)
{
}
