#include "startoptions.h"

#include "commandline.h"
#include "mainwindow.h"
#include "wallcontrol.h"

#include <QtDebug>

namespace {

void warn(const QString &option, const QString &problem)
{
    qWarning().noquote() << QStringLiteral("walltest: %1: %2").arg(option, problem);
}

} // namespace

bool applyCommandLine(MainWindow &panel, const CommandLine &line, QString *canvasError)
{
    WallControl *control = panel.control();
    QString error;
    if (!line.geometry.isNull() && !control->placeWindow(line.geometry, &error))
        warn(QStringLiteral("--geometry"), error);
    // Full screen, the part is the screen's size, known once the window fills it.
    if (line.canvasGiven && !line.fullscreen && !control->setCanvas(line.canvas, canvasError))
        return false;
    if (line.noInfo)
        control->setInfoVisible(false);
    if (!line.pattern.isEmpty()) {
        control->setWindowVisible(true);
        if (!control->showPattern(line.pattern, &error))
            warn(QStringLiteral("--pattern"), error);
    }
    if (line.fullscreen) {
        control->setFullScreen(true);
        if (line.canvasGiven && !control->setCanvas(line.canvas, canvasError))
            return false;
    }
    return true;
}
