#include <benchmark/benchmark.h>

#include "fontsubstitutions.h"

#include <QGuiApplication>

// The renderer draws into QImage, which needs a GUI application for fonts.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
