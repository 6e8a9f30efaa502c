#include "devicepixels.h"

#include <QCoreApplication>

void useDevicePixels()
{
    for (const char *name : { "QT_SCALE_FACTOR", "QT_AUTO_SCREEN_SCALE_FACTOR",
                              "QT_ENABLE_HIGHDPI_SCALING", "QT_SCREEN_SCALE_FACTORS",
                              "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DEVICE_PIXEL_RATIO" })
        qunsetenv(name);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
#else
    // Qt 6 has no attribute for it, and it scales by the desktop's font DPI
    // too (Xft.dpi 120 on a desktop set to 125 %); only this variable stops it.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
#endif
}
