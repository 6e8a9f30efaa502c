#include "render.h"

#include <QPainter>

void drawColorBars(QPainter &, PatternState &, const QRect &)
{
}
