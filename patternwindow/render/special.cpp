#include "render.h"

#include <QPainter>

void drawSpecial(QPainter &, const PatternState &, const QRect &)
{
}
