#include "platformchoice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextStream>

bool preferXWayland(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return false;
    }
    // Qt tries the platforms in order and goes on to the next when one
    // cannot start, as X11 cannot when DISPLAY names no running X server.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb;wayland");
    return true;
}

void reportPlatform(QMainWindow &panel, bool preferredXWayland)
{
    QTextStream log(stderr);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const QString notice = QCoreApplication::translate(
            "Platform", "On Wayland the desktop decides where the test-pattern window appears: its position is the "
                        "compositor's choice, not the placement. --fullscreen --output NAME fills one output exactly.");
        log << "walltest: " << notice << '\n';
        auto *label = new QLabel(notice, &panel);
        label->setWordWrap(true);
        label->setContentsMargins(6, 0, 6, 6);
        panel.statusBar()->addPermanentWidget(label, 1);
    } else if (preferredXWayland && QGuiApplication::platformName() == QLatin1String("xcb")) {
        log << "walltest: " << QCoreApplication::translate(
            "Platform", "Wayland desktop: running through XWayland, so that the test-pattern window stands exactly "
                        "where it is placed.") << '\n';
    }
}
