// What the user waits for: one keystroke's analysis run (eight engine calls and
// forty cell updates) and start-up until the window is shown. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>

#include "window/dowel_sizing_page.h"
#include "window/main_window.h"
#include "window/window_fonts.h"

namespace {

void RunAnalysisOnEdit(benchmark::State& state) {
    tavrel::MainWindow w;
    w.show();
    QApplication::processEvents();
    QLineEdit* thickness = w.findChild<QLineEdit*>("txth");
    const QString texts[2] = {QStringLiteral("12"), QStringLiteral("12.5")};
    int i = 0;
    for (auto _ : state) {
        thickness->setText(texts[i ^= 1]);  // every edit runs the analysis: one full run
    }
    state.counters["engine_calls"] = static_cast<double>(w.sizingPage()->analysis().engineCalls());
}
BENCHMARK(RunAnalysisOnEdit)->Unit(benchmark::kMicrosecond);

void StartUpToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        tavrel::MainWindow w;
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.isVisible());
    }
}
BENCHMARK(StartUpToShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace
