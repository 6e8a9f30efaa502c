#include "render.h"

#include <QPainter>

void drawGrayBars(QPainter &, const PatternState &, const QRect &)
{
}
