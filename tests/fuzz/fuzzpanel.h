#ifndef FUZZPANEL_H
#define FUZZPANEL_H

#include "mainwindow.h"

#include <QApplication>

// The refusals and decoder warnings that hostile input earns on the log
// would drown libFuzzer's own report; only a fatal message is shown.
inline void quietLog()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// The control panel that the remote's and the profile's targets drive: one
// for the whole run, on the offscreen platform, made by the thread that calls
// the target, which is then the GUI thread.
inline MainWindow &fuzzPanel()
{
    static MainWindow *panel = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "walltest-fuzz";
        static char *argv[] = { name, nullptr };
        new QApplication(argc, argv);
        quietLog();
        return new MainWindow;
    }();
    return *panel;
}

#endif // FUZZPANEL_H
