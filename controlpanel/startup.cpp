#include "startup.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>

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

void skipOpenGL()
{
    // Everything is painted with QPainter into the window's backing store;
    // loading the GL stack would only add some 50 MB of resident memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"), { QStringLiteral("URW Gothic"), QStringLiteral("URW Gothic L") });
    QFont::insertSubstitutions(QStringLiteral("宋体"), { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("SimSun"), { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), { QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), { QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("Aharoni"), { QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), { QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman") });
    QFont::insertSubstitutions(QStringLiteral("Arial"), { QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans") });
    QFont::insertSubstitutions(QStringLiteral("Courier"), { QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS") });
}
