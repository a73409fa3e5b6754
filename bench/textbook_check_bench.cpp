// The eight-bar run a keystroke costs, with and without the textbook check
// beside it: the check must stay a small fraction of the eight engine calls.
#include <benchmark/benchmark.h>

#include "analysis/design_analysis.h"
#include "analysis/textbook_check.h"

namespace {

using namespace tavrel;

constexpr DesignValues kDefaultDesign = {12, 0.25f, 300, 9000, 4000000, 12, 90};

void EightBarRun(benchmark::State& state) {
    const bool withCheck = state.range(0) != 0;
    DesignAnalysis analysis;
    const CheckSettings settings;
    DesignValues values = kDefaultDesign;
    for (auto _ : state) {
        // A new load each time, as typing gives, so nothing is hoisted.
        values[3] = values[3] == 9000 ? 9001 : 9000;
        AnalysisRun run = analysis.run(values, CALCLTE);
        benchmark::DoNotOptimize(run);
        if (withCheck) {
            TextbookCheck check = textbookCheck(analysis.input(), settings);
            benchmark::DoNotOptimize(check);
        }
    }
}
BENCHMARK(EightBarRun)->Arg(0)->Arg(1)->ArgName("check");

void CheckOnly(benchmark::State& state) {
    const CheckSettings settings;
    DesignValues values = kDefaultDesign;
    for (auto _ : state) {
        values[3] = values[3] == 9000 ? 9001 : 9000;
        TextbookCheck check = textbookCheck(values, settings);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(CheckOnly);

}  // namespace
