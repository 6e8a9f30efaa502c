#include "mainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    useDevicePixels();
    skipOpenGL();
    QApplication app(argc, argv);
    registerFontSubstitutions();
    MainWindow w;
    w.show();
    return app.exec();
}
