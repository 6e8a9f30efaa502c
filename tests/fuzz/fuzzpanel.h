#ifndef FUZZPANEL_H
#define FUZZPANEL_H

#include "mainwindow.h"

#include <QApplication>

// The application and control panel every target runs in: one for the whole
// run, on the offscreen platform, made by the thread that calls the target,
// which is then the GUI thread. The refusals and decoder warnings that
// hostile input earns would drown libFuzzer's own report; only a fatal
// message is shown.
inline MainWindow &fuzzPanel()
{
    static MainWindow *panel = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "walltest-fuzz";
        static char *argv[] = { name, nullptr };
        new QApplication(argc, argv);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg)
                fprintf(stderr, "%s\n", qPrintable(message));
        });
        return new MainWindow;
    }();
    return *panel;
}

// Built before the first input, outside its time limit.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzPanel();
    return 0;
}

#endif // FUZZPANEL_H
