// Beside the placement: the canvas the window shows a part of, and whether
// this computer's clock is in step, which the computers of one wall need.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "wallcontrol.h"

#include <QLabel>
#include <QTimer>

namespace {

// The kernel revises its clock error every few seconds.
const int clockReadingMs = 5000;

QString canvasLine(const WallState &state)
{
    if (!state.canvas.isSet())
        return MainWindow::tr("Canvas: the window");
    const QString canvas = MainWindow::tr("Canvas: %1").arg(wallCanvasText(state.canvas));
    return state.pastCanvas ? canvas + MainWindow::tr(", window past it") : canvas;
}

QString clockLine(const ClockHealth &clock)
{
    if (!clock.synchronised)
        return MainWindow::tr("Clock: not synchronised");
    if (!clock.errorMs)
        return MainWindow::tr("Clock: synchronised");
    return MainWindow::tr("Clock: synchronised, ±%1 ms").arg(*clock.errorMs, 0, 'g', 3);
}

// One short line under the placement; the tool tip says it in full.
QString statusLine(const WallState &state)
{
    const QString canvas = state.canvas.isSet() ? wallCanvasText(state.canvas) : MainWindow::tr("no canvas");
    const QString clock = state.clock.synchronised ? QStringLiteral("✓") : QStringLiteral("✗");
    return MainWindow::tr("%1 · clock %2").arg(canvas, clock);
}

} // namespace

void MainWindow::addWallStatus()
{
    wallStatus = new QLabel(ui->pushButton_opendlg->parentWidget());
    wallStatus->setObjectName(QStringLiteral("label_wallStatus"));
    wallStatus->setGeometry(604, 284, 178, 14);
    QFont small = wallStatus->font();
    small.setPixelSize(9);
    wallStatus->setFont(small);
    connect(wallControl, &WallControl::changed, this, &MainWindow::showWallStatus);
    auto *clockReading = new QTimer(this);
    connect(clockReading, &QTimer::timeout, this, &MainWindow::showWallStatus);
    clockReading->start(clockReadingMs);
    showWallStatus();
    wallStatus->show();
}

void MainWindow::showWallStatus()
{
    const WallState state = wallControl->state();
    wallStatus->setText(statusLine(state));
    const bool warn = state.pastCanvas || (state.canvas.isSet() && !state.clock.synchronised);
    wallStatus->setStyleSheet(warn ? QStringLiteral("color: #c03000;") : QString());
    const QString why = state.pastCanvas ? tr("The window reaches past its canvas: the base colour shows there.")
                                         : tr("The computers of one wall show the same frame while their clocks agree (chrony, linuxptp).");
    wallStatus->setToolTip(canvasLine(state) + QLatin1Char('\n') + clockLine(state.clock) + QLatin1Char('\n') + why);
}
