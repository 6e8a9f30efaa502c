// The window has no frame, so it moves, sizes and toggles full screen itself.
#include "dialog.h"
#include "patternmodel.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

const int edgeBand = 9;
const int innerLimit = 10;
const int smallestSide = 50;
const int clickWindowMs = 170;

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

void dialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        recordAnchor(event->pos(), event->globalPos());
        if (pressX < width() - innerLimit && pressY < height() - innerLimit && fontTestShown()) {
            stepFont();
            update();
        }
        clickTimer->start(clickWindowMs);
    } else if (event->button() == Qt::RightButton) {
        // Shown, not executed: a modal menu loop would stall the animation timers.
        const QPoint cursor = QCursor::pos();
        contextMenu->show();
        contextMenu->setGeometry(cursor.x(), cursor.y(), contextMenu->width(), contextMenu->height());
    }
    mousePressed = true;
}

void dialog::mouseReleaseEvent(QMouseEvent *)
{
    mousePressed = false;
}

void dialog::mouseDoubleClickEvent(QMouseEvent *)
{
    if (clickTimer->isActive()) {
        clickTimer->stop();
        toggleFullScreen();
    } else if (fontTestShown()) {
        stepFont();
        update();
    }
}

void dialog::mouseMoveEvent(QMouseEvent *event)
{
    // The right-click menu swallows its release, so a held flag alone would
    // let plain moves drag afterwards; the left button must really be down.
    if (mousePressed && anchorSet && (event->buttons() & Qt::LeftButton))
        dragFromAnchor(event->pos(), event->globalPos());
    setCursor(cursorShapeAt(event->pos()));
    // Only the information text shows the cursor.
    update(infoTextRegion());
}

void dialog::keyPressEvent(QKeyEvent *event)
{
    // The code stays up until the next key, which does nothing else.
    if (addressCodeVisible) {
        addressCodeVisible = false;
        update();
        return;
    }
    if (event->key() == Qt::Key_Q && !addressCode.isNull()) {
        addressCodeVisible = true;
        update();
        return;
    }
    if (event->key() == Qt::Key_F)
        setFrameReadoutVisible(!frameReadoutShown);
    else if (event->key() == Qt::Key_Space)
        setInfoVisible(!pattern.infoVisible);
    else if (event->key() == Qt::Key_Right)
        stepScanLines();
    else
        update();
}

// The anchor and the drag take the positions the events carry, not the
// cursor's at the time they are read: events queue up while a large
// pattern paints, and the window must land where the cursor was.
void dialog::recordAnchor(const QPoint &pos, const QPoint &cursor)
{
    const QRect frame = geometry();
    pressX = pos.x();
    pressY = pos.y();
    pressWidth = frame.width();
    pressHeight = frame.height();
    pressLeft = frame.x();
    pressTop = frame.y();
    pressGlobalX = cursor.x();
    pressGlobalY = cursor.y();
    anchorSet = true;
}

// Every step computes from the anchor, not from the previous move, so the
// window follows the cursor without drift. The signals carry the computed
// size, also below the minimum; the panel's size boxes clamp it themselves.
void dialog::dragFromAnchor(const QPoint &pos, const QPoint &cursor)
{
    const bool rightBand = inRange(pressX, pressWidth - edgeBand, pressWidth - 1);
    const bool bottomBand = inRange(pressY, pressHeight - edgeBand, pressHeight - 1);
    const bool clearOfRight = pressX <= pressWidth - innerLimit - 1;
    const bool clearOfBottom = pressY <= pressHeight - innerLimit - 1;
    const int newWidth = pressWidth + pos.x() - pressX;
    const int newHeight = pressHeight + pos.y() - pressY;

    if (rightBand && pressY >= 0 && clearOfBottom) {
        setGeometry(pressLeft, pressTop, qMax(newWidth, smallestSide), pressHeight);
        emit whchange(newWidth, pressHeight);
    } else if (bottomBand && pressX >= 0 && clearOfRight) {
        setGeometry(pressLeft, pressTop, pressWidth, qMax(newHeight, smallestSide));
        emit whchange(pressWidth, newHeight);
    } else if (rightBand && bottomBand) {
        setGeometry(pressLeft, pressTop, qMax(newWidth, smallestSide), qMax(newHeight, smallestSide));
        emit whchange(newWidth, newHeight);
    } else if (pressX >= 1 && clearOfRight && pressY >= 1 && clearOfBottom) {
        const int newLeft = pressLeft + cursor.x() - pressGlobalX;
        const int newTop = pressTop + cursor.y() - pressGlobalY;
        setGeometry(newLeft, newTop, pressWidth, pressHeight);
        emit xychange(newLeft, newTop);
    }
}

Qt::CursorShape dialog::cursorShapeAt(const QPoint &pos) const
{
    const int w = width();
    const int h = height();
    const bool overBottom = inRange(pos.y(), h - edgeBand, h);
    const bool overRight = inRange(pos.x(), w - edgeBand, w);
    if (overBottom && pos.x() < w - innerLimit)
        return Qt::SizeVerCursor;
    if (overBottom && overRight)
        return Qt::SizeFDiagCursor;
    if (pos.y() < h - innerLimit && overRight)
        return Qt::SizeHorCursor;
    return Qt::ArrowCursor;
}

bool dialog::fontTestShown() const
{
    return characterTestShown(pattern);
}

void dialog::stepFont()
{
    pattern.fontIndex = pattern.fontIndex >= 7 ? 0 : pattern.fontIndex + 1;
    commandDone();
}

// Computers that drive a wall often run no window manager, and nothing then
// honours the full-screen state: the window covers its screen itself and
// comes back to where it was. Under a window manager that does honour it,
// the geometry asked for is the one the manager gives.
void dialog::toggleFullScreen()
{
    // Changing the flags hides the window; the show call brings it back.
    // A window manager may report the state late, or drop it while the
    // window is hidden by the flags; what this window did last counts too.
    const bool wasFullScreen = isFullScreen() || coveringScreen;
    coveringScreen = !wasFullScreen;
    if (!wasFullScreen)
        geometryBeforeFullScreen = geometry();
    setWindowFlags(Qt::FramelessWindowHint);
    if (wasFullScreen) {
        showNormal();
        if (geometryBeforeFullScreen.isValid())
            setGeometry(geometryBeforeFullScreen);
    } else {
        // Checked once the events the show call brings are handled.
        const QRect screenArea = screen()->geometry();
        showFullScreen();
        QTimer::singleShot(0, this, [this, screenArea] {
            if (isFullScreen() && geometry() != screenArea)
                setGeometry(screenArea);
        });
    }
}
