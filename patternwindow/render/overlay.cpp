#include "render.h"

#include <QPainter>

void drawInfoOverlay(QPainter &, const PatternState &, const QRect &, const QPoint &)
{
}
