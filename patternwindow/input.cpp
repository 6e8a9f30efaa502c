#include "dialog.h"

#include <QMouseEvent>

void dialog::mousePressEvent(QMouseEvent *) {}
void dialog::mouseReleaseEvent(QMouseEvent *) {}
void dialog::mouseDoubleClickEvent(QMouseEvent *) {}
void dialog::mouseMoveEvent(QMouseEvent *) {}
void dialog::keyPressEvent(QKeyEvent *) {}

void dialog::stepFont()
{
    fontIndex = fontIndex >= 7 ? 0 : fontIndex + 1;
}
