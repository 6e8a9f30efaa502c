#include "wallcontrol.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"
#include "patternmodel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QtDebug>

namespace {

const int startPage = 1;

} // namespace

WallControl::WallControl(MainWindow *owner)
    : QObject(owner)
    , panel(owner)
    , form(owner->ui)
    , window(owner->patternWindow)
{
    connect(window->model(), &PatternModel::changed, this, &WallControl::changed);
    // The window moves and resizes by the mouse, the window manager and full
    // screen as well as by the panel.
    window->installEventFilter(this);
    watchPanelSettings();
}

bool WallControl::showPattern(const QString &name, QString *error)
{
    PatternName parsed;
    if (!parsePatternName(name, &parsed, error))
        return false;
    showPattern(parsed);
    return true;
}

void WallControl::showPattern(const PatternName &name)
{
    window->showPattern(name);
}

PatternName WallControl::currentPattern() const
{
    return window->patternName();
}

PlacementRanges WallControl::placementRanges() const
{
    const auto rangeOf = [](const QSpinBox *box) { return ValueRange{ box->minimum(), box->maximum() }; };
    return { rangeOf(form->spinBox_x), rangeOf(form->spinBox_y), rangeOf(form->spinBox_width),
             rangeOf(form->spinBox_height) };
}

// The window is placed whole: a control that already holds its side would
// not move the window by itself. The controls then show the placement.
bool WallControl::placeWindow(const QRect &placement, QString *error)
{
    const PlacementRanges ranges = placementRanges();
    const struct { const char *name; int value; ValueRange range; } sides[] = {
        { "width", placement.width(), ranges.width }, { "height", placement.height(), ranges.height },
        { "x", placement.x(), ranges.x }, { "y", placement.y(), ranges.y },
    };
    for (const auto &side : sides) {
        if (!side.range.contains(side.value)) {
            *error = QStringLiteral("%1 %2 is outside %3..%4").arg(QLatin1String(side.name)).arg(side.value)
                         .arg(side.range.low).arg(side.range.high);
            return false;
        }
    }
    const QRect placed = ontoDesktop(placement);
    window->setGeometry(placed);
    panel->showWindowPlacement();
    emit changed();
    return true;
}

QString WallControl::placementText(const QRect &r)
{
    return QStringLiteral("%1x%2%3%4%5%6")
        .arg(r.width()).arg(r.height())
        .arg(r.x() < 0 ? "" : "+").arg(r.x())
        .arg(r.y() < 0 ? "" : "+").arg(r.y());
}

// A placement on no screen (an output unplugged since, a typing slip) is
// moved onto the primary screen whole rather than left where nobody sees
// it; one partly off the desktop stays, and the log and the panel's
// placement controls say which part shows.
QRect WallControl::ontoDesktop(const QRect &placement)
{
    QRegion desktop;
    for (const QScreen *screen : QGuiApplication::screens())
        desktop += screen->geometry();
    const QRegion shown = desktop & placement;
    QRect placed = placement;
    QString warning;
    if (shown.isEmpty() && QGuiApplication::primaryScreen()) {
        placed.moveTopLeft(QGuiApplication::primaryScreen()->geometry().topLeft());
        warning = QCoreApplication::translate("WallControl", "walltest: the window at %1 lies off the desktop; moved to %2")
                      .arg(placementText(placement), placementText(placed));
    } else if (shown != QRegion(placement)) {
        warning = QCoreApplication::translate("WallControl", "walltest: the window at %1 lies partly off the desktop; only %2 of it shows")
                      .arg(placementText(placement), placementText(shown.boundingRect()));
    }
    if (!warning.isEmpty())
        qWarning().noquote() << warning;
    panel->showPlacementWarning(warning);
    return placed;
}

QRect WallControl::windowPlacement() const
{
    return window->isFullScreen() ? window->normalGeometry() : window->geometry();
}

// Showing and hiding go through the panel's own buttons, so the panel
// leaves its start page as the operator's "START" does.
void WallControl::setWindowVisible(bool visible)
{
    if (!visible)
        panel->on_pushButton_closedlg_clicked();
    else if (form->stackedWidget->currentIndex() == startPage)
        panel->on_pushButton_selectpage_clicked();
    else
        panel->on_pushButton_opendlg_clicked();
}

bool WallControl::isWindowVisible() const
{
    return window->isVisible();
}

void WallControl::setFullScreen(bool on)
{
    if (on) {
        if (form->stackedWidget->currentIndex() == startPage)
            panel->on_pushButton_selectpage_clicked();
        window->showFullScreen();
    } else if (window->isFullScreen()) {
        window->showNormal();
    }
}

// The part is as large as the window: the screen's size when full screen.
bool WallControl::setCanvas(const WallCanvas &canvas, QString *error)
{
    const QSize part = window->isFullScreen() && window->screen() ? window->screen()->geometry().size()
                                                                   : windowPlacement().size();
    if (!partFits(canvas, part)) {
        *error = QCoreApplication::translate("WallControl", "a %1x%2 window at %3,%4 does not fit inside the %5x%6 canvas")
                     .arg(part.width()).arg(part.height()).arg(canvas.origin.x()).arg(canvas.origin.y())
                     .arg(canvas.size.width()).arg(canvas.size.height());
        return false;
    }
    if (canvas != window->canvas()) {
        window->setCanvas(canvas);
        emit changed();
    }
    return true;
}

WallCanvas WallControl::canvas() const
{
    return window->canvas();
}

void WallControl::showWallGroup(const QString &name, int membersOnline)
{
    WindowFacts facts = window->windowFacts();
    facts.wallGroup = name;
    facts.groupMembers = name.isEmpty() ? 0 : membersOnline;
    window->setWindowFacts(facts);
}

bool WallControl::placeOnOutput(const QString &name, QString *error)
{
    if (name.isEmpty())
        return true;
    for (QScreen *output : QGuiApplication::screens()) {
        if (output->name() != name)
            continue;
        // The native window carries the output Wayland is asked to fill.
        if (window->isFullScreen())
            window->showNormal();
        window->winId();
        window->windowHandle()->setScreen(output);
        window->move(output->geometry().topLeft());
        return true;
    }
    *error = QCoreApplication::translate("WallControl", "no output is called '%1': the outputs are %2")
                 .arg(name, outputs().join(QLatin1String(", ")));
    return false;
}

bool WallControl::setFullScreenOn(const QString &name, QString *error)
{
    if (!placeOnOutput(name, error))
        return false;
    setFullScreen(true);
    return true;
}

QStringList WallControl::outputs() const
{
    QStringList names;
    for (const QScreen *output : QGuiApplication::screens())
        names << output->name();
    return names;
}

void WallControl::setInfoVisible(bool visible)
{
    window->setInfoVisible(visible);
}

// A command of its own rather than the Right-arrow key: a key first takes
// down the address code when it shows.
bool WallControl::stepScanLines()
{
    const PatternState &shown = window->state();
    const bool lines = shown.scanHorizontal || shown.scanVertical || shown.scanDiagonalLR || shown.scanDiagonalRL;
    if (!scanLinesShown(shown) || !lines)
        return false;
    window->stepScanLines();
    return true;
}

void WallControl::setFrameReadoutVisible(bool visible)
{
    window->setFrameReadoutVisible(visible);
}

WallState WallControl::state() const
{
    WallState now;
    now.pattern = printPatternName(currentPattern());
    now.visible = window->isVisible();
    now.geometry = window->geometry();
    now.fullScreen = window->isFullScreen();
    now.infoVisible = window->state().infoVisible;
    now.frameReadout = window->frameReadoutVisible();
    now.output = window->screen() ? window->screen()->name() : QString();
    now.outputs = outputs();
    now.frames = window->frameFigures();
    now.canvas = window->canvas();
    now.pastCanvas = !partFits(now.canvas, window->size());
    now.clock = readClockHealth();
    return now;
}

bool WallControl::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        if (watched == window)
            emit changed();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
