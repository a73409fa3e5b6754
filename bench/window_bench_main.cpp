// main() of the benchmarks that build real windows: the application, its style
// and fonts as the program sets them, offscreen unless QT_QPA_PLATFORM says
// otherwise (xcb under Xvfb measures a real X11 window).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyleFactory>

#include "window/window_fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tavrel::fonts::standard());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
