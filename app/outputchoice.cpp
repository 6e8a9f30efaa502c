#include "outputchoice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <QWindow>

bool placeOnOutput(QWidget &window, const QString &name, QString *error)
{
    if (name.isEmpty())
        return true;
    QStringList names;
    for (QScreen *output : QGuiApplication::screens()) {
        if (output->name() != name) {
            names << output->name();
            continue;
        }
        // The native window carries the output Wayland is asked to fill.
        window.winId();
        window.windowHandle()->setScreen(output);
        window.move(output->geometry().topLeft());
        return true;
    }
    *error = QCoreApplication::translate("CommandLine", "invalid value '%1' for --output: the outputs are %2")
                 .arg(name, names.join(QLatin1String(", ")));
    return false;
}
